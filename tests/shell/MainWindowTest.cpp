// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include "settings/LotteryFolder.h"
#include "shell/ChartPainter.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/MyTicketsWindow.h"
#include "shell/NewLotteryFolderDialog.h"
#include "shell/OperationsSheet.h"
#include "shell/ResultsUpdateDialog.h"
#include "shell/StatisticsWindow.h"
#include "shell/WheelWindow.h"
#include "shell/WindowPlacement.h"
#include "store/HistoryUndo.h"
#include "store/ManualEntry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <map>

namespace vantorel::test {
namespace {

class MainWindowTest : public SheetTest {
protected:
    QAction* Action(const char* objectName) const {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(objectName));
        EXPECT_NE(action, nullptr) << objectName;
        return action;
    }
    // Whether triggering the action opens a `Dialog` (closed again at once).
    template <class Dialog> bool ActionOpens(const char* objectName) {
        bool opened = false;
        WhenModal<Dialog>(window, [&opened](Dialog& dialog) {
            opened = true;
            dialog.reject();
        });
        Action(objectName)->trigger();
        return opened;
    }
    std::string Pane(const char* objectName) const {
        return window.statusBar()->findChild<QLabel*>(QString::fromLatin1(objectName))->text().toStdString();
    }

    // The one window of type Window that the main window has opened.
    template <class Window> Window* OnlyOpen() const {
        const QList<Window*> open = window.findChildren<Window*>();
        EXPECT_EQ(open.size(), 1) << Window::staticMetaObject.className();
        return open.size() == 1 && open.front()->isVisible() ? open.front() : nullptr;
    }

    MainWindow window{handOver, results, services};
};

QString WithoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

// Every operation is reachable from the menus and the most used ones from the tool bar; each tool bar
// button says what it does and its key.
TEST_F(MainWindowTest, MenusAndToolBarReachEveryOperation) {
    // Each menu on a line, its entries (a separator is empty) with their keys.
    std::string menus;
    for (const QAction* menu : window.menuBar()->actions()) {
        menus += menu->text().toStdString() + ':';
        for (const QAction* item : menu->menu()->actions()) {
            const QString keys = item->shortcut().toString(QKeySequence::PortableText);
            menus +=
                " [" + item->text().toStdString() + (keys.isEmpty() ? "" : " " + keys.toStdString()) + ']';
        }
        menus += '\n';
    }
    EXPECT_EQ(menus, "&File: [&New Lottery Folder...] [&Open Lottery Folder... Ctrl+O] [Recent &Folders] [] "
                     "[&Print Chart... Ctrl+P] [&Export Chart...] [] [E&xit]\n"
                     "&Edit: [&Undo Last Change Ctrl+Z]\n"
                     "&Tools: [&Operations... Ctrl+Shift+O] [&Update Results...] [My &Tickets... Ctrl+T] "
                     "[&Statistics...] [&Wheel...]\n"
                     "&Help: [&Help F1] [&About Vantorel...]\n");
    const auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("mainToolBar"));
    ASSERT_NE(toolBar, nullptr);
    std::vector<std::string> buttons;
    for (const QAction* action : toolBar->actions()) {
        buttons.push_back(action->objectName().toStdString());
    }
    EXPECT_EQ(buttons,
              (std::vector<std::string>{"operationsAction", "printChartAction", "exportChartAction"}));
    EXPECT_EQ(
        Action("operationsAction")->toolTip().toStdString(),
        "Operations... (Ctrl+Shift+O)\nOpen the operations sheet: the game pages, Setup, Data File and Deja "
        "View (a double-click on the chart does the same)");
    EXPECT_EQ(Action("printChartAction")->toolTip().toStdString(),
              "Print Chart... (Ctrl+P)\nPrint the chart that the window shows");
}

