// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MyTicketsWindow.h"

#include "formats/ResultDocument.h"
#include "platform/GameCatalogue.h"
#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "shell/BackgroundWork.h"
#include "shell/NamedControls.h"
#include "shell/ShellServices.h"
#include "shell/TicketLineDelegate.h"
#include "shell/TicketWinsModel.h"
#include "store/SectionReader.h"
#include "tickets/HistoryTickets.h"
#include "tickets/TicketReports.h"
#include "tickets/TicketTables.h"
#include "tickets/TicketsFile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vantorel {

namespace {

// The wins a printout lists at most; the CSV export holds them all.
constexpr std::size_t kMostPrintedWins = 5000;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The lines of a text file's content, without their line ends.
QStringList LinesOf(const QString& content) {
    QStringList lines = content.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.pop_back();
    }
    return lines;
}

bool Blank(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'));
}

// Writes `content` to `file` in one step: a complete new file or none.
bool WriteWhole(const QString& file, const QByteArray& content, QString& failure) {
    QSaveFile saving(file);
    if (!saving.open(QIODevice::WriteOnly) || saving.write(content) != content.size() || !saving.commit()) {
        failure = saving.errorString();
        return false;
    }
    return true;
}

} // namespace

MyTicketsWindow::MyTicketsWindow(ShellServices& services, int game, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services),
      ticketsFile_(std::filesystem::path(kTicketsFileName)) {
    setObjectName(QStringLiteral("myTicketsWindow"));
    setWindowTitle(QStringLiteral("My Tickets"));
    BuildWindow();
    ChooseGame(IsGame(game) ? game : kPowerball);
    OnGameChosen();
    LoadTickets();
    resize(820, 640);
}

MyTicketsWindow::~MyTicketsWindow() = default;

