// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainWindow.h"

#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "settings/FolderProfileStore.h"
#include "settings/LotteryFolder.h"
#include "shell/AboutDialog.h"
#include "shell/BackgroundWork.h"
#include "shell/ChartPainter.h"
#include "shell/ChartView.h"
#include "shell/HandOver.h"
#include "shell/HelpWindow.h"
#include "shell/KeyboardLocks.h"
#include "shell/MyTicketsWindow.h"
#include "shell/NewLotteryFolderDialog.h"
#include "shell/OperationsSheet.h"
#include "shell/ResultsUpdateDialog.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"
#include "shell/StatisticsWindow.h"
#include "shell/WheelWindow.h"
#include "shell/WindowPlacement.h"
#include "store/CalendarDates.h"
#include "store/HistoryUndo.h"
#include "store/SectionReader.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <map>
#include <optional>
#include <string>

namespace vantorel {

namespace {

constexpr int kLockPollMilliseconds = 250;
// The folder is shown shortened in the middle beyond this many characters (in full in its tool tip).
constexpr int kLongestShownFolder = 60;

QLabel* AddIndicator(QStatusBar* bar, const char* objectName, const QString& text) {
    auto* indicator = new QLabel(bar);
    indicator->setObjectName(QString::fromLatin1(objectName));
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(text) + 12);
    indicator->setFrameShape(QFrame::Panel);
    indicator->setFrameShadow(QFrame::Sunken);
    bar->addPermanentWidget(indicator);
    return indicator;
}

QString MenuTitle(MainWindow::Menu menu) {
    switch (menu) {
    case MainWindow::Menu::File:
        return QStringLiteral("&File");
    case MainWindow::Menu::Edit:
        return QStringLiteral("&Edit");
    case MainWindow::Menu::Tools:
        return QStringLiteral("&Tools");
    case MainWindow::Menu::Help:
        return QStringLiteral("&Help");
    }
    return {};
}

QString MenuObjectName(MainWindow::Menu menu) {
    switch (menu) {
    case MainWindow::Menu::File:
        return QStringLiteral("fileMenu");
    case MainWindow::Menu::Edit:
        return QStringLiteral("editMenu");
    case MainWindow::Menu::Tools:
        return QStringLiteral("toolsMenu");
    case MainWindow::Menu::Help:
        return QStringLiteral("helpMenu");
    }
    return {};
}

// "/home/me/…/lotteries/ny": the folder, shortened in the middle when it is long.
QString ShownFolder(const QString& folder) {
    if (folder.size() <= kLongestShownFolder) {
        return folder;
    }
    const int half = kLongestShownFolder / 2;
    return folder.left(half - 1) + QChar(0x2026) + folder.right(half);
}

// The newest date of the stored-form dates in display form (mm/dd/yy); nothing when none is a date.
std::optional<std::string> NewestDate(const std::vector<std::string>& storedDates) {
    const std::string* newest = nullptr;
    for (const std::string& date : storedDates) {
        if (!DateHasError(date) && (newest == nullptr || CompareStoredDates(date, *newest) > 0)) {
            newest = &date;
        }
    }
    if (newest == nullptr) {
        return std::nullopt;
    }
    // yy/mm/dd to mm/dd/yy.
    return newest->substr(3, 5) + '/' + newest->substr(0, 2);
}

// The dates of the game's dated history in `history`; empty when it holds none. The Power Ball section
// is read with the PBM setting, and not at all when PBM is not set to a count the game accepts.
std::vector<std::string> DatedHistoryDates(int game, const HistoryText& history,
                                           const ProfileStore& profile) {
    if (IsDigitGame(game)) {
        DigitDrawTable table(SectionNumber(game, true));
        table.Load(history);
        return table.dates;
    }
    if (game == kPowerball) {
        const GameSettingRule& rule = RuleOf(GameSettingKey::PowerballBalls);
        const std::optional<int> balls = WholeNumberOf(profile.GetString(kSettingsSection, kKeyPBM));
        if (!balls || *balls < rule.lowest || *balls > rule.highest) {
            return {};
        }
        PowerballDrawTable table(true);
        table.Load(*balls, history);
        std::vector<std::string> dates;
        for (int row = 0; row < table.count(); ++row) {
            dates.push_back(table.Date(row));
        }
        return dates;
    }
    LottoDrawTable table(SectionNumber(game, true));
    table.Load(history);
    return table.dates;
}

} // namespace