// A lottery folder opened names itself in the title and the status bar and heads the recent folders, which
// keep the last five; a plain folder keeps the program's own title.
TEST_F(MainWindowTest, OpenedFoldersNameTheWindowAndFillTheRecentList) {
    const QString start = QDir::currentPath();
    std::vector<const GamePreset*> presets{FindGamePreset("powerball")};
    for (const char* name : {"Powerball", "f2", "f3", "f4", "f5", "f6"}) {
        ASSERT_FALSE(MakeLotteryFolder(name, presets).refused()) << name;
    }
    QDir().mkdir(QStringLiteral("plain"));
    const QString powerball = QDir(start).filePath(QStringLiteral("Powerball"));
    ASSERT_TRUE(window.OpenFolder(powerball));
    EXPECT_EQ(window.windowTitle().toStdString(), "Powerball - Vantorel");
    EXPECT_EQ(Pane("historyFolderPane"), "History: " + QDir::toNativeSeparators(powerball).toStdString());
    EXPECT_EQ(window.recentFoldersMenu().actions().size(), 1);

    for (const char* name : {"f2", "f3", "f4", "f5", "f6", "plain"}) {
        ASSERT_TRUE(window.OpenFolder(QDir(start).filePath(QString::fromLatin1(name)))) << name;
    }
    EXPECT_EQ(window.windowTitle().toStdString(), "VanTorel");
    window.FillRecentFolders();
    std::vector<std::string> listed;
    for (const QAction* action : window.recentFoldersMenu().actions()) {
        listed.push_back(WithoutMnemonic(action->text()).toStdString());
    }
    const auto entry = [&start](int number, const char* name) {
        return std::to_string(number) + ' ' +
               QDir::toNativeSeparators(QDir(start).filePath(QString::fromLatin1(name))).toStdString();
    };
    EXPECT_EQ(listed, (std::vector<std::string>{entry(1, "plain"), entry(2, "f6"), entry(3, "f5"),
                                                entry(4, "f4"), entry(5, "f3")}));
    // Choosing one opens it again.
    window.recentFoldersMenu().actions().at(1)->trigger();
    EXPECT_EQ(window.windowTitle().toStdString(), "f6 - Vantorel");
    EXPECT_FALSE(window.OpenFolder(QDir(start).filePath(QStringLiteral("missing"))));
    EXPECT_EQ(QDir::currentPath(), QDir(start).filePath(QStringLiteral("f6")));
    QDir::setCurrent(start);
}

// The folder typed in New Lottery Folder: "~" and relative names start at the home folder, never at the
// history folder in use.
TEST(NewLotteryFolderDialogTest, TypedFoldersStartAtHome) {
    NewLotteryFolderDialog dialog([](QWidget*) { return QString(); }, nullptr);
    const QString home = QDir::homePath();
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("  /srv/lotto "), QStringLiteral("/srv/lotto")},
        {QStringLiteral("~"), home},
        {QStringLiteral("~/lotteries/pb"), home + QStringLiteral("/lotteries/pb")},
        {QStringLiteral("pb"), home + QStringLiteral("/pb")},
        {QStringLiteral(" "), QString()},
    };
    for (const auto& [typed, folder] : cases) {
        dialog.SetFolder(typed);
        EXPECT_EQ(dialog.folder(), folder) << typed.toStdString();
    }
    EXPECT_FALSE(dialog.TickPreset("no-such-preset"));
    EXPECT_TRUE(dialog.ChosenPresets().empty());
}

// New Lottery Folder makes the folder from the ticked presets, opens it and offers Update Results at once.
TEST_F(MainWindowTest, NewLotteryFolderMakesOpensAndOffersUpdateResults) {
    const QString start = QDir::currentPath();
    const QString folder = QDir(start).filePath(QStringLiteral("Powerball"));
    services.chooseFolder = [&folder](const QString&, QWidget*) {
        return folder;
    };
    bool updateOffered = false;
    WhenModal<NewLotteryFolderDialog>(window, [](NewLotteryFolderDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("browseButton"))->click();
        ASSERT_TRUE(dialog.TickPreset("powerball"));
        ASSERT_TRUE(dialog.TickPreset("lotto-6-59"));
        dialog.accept();
    });
    messages.ScriptAnswer(MessageAnswer::Yes);
    WhenModal<ResultsUpdateDialog>(
        window,
        [&updateOffered](ResultsUpdateDialog& dialog) {
            updateOffered = true;
            dialog.reject();
        },
        50);
    Action("newFolderAction")->trigger();
    EXPECT_EQ(
        ReadFile("vantorel.ini"),
        "[Settings]\nPBC=69\nPBB=26\nPBM=5\n6BC=59\n\n[Presets]\nPowerBall=powerball\n6Number=lotto-6-59\n");
    EXPECT_EQ(QDir::currentPath(), folder);
    EXPECT_EQ(window.windowTitle().toStdString(), "Powerball - Vantorel");
    ASSERT_EQ(messages.entries().size(), 1U);
    EXPECT_NE(
        messages.entries()[0].text.find("Lottery folder " + folder.toStdString() + " made for Powerball"),
        std::string::npos)
        << messages.entries()[0].text;
    EXPECT_NE(messages.entries()[0].text.find("Fetch the results now (Update Results)?"), std::string::npos);
    EXPECT_TRUE(updateOffered);
    QDir::setCurrent(start);
}

