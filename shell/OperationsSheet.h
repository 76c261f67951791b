// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/BackgroundWork.h"
#include "shell/HandOver.h"

#include <QDialog>

#include <array>

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace vantorel {

class GamePage;
class SheetPage;
class SheetResults;
struct ShellServices;

// The fields of the running sheet that its pages and the chart view read and write. All start at 0.
struct SheetState {
    int startPage = 0;              // the page the sheet opens on; game pages write their index on activation
    int plantedSeed = 0;            // the program-wide seed, copied in by the game pages
    bool lottoChartPending = false; // a lotto "Distribution" left ball counts for the chart
    PageFlags pageFlags{};          // the sheet's copy of activeGame
    bool notConfigured = false;     // the "not yet configured" warning has been shown
    bool chartPending = false;      // the last operation chosen leaves picks for the chart
    int historyRewrites = 0;        // how often the Data File page has changed the history file in this run
};

// "Vantorel Operations": the modal sheet with the eight pages, built afresh for every run. It owns the
// pages (made by the page factory of ShellServices) and with them every draw table, so the history is in
// memory only while the sheet is open. What the operations produce goes to the SheetResults it is given.
class OperationsSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OperationsSheet)

public:
    OperationsSheet(HandOver& handOver, SheetResults& results, ShellServices& services,
                    QWidget* parent = nullptr);

    // The tab title of a page ("3 Number" ... "Deja View").
    static QString PageTitle(int index);

    SheetState& state() { return state_; }
    const SheetState& state() const { return state_; }
    HandOver& handOver() const { return handOver_; }
    SheetResults& results() const { return results_; }
    ShellServices& services() const { return services_; }

    SheetPage* page(int index) const;
    // The game page of a game (0..4); nothing for a game whose page is not part of this build.
    GamePage* gamePage(int game) const;
    // The game page at a page index; nothing when the page there is no game page.
    GamePage* gamePageAt(int index) const;
    // The page at `index` as the class it is; nothing when it is another.
    template <class Page> Page* pageAs(int index) const { return qobject_cast<Page*>(page(index)); }

    int activeIndex() const;
    // Shows the page and runs its activation, also when it is already the current page.
    void SetActivePage(int index);
    void EnableOk(bool enable);
    bool IsOkEnabled() const;
    // Enables Apply while any page is marked modified.
    void UpdateApplyButton();

    // The helpers that the pages share.
    // Marks the page of `game` as the active game page; returns its page index.
    int MarkActiveGame(GameType game);
    void SetChartPending(int flag);
    void EnablePageInputs(int page, bool enable);
    void ClearPagesModified();
    int RunSheet(QWidget* parent);

    // The Apply button: every page shown in this run applies, in page order.
    void Apply();
    // The sheet's help command: help at context 5005 + the active page's index.
    void ShowHelp();

    // Runs long work of a page off the window's thread and returns its result. Until it is done the tabs
    // and the sheet's buttons are disabled and the sheet cannot be closed; with `stop`, the "Stop" button
    // is offered, which calls it (the work then stops before it writes anything).
    template <class Work> auto WhileWorking(Work work, std::function<void()> stop = {}) -> decltype(work()) {
        BeginWork(std::move(stop));
        auto result = RunOffWindowThread(std::move(work));
        EndWork();
        return result;
    }
    bool IsWorking() const { return working_; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddPages();
    void InitSheet();
    void OnCurrentTabChanged(int index);
    void ActivatePage(int index);
    bool ApplyShownPages();
    void UpdateDefaultButton();
    void BeginWork(std::function<void()> stop);
    void EndWork();

    HandOver& handOver_;
    SheetResults& results_;
    ShellServices& services_;
    SheetState state_;
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    std::array<SheetPage*, kPageCount> pages_{};
    std::array<bool, kPageCount> shownInThisRun_{};
    bool initialised_ = false;
    bool working_ = false;
    QPushButton* stopButton_;
    std::function<void()> stopWork_;
};

} // namespace vantorel
