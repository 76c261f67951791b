#pragma once

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
    int MarkActiveGame(int game);
    void SetChartPending(int flag);
    void EnablePageInputs(int page, bool enable);
    void ClearPagesModified();
    int RunSheet(QWidget* parent);

    // The Apply button: every page shown in this run applies, in page order.
    void Apply();
    // The sheet's help command: help at context 5005 + the active page's index.
    void ShowHelp();

    void accept() override;

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

    HandOver& handOver_;
    SheetResults& results_;
    ShellServices& services_;
    SheetState state_;
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    std::array<SheetPage*, kPageCount> pages_{};
    std::array<bool, kPageCount> shownInThisRun_{};
    bool initialised_ = false;
};

} // namespace vantorel
