// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StatisticsWindow.h"

#include "formats/ResultDocument.h"
#include "stats/StatisticsHistory.h"

#include "platform/GameCatalogue.h"
#include "platform/MessageBox.h"
#include "shell/ChartFile.h"
#include "shell/ShellServices.h"
#include "stats/StatisticsReport.h"
#include "stats/StatisticsTables.h"
#include "stats/StatsTexts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {

constexpr std::string_view kNotAPicture = "Charts are saved as PNG or SVG pictures.\nPlease choose a file "
                                          "name ending in .png or .svg.";
constexpr std::string_view kNotSaved = "The file could not be written:\n";
// Skips are charted for every number up to this many numbers; beyond it (the digit games' whole numbers)
// for the numbers longest away.
constexpr int kMostSkipBars = 100;
constexpr int kLongestAwayShown = 50;
// Beyond this many bars only every few of them is labelled.
constexpr int kMostBarLabels = 40;
constexpr int kLabelsUnderManyBars = 16;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Joined(const ReportLines& lines) {
    QStringList texts;
    for (const std::string_view line : lines) {
        texts << Text(line);
    }
    return texts.join(QLatin1Char('\n'));
}

// What a cell shows and how it sorts: numbers as numbers, absent values empty (and first).
QVariant ShownValue(const Cell& cell) {
    if (const auto* whole = std::get_if<std::int64_t>(&cell.value())) {
        return QVariant::fromValue(static_cast<qlonglong>(*whole));
    }
    if (const auto* decimal = std::get_if<double>(&cell.value())) {
        return QVariant(std::round(*decimal * 100.0) / 100.0); // as the report writes it
    }
    return cell.empty() ? QVariant() : QVariant(QString::fromStdString(cell.Text()));
}

// An empty chart, or the chart of a view emptied of its series and axes.
QChart* ClearedChart(QChartView& view) {
    QChart* chart = view.chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    return chart;
}

struct BarChart {
    QString title;
    QStringList categories;
    QString categoryTitle;
    QString valueTitle;
    bool wholeValues = true; // counts of drawings, not shares
};

// The axis under the bars: every bar's label, or for many bars the label of every few of them, so that
// each stays readable.
QAbstractAxis* CategoryAxis(const BarChart& shape, QChart& chart) {
    const auto bars = static_cast<int>(shape.categories.size());
    if (bars <= kMostBarLabels) {
        auto* axis = new QBarCategoryAxis(&chart);
        axis->append(shape.categories);
        axis->setTitleText(shape.categoryTitle);
        return axis;
    }
    auto* axis = new QCategoryAxis(&chart);
    axis->setRange(-0.5, bars - 0.5);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int step = (bars + kLabelsUnderManyBars - 1) / kLabelsUnderManyBars;
    for (int bar = 0; bar < bars; bar += step) {
        axis->append(shape.categories[bar], bar);
    }
    axis->setTitleText(shape.categoryTitle);
    return axis;
}

// Bars of one or more sets over the categories; `tip` says what the bar under the mouse shows.
QBarSeries* DrawBars(QChartView& view, const BarChart& shape, const std::vector<QBarSet*>& sets,
                     std::function<QString(int index, const QBarSet& set)> tip) {
    QChart* chart = ClearedChart(view);
    chart->setTitle(shape.title);
    auto* series = new QBarSeries(chart);
    double highest = 0.0;
    for (QBarSet* set : sets) {
        series->append(set);
        for (int i = 0; i < set->count(); ++i) {
            highest = std::max(highest, set->at(i));
        }
    }
    chart->addSeries(series);
    chart->addAxis(CategoryAxis(shape, *chart), Qt::AlignBottom);
    series->attachAxis(chart->axes(Qt::Horizontal).front());
    auto* values = new QValueAxis(chart);
    values->setRange(0.0, highest > 0.0 ? highest * 1.05 : 1.0);
    values->applyNiceNumbers();
    values->setLabelFormat(shape.wholeValues ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
    values->setTitleText(shape.valueTitle);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    chart->legend()->setVisible(sets.size() > 1);
    series->setBarWidth(sets.size() > 1 ? 0.8 : 0.95);
    QObject::connect(series, &QBarSeries::hovered, &view,
                     [&view, tip = std::move(tip)](bool entered, int index, QBarSet* set) {
                         if (entered && set != nullptr) {
                             QToolTip::showText(QCursor::pos(), tip(index, *set), &view);
                         } else {
                             QToolTip::hideText();
                         }
                     });
    return series;
}

QBarSet* BarSet(const QString& label, const std::vector<double>& values) {
    auto* set = new QBarSet(label);
    for (const double value : values) {
        set->append(value);
    }
    return set;
}

bool WriteText(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString DefaultCsvFile(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Export Table"), QString(),
                                        QStringLiteral("CSV Files (*.csv);;All Files (*)"));
}

} // namespace