void MyTicketsWindow::BuildWindow() {
    gameBox_ = new QComboBox(this);
    gameBox_->setObjectName(QStringLiteral("gameBox"));
    for (const GameEntry& entry : kGameCatalogue) {
        gameBox_->addItem(Latin1(entry.title));
    }
    historyBox_ = new QComboBox(this);
    historyBox_->setObjectName(QStringLiteral("historyBox"));
    historyBox_->addItems({QStringLiteral("Dated history"), QStringLiteral("Undated history")});
    auto* fileLabel = new QLabel(
        QStringLiteral("Tickets file: ") + PathText(std::filesystem::absolute(ticketsFile_)), this);
    fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    ticketsTable_ = new QTableWidget(0, 2, this);
    ticketsTable_->setObjectName(QStringLiteral("ticketsTable"));
    ticketsTable_->setHorizontalHeaderLabels({QStringLiteral("Ticket"), QStringLiteral("Check")});
    ticketsTable_->horizontalHeader()->setSectionResizeMode(kTicketText, QHeaderView::Stretch);
    ticketsTable_->horizontalHeader()->setSectionResizeMode(kTicketState, QHeaderView::Stretch);
    ticketsTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    ticketsTable_->setToolTip(QStringLiteral("One ticket a row, as in tickets.txt: \"3 11 17 21 24 + 7\", "
                                             "\"123 box\", \"... ; from 01/03/2026 to 06/27/2026\"; \"#\" "
                                             "starts a comment. Double-click a row to change it."));
    auto* delegate =
        new TicketLineDelegate([this](const QString& text, int row) { return ProblemOf(text, row); }, this);
    ticketsTable_->setItemDelegateForColumn(kTicketText, delegate);
    connect(delegate, &TicketLineDelegate::Typed, this, [this](const QString& problem) {
        stateLabel_->setText(problem.isEmpty() ? QStringLiteral("The ticket reads well.") : problem);
    });
    connect(ticketsTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == kTicketText) {
            modified_ = true;
            ValidateRow(item->row());
        }
    });

    auto* ticketButtons = new QVBoxLayout;
    const auto button = [this](const char* name, const char* caption, const char* tip, auto handler) {
        auto* made = MakeNamed<QPushButton>(name, caption, this);
        made->setToolTip(QString::fromLatin1(tip));
        connect(made, &QPushButton::clicked, this, handler);
        return made;
    };
    ticketButtons->addWidget(
        button("addButton", "&Add", "Add a ticket row and type it", &MyTicketsWindow::AddTicket));
    ticketButtons->addWidget(
        button("removeButton", "&Remove", "Remove the chosen rows", &MyTicketsWindow::RemoveTickets));
    ticketButtons->addWidget(button("importButton", "&Import...",
                                    "Add the tickets of a text file, one a line",
                                    &MyTicketsWindow::ImportTickets));
    ticketButtons->addWidget(
        button("saveButton", "&Save", "Write the tickets to tickets.txt", [this] { SaveTickets(); }));
    ticketButtons->addStretch();

    checkButton_ = button("checkButton", "&Check",
                          "Check every ticket against every drawing of the chosen history, by prize tier",
                          &MyTicketsWindow::CheckTickets);
    exportButton_ =
        button("exportButton", "&Export CSV...", "Save the wins as a CSV file", &MyTicketsWindow::ExportWins);
    printButton_ =
        button("printButton", "&Print...", "Print the wins and the summary", &MyTicketsWindow::PrintWins);
    exportButton_->setEnabled(false);
    printButton_->setEnabled(false);

    winsModel_ = new TicketWinsModel(this);
    winsView_ = new QTableView(this);
    winsView_->setObjectName(QStringLiteral("winsView"));
    winsView_->setModel(winsModel_);
    winsView_->setSortingEnabled(true);
    winsView_->horizontalHeader()->setSortIndicatorShown(true);
    winsView_->horizontalHeader()->setSectionResizeMode(TicketWinsModel::kTicket, QHeaderView::Stretch);
    winsView_->verticalHeader()->setVisible(false);
    winsView_->setWordWrap(false);
    const int rowHeight = fontMetrics().height() + 8;
    winsView_->verticalHeader()->setDefaultSectionSize(rowHeight);
    winsView_->horizontalHeader()->setSectionResizeMode(TicketWinsModel::kPrize,
                                                        QHeaderView::ResizeToContents);
    winsView_->horizontalHeader()->setSectionResizeMode(TicketWinsModel::kTier,
                                                        QHeaderView::ResizeToContents);
    ticketsTable_->verticalHeader()->setDefaultSectionSize(rowHeight);
    ticketsTable_->setWordWrap(false);
    winsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    summaryView_ = new QPlainTextEdit(this);
    summaryView_->setObjectName(QStringLiteral("summaryView"));
    summaryView_->setReadOnly(true);
    summaryView_->setPlaceholderText(QStringLiteral("Check shows the summary here."));
    stateLabel_ = new QLabel(this);
    stateLabel_->setObjectName(QStringLiteral("stateLabel"));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Game:"), this));
    top->addWidget(gameBox_);
    top->addWidget(historyBox_);
    top->addStretch();
    top->addWidget(checkButton_);
    top->addWidget(exportButton_);
    top->addWidget(printButton_);
    auto* ticketsPane = new QWidget(this);
    auto* ticketsLayout = new QHBoxLayout(ticketsPane);
    ticketsLayout->setContentsMargins(0, 0, 0, 0);
    ticketsLayout->addWidget(ticketsTable_, 1);
    ticketsLayout->addLayout(ticketButtons);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(ticketsPane);
    splitter->addWidget(winsView_);
    splitter->addWidget(summaryView_);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setStretchFactor(2, 2);
    splitter->setSizes({230, 220, 150});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(fileLabel);
    layout->addWidget(splitter, 1);
    layout->addWidget(stateLabel_);
    connect(gameBox_, &QComboBox::currentIndexChanged, this, &MyTicketsWindow::OnGameChosen);
}

void MyTicketsWindow::ChooseGame(int game) {
    if (IsGame(game)) {
        gameBox_->setCurrentIndex(game);
    }
}

std::optional<TicketGame> MyTicketsWindow::GameOfChoice(bool tell) const {
    const int game = gameBox_->currentIndex();
    const Outcome<GameSettings> settings = ReadGameSettings(services_.profile, SettingsOfGame(game));
    if (tell && !ShowOutcome(settings)) {
        return std::nullopt;
    }
    return settings ? std::optional<TicketGame>(TicketGameOf(game, *settings)) : std::nullopt;
}

void MyTicketsWindow::OnGameChosen() {
    game_ = GameOfChoice(false);
    ValidateAll();
}

void MyTicketsWindow::LoadTickets() {
    QFile file(PathText(ticketsFile_));
    if (!file.exists()) {
        stateLabel_->setText(QStringLiteral("No tickets yet: Add or Import them, then Save."));
        return;
    }
    if (file.size() > static_cast<qint64>(kLargestTicketsFile) || !file.open(QIODevice::ReadOnly)) {
        MessageBox(FileNotReadText("The tickets file", ticketsFile_,
                                   file.exists() && file.size() > static_cast<qint64>(kLargestTicketsFile)
                                       ? ReadStatus::kTooLarge
                                       : ReadStatus::kNotOpened),
                   MessageIcon::Stop);
        return;
    }
    const QByteArray content = file.readAll();
    const std::string_view text = WithoutByteOrderMark(std::string_view(content.constData(), content.size()));
    for (const QString& line : LinesOf(Text(text))) {
        AddRow(line);
    }
    modified_ = false;
    stateLabel_->setText(QStringLiteral("%1 rows read from tickets.txt.").arg(ticketsTable_->rowCount()));
}

