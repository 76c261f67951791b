// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WheelWindow.h"

#include "formats/ResultDocument.h"
#include "platform/GameCatalogue.h"
#include "platform/MessageBox.h"
#include "shell/BackgroundWork.h"
#include "shell/ShellServices.h"
#include "store/FileSystem.h"
#include "store/HistoryRewrite.h"
#include "tickets/TicketsFile.h"
#include "wheels/TicketFile.h"
#include "wheels/WheelRecord.h"
#include "wheels/WheelReport.h"

#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <string>

namespace vantorel {

namespace {

constexpr int kBallsPerRow = 10;
constexpr double kDefaultSeconds = 8;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Joined(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) {
        texts << ToQString(line);
    }
    return texts.join(QLatin1Char('\n'));
}

QString BallStyle(WheelWindow::BallRole role) {
    switch (role) {
    case WheelWindow::BallRole::Pool:
        return QStringLiteral("QToolButton { background: #2e7d32; color: white; font-weight: bold; }");
    case WheelWindow::BallRole::Key:
        return QStringLiteral("QToolButton { background: #f9a825; color: black; font-weight: bold; }");
    case WheelWindow::BallRole::Out:
        break;
    }
    return {};
}

QTableWidgetItem* TableItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString PhaseText(const WheelProgress& progress) {
    switch (progress.phase) {
    case WheelPhase::Searching:
        return progress.bestTickets == 0
                   ? QStringLiteral("Searching...")
                   : QStringLiteral("Searching: %1 tickets so far...").arg(progress.bestTickets);
    case WheelPhase::Verifying:
        return QStringLiteral("Checking %1 tickets against every draw...").arg(progress.bestTickets);
    case WheelPhase::Tabulating:
        return QStringLiteral("Counting the wins of %1 tickets...").arg(progress.bestTickets);
    }
    return {};
}

QString GameTitle(const TicketGame& game) {
    return ToQString(GameOf(game.gameType).title);
}

} // namespace

WheelWindow::WheelWindow(const WheelGame& game, ShellServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), game_(game), services_(services) {
    setObjectName(QStringLiteral("wheelWindow"));
    setWindowTitle(QStringLiteral("Wheel - ") + GameTitle(game_.ticket));
    setAttribute(Qt::WA_DeleteOnClose);
    chooseFileToSave = [](const QString& caption, const QString& suggestedName, const QString& filter,
                          QWidget* owner) {
        return QFileDialog::getSaveFileName(owner, caption, suggestedName, filter);
    };

    auto* top = new QHBoxLayout;
    top->addWidget(BuildBallGrid(), 1);
    top->addWidget(BuildChoices());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(BuildResults(), 1);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { services_.showHelp(kWheelHelpContext, this); });
    SetBusy(false);
}

WheelWindow::~WheelWindow() {
    stop_.request_stop();
}

QWidget* WheelWindow::BuildBallGrid() {
    auto* box = new QGroupBox(QStringLiteral("Pool: click a ball to wheel it, again to make it a key number "
                                             "(on every ticket), once more to leave it out"),
                              this);
    auto* grid = new QGridLayout(box);
    grid->setSpacing(2);
    for (int number = 1; number <= game_.ticket.mainMaximum; ++number) {
        auto* ball = new QToolButton(box);
        ball->setObjectName(QStringLiteral("ball%1").arg(number));
        ball->setText(QString::number(number));
        ball->setFixedSize(34, 28);
        connect(ball, &QToolButton::clicked, this, [this, number] {
            const BallRole next = RoleOf(number) == BallRole::Out    ? BallRole::Pool
                                  : RoleOf(number) == BallRole::Pool ? BallRole::Key
                                                                     : BallRole::Out;
            SetBall(number, next);
        });
        balls_[number] = ball;
        grid->addWidget(ball, (number - 1) / kBallsPerRow, (number - 1) % kBallsPerRow);
    }
    auto* clear = new QPushButton(QStringLiteral("C&lear"), box);
    clear->setObjectName(QStringLiteral("clearButton"));
    connect(clear, &QPushButton::clicked, this, [this] {
        for (const auto& [number, ball] : balls_) {
            SetBall(number, BallRole::Out);
        }
    });
    grid->addWidget(clear, (game_.ticket.mainMaximum + kBallsPerRow - 1) / kBallsPerRow, 0, 1, 3);
    return box;
}