// What the worker thread of one backtest and the window share: the cancel flag, and the answer once the
// thread has finished.
struct StatisticsWindow::BacktestRun {
    std::atomic<bool> cancelled{false};
    std::optional<Outcome<BacktestResult>> outcome;
};

StatisticsWindow::StatisticsWindow(ShellServices& services, int gameType, bool dated, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), chooseCsvFile_(DefaultCsvFile),
      statisticsTables_(std::make_unique<ResultDocument>()),
      backtestTables_(std::make_unique<ResultDocument>()) {
    setObjectName(QStringLiteral("statisticsWindow"));
    setWindowTitle(QStringLiteral("Statistics - Vantorel"));
    BuildControls();
    gameChoice_->setCurrentIndex(IsGame(gameType) ? gameType : 0);
    datedCheck_->setChecked(dated);
    connect(gameChoice_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::ShowStatistics);
    connect(datedCheck_, &QCheckBox::toggled, this, &StatisticsWindow::ShowStatistics);
    connect(lastDrawingsSpin_, &QSpinBox::editingFinished, this, &StatisticsWindow::ShowStatistics);
    resize(900, 640);
    ShowStatistics();
}

StatisticsWindow::~StatisticsWindow() {
    if (worker_) {
        run_->cancelled = true;
        worker_->wait();
    }
}

void StatisticsWindow::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    gameChoice_ = new QComboBox(this);
    gameChoice_->setObjectName(QStringLiteral("gameChoice"));
    for (const GameEntry& game : kGameCatalogue) {
        gameChoice_->addItem(Text(game.title));
    }
    datedCheck_ = new QCheckBox(QStringLiteral("&Dated history"), this);
    datedCheck_->setObjectName(QStringLiteral("datedCheck"));
    lastDrawingsSpin_ = new QSpinBox(this);
    lastDrawingsSpin_->setObjectName(QStringLiteral("lastDrawingsSpin"));
    lastDrawingsSpin_->setRange(0, 100000);
    lastDrawingsSpin_->setSpecialValueText(QStringLiteral("all"));
    lastDrawingsSpin_->setToolTip(
        QStringLiteral("Analyse only the newest drawings (all: the whole history)"));
    choices->addWidget(new QLabel(QStringLiteral("Game:"), this));
    choices->addWidget(gameChoice_);
    choices->addWidget(datedCheck_);
    choices->addWidget(new QLabel(QStringLiteral("Newest drawings:"), this));
    choices->addWidget(lastDrawingsSpin_);
    choices->addStretch(1);
    layout->addLayout(choices);
    headingLabel_ = new QLabel(this);
    headingLabel_->setObjectName(QStringLiteral("headingLabel"));
    headingLabel_->setWordWrap(true);
    layout->addWidget(headingLabel_);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("statisticsTabs"));
    tabs_->addTab(BuildNumbersTab(), QStringLiteral("&Numbers"));
    tabs_->addTab(BuildPairsTab(), QStringLiteral("&Pairs"));
    tabs_->addTab(BuildChartTab(skipsChart_, "skipsChart", QStringLiteral("skips")),
                  QStringLiteral("S&kips"));
    tabs_->addTab(BuildChartTab(sumsChart_, "sumsChart", QStringLiteral("sums")), QStringLiteral("S&ums"));
    tabs_->addTab(BuildReportTab(), QStringLiteral("&Fairness and Report"));
    tabs_->addTab(BuildBacktestTab(), QStringLiteral("&Backtest"));
    layout->addWidget(tabs_, 1);
}

QPushButton* StatisticsWindow::ExportTableButton(const QString& tableName, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("Export CSV..."), parent);
    button->setObjectName(tableName + QStringLiteral("ExportButton"));
    connect(button, &QPushButton::clicked, this, [this, tableName] {
        const QString path = chooseCsvFile_(this);
        if (!path.isEmpty()) {
            ExportTableTo(tableName, path);
        }
    });
    return button;
}

