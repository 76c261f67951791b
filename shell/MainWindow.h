// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <vector>

class QLabel;
class QMenu;
class QToolBar;

namespace vantorel {

class ChartView;
class StatisticsWindow;
class MyTicketsWindow;
class SheetResults;
struct HandOver;
struct ShellServices;

// The main window: the menus and the tool bar that reach every operation, the document framework's keys,
// the status bar (the message pane; the history folder and the newest drawing of the active game; the CAP,
// NUM and SCRL indicators) and the chart view. It opens where it was closed last, fitted to the screen.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // The menus of the menu bar, in their order; a menu without entries is left out.
    enum class Menu { File, Edit, Tools, Help };

    // One entry of the menus: MenuEntries() lists them in menu order and BuildMenus() makes an action of
    // each, with its shortcut, its status bar text (also in the tool tip) and, where asked, a tool bar
    // button.
    // A new window's entry is one more row there and the MainWindow function that opens it.
    struct MenuEntry {
        Menu menu;
        const char* objectName; // nullptr: a separator
        const char* text;       // with its & mnemonic
        const char* shortcut;   // in portable form ("Ctrl+P"); "" for none
        const char* tip;
        int toolBarPlace;     // where its button stands on the tool bar, from 1 on; 0 for none
        const char* iconName; // the desktop theme's icon of its tool bar button; "" for none
        void (MainWindow::*trigger)();
    };

    // The size the window first opens at, made smaller on a small screen.
    static constexpr QSize kFirstSize{860, 640};

    MainWindow(HandOver& handOver, SheetResults& results, ShellServices& services);

    // The title after new, open or save: "Untitled - Vantorel" or "name - Vantorel". The window's document
    // holds no data (the history lives in the history file): only its name, which they change, is kept.
    static QString DocumentTitle(const QString& documentName);
    static const std::vector<MenuEntry>& MenuEntries();

    ChartView& view() const { return *view_; }

    // Shows the window where the last run left it, or at its first size centred on the screen; either way
    // fitted to the available area of the screen it opens on.
    void ShowAtRememberedPlace();
    // Shows the history folder and the date of the newest drawing of the active game's dated history in
    // the status bar; reads the history file.
    void ShowHistoryStatus();

    // Works in `folder` from now on: its history, and its settings laid over the user's; remembers it
    // among the recent folders and names it in the title. False (after saying why) when it cannot be used.
    bool OpenFolder(const QString& folder);
    // "Powerball - Vantorel" for a lottery folder (one with its own settings), "VanTorel" otherwise.
    void ShowFolderTitle();
    // The File menu's list of the last folders, filled each time it opens.
    QMenu& recentFoldersMenu() const { return *recentFolders_; }
    void FillRecentFolders();

    // The menu entries.
    void NewLotteryFolder();
    void OpenLotteryFolder();
    void OpenOperations();
    // Opens the Statistics window on the active game's history, or brings the open one to the front.
    void OpenStatistics();
    void UpdateResults();
    // The Update Results dialog on the game given (a game number; another value: the dialog's first game).
    void UpdateResultsOf(int game);
    void OpenMyTickets();
    void OpenWheel();
    void PrintChart();
    void ExportChart();
    void ShowHelp();
    void ShowAbout();
    void ExitProgram();
    // Puts back the history as it was before its last change, after asking (the question names the
    // change); an undo is itself undone the same way.
    void UndoLastChange();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    // Names the change that Edit > Undo Last Change would take back, and disables it when there is none.
    void NameUndoableChange();
    void BuildStatusBar();
    void AddDocumentShortcuts();
    void UpdateLockIndicators();
    void SaveDocument();
    void RememberPlacement();

    HandOver& handOver_;
    SheetResults& results_;
    ShellServices& services_;
    ChartView* view_;
    QToolBar* toolBar_ = nullptr;
    QMenu* recentFolders_ = nullptr;
    QLabel* folderPane_ = nullptr;
    QLabel* newestDrawingPane_ = nullptr;
    QLabel* capsIndicator_ = nullptr;
    QLabel* numIndicator_ = nullptr;
    QLabel* scrollIndicator_ = nullptr;
    QString documentName_;
    QPointer<StatisticsWindow> statistics_;
    QPointer<MyTicketsWindow> myTickets_;
};

} // namespace vantorel