// Edit > Undo Last Change names the change it takes back and is offered only while there is one; an undo
// is undone the same way.
TEST_F(MainWindowTest, UndoLastChangeNamesTheChangeAndSwapsBack) {
    QAction* undo = Action("undoAction");
    QMenu* edit = window.findChild<QMenu*>(QStringLiteral("editMenu"));
    const auto shown = [&] {
        emit edit->aboutToShow();
        return std::pair(undo->isEnabled(), undo->text().toStdString());
    };
    EXPECT_EQ(shown(), std::pair(false, std::string("&Undo Last Change")));
    WriteFile("vtrmain.dat", "4 0\r\n");
    ASSERT_TRUE(ShowOutcome(AppendEntry("1 2 3 4 5", kFiveNumber, false, GameSettings{26, 49, 49, 42, 5})));
    EXPECT_EQ(shown(), std::pair(true, std::string("&Undo manual entry of a drawing into 5 Number Undated")));
    messages.ScriptAnswer(MessageAnswer::Yes);
    undo->trigger();
    EXPECT_EQ(ReadFile("vtrmain.dat"), "4 0\r\n");
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{UndoQuestion("manual entry of a drawing into 5 Number Undated")});
    EXPECT_EQ(
        shown(),
        std::pair(true, std::string("&Undo the undoing of manual entry of a drawing into 5 Number Undated")));
    messages.ScriptAnswer(MessageAnswer::Yes);
    undo->trigger();
    EXPECT_EQ(ReadFile("vtrmain.dat"), "4 1 1 2 3 4 5\r\n");
}

// Offscreen, each entry does what it says: the sheet opens (as a double-click opens it), the print and file
// dialogs are asked for, help opens at the main window's page, the About dialog shows, and Exit closes the
// window, keeping its place for the next run.
TEST_F(MainWindowTest, MenuEntriesTriggerTheirActions) {
    EXPECT_TRUE(ActionOpens<OperationsSheet>("operationsAction"));

    std::vector<int> printed;
    services.choosePrinter = PrintInto(workDir.path() / "chart.pdf", &printed);
    Action("printChartAction")->trigger();
    EXPECT_EQ(printed, std::vector<int>{1});

    int exportsAsked = 0;
    services.chooseChartFile = [&exportsAsked](QWidget*) {
        ++exportsAsked;
        return QString();
    };
    Action("exportChartAction")->trigger();
    EXPECT_EQ(exportsAsked, 1);

    Action("helpAction")->trigger();
    EXPECT_EQ(helpContexts, std::vector<int>{kMainWindowHelpContext});

    std::string aboutShown;
    WhenModal<QWidget>(window, [&aboutShown](QWidget& dialog) {
        aboutShown = dialog.objectName().toStdString();
        dialog.close();
    });
    Action("aboutAction")->trigger();
    EXPECT_EQ(aboutShown, "aboutDialog");

    window.show();
    window.move(40, 30);
    window.resize(700, 500);
    Action("exitAction")->trigger();
    EXPECT_FALSE(window.isVisible());
    const std::optional<WindowPlacement> kept = ReadWindowPlacement(profile);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->geometry.size(), QSize(700, 500));
    EXPECT_FALSE(kept->maximized);
    EXPECT_TRUE(messages.texts().empty());
}