QString MainWindow::DocumentTitle(const QString& documentName) {
    const QString document = documentName.isEmpty() ? QStringLiteral("Untitled") : documentName;
    return document + QStringLiteral(" - Vantorel");
}

// The menus, in order. Each window that joins the program adds its row here (for example "Update
// Results..." and "My Tickets..." (Ctrl+T) under Tools, "Undo Last Change" under Edit). The File menu's
// "Recent Folders" list follows "Open Lottery Folder...".
const std::vector<MainWindow::MenuEntry>& MainWindow::MenuEntries() {
    static const std::vector<MenuEntry> kEntries = {
        {Menu::File, "newFolderAction", "&New Lottery Folder...", "",
         "Make a folder for one lottery: its history and the settings of its games", 0, "",
         &MainWindow::NewLotteryFolder},
        {Menu::File, "openFolderAction", "&Open Lottery Folder...", "Ctrl+O",
         "Work on the history and settings of another folder", 0, "", &MainWindow::OpenLotteryFolder},
        {Menu::File, nullptr, "", "", "", 0, "", nullptr},
        {Menu::File, "printChartAction", "&Print Chart...", "Ctrl+P", "Print the chart that the window shows",
         2, "document-print", &MainWindow::PrintChart},
        {Menu::File, "exportChartAction", "&Export Chart...", "", "Save the chart as a PNG or SVG picture", 3,
         "document-save-as", &MainWindow::ExportChart},
        {Menu::File, nullptr, "", "", "", 0, "", nullptr},
        {Menu::File, "exitAction", "E&xit", "", "Quit the application", 0, "", &MainWindow::ExitProgram},
        {Menu::Edit, "undoAction", "&Undo Last Change", "Ctrl+Z",
         "Put back the history file as it was before its last change", 0, "", &MainWindow::UndoLastChange},
        {Menu::Tools, "operationsAction", "&Operations...", kOperationsShortcut,
         "Open the operations sheet: the game pages, Setup, Data File and Deja View (a double-click on the "
         "chart does the same)",
         1, "view-list-details", &MainWindow::OpenOperations},
        {Menu::Tools, "updateResultsAction", "&Update Results...", "",
         "Fetch the results your lottery publishes and add the new drawings to a game's dated history", 0, "",
         &MainWindow::UpdateResults},
        {Menu::Tools, "myTicketsAction", "My &Tickets...", "Ctrl+T",
         "Your tickets: check them against every drawing by prize tier", 0, "", &MainWindow::OpenMyTickets},
        {Menu::Tools, "statisticsAction", "&Statistics...", "",
         "Statistics of the active game's history, a fairness test, and backtests of the predictions", 0, "",
         &MainWindow::OpenStatistics},
        {Menu::Tools, "wheelAction", "&Wheel...", "",
         "Make a wheel: the fewest tickets that keep a guarantee for your numbers, checked before they are "
         "shown",
         0, "", &MainWindow::OpenWheel},
        {Menu::Help, "helpAction", "&Help", "F1", "Show the help for the main window", 0, "help-contents",
         &MainWindow::ShowHelp},
        {Menu::Help, "aboutAction", "&About Vantorel...", "",
         "Display program information and version number", 0, "", &MainWindow::ShowAbout},
    };
    return kEntries;
}