QPushButton* StatisticsWindow::ExportChartButton(const QString& chartName, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("Export Picture..."), parent);
    button->setObjectName(chartName + QStringLiteral("PictureButton"));
    connect(button, &QPushButton::clicked, this, [this, chartName] {
        const QString path = services_.chooseChartFile(this);
        if (!path.isEmpty()) {
            ExportChartTo(chartName, path);
        }
    });
    return button;
}

QWidget* StatisticsWindow::BuildNumbersTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    numbersModel_ = new QStandardItemModel(this);
    numbersTable_ = new QTableView(tab);
    numbersTable_->setObjectName(QStringLiteral("numbersTable"));
    numbersTable_->setModel(numbersModel_);
    numbersTable_->setSortingEnabled(true);
    numbersTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    numbersTable_->verticalHeader()->hide();
    layout->addWidget(numbersTable_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ExportTableButton(QStringLiteral("numbers"), tab));
    layout->addLayout(buttons);
    return tab;
}

QWidget* StatisticsWindow::BuildPairsTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    pairsModel_ = new QStandardItemModel(this);
    pairsHeatMap_ = new QTableView(tab);
    pairsHeatMap_->setObjectName(QStringLiteral("pairsHeatMap"));
    pairsHeatMap_->setModel(pairsModel_);
    pairsHeatMap_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pairsHeatMap_->horizontalHeader()->setDefaultSectionSize(26);
    pairsHeatMap_->verticalHeader()->setDefaultSectionSize(20);
    pairsHeatMap_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    pairsHeatMap_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    layout->addWidget(pairsHeatMap_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("How often two numbers were drawn together: the darker, "
                                                 "the more often (their count in the cell's tip)."),
                                  tab),
                       1);
    buttons->addWidget(ExportTableButton(QStringLiteral("pairs"), tab));
    layout->addLayout(buttons);
    return tab;
}

QWidget* StatisticsWindow::BuildChartTab(QChartView*& view, const char* objectName,
                                         const QString& chartName) {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    view = new QChartView(new QChart, tab);
    view->setObjectName(QString::fromLatin1(objectName));
    view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ExportTableButton(
        chartName == QStringLiteral("sums") ? QStringLiteral("sum_counts") : QStringLiteral("numbers"), tab));
    buttons->addWidget(ExportChartButton(chartName, tab));
    layout->addLayout(buttons);
    return tab;
}

QWidget* StatisticsWindow::BuildReportTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    fairnessLabel_ = new QLabel(tab);
    fairnessLabel_->setObjectName(QStringLiteral("fairnessLabel"));
    fairnessLabel_->setWordWrap(true);
    fairnessLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(fairnessLabel_);
    reportText_ = new QPlainTextEdit(tab);
    reportText_->setObjectName(QStringLiteral("reportText"));
    reportText_->setReadOnly(true);
    reportText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(reportText_, 1);
    return tab;
}