// No key is bound twice, and the key of "Operations..." is none of the platform's standard keys (Ctrl+O
// stays free for opening a lottery folder). The title screen's hint names the real menu entry and key.
TEST_F(MainWindowTest, OperationsHasAKeyOfItsOwnThatTheTitleScreenNames) {
    std::map<QString, QString> owners;
    for (const QAction* action : window.findChildren<QAction*>()) {
        for (const QKeySequence& keys : action->shortcuts()) {
            const QString text = keys.toString(QKeySequence::PortableText);
            EXPECT_TRUE(owners.emplace(text, action->objectName()).second)
                << text.toStdString() << " twice: " << action->objectName().toStdString();
        }
    }
    const QKeySequence operations(QString::fromLatin1(kOperationsShortcut), QKeySequence::PortableText);
    for (int key = QKeySequence::HelpContents; key <= QKeySequence::Cancel; ++key) {
        EXPECT_FALSE(
            QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(key)).contains(operations))
            << "standard key " << key;
    }

    QAction* action = Action("operationsAction");
    const auto* menu = window.findChild<QMenu*>(QStringLiteral("toolsMenu"));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->actions().contains(action));
    EXPECT_EQ(WithoutMnemonic(menu->title()) + QStringLiteral(" > ") + WithoutMnemonic(action->text()),
              QString::fromLatin1(kOperationsMenuPath));
    EXPECT_EQ(action->shortcut(), operations);
    EXPECT_EQ(TitleScreenHint().toStdString(),
              "Double-click the window, or choose Tools > Operations... (Ctrl+Shift+O)");
}

// The Tools entries open their windows, each once however often it is chosen; Wheel and Statistics on the
// game and history used last.
TEST_F(MainWindowTest, ToolsEntriesOpenTheirWindowsOnceOnTheGameUsedLast) {
    handOver.useDatedData = true;
    MarkOneHot(handOver.activeGame, kSixNumber);
    for (const char* name : {"wheelAction", "statisticsAction", "myTicketsAction"}) {
        Action(name)->trigger();
        Action(name)->trigger();
    }
    const WheelWindow* wheel = OnlyOpen<WheelWindow>();
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(wheel->windowTitle(), QStringLiteral("Wheel - 6 Number"));
    EXPECT_NE(wheel->findChild<QToolButton*>(QStringLiteral("ball49")), nullptr);
    const StatisticsWindow* statistics = OnlyOpen<StatisticsWindow>();
    ASSERT_NE(statistics, nullptr);
    EXPECT_EQ(statistics->findChild<QComboBox*>(QStringLiteral("gameChoice"))->currentIndex(), kSixNumber);
    EXPECT_TRUE(statistics->findChild<QCheckBox*>(QStringLiteral("datedCheck"))->isChecked());
    EXPECT_NE(OnlyOpen<MyTicketsWindow>(), nullptr);
    EXPECT_TRUE(ActionOpens<ResultsUpdateDialog>("updateResultsAction"));
}

// The status bar names the history folder and the newest drawing of the game page used last, read again
// when the sheet closes.
TEST_F(MainWindowTest, StatusBarShowsTheHistoryFolderAndTheNewestDrawing) {
    window.ShowHistoryStatus();
    const std::string folder = QDir::toNativeSeparators(QDir::currentPath()).toStdString();
    EXPECT_NE(Pane("historyFolderPane").find("History: "), std::string::npos);
    EXPECT_EQ(Pane("newestDrawingPane"), "3 Number: no dated drawings");

    // Out of date order on purpose: the newest is not always the last.
    WriteHistory(
        "1 3 02/12/30 123 03/01/02 7 99/06/01 45\r\n9 2 02/10/05 1 2 3 4 5 6 02/10/02 1 2 3 4 5 7\r\n");
    window.ShowHistoryStatus();
    EXPECT_EQ(Pane("newestDrawingPane"), "3 Number: newest drawing 01/02/03");
    EXPECT_NE(window.statusBar()
                  ->findChild<QLabel*>(QStringLiteral("historyFolderPane"))
                  ->toolTip()
                  .toStdString()
                  .find(folder),
              std::string::npos);

    RunSheetFromView(window.view(), [](OperationsSheet& running) { running.SetActivePage(kPowerballPage); });
    EXPECT_EQ(Pane("newestDrawingPane"), "Power Ball: newest drawing 10/05/02");
    profile.WriteString(kSettingsSection, kKeyPBM, "9"); // the Power Ball history cannot be read
    window.ShowHistoryStatus();
    EXPECT_EQ(Pane("newestDrawingPane"), "Power Ball: no dated drawings");
}