MainWindow::MainWindow(HandOver& handOver, SheetResults& results, ShellServices& services)
    : handOver_(handOver), results_(results), services_(services),
      view_(new ChartView(handOver, results, services, this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setCentralWidget(view_);
    BuildMenus();
    BuildStatusBar();
    AddDocumentShortcuts();
    connect(view_, &ChartView::SheetClosed, this, &MainWindow::ShowHistoryStatus);
    resize(kFirstSize);
    ShowHistoryStatus();
}

void MainWindow::BuildMenus() {
    toolBar_ = addToolBar(QStringLiteral("Main"));
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    std::map<Menu, QMenu*> menus;
    std::map<int, QAction*> onToolBar;
    for (const MenuEntry& entry : MenuEntries()) {
        QMenu*& menu = menus[entry.menu];
        if (menu == nullptr) {
            menu = menuBar()->addMenu(MenuTitle(entry.menu));
            menu->setObjectName(MenuObjectName(entry.menu));
        }
        if (entry.objectName == nullptr) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromLatin1(entry.text));
        action->setObjectName(QString::fromLatin1(entry.objectName));
        const QString tip = QString::fromLatin1(entry.tip);
        action->setStatusTip(tip);
        if (*entry.shortcut != '\0') {
            action->setShortcut(
                QKeySequence(QString::fromLatin1(entry.shortcut), QKeySequence::PortableText));
        }
        const QString keys = action->shortcut().toString(QKeySequence::NativeText);
        action->setToolTip(action->text().remove(QLatin1Char('&')) +
                           (keys.isEmpty() ? QString() : QStringLiteral(" (") + keys + QLatin1Char(')')) +
                           QStringLiteral("\n") + tip);
        connect(action, &QAction::triggered, this, entry.trigger);
        if (entry.toolBarPlace > 0) {
            action->setIcon(QIcon::fromTheme(QString::fromLatin1(entry.iconName)));
            onToolBar[entry.toolBarPlace] = action;
        }
    }
    for (const auto& [place, action] : onToolBar) {
        toolBar_->addAction(action);
    }
    connect(menus[Menu::Edit], &QMenu::aboutToShow, this, &MainWindow::NameUndoableChange);
    NameUndoableChange();
    QMenu* file = menus[Menu::File];
    recentFolders_ = new QMenu(QStringLiteral("Recent &Folders"), file);
    recentFolders_->setObjectName(QStringLiteral("recentFoldersMenu"));
    const QList<QAction*> fileActions = file->actions();
    const auto open = std::find_if(fileActions.begin(), fileActions.end(), [](const QAction* action) {
        return action->objectName() == QLatin1String("openFolderAction");
    });
    QAction* before = open != fileActions.end() && open + 1 != fileActions.end() ? *(open + 1) : nullptr;
    file->insertMenu(before, recentFolders_);
    connect(recentFolders_, &QMenu::aboutToShow, this, &MainWindow::FillRecentFolders);
    FillRecentFolders();
}

void MainWindow::FillRecentFolders() {
    recentFolders_->clear();
    const std::vector<std::filesystem::path> folders = ReadRecentFolders(services_.profile.UserSettings());
    int number = 0;
    for (const std::filesystem::path& folder : folders) {
        const QString path = QString::fromStdString(folder.string());
        QAction* action = recentFolders_->addAction(
            QStringLiteral("&%1 %2").arg(++number).arg(QDir::toNativeSeparators(path)));
        action->setObjectName(QStringLiteral("recentFolder%1").arg(number));
        connect(action, &QAction::triggered, this, [this, path] { OpenFolder(path); });
    }
    recentFolders_->setEnabled(!folders.empty());
}

void MainWindow::ShowFolderTitle() {
    const FolderProfileStore folder(services_.profile.UserSettings());
    setWindowTitle(folder.HasFolderFile() ? QDir::current().dirName() + QStringLiteral(" - Vantorel")
                                          : QStringLiteral("VanTorel"));
}

bool MainWindow::OpenFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir()) {
        MessageBox("The folder \"" + QDir::toNativeSeparators(folder).toStdString() + "\" does not exist.",
                   MessageIcon::Stop);
        return false;
    }
    const FolderProfileStore settings(services_.profile.UserSettings(),
                                      std::filesystem::path(info.absoluteFilePath().toStdString()));
    if (const std::string problem = settings.FolderFileProblem(); !problem.empty()) {
        MessageBox(problem, MessageIcon::Stop);
        return false;
    }
    if (!QDir::setCurrent(info.absoluteFilePath())) {
        MessageBox("The folder \"" + QDir::toNativeSeparators(folder).toStdString() + "\" cannot be opened.",
                   MessageIcon::Stop);
        return false;
    }
    // A list that cannot be kept loses nothing else, so nothing is said.
    static_cast<void>(RememberRecentFolder(services_.profile.UserSettings(),
                                           std::filesystem::path(QDir::currentPath().toStdString())));
    FillRecentFolders();
    ShowFolderTitle();
    ShowHistoryStatus();
    return true;
}

void MainWindow::OpenLotteryFolder() {
    const QString folder = services_.chooseFolder(QStringLiteral("Open Lottery Folder"), this);
    if (!folder.isEmpty()) {
        OpenFolder(folder);
    }
}