QWidget* StatisticsWindow::BuildBacktestTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* form = new QFormLayout;
    operationChoice_ = new QComboBox(tab);
    operationChoice_->setObjectName(QStringLiteral("operationChoice"));
    for (const Operation operation : {kOverdue, kHottest, kRandom, kBestGuess}) {
        operationChoice_->addItem(Text(EntryOf(operation).caption), static_cast<int>(operation));
    }
    operationChoice_->setCurrentIndex(1);
    strategyChoice_ = new QComboBox(tab);
    strategyChoice_->setObjectName(QStringLiteral("strategyChoice"));
    strategyChoice_->addItem(QStringLiteral("Optimistic"), kBestGuessOptimistic);
    strategyChoice_->addItem(QStringLiteral("Pessimistic"), kBestGuessPessimistic);
    strategyChoice_->addItem(QStringLiteral("Nihilistic"), kBestGuessNihilistic);
    strategyChoice_->setCurrentIndex(1);
    methodChoice_ = new QComboBox(tab);
    methodChoice_->setObjectName(QStringLiteral("methodChoice"));
    methodChoice_->addItem(QStringLiteral("Use Balls"), kPredictUseBalls);
    methodChoice_->addItem(QStringLiteral("Use Numbers"), kPredictUseNumbers);
    warmupSpin_ = new QSpinBox(tab);
    warmupSpin_->setObjectName(QStringLiteral("warmupSpin"));
    warmupSpin_->setRange(0, 100000);
    warmupSpin_->setValue(kDefaultWarmup);
    seedSpin_ = new QSpinBox(tab);
    seedSpin_->setObjectName(QStringLiteral("seedSpin"));
    seedSpin_->setRange(0, 32767);
    seedSpin_->setSpecialValueText(QStringLiteral("the clock"));
    form->addRow(QStringLiteral("&Prediction:"), operationChoice_);
    form->addRow(QStringLiteral("&Strategy:"), strategyChoice_);
    form->addRow(QStringLiteral("&Method:"), methodChoice_);
    form->addRow(QStringLiteral("&Warm-up drawings:"), warmupSpin_);
    form->addRow(QStringLiteral("S&eed:"), seedSpin_);
    layout->addLayout(form);
    auto* run = new QHBoxLayout;
    runButton_ = new QPushButton(QStringLiteral("&Run Backtest"), tab);
    runButton_->setObjectName(QStringLiteral("runBacktestButton"));
    cancelButton_ = new QPushButton(QStringLiteral("&Cancel"), tab);
    cancelButton_->setObjectName(QStringLiteral("cancelBacktestButton"));
    cancelButton_->setEnabled(false);
    backtestProgress_ = new QProgressBar(tab);
    backtestProgress_->setObjectName(QStringLiteral("backtestProgress"));
    backtestProgress_->setRange(0, 100);
    backtestProgress_->setValue(0);
    run->addWidget(runButton_);
    run->addWidget(cancelButton_);
    run->addWidget(backtestProgress_, 1);
    layout->addLayout(run);
    auto* results = new QHBoxLayout;
    backtestText_ = new QPlainTextEdit(tab);
    backtestText_->setObjectName(QStringLiteral("backtestText"));
    backtestText_->setReadOnly(true);
    backtestText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    matchesChart_ = new QChartView(new QChart, tab);
    matchesChart_->setObjectName(QStringLiteral("matchesChart"));
    matchesChart_->setRenderHint(QPainter::Antialiasing);
    results->addWidget(backtestText_, 1);
    results->addWidget(matchesChart_, 1);
    layout->addLayout(results, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ExportTableButton(QStringLiteral("matches"), tab));
    buttons->addWidget(ExportChartButton(QStringLiteral("matches"), tab));
    layout->addLayout(buttons);
    connect(runButton_, &QPushButton::clicked, this, &StatisticsWindow::RunBacktest);
    connect(cancelButton_, &QPushButton::clicked, this, &StatisticsWindow::CancelBacktest);
    connect(operationChoice_, &QComboBox::currentIndexChanged, this,
            &StatisticsWindow::UpdateBacktestChoices);
    return tab;
}

void StatisticsWindow::UpdateBacktestChoices() {
    const auto operation = static_cast<Operation>(operationChoice_->currentData().toInt());
    const bool digitGame = IsDigitGame(gameChoice_->currentIndex());
    strategyChoice_->setEnabled(operation == kBestGuess);
    methodChoice_->setEnabled(digitGame && (operation == kOverdue || operation == kHottest));
    seedSpin_->setEnabled(operation == kRandom || operation == kBestGuess);
    runButton_->setEnabled(history_ != nullptr && !BacktestRunning());
}

void StatisticsWindow::ShowRefusal(const QString& text) {
    headingLabel_->setText(text);
    numbersModel_->clear();
    pairsModel_->clear();
    ClearedChart(*skipsChart_)->setTitle(QString());
    ClearedChart(*sumsChart_)->setTitle(QString());
    fairnessLabel_->clear();
    reportText_->clear();
    *statisticsTables_ = {};
}