QWidget* WheelWindow::BuildChoices() {
    auto* box = new QGroupBox(QStringLiteral("Wheel"), this);
    auto* form = new QFormLayout(box);
    const auto spin = [box](const char* name, int lowest, int highest, int value) {
        auto* control = new QSpinBox(box);
        control->setObjectName(QString::fromLatin1(name));
        control->setRange(lowest, highest);
        control->setValue(value);
        return control;
    };
    const int ballCount = std::max(1, game_.ticket.mainCount);
    sizeSpin_ = spin("sizeSpin", 1, kHighestNumber, ballCount);
    guaranteeSpin_ = spin("guaranteeSpin", 1, kHighestNumber, std::min(3, ballCount));
    drawnSpin_ = spin("drawnSpin", 1, kHighestNumber, std::min(3, ballCount));
    seedSpin_ = spin("seedSpin", 0, std::numeric_limits<int>::max(), 1);
    secondsSpin_ = new QDoubleSpinBox(box);
    secondsSpin_->setObjectName(QStringLiteral("secondsSpin"));
    secondsSpin_->setRange(0.1, kMaxSeconds);
    secondsSpin_->setDecimals(1);
    secondsSpin_->setValue(kDefaultSeconds);
    secondsSpin_->setSuffix(QStringLiteral(" s"));
    form->addRow(QStringLiteral("&Numbers a ticket:"), sizeSpin_);
    form->addRow(QStringLiteral("&Guarantee: match"), guaranteeSpin_);
    form->addRow(QStringLiteral("&if drawn in the pool:"), drawnSpin_);
    form->addRow(QStringLiteral("&Time for the search:"), secondsSpin_);
    form->addRow(QStringLiteral("S&eed:"), seedSpin_);

    const auto button = [box](const char* name, const char* text) {
        auto* control = new QPushButton(QString::fromLatin1(text), box);
        control->setObjectName(QString::fromLatin1(name));
        return control;
    };
    generateButton_ = button("generateButton", "&Generate");
    checkButton_ = button("checkButton", "C&heck File...");
    cancelButton_ = button("cancelButton", "&Cancel");
    connect(generateButton_, &QPushButton::clicked, this, &WheelWindow::Generate);
    connect(checkButton_, &QPushButton::clicked, this, &WheelWindow::CheckFile);
    connect(cancelButton_, &QPushButton::clicked, this, &WheelWindow::Cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(generateButton_);
    buttons->addWidget(checkButton_);
    buttons->addWidget(cancelButton_);
    form->addRow(buttons);
    progress_ = new QProgressBar(box);
    progress_->setObjectName(QStringLiteral("wheelProgress"));
    progress_->setRange(0, 100);
    form->addRow(progress_);
    status_ = new QLabel(box);
    status_->setObjectName(QStringLiteral("wheelStatus"));
    status_->setWordWrap(true);
    status_->setMinimumWidth(260);
    form->addRow(status_);
    return box;
}

QWidget* WheelWindow::BuildResults() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    summary_ = new QLabel(box);
    summary_->setObjectName(QStringLiteral("wheelSummary"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    auto* splitter = new QSplitter(Qt::Horizontal, box);
    ticketsTable_ = new QTableWidget(splitter);
    ticketsTable_->setObjectName(QStringLiteral("ticketsTable"));
    winsTable_ = new QTableWidget(splitter);
    winsTable_->setObjectName(QStringLiteral("winsTable"));
    for (QTableWidget* table : {ticketsTable_, winsTable_}) {
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    }
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    const auto button = [box](const char* name, const char* text) {
        auto* control = new QPushButton(QString::fromLatin1(text), box);
        control->setObjectName(QString::fromLatin1(name));
        return control;
    };
    addTicketsButton_ = button("addToMyTicketsButton", "&Add to My Tickets");
    saveButton_ = button("saveTicketsButton", "&Save Tickets...");
    printButton_ = button("printButton", "&Print...");
    exportButton_ = button("exportCsvButton", "&Export CSV...");
    connect(exportButton_, &QPushButton::clicked, this, &WheelWindow::ExportCsv);
    connect(addTicketsButton_, &QPushButton::clicked, this, &WheelWindow::AddToMyTickets);
    connect(saveButton_, &QPushButton::clicked, this, &WheelWindow::SaveTicketFile);
    connect(printButton_, &QPushButton::clicked, this, &WheelWindow::Print);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* control : {addTicketsButton_, saveButton_, exportButton_, printButton_}) {
        row->addWidget(control);
    }
    layout->addLayout(row);
    return box;
}

void WheelWindow::SetBall(int number, BallRole role) {
    if (balls_.count(number) == 0) {
        return;
    }
    roles_[number] = role;
    ShowBall(number);
}

WheelWindow::BallRole WheelWindow::RoleOf(int number) const {
    const auto found = roles_.find(number);
    return found == roles_.end() ? BallRole::Out : found->second;
}

void WheelWindow::ShowBall(int number) {
    const BallRole role = RoleOf(number);
    QToolButton* ball = balls_.at(number);
    ball->setStyleSheet(BallStyle(role));
    ball->setToolTip(role == BallRole::Key    ? QStringLiteral("Key number: on every ticket")
                     : role == BallRole::Pool ? QStringLiteral("In the pool")
                                              : QString());
}

WheelRequest WheelWindow::Request() const {
    WheelRequest request;
    for (const auto& [number, role] : roles_) {
        if (role != BallRole::Out) {
            request.pool.push_back(number);
        }
        if (role == BallRole::Key) {
            request.keys.push_back(number);
        }
    }
    request.ticketSize = sizeSpin_->value();
    request.guarantee = guaranteeSpin_->value();
    request.drawn = drawnSpin_->value();
    request.seconds = secondsSpin_->value();
    request.seed = static_cast<std::uint64_t>(seedSpin_->value());
    if (request.ticketSize == game_.ticket.mainCount) {
        request.ticketPriceCents = game_.ticketCents;
    }
    return request;
}

WheelControl WheelWindow::Control() {
    stop_ = std::stop_source();
    WheelControl control;
    control.stop = stop_.get_token();
    control.progress = [this](const WheelProgress& progress) {
        QMetaObject::invokeMethod(
            this, [this, progress] { ShowProgress(progress); }, Qt::QueuedConnection);
    };
    return control;
}

void WheelWindow::Generate() {
    if (busy_) {
        return;
    }
    const WheelRequest request = Request();
    if (const std::optional<Refusal> refusal = ValidateWheelRequest(request)) {
        ShowStatus(ToQString(refusal->text));
        return;
    }
    SetBusy(true);
    const WheelControl control = Control();
    const WheelOutcome outcome =
        RunOffWindowThread([&request, &control] { return GenerateWheel(request, control); });
    SetBusy(false);
    if (outcome.refused()) {
        ShowStatus(ToQString(outcome.refusal().text));
    } else {
        ShowStatus(
            QStringLiteral("Done: the guarantee %1 was checked against every way the numbers can fall, "
                           "and it holds.")
                .arg(ToQString(GuaranteeText(request.guarantee, request.drawn))));
        ShowTickets(outcome->tickets);
        ShowSummary(WheelSummaryLines(*outcome));
        ShowWins(outcome->wins, request.guarantee);
    }
    if (closeWhenDone_) {
        close();
    }
}

void WheelWindow::CheckFile() {
    if (busy_) {
        return;
    }
    const QString path = services_.chooseFileToOpen(
        QStringLiteral("Check Tickets"), QStringLiteral("Text Files (*.txt);;All Files (*)"), this);
    if (path.isEmpty()) {
        return;
    }
    std::string text;
    const ReadStatus status = RealFileSystem().ReadWhole(path.toStdString(), text, kLargestTicketsFile);
    if (status != ReadStatus::kRead) {
        MessageBox(FileNotReadText("The ticket file", path.toStdString(), status), MessageIcon::Exclamation);
        return;
    }
    const Outcome<std::vector<WheelTicket>> tickets = ParseTickets(WithoutByteOrderMark(text));
    if (!ShowOutcome(tickets)) {
        return;
    }
    const WheelRequest asked = Request();
    WheelCheckRequest request;
    request.pool = asked.pool;
    request.guarantee = asked.guarantee;
    request.drawn = asked.drawn;
    request.tickets = *tickets;
    SetBusy(true);
    const WheelControl control = Control();
    const WheelCheckOutcome outcome =
        RunOffWindowThread([&request, &control] { return CheckWheel(request, control); });
    SetBusy(false);
    if (outcome.refused()) {
        ShowStatus(ToQString(outcome.refusal().text));
    } else {
        ShowStatus(ToQString(CheckVerdictText(*outcome)));
        ShowTickets(request.tickets);
        ShowSummary({CheckVerdictText(*outcome)});
        ShowWins(outcome->wins, request.guarantee);
    }
    if (closeWhenDone_) {
        close();
    }
}

void WheelWindow::Cancel() {
    stop_.request_stop();
}

void WheelWindow::SetBusy(bool busy) {
    busy_ = busy;
    for (QWidget* control : std::initializer_list<QWidget*>{
             generateButton_, checkButton_, sizeSpin_, guaranteeSpin_, drawnSpin_, secondsSpin_, seedSpin_}) {
        control->setEnabled(!busy);
    }
    for (const auto& [number, ball] : balls_) {
        ball->setEnabled(!busy);
    }
    cancelButton_->setEnabled(busy);
    const bool haveTickets = !busy && !tickets_.empty();
    for (QPushButton* control : {addTicketsButton_, saveButton_, exportButton_, printButton_}) {
        control->setEnabled(haveTickets);
    }
    if (busy) {
        progress_->setValue(0);
        tickets_.clear();
        summaryLines_.clear();
        winsLines_.clear();
        ShowTickets({});
        ShowSummary({});
        ShowWins(std::nullopt, 0);
    }
}

void WheelWindow::ShowProgress(const WheelProgress& progress) {
    if (!busy_) {
        return;
    }
    progress_->setValue(static_cast<int>(std::clamp(progress.share, 0.0, 1.0) * 100));
    ShowStatus(PhaseText(progress));
}

void WheelWindow::ShowStatus(const QString& text) {
    status_->setText(text);
}

void WheelWindow::ShowTickets(const std::vector<WheelTicket>& tickets) {
    tickets_ = tickets;
    std::size_t columns = 0;
    for (const WheelTicket& ticket : tickets) {
        columns = std::max(columns, ticket.size());
    }
    ticketsTable_->clear();
    ticketsTable_->setRowCount(static_cast<int>(tickets.size()));
    ticketsTable_->setColumnCount(static_cast<int>(columns));
    QStringList header;
    for (std::size_t i = 1; i <= columns; ++i) {
        header << QString::number(i);
    }
    ticketsTable_->setHorizontalHeaderLabels(header);
    for (std::size_t row = 0; row < tickets.size(); ++row) {
        for (std::size_t column = 0; column < tickets[row].size(); ++column) {
            ticketsTable_->setItem(static_cast<int>(row), static_cast<int>(column),
                                   TableItem(QString::number(tickets[row][column])));
        }
    }
    const bool haveTickets = !busy_ && !tickets_.empty();
    for (QPushButton* control : {addTicketsButton_, saveButton_, exportButton_, printButton_}) {
        control->setEnabled(haveTickets);
    }
}

void WheelWindow::ShowSummary(const std::vector<std::string>& lines) {
    summaryLines_ = lines;
    summary_->setText(Joined(lines));
}

void WheelWindow::ShowWins(const std::optional<WinsTable>& wins, int lowestLevel) {
    winsTable_->clear();
    winsTable_->setRowCount(0);
    winsTable_->setColumnCount(0);
    winsLines_.clear();
    wins_ = wins;
    winsLowestLevel_ = lowestLevel;
    if (!wins) {
        return;
    }
    winsLines_ = WinsTableLines(*wins, lowestLevel);
    const WinsTableCells cells = WinsCells(*wins, lowestLevel);
    winsTable_->setColumnCount(static_cast<int>(cells.header.size()));
    winsTable_->setRowCount(static_cast<int>(cells.rows.size()));
    QStringList header;
    for (const std::string& title : cells.header) {
        header << ToQString(title);
    }
    winsTable_->setHorizontalHeaderLabels(header);
    for (std::size_t row = 0; row < cells.rows.size(); ++row) {
        for (std::size_t column = 0; column < cells.rows[row].size(); ++column) {
            winsTable_->setItem(static_cast<int>(row), static_cast<int>(column),
                                TableItem(ToQString(cells.rows[row][column])));
        }
    }
    winsTable_->setToolTip(ToQString(winsLines_.front()));
    if (wins->costCents) {
        summary_->setText(summary_->text() + QLatin1Char('\n') + ToQString(winsLines_.back()));
    }
}

// Adds the tickets to the tickets file of the history folder, after a comment line that says what they
// are; the file is replaced in one step, and nothing is written when a ticket is not one of the game's.
void WheelWindow::AddToMyTickets() {
    for (std::size_t i = 0; i < tickets_.size(); ++i) {
        std::string line = FormatTickets(std::vector<WheelTicket>{tickets_[i]});
        line.pop_back();
        const TicketLine read = ReadTicketLine(line, static_cast<int>(i) + 1, game_.ticket);
        if (!read.ticket) {
            MessageBox("These tickets cannot be added to My Tickets: a " +
                           std::string(GameOf(game_.ticket.gameType).title) + " ticket holds " +
                           std::to_string(game_.ticket.mainCount) + " numbers" +
                           (game_.ticket.hasBonus() ? " and a Power Ball" : "") +
                           ".\nSave them as a ticket file instead.",
                       MessageIcon::Exclamation);
            return;
        }
    }
    const std::filesystem::path file{std::string(kTicketsFileName)};
    std::string content;
    const ReadStatus status = RealFileSystem().ReadWhole(file, content, kLargestTicketsFile);
    if (status != ReadStatus::kRead && status != ReadStatus::kMissing) {
        MessageBox(FileNotReadText("The tickets file", file, status), MessageIcon::Exclamation);
        return;
    }
    if (!content.empty() && content.back() != '\n') {
        content += '\n';
    }
    content += "# Wheel: " + (summaryLines_.empty() ? std::string() : summaryLines_.front()) + '\n';
    content += FormatTickets(tickets_);
    const FileFault fault = ReplaceFile(RealFileSystem(), file, content);
    if (fault != FileFault::kNone) {
        MessageBox("The tickets could not be added to " + file.string() + ":\n" +
                       std::string(CauseOf(fault)) + ".",
                   MessageIcon::Exclamation);
        return;
    }
    ShowStatus(
        QStringLiteral("%1 tickets were added to %2.").arg(tickets_.size()).arg(ToQString(file.string())));
}

void WheelWindow::SaveTicketFile() {
    const QString path = chooseFileToSave(QStringLiteral("Save Tickets"), QStringLiteral("wheel.txt"),
                                          QStringLiteral("Text Files (*.txt);;All Files (*)"), this);
    if (path.isEmpty()) {
        return;
    }
    const FileFault fault = ReplaceFile(RealFileSystem(), path.toStdString(), FormatTickets(tickets_));
    if (fault != FileFault::kNone) {
        MessageBox("The tickets could not be saved to " + path.toStdString() + ":\n" +
                       std::string(CauseOf(fault)) + ".",
                   MessageIcon::Exclamation);
        return;
    }
    ShowStatus(QStringLiteral("The tickets were saved to %1.").arg(path));
}

void WheelWindow::ExportCsv() {
    const QString path = chooseFileToSave(QStringLiteral("Export CSV"), QStringLiteral("wheel.csv"),
                                          QStringLiteral("CSV Files (*.csv);;All Files (*)"), this);
    if (path.isEmpty()) {
        return;
    }
    std::vector<ResultTable> tables = {TicketsTable(tickets_)};
    if (wins_) {
        tables.push_back(WinsResultTable(*wins_, winsLowestLevel_));
    }
    const FileFault fault = ReplaceFile(RealFileSystem(), path.toStdString(), CsvOfSections(tables));
    if (fault != FileFault::kNone) {
        MessageBox("The CSV file " + path.toStdString() + " could not be written:\n" +
                       std::string(CauseOf(fault)) + ".",
                   MessageIcon::Exclamation);
        return;
    }
    ShowStatus(QStringLiteral("The tickets and the table of wins were exported to %1.").arg(path));
}

std::string WheelWindow::ReportText() const {
    std::string text;
    for (const std::string& line : summaryLines_) {
        text += line + '\n';
    }
    text += '\n';
    for (const std::string& line : winsLines_) {
        text += line + '\n';
    }
    text += "\nTickets:\n";
    for (std::size_t i = 0; i < tickets_.size(); ++i) {
        std::string number = std::to_string(i + 1);
        text += std::string(number.size() < 5 ? 5 - number.size() : 0, ' ') + number + ".  " +
                FormatTickets(std::vector<WheelTicket>{tickets_[i]});
    }
    return text;
}

void WheelWindow::Print() {
    QTextDocument document;
    document.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    document.setPlainText(ToQString(ReportText()));
    QPrinter printer;
    document.setPageSize(printer.pageLayout().paintRectPixels(printer.resolution()).size());
    if (!services_.choosePrinter(printer, document.pageCount(), this)) {
        return;
    }
    document.print(&printer);
}

void WheelWindow::closeEvent(QCloseEvent* event) {
    if (busy_) {
        closeWhenDone_ = true;
        stop_.request_stop();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace vantorel