void MainWindow::NewLotteryFolder() {
    NewLotteryFolderDialog dialog(
        [this](QWidget* parent) {
            return services_.chooseFolder(QStringLiteral("New Lottery Folder"), parent);
        },
        this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    std::vector<std::string> names;
    for (const GamePreset* preset : dialog.ChosenPresets()) {
        names.emplace_back(preset->name);
    }
    const Outcome<std::vector<const GamePreset*>> presets = PresetsOfNames(names);
    if (presets.refused() || dialog.folder().isEmpty()) {
        MessageBox(dialog.folder().isEmpty() ? std::string("Name the folder to make.")
                                             : presets.refusal().text,
                   MessageIcon::Stop);
        return;
    }
    const Outcome<LotteryFolderMade> made = MakeLotteryFolder(
        std::filesystem::path(dialog.folder().toStdString()), *presets, FillWords::kDesktop);
    if (made.refused()) {
        ShowNotices(made.notices());
        return;
    }
    if (!OpenFolder(QString::fromStdString(made->folder.string()))) {
        return;
    }
    // Offered at once: the new history is empty until results come in.
    const MessageAnswer answer = MessageBox(made->message + "\n\nFetch the results now (Update Results)?",
                                            MessageIcon::Question, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) {
        UpdateResultsOf(static_cast<int>((*presets).front()->game));
    }
}

void MainWindow::NameUndoableChange() {
    auto* undo = findChild<QAction*>(QStringLiteral("undoAction"));
    const std::optional<std::string> change = LastChange();
    undo->setEnabled(change.has_value());
    undo->setText(change ? QStringLiteral("&") + QString::fromStdString(UndoActionText(*change))
                         : QStringLiteral("&Undo Last Change"));
}

void MainWindow::UndoLastChange() {
    const Outcome<ChangeOutcome> undone = RunOffWindowThread([this] {
        return vantorel::UndoLastChange([this](const Question& question) {
            bool yes = false;
            OnWindowThread(*this, [&] { yes = AskThroughMessageBox(question); });
            return yes;
        });
    });
    ShowOutcome(undone);
    NameUndoableChange();
    ShowHistoryStatus();
}

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    auto* ready = new QLabel(QStringLiteral("Ready"), bar);
    ready->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(ready, 1);
    folderPane_ = new QLabel(bar);
    folderPane_->setObjectName(QStringLiteral("historyFolderPane"));
    newestDrawingPane_ = new QLabel(bar);
    newestDrawingPane_->setObjectName(QStringLiteral("newestDrawingPane"));
    // A long folder is cut rather than widening the window beyond the screen (its tool tip holds it whole).
    folderPane_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addPermanentWidget(folderPane_, 1);
    bar->addPermanentWidget(newestDrawingPane_);
    capsIndicator_ = AddIndicator(bar, "capsIndicator", QStringLiteral("CAP"));
    numIndicator_ = AddIndicator(bar, "numIndicator", QStringLiteral("NUM"));
    scrollIndicator_ = AddIndicator(bar, "scrollIndicator", QStringLiteral("SCRL"));
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &MainWindow::UpdateLockIndicators);
    poll->start(kLockPollMilliseconds);
    UpdateLockIndicators();
}

void MainWindow::ShowHistoryStatus() {
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    folderPane_->setText(QStringLiteral("History: ") + ShownFolder(folder));
    folderPane_->setToolTip(QStringLiteral("The history file, its backup and the work files lie in\n") +
                            folder);

    const int active = handOver_.ActiveGame();
    const int game =
        active >= 0 ? active : (handOver_.savedStartPage < kGamePageCount ? handOver_.savedStartPage : 0);
    const QString name = OperationsSheet::PageTitle(game);
    const HistoryText history = ReadHistoryText(std::filesystem::path(kHistoryFileName));
    const std::optional<std::string> newest =
        history.read() ? NewestDate(DatedHistoryDates(game, history, services_.profile)) : std::nullopt;
    newestDrawingPane_->setText(newest ? name + QStringLiteral(": newest drawing ") +
                                             QString::fromStdString(*newest)
                                       : name + QStringLiteral(": no dated drawings"));
    newestDrawingPane_->setToolTip(
        QStringLiteral("The date of the newest drawing in the dated history of the game page used last"));
}

void MainWindow::UpdateLockIndicators() {
    const LockKeys locks = CurrentLockKeys().value_or(LockKeys{});
    capsIndicator_->setText(locks.capsLock ? QStringLiteral("CAP") : QString());
    numIndicator_->setText(locks.numLock ? QStringLiteral("NUM") : QString());
    scrollIndicator_->setText(locks.scrollLock ? QStringLiteral("SCRL") : QString());
}