void StatisticsWindow::ShowStatistics() {
    const int game = gameChoice_->currentIndex();
    Outcome<StatisticsHistory> loaded =
        StatisticsHistory::Load(game, datedCheck_->isChecked(), services_.profile);
    history_.reset();
    if (!loaded) {
        ShowRefusal(Text(loaded.refusal().text));
        UpdateBacktestChoices();
        return;
    }
    history_ = std::make_unique<StatisticsHistory>(std::move(loaded).value());
    UpdateBacktestChoices();
    StatisticsOptions options;
    if (lastDrawingsSpin_->value() > 0) {
        options.lastDrawings = lastDrawingsSpin_->value();
    }
    const Outcome<HistoryStatistics> statistics = history_->Statistics(options);
    if (!statistics) {
        ShowRefusal(Text(statistics.refusal().text));
        return;
    }
    const ReportLines report = StatisticsReportLines(*statistics);
    headingLabel_->setText(Text(report.front()));
    *statisticsTables_ = {};
    AddStatisticsTables(*statisticsTables_, *statistics);
    FillNumbers(*statistics);
    FillPairs(*statistics);
    FillSkips(*statistics);
    FillSums(*statistics);
    // The report ends with its fairness lines, one per test.
    QStringList fairness = {QStringLiteral("Fairness (chi-square against a fair draw):")};
    for (std::size_t i = report.size() - statistics->fairness.size(); i < report.size(); ++i) {
        fairness << Text(report[i]);
    }
    fairnessLabel_->setText(fairness.join(QLatin1Char('\n')));
    reportText_->setPlainText(Joined(report));
}

void StatisticsWindow::FillNumbers(const HistoryStatistics& statistics) {
    numbersModel_->clear();
    const auto addTable = [this](const ResultTable& table, const QString& group) {
        if (numbersModel_->columnCount() == 0) {
            QStringList headers = {QStringLiteral("group")};
            for (const std::string& column : table.columns) {
                headers << QString::fromStdString(column).replace(QLatin1Char('_'), QLatin1Char(' '));
            }
            numbersModel_->setHorizontalHeaderLabels(headers);
        }
        for (const CellRow& row : table.rows) {
            QList<QStandardItem*> items = {new QStandardItem(group)};
            for (const Cell& cell : row) {
                auto* item = new QStandardItem;
                item->setData(ShownValue(cell), Qt::DisplayRole);
                items << item;
            }
            numbersModel_->appendRow(items);
        }
    };
    addTable(*TableNamed(QStringLiteral("numbers")), QString::fromStdString(statistics.numbers.name));
    if (const ResultTable* powerBalls = TableNamed(QStringLiteral("power_balls"))) {
        addTable(*powerBalls, QStringLiteral("Power Balls"));
    }
    numbersTable_->resizeColumnsToContents();
}

void StatisticsWindow::FillPairs(const HistoryStatistics& statistics) {
    pairsModel_->clear();
    const bool digitGame = !statistics.positionDigits.empty();
    const int lowest = digitGame ? 0 : statistics.numbers.lowest;
    const int highest = digitGame ? 9 : statistics.numbers.highest;
    const int size = highest - lowest + 1;
    if (size <= 0) {
        return;
    }
    std::vector<int> counts(static_cast<std::size_t>(size * size), 0);
    int most = 0;
    for (const NumberCombination& pair : statistics.pairs) {
        const int a = pair.numbers[0] - lowest;
        const int b = pair.numbers[1] - lowest;
        if (a < 0 || b < 0 || a >= size || b >= size) {
            continue;
        }
        counts[static_cast<std::size_t>(a * size + b)] += pair.count;
        if (a != b) {
            counts[static_cast<std::size_t>(b * size + a)] += pair.count;
        }
        most = std::max(most, counts[static_cast<std::size_t>(a * size + b)]);
    }
    pairsModel_->setRowCount(size);
    pairsModel_->setColumnCount(size);
    QStringList labels;
    for (int number = lowest; number <= highest; ++number) {
        labels << QString::number(number);
    }
    pairsModel_->setHorizontalHeaderLabels(labels);
    pairsModel_->setVerticalHeaderLabels(labels);
    const QString together = digitGame ? QStringLiteral("digits %1 and %2 in two positions: %3 drawings")
                                       : QStringLiteral("%1 and %2 drawn together: %3 drawings");
    for (int a = 0; a < size; ++a) {
        for (int b = 0; b < size; ++b) {
            if (a == b && !digitGame) {
                continue;
            }
            const int count = counts[static_cast<std::size_t>(a * size + b)];
            auto* cell = new QStandardItem;
            const double heat = most > 0 ? static_cast<double>(count) / most : 0.0;
            cell->setBackground(QColor::fromRgbF(1.0F, static_cast<float>(1.0 - 0.8 * heat),
                                                 static_cast<float>(1.0 - 0.9 * heat)));
            cell->setToolTip(together.arg(a + lowest).arg(b + lowest).arg(count));
            cell->setData(count, Qt::UserRole);
            pairsModel_->setItem(a, b, cell);
        }
    }
}