void MyTicketsWindow::AddRow(const QString& text) {
    const QSignalBlocker quiet(ticketsTable_);
    const int row = ticketsTable_->rowCount();
    ticketsTable_->insertRow(row);
    ticketsTable_->setItem(row, kTicketText, new QTableWidgetItem(text));
    auto* state = new QTableWidgetItem;
    state->setFlags(state->flags() & ~Qt::ItemIsEditable);
    ticketsTable_->setItem(row, kTicketState, state);
    ValidateRow(row);
}

QString MyTicketsWindow::ProblemOf(const QString& text, int row) const {
    if (!game_) {
        return QStringLiteral("The game's settings cannot be used: see the Setup page.");
    }
    const TicketLine read = ReadTicketLine(text.toStdString(), row + 1, *game_);
    return read.problem ? Text(read.problem->text) : QString();
}

void MyTicketsWindow::ValidateRow(int row) {
    const QSignalBlocker quiet(ticketsTable_);
    QTableWidgetItem* ticket = ticketsTable_->item(row, kTicketText);
    QTableWidgetItem* state = ticketsTable_->item(row, kTicketState);
    if (ticket == nullptr || state == nullptr) {
        return;
    }
    const QString problem = ProblemOf(ticket->text(), row);
    state->setText(!problem.isEmpty()      ? problem
                   : Blank(ticket->text()) ? QStringLiteral("(comment)")
                                           : QStringLiteral("OK"));
    const QBrush background = problem.isEmpty() ? QBrush() : QBrush(QColor(0xff, 0xd6, 0xd6));
    ticket->setBackground(background);
    state->setBackground(background);
}

void MyTicketsWindow::ValidateAll() {
    for (int row = 0; row < ticketsTable_->rowCount(); ++row) {
        ValidateRow(row);
    }
}

void MyTicketsWindow::AddTicket() {
    AddRow(QString());
    modified_ = true;
    const int row = ticketsTable_->rowCount() - 1;
    ticketsTable_->setCurrentCell(row, kTicketText);
    ticketsTable_->editItem(ticketsTable_->item(row, kTicketText));
}

void MyTicketsWindow::RemoveTickets() {
    std::set<int> rows;
    for (const QModelIndex& index : ticketsTable_->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
    }
    if (rows.empty() && ticketsTable_->currentRow() >= 0) {
        rows.insert(ticketsTable_->currentRow());
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        ticketsTable_->removeRow(*row);
    }
    if (!rows.empty()) {
        modified_ = true;
        ValidateAll(); // the rows below moved up: their line numbers changed
    }
}

void MyTicketsWindow::ImportTickets() {
    const QString path = services_.chooseFileToOpen(
        QStringLiteral("Import Tickets"), QStringLiteral("Text Files (*.txt);;All Files (*)"), this);
    if (path.isEmpty()) {
        return;
    }
    std::string content;
    const std::filesystem::path file(QFile::encodeName(path).toStdString());
    const ReadStatus status = RealFileSystem().ReadWhole(file, content, kLargestTicketsFile);
    if (status != ReadStatus::kRead) {
        MessageBox(FileNotReadText("The file", file, status), MessageIcon::Stop);
        return;
    }
    int added = 0;
    for (const QString& line : LinesOf(Text(WithoutByteOrderMark(content)))) {
        if (!line.trimmed().isEmpty()) {
            AddRow(line);
            ++added;
        }
    }
    modified_ = modified_ || added > 0;
    stateLabel_->setText(QStringLiteral("%1 lines added from %2; Save keeps them.").arg(added).arg(path));
}

bool MyTicketsWindow::SaveTickets() {
    QByteArray content;
    for (int row = 0; row < ticketsTable_->rowCount(); ++row) {
        content += ticketsTable_->item(row, kTicketText)->text().toUtf8() + '\n';
    }
    QString failure;
    if (!WriteWhole(PathText(ticketsFile_), content, failure)) {
        MessageBox("The tickets could not be saved in " + ticketsFile_.string() + ":\n" +
                       failure.toStdString(),
                   MessageIcon::Stop);
        return false;
    }
    modified_ = false;
    stateLabel_->setText(QStringLiteral("Saved in tickets.txt."));
    return true;
}

void MyTicketsWindow::SetWorking(bool working) {
    working_ = working;
    for (QPushButton* each : findChildren<QPushButton*>()) {
        each->setEnabled(!working);
    }
    exportButton_->setEnabled(!working && check_ != nullptr);
    printButton_->setEnabled(!working && check_ != nullptr);
    gameBox_->setEnabled(!working);
    historyBox_->setEnabled(!working);
    ticketsTable_->setEnabled(!working);
}