// The window and the whole of its menus, tool bar and status bar fit a 1600 x 1000 screen shown at twice
// the size (800 x 500 logical pixels, less a panel).
TEST_F(MainWindowTest, FirstSizeFitsASmallScreen) {
    const QRect available(0, 24, 800, 476);
    const QSize first = FirstWindowSize(MainWindow::kFirstSize, window.minimumSizeHint(), available);
    EXPECT_LE(first.width() + kFrameAllowance.width(), available.width());
    EXPECT_LE(first.height() + kFrameAllowance.height(), available.height());
    EXPECT_GE(first.width(), window.minimumSizeHint().width());
    EXPECT_GE(first.height(), window.minimumSizeHint().height());
    EXPECT_EQ(FirstWindowSize(MainWindow::kFirstSize, window.minimumSizeHint(), QRect(0, 0, 1920, 1080)),
              MainWindow::kFirstSize);
}

TEST(WindowPlacementTest, KeptInTheProfileStoreAndReadBackOnlyWhenWhole) {
    MemoryProfileStore store;
    EXPECT_FALSE(ReadWindowPlacement(store).has_value());
    const WindowPlacement left{QRect(-1200, 35, 900, 640), true};
    ASSERT_TRUE(WriteWindowPlacement(store, left));
    EXPECT_EQ(store.GetString("window", "left"), "-1200"); // decimal texts, any case of the names
    EXPECT_EQ(ReadWindowPlacement(store), left);

    const struct {
        const char* key;
        const char* value;
        bool read;
    } cases[] = {
        {"Left", " -20 ", true},     {"Left", "x", false},    {"Top", "", false},
        {"Width", "0", false},       {"Height", "-5", false}, {"Maximized", "2", false},
        {"Width", "9999999", false}, {"Left", "1e3", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        WriteWindowPlacement(store, left);
        store.WriteString(kWindowSection, c.key, c.value);
        EXPECT_EQ(ReadWindowPlacement(store).has_value(), c.read);
    }
}

// A kept place is used on the screen that holds its middle, made to fit; one on a screen that is gone
// gives way to the first size, centred on the primary screen.
TEST(WindowPlacementTest, PlacedOnAScreenThatHoldsItOrCentredOnThePrimaryOne) {
    const QRect primary(0, 0, 1600, 1000);
    const QRect second(1600, 0, 1280, 1024);
    const QSize first(860, 640);
    const QSize smallest(300, 200);
    const struct {
        std::optional<WindowPlacement> kept;
        QRect placed;
    } cases[] = {
        {std::nullopt, QRect(369, 179, 860, 640)},
        {WindowPlacement{QRect(100, 80, 700, 500), false}, QRect(100, 80, 700, 500)},
        {WindowPlacement{QRect(1700, 100, 700, 500), false}, QRect(1700, 100, 700, 500)},
        {WindowPlacement{QRect(-2000, 100, 700, 500), false}, QRect(369, 179, 860, 640)}, // screen gone
        // Larger than the screen, and partly off it: made smaller and moved on.
        {WindowPlacement{QRect(200, 300, 1800, 1200), false}, QRect(20, 0, 1580, 940)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlacedGeometry(c.kept, {primary, second}, primary, first, smallest), c.placed);
    }
    // Never below the smallest size the window can take.
    EXPECT_EQ(
        PlacedGeometry(std::nullopt, {QRect(0, 0, 200, 150)}, QRect(0, 0, 200, 150), first, smallest).size(),
        smallest);
}

} // namespace
} // namespace vantorel::test