void StatisticsWindow::FillSkips(const HistoryStatistics& statistics) {
    std::vector<const NumberStatistics*> shown;
    for (const NumberStatistics& number : statistics.numbers.numbers) {
        shown.push_back(&number);
    }
    QString title = QStringLiteral("Drawings since each number last came, and its longest absence");
    if (static_cast<int>(shown.size()) > kMostSkipBars) {
        // The numbers longest away; those never drawn count as away for the whole history.
        const auto away = [&statistics](const NumberStatistics* number) {
            return number->currentSkip().value_or(statistics.drawings);
        };
        std::stable_sort(shown.begin(), shown.end(),
                         [&away](const auto* a, const auto* b) { return away(a) > away(b); });
        shown.resize(kLongestAwayShown);
        std::sort(shown.begin(), shown.end(),
                  [](const auto* a, const auto* b) { return a->number < b->number; });
        title = QStringLiteral("The %1 numbers longest away: drawings since each last came, and its longest "
                               "absence")
                    .arg(kLongestAwayShown);
    }
    const int width = statistics.numbers.lowest == 0
                          ? static_cast<int>(std::to_string(statistics.numbers.highest).size())
                          : 0;
    QStringList categories;
    std::vector<double> current;
    std::vector<double> longest;
    for (const NumberStatistics* number : shown) {
        categories << QStringLiteral("%1").arg(number->number, width, 10, QLatin1Char('0'));
        current.push_back(number->currentSkip().value_or(0));
        longest.push_back(number->longestSkip().value_or(0));
    }
    const auto tip = [shown](int index, const QBarSet& set) {
        const NumberStatistics& number = *shown[static_cast<std::size_t>(index)];
        if (!number.currentSkip()) {
            return QStringLiteral("%1: never drawn").arg(number.number);
        }
        return QStringLiteral("%1: %2 %3").arg(number.number).arg(set.label()).arg(set.at(index));
    };
    DrawBars(
        *skipsChart_, {title, categories, QStringLiteral("number"), QStringLiteral("drawings"), true},
        {BarSet(QStringLiteral("current skip"), current), BarSet(QStringLiteral("longest skip"), longest)},
        tip);
}

void StatisticsWindow::FillSums(const HistoryStatistics& statistics) {
    QStringList categories;
    std::vector<double> drawings;
    for (const SumCount& sum : statistics.sums.histogram) {
        categories << QString::number(sum.sum);
        drawings.push_back(sum.drawings);
    }
    const QString title = QStringLiteral("Sums of the drawings: mean %1, standard deviation %2")
                              .arg(Text(FixedText(statistics.sums.mean, 2)),
                                   Text(FixedText(statistics.sums.standardDeviation, 2)));
    const auto tip = [categories](int index, const QBarSet& set) {
        return QStringLiteral("sum %1: %2 drawings").arg(categories.value(index)).arg(set.at(index));
    };
    DrawBars(*sumsChart_, {title, categories, QStringLiteral("sum"), QStringLiteral("drawings"), true},
             {BarSet(QStringLiteral("drawings"), drawings)}, tip);
}

BacktestRequest StatisticsWindow::RequestFromControls() const {
    BacktestRequest request;
    request.operation = static_cast<Operation>(operationChoice_->currentData().toInt());
    request.choices.Choose(strategyChoice_->currentData().toInt());
    request.choices.Choose(methodChoice_->currentData().toInt());
    request.warmup = warmupSpin_->value();
    request.plantedSeed = seedSpin_->value();
    return request;
}

void StatisticsWindow::RunBacktest() {
    if (BacktestRunning() || !history_) {
        return;
    }
    run_ = std::make_shared<BacktestRun>();
    backtestText_->setPlainText(QStringLiteral("Running..."));
    backtestProgress_->setValue(0);
    runButton_->setEnabled(false);
    cancelButton_->setEnabled(true);
    gameChoice_->setEnabled(false);
    datedCheck_->setEnabled(false);
    const BacktestRequest request = RequestFromControls();
    const Clock& clock = services_.clock;
    worker_.reset(QThread::create([this, run = run_, history = *history_, request, &clock] {
        BacktestControl control;
        control.cancelled = &run->cancelled;
        control.progress = [this](int tested, int toTest) {
            QMetaObject::invokeMethod(
                this, [this, tested, toTest] { ShowBacktestProgress(tested, toTest); }, Qt::QueuedConnection);
        };
        run->outcome.emplace(history.Backtest(request, clock, control));
    }));
    connect(worker_.get(), &QThread::finished, this, &StatisticsWindow::FinishBacktest);
    worker_->start();
}