// The document framework's keys: new and save change only the title (the document holds nothing); Ctrl+O
// opens a lottery folder.
// The editing keys have no command behind them.
void MainWindow::AddDocumentShortcuts() {
    const auto addShortcut = [this](const char* objectName, QKeySequence keys, auto slot) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(objectName));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    addShortcut("newAction", QKeySequence(Qt::CTRL | Qt::Key_N), [this] {
        documentName_.clear();
        setWindowTitle(DocumentTitle(documentName_));
    });
    addShortcut("saveAction", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveDocument(); });
}

// Asks for a name as the framework's save does, but writes nothing: the document holds no data, and an
// empty file written over the chosen one would destroy it.
void MainWindow::SaveDocument() {
    const QString path = QFileDialog::getSaveFileName(this, QString(), QStringLiteral("Vantor"), QString(),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) {
        documentName_ = QFileInfo(path).fileName();
        setWindowTitle(DocumentTitle(documentName_));
    }
}

void MainWindow::OpenOperations() {
    view_->OpenSheet();
}

void MainWindow::UpdateResults() {
    UpdateResultsOf(handOver_.ActiveGame());
}

void MainWindow::UpdateResultsOf(int game) {
    ResultsUpdateDialog dialog(services_, results_.log(), game, this);
    dialog.exec();
    if (dialog.historyChanged()) {
        ShowHistoryStatus();
    }
}

void MainWindow::OpenMyTickets() {
    if (myTickets_.isNull()) {
        myTickets_ = new MyTicketsWindow(services_, handOver_.ActiveGame(), this);
        myTickets_->setAttribute(Qt::WA_DeleteOnClose);
    }
    myTickets_->show();
    myTickets_->raise();
    myTickets_->activateWindow();
}

// One Wheel window at a time, for the game of the page used last (a digit game's: 6 Number).
void MainWindow::OpenWheel() {
    if (auto* open = findChild<WheelWindow*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    const int active = handOver_.ActiveGame();
    const int game = active >= 0 && active < kGamePageCount ? active : DefaultWheelGame(services_.profile);
    const Outcome<WheelGame> wheelGame = WheelGameOf(services_.profile, game);
    if (!ShowOutcome(wheelGame)) {
        return;
    }
    auto* window = new WheelWindow(*wheelGame, services_, this);
    window->show();
}

void MainWindow::PrintChart() {
    view_->PrintView();
}

void MainWindow::OpenStatistics() {
    if (statistics_ == nullptr) {
        const int active = handOver_.ActiveGame();
        const int game =
            active >= 0 ? active : (handOver_.savedStartPage < kGamePageCount ? handOver_.savedStartPage : 0);
        statistics_ = new StatisticsWindow(services_, game, handOver_.useDatedData, this);
        statistics_->setAttribute(Qt::WA_DeleteOnClose);
    }
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

void MainWindow::ExportChart() {
    view_->ExportChart();
}

void MainWindow::ShowHelp() {
    services_.showHelp(kMainWindowHelpContext, this);
}

void MainWindow::ShowAbout() {
    AboutDialog about(this);
    about.exec();
}

void MainWindow::ExitProgram() {
    close();
}

void MainWindow::ShowAtRememberedPlace() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.append(screen->availableGeometry());
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect primaryArea =
        primary != nullptr ? primary->availableGeometry() : QRect(QPoint(0, 0), kFirstSize);
    const std::optional<WindowPlacement> kept = ReadWindowPlacement(services_.profile);
    const QRect placed = PlacedGeometry(kept, areas, primaryArea, kFirstSize, minimumSizeHint());
    resize(placed.size());
    move(placed.topLeft());
    if (kept && kept->maximized) {
        showMaximized();
    } else {
        showNormal();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    RememberPlacement();
    QMainWindow::closeEvent(event);
}

// Kept for the next run; a store that cannot keep it loses nothing else, so nothing is said.
void MainWindow::RememberPlacement() {
    const bool maximized = isMaximized();
    const QRect normal = maximized ? normalGeometry() : QRect(pos(), size());
    WriteWindowPlacement(services_.profile, WindowPlacement{normal, maximized});
}

} // namespace vantorel
