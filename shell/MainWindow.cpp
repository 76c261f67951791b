#include "shell/MainWindow.h"

#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "shell/AboutDialog.h"
#include "shell/BackgroundWork.h"
#include "shell/ChartPainter.h"
#include "shell/ChartView.h"
#include "shell/HandOver.h"
#include "shell/HelpWindow.h"
#include "shell/KeyboardLocks.h"
#include "shell/OperationsSheet.h"
#include "shell/ShellServices.h"
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
// Results..." and "My Tickets..." (Ctrl+T) under Tools, "New Lottery Folder...", "Open Lottery
// Folder..." (Ctrl+O) and the recent folders under File, "Undo Last Change" under Edit).
const std::vector<MainWindow::MenuEntry>& MainWindow::MenuEntries() {
    static const std::vector<MenuEntry> kEntries = {
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
        {Menu::Help, "helpAction", "&Help", "F1", "Show the help for the main window", 0, "help-contents",
         &MainWindow::ShowHelp},
        {Menu::Help, "aboutAction", "&About Vantorel...", "",
         "Display program information and version number", 0, "", &MainWindow::ShowAbout},
    };
    return kEntries;
}

MainWindow::MainWindow(HandOver& handOver, SheetResults& results, ShellServices& services)
    : handOver_(handOver), services_(services), view_(new ChartView(handOver, results, services, this)) {
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

// The document framework's keys: new, open and save change only the title (the document holds nothing).
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
    addShortcut("openAction", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenDocument(); });
    addShortcut("saveAction", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveDocument(); });
}

void MainWindow::OpenDocument() {
    const QString path = QFileDialog::getOpenFileName(this);
    if (!path.isEmpty()) {
        documentName_ = QFileInfo(path).fileName();
        setWindowTitle(DocumentTitle(documentName_));
    }
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

void MainWindow::PrintChart() {
    view_->PrintView();
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