void MyTicketsWindow::CheckTickets() {
    const int gameType = gameBox_->currentIndex();
    const bool dated = historyBox_->currentIndex() == 0;
    const Outcome<GameSettings> settings = ReadGameSettings(services_.profile, SettingsOfGame(gameType));
    if (!ShowOutcome(settings)) {
        return;
    }
    const TicketGame game = TicketGameOf(gameType, *settings);
    std::vector<Ticket> tickets;
    int leftOut = 0;
    for (int row = 0; row < ticketsTable_->rowCount(); ++row) {
        const TicketLine read =
            ReadTicketLine(ticketsTable_->item(row, kTicketText)->text().toStdString(), row + 1, game);
        if (read.ticket) {
            tickets.push_back(*read.ticket);
        }
        leftOut += read.problem ? 1 : 0;
    }
    const GamePreset* preset = PresetInForce(services_.profile, gameType);
    const PrizesReading prizes = PrizesBeside(ticketsFile_, game, preset != nullptr ? preset->name : "");
    stateLabel_->setText(QStringLiteral("Checking..."));
    SetWorking(true);
    Outcome<TicketCheck> check = RunOffWindowThread([&]() -> Outcome<TicketCheck> {
        const Outcome<DrawingsToCheck> drawings = DrawingsOfHistory(
            gameType, dated, *settings, ReadHistoryText(std::filesystem::path(kHistoryFileName)));
        if (drawings.refused()) {
            return RefusedAs<TicketCheck>(drawings);
        }
        return vantorel::CheckTickets(game, std::move(tickets), *drawings, prizes.table);
    });
    if (const std::optional<Notice> notice = ProblemsNotice(kPrizesFileName, prizes.problems)) {
        check.Tell(*notice);
    }
    if (!ShowOutcome(check)) {
        SetWorking(false);
        stateLabel_->setText(QStringLiteral("Nothing was checked."));
        return;
    }
    check_ = std::make_shared<const TicketCheck>(std::move(*check));
    winsModel_->Show(check_);
    winsView_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    QString summary = Text(SummaryLines(*check_).text());
    if (leftOut > 0) {
        summary += QStringLiteral("Left out: %1 rows with a problem (see the table)\n").arg(leftOut);
    }
    ShowSummary(summary);
    SetWorking(false);
    stateLabel_->setText(QStringLiteral("%1 wins.").arg(check_->summary.wins));
}

void MyTicketsWindow::ShowSummary(const QString& text) {
    summaryView_->setPlainText(text);
}

void MyTicketsWindow::ExportWins() {
    if (check_ == nullptr) {
        return;
    }
    const QString path = services_.chooseFileToSave(QStringLiteral("Export Wins"),
                                                    QStringLiteral("CSV Files (*.csv);;All Files (*)"),
                                                    QStringLiteral("wins.csv"), this);
    if (path.isEmpty()) {
        return;
    }
    const std::string csv = CsvOf(WinsTable(*check_));
    QString failure;
    if (!WriteWhole(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())), failure)) {
        MessageBox("The wins could not be saved in " + path.toStdString() + ":\n" + failure.toStdString(),
                   MessageIcon::Stop);
        return;
    }
    stateLabel_->setText(QStringLiteral("The wins were saved in %1.").arg(path));
}

void MyTicketsWindow::PrintWins() {
    if (check_ == nullptr) {
        return;
    }
    QString text =
        QStringLiteral("My Tickets: ") + Latin1(GameOf(check_->game.gameType).title) +
        (check_->dated ? QStringLiteral(", dated history\n\n") : QStringLiteral(", undated history\n\n"));
    text += Text(WinLines(*check_, 0, kMostPrintedWins).text());
    if (check_->wins.size() > kMostPrintedWins) {
        text += QStringLiteral("... and %1 more wins (Export CSV lists them all)\n")
                    .arg(check_->wins.size() - kMostPrintedWins);
    }
    text += QLatin1Char('\n') + summaryView_->toPlainText();
    QPrinter printer;
    QTextDocument document;
    document.setPlainText(text);
    document.setPageSize(printer.pageLayout().paintRectPixels(printer.resolution()).size());
    if (!services_.choosePrinter(printer, document.pageCount(), this)) {
        return;
    }
    document.setPageSize(printer.pageLayout().paintRectPixels(printer.resolution()).size());
    document.print(&printer);
}

void MyTicketsWindow::closeEvent(QCloseEvent* event) {
    if (working_) {
        event->ignore();
        return;
    }
    if (modified_) {
        const Question save{"Save the changes to your tickets in tickets.txt?", QuestionButtons::YesNo,
                            false};
        if (AskThroughMessageBox(save) && !SaveTickets()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace vantorel