void StatisticsWindow::CancelBacktest() {
    if (run_) {
        run_->cancelled = true;
    }
}

void StatisticsWindow::ShowBacktestProgress(int tested, int toTest) {
    backtestProgress_->setValue(toTest > 0 ? tested * 100 / toTest : 100);
}

void StatisticsWindow::FinishBacktest() {
    worker_->wait();
    worker_.reset();
    const std::shared_ptr<BacktestRun> run = std::move(run_);
    cancelButton_->setEnabled(false);
    gameChoice_->setEnabled(true);
    datedCheck_->setEnabled(true);
    UpdateBacktestChoices();
    *backtestTables_ = {};
    ClearedChart(*matchesChart_)->setTitle(QString());
    if (!run->outcome || run->outcome->refused()) {
        backtestProgress_->setValue(0);
        backtestText_->setPlainText(run->outcome ? Text(run->outcome->refusal().text) : QString());
    } else {
        backtestProgress_->setValue(100);
        ShowBacktest(**run->outcome);
    }
    emit BacktestFinished();
}

void StatisticsWindow::ShowBacktest(const BacktestResult& result) {
    backtestText_->setPlainText(Joined(BacktestReportLines(result)));
    AddBacktestTables(*backtestTables_, result);
    QStringList categories;
    std::vector<double> shares;
    std::vector<double> chances;
    for (const MatchCount& count : result.picks.distribution) {
        categories << QString::number(count.matches);
        shares.push_back(count.share);
        chances.push_back(count.randomProbability);
    }
    const QString title = QStringLiteral("%1: %2").arg(QString::fromStdString(result.operation),
                                                       QString::fromStdString(result.picks.verdict));
    const auto tip = [](int index, const QBarSet& set) {
        return QStringLiteral("%1 matches: %2 %3").arg(index).arg(set.label()).arg(set.at(index), 0, 'f', 4);
    };
    DrawBars(*matchesChart_,
             {title, categories,
              QStringLiteral("matches in a drawing (") + QString::fromStdString(result.picks.group) +
                  QLatin1Char(')'),
              QStringLiteral("share of drawings"), false},
             {BarSet(QStringLiteral("backtest"), shares), BarSet(QStringLiteral("random picks"), chances)},
             tip);
}

const ResultTable* StatisticsWindow::TableNamed(const QString& name) const {
    for (const ResultDocument* document : {statisticsTables_.get(), backtestTables_.get()}) {
        for (const ResultTable& table : document->tables) {
            if (QString::fromStdString(table.name) == name) {
                return &table;
            }
        }
    }
    return nullptr;
}

QChartView* StatisticsWindow::ChartNamed(const QString& name) const {
    if (name == QStringLiteral("skips")) {
        return skipsChart_;
    }
    if (name == QStringLiteral("sums")) {
        return sumsChart_;
    }
    return name == QStringLiteral("matches") ? matchesChart_ : nullptr;
}

bool StatisticsWindow::ExportTableTo(const QString& tableName, const QString& path) {
    const ResultTable* table = TableNamed(tableName);
    if (table == nullptr) {
        MessageBox("There is nothing to export yet.", MessageIcon::Exclamation);
        return false;
    }
    if (!WriteText(path, CsvOf(*table))) {
        MessageBox(std::string(kNotSaved) + path.toStdString(), MessageIcon::Exclamation);
        return false;
    }
    return true;
}

bool StatisticsWindow::ExportChartTo(const QString& chartName, const QString& path) {
    QChartView* view = ChartNamed(chartName);
    const std::optional<ChartFileFormat> format = ChartFileFormatOf(path);
    if (view == nullptr || !format) {
        MessageBox(kNotAPicture, MessageIcon::Exclamation);
        return false;
    }
    const QSize size = view->size().isEmpty() ? QSize(800, 500) : view->size();
    const PaintPicture paint = [view, size](QPainter& painter, const QRectF& area) {
        view->render(&painter, area, QRect(QPoint(0, 0), size));
    };
    if (!WritePictureFile(paint, size, view->devicePixelRatioF(), path, *format)) {
        MessageBox(std::string(kNotSaved) + path.toStdString(), MessageIcon::Exclamation);
        return false;
    }
    return true;
}

} // namespace vantorel
