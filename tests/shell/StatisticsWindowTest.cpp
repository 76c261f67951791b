// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include "shell/StatisticsWindow.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>

namespace vantorel::test {
namespace {

class StatisticsWindowTest : public SheetTest {
protected:
    StatisticsWindowTest() {
        UseSampleHistory();
        window = std::make_unique<StatisticsWindow>(services, kFiveNumber, true);
    }

    template <class Widget> Widget* Child(const char* name) const {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Heading() const { return Child<QLabel>("headingLabel")->text(); }
    // Runs the chosen backtest and waits until it has finished.
    void RunBacktestToTheEnd() {
        QSignalSpy finished(window.get(), &StatisticsWindow::BacktestFinished);
        ClickButton(Child<QPushButton>("runBacktestButton"));
        ASSERT_TRUE(window->BacktestRunning());
        ASSERT_TRUE(finished.wait(60000));
    }

    std::unique_ptr<StatisticsWindow> window;
};

// The numbers table holds every number of the range and sorts by its columns; the pairs heat map, the
// charts and the fairness result show what the statistics found.
TEST_F(StatisticsWindowTest, ShowsTheStatisticsOfTheChosenHistory) {
    EXPECT_TRUE(Heading().startsWith(QStringLiteral("5 Number dated history: 418 drawings")))
        << Heading().toStdString();
    auto* numbers = Child<QTableView>("numbersTable");
    QAbstractItemModel* model = numbers->model();
    ASSERT_EQ(model->rowCount(), 26); // the first-run 5BC
    EXPECT_EQ(model->data(model->index(0, 1)).toInt(), 1);
    numbers->sortByColumn(2, Qt::DescendingOrder); // count
    for (int row = 1; row < model->rowCount(); ++row) {
        EXPECT_GE(model->data(model->index(row - 1, 2)).toInt(), model->data(model->index(row, 2)).toInt());
    }
    QAbstractItemModel* pairs = Child<QTableView>("pairsHeatMap")->model();
    EXPECT_EQ(pairs->rowCount(), 26);
    const QModelIndex cell = pairs->index(0, 1);
    EXPECT_TRUE(
        pairs->data(cell, Qt::ToolTipRole).toString().startsWith(QStringLiteral("1 and 2 drawn together: ")));
    EXPECT_GT(Child<QChartView>("skipsChart")->chart()->series().size(), 0);
    EXPECT_GT(Child<QChartView>("sumsChart")->chart()->series().size(), 0);
    EXPECT_TRUE(
        Child<QLabel>("fairnessLabel")->text().contains(QStringLiteral("balls 1 to 26: chi-square ")));

    // Another game and history; one that is not in the file says so.
    Child<QComboBox>("gameChoice")->setCurrentIndex(kPowerball);
    EXPECT_TRUE(Heading().startsWith(QStringLiteral("Powerball dated history: 300 drawings")));
    EXPECT_EQ(Child<QTableView>("numbersTable")->model()->rowCount(), 49 + 42);
    WriteHistory("0 1 123\r\n");
    Child<QComboBox>("gameChoice")->setCurrentIndex(kThreeNumber);
    EXPECT_EQ(Heading(), QStringLiteral("Undated 1"));
    EXPECT_EQ(Child<QTableView>("numbersTable")->model()->rowCount(), 0);
    EXPECT_FALSE(Child<QPushButton>("runBacktestButton")->isEnabled());
}

TEST_F(StatisticsWindowTest, BacktestRunsOnAWorkerThreadAndShowsItsVerdict) {
    RunBacktestToTheEnd();
    EXPECT_FALSE(window->BacktestRunning());
    const QString text = Child<QPlainTextEdit>("backtestText")->toPlainText();
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("Hottest backtest, 5 Number dated history: 318 drawings tested")))
        << text.toStdString();
    EXPECT_EQ(Child<QProgressBar>("backtestProgress")->value(), 100);
    EXPECT_GT(Child<QChartView>("matchesChart")->chart()->series().size(), 0);

    // A warm-up that leaves nothing to test is refused in the window, without a message box.
    Child<QSpinBox>("warmupSpin")->setValue(5000);
    RunBacktestToTheEnd();
    EXPECT_TRUE(Child<QPlainTextEdit>("backtestText")->toPlainText().contains(QStringLiteral("418")));
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(StatisticsWindowTest, CancelStopsTheBacktest) {
    Child<QComboBox>("gameChoice")->setCurrentIndex(kSixNumber);
    Child<QComboBox>("operationChoice")->setCurrentIndex(3); // Best Guess: slow enough to cancel
    Child<QSpinBox>("warmupSpin")->setValue(0);
    QSignalSpy finished(window.get(), &StatisticsWindow::BacktestFinished);
    ClickButton(Child<QPushButton>("runBacktestButton"));
    ClickButton(Child<QPushButton>("cancelBacktestButton"));
    ASSERT_TRUE(finished.wait(60000));
    const QString text = Child<QPlainTextEdit>("backtestText")->toPlainText();
    // A walk that ended before the click finished; otherwise it says it was cancelled.
    EXPECT_TRUE(text == QStringLiteral("The backtest was cancelled.") ||
                text.startsWith(QStringLiteral("Best Guess")))
        << text.toStdString();
    EXPECT_TRUE(Child<QPushButton>("runBacktestButton")->isEnabled());
    // Closing the window while a backtest runs cancels it and waits for its thread.
    ClickButton(Child<QPushButton>("runBacktestButton"));
    window.reset();
}

// Tables export as CSV through the formats writer, charts as PNG or SVG pictures.
TEST_F(StatisticsWindowTest, ExportsTablesAndCharts) {
    window->resize(900, 640);
    window->show();
    window->SetCsvFileChooser([](QWidget*) { return QStringLiteral("numbers.csv"); });
    ClickButton(Child<QPushButton>("numbersExportButton"));
    const std::string csv = ReadFile("numbers.csv");
    EXPECT_TRUE(csv.starts_with("number,count,current_skip,longest_skip,average_skip,last_seen\r\n1,"))
        << csv;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 27);

    struct Case {
        const char* chart;
        const char* path;
        std::string_view start;
    };
    for (const Case& c : {Case{"sums", "sums.png", "\x89PNG"}, Case{"skips", "skips.svg", "<?xml"}}) {
        EXPECT_TRUE(window->ExportChartTo(QString::fromLatin1(c.chart), QString::fromLatin1(c.path)))
            << c.path;
        EXPECT_TRUE(ReadFile(c.path).starts_with(c.start)) << c.path;
    }
    EXPECT_FALSE(window->ExportChartTo(QStringLiteral("sums"), QStringLiteral("sums.txt")));
    EXPECT_EQ(messages.texts().size(), 1U);
    EXPECT_FALSE(window->ExportTableTo(QStringLiteral("matches"), QStringLiteral("matches.csv"))); // none run
}

} // namespace
} // namespace vantorel::test
