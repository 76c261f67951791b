// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include <QTimer>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>
#include <utility>

#include <QTabWidget>

namespace vantorel::test {
namespace {

class OperationsSheetTest : public SheetTest {
protected:
    OperationsSheetTest() { UseSampleHistory(); }
};

TEST_F(OperationsSheetTest, HasTheEightPagesInOrder) {
    OpenSheet();
    EXPECT_EQ(sheet->windowTitle().toStdString(), "Vantorel Operations");
    const auto* tabs = Find<QTabWidget>("pageTabs");
    std::vector<std::string> captions;
    for (int i = 0; i < tabs->count(); ++i) {
        captions.push_back(tabs->tabText(i).toStdString());
        EXPECT_EQ(sheet->page(i)->pageIndex(), i);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"3 Number", "4 Number", "5 Number", "6 Number",
                                                  "Power Ball", "Setup", "Data File", "Deja View"}));
}

// Every double-click runs a fresh sheet modally. It reopens on the last game page used; with "5BC" empty
// it warns, once per program run.
TEST_F(OperationsSheetTest, EachDoubleClickRunsAFreshSheet) {
    ChartView view(handOver, results, services);
    RunSheetFromView(view, [](OperationsSheet& running) {
        EXPECT_TRUE(running.isModal());
        EXPECT_EQ(running.activeIndex(), kThreeNumberPage);
        running.SetActivePage(kFourNumberPage);
        running.SetActivePage(kSetupPage);
        running.SetActivePage(kDejaViewPage);
    });
    EXPECT_TRUE(messages.texts().empty());

    profile.WriteString("settings", "5bc", "");
    RunSheetFromView(view, [](OperationsSheet& running) {
        EXPECT_EQ(running.activeIndex(), kFourNumberPage);
        EXPECT_EQ(running.state().pageFlags[kFourNumberPage], 1);
    });
    RunSheetFromView(view, [](OperationsSheet&) {});
    EXPECT_EQ(messages.texts(), std::vector<std::string>{
                                    "Vantorel is not yet configured.\nSome features will be unavailable..\n\n"
                                    "Please see help for information\non how to enter game-specific "
                                    "settings."});
    EXPECT_TRUE(handOver.configWarningShown);
}

// Distribution, Random and Best Guess run from OK, the other operations need Apply; a game page shown anew
// has neither. A digit page (check boxes) and a lotto page (radios) choose their history alike: a chart
// operation stays ready for OK, and the date searches follow the dated history.
TEST_F(OperationsSheetTest, ChartOperationsEnableOkInsteadOfApply) {
    const struct {
        int game;
        int next;
        std::string source; // the suffix of the data source buttons
    } pages[] = {{kThreeNumberPage, kFourNumberPage, "Check"}, {kSixNumberPage, kPowerballPage, "Radio"}};
    for (const auto& each : pages) {
        SCOPED_TRACE(each.game);
        OpenSheet(each.game);
        EXPECT_FALSE(ApplyEnabled() || OkEnabled());
        for (const char* radio : {"distributionRadio", "randomRadio", "bestGuessRadio"}) {
            SCOPED_TRACE(radio);
            Click(each.game, "totalsRadio");
            EXPECT_TRUE(ApplyEnabled() && !OkEnabled());
            Click(each.game, radio);
            EXPECT_TRUE(OkEnabled() && !ApplyEnabled());
        }
        EXPECT_TRUE(sheet->state().chartPending); // "Best Guess" leaves picks for the chart
        Click(each.game, "undated" + each.source);
        Click(each.game, "undated" + each.source); // a second click keeps the choice
        EXPECT_FALSE(ApplyEnabled());
        EXPECT_EQ(ControlState(each.game, each.source),
                  "dated on, undated on checked, date searches off, others on");
        EXPECT_FALSE(handOver.useDatedData);
        Click(each.game, "randomRadio");
        Click(each.game, "dated" + each.source);
        EXPECT_EQ(ControlState(each.game, each.source),
                  "dated on checked, undated on, date searches on, others on");
        EXPECT_TRUE(handOver.useDatedData);
        EXPECT_TRUE(ApplyEnabled());
        sheet->SetActivePage(each.next);
        EXPECT_FALSE(OkEnabled());
    }
}

// Long work runs off the window's thread: meanwhile the window handles events, the tabs and buttons take
// no input and the sheet cannot be closed; "Stop" asks the work to end.
TEST_F(OperationsSheetTest, WorkOffTheWindowThreadCanBeStoppedAndKeepsTheSheetOpen) {
    OpenSheet(kDataFilePage);
    std::atomic<bool> stopRequested = false;
    struct {
        bool tabsEnabled = true;
        bool stopShown = false;
        bool stillOpen = false;
    } during;
    QTimer::singleShot(0, sheet.get(), [&] {
        during.tabsEnabled = Find<QWidget>("pageTabs")->isEnabled();
        during.stopShown = Find<QAbstractButton>("stopWorkButton")->isVisible();
        sheet->reject();
        during.stillOpen = sheet->isVisible();
        ClickButton(Find<QAbstractButton>("stopWorkButton"));
    });
    const std::thread::id window = std::this_thread::get_id();
    const auto work = [&stopRequested, window] {
        // Waits for "Stop" (at most ten seconds), off the window's thread.
        for (int wait = 0; wait < 10000 && !stopRequested; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return std::this_thread::get_id() != window && stopRequested;
    };
    EXPECT_TRUE(sheet->WhileWorking(work, [&stopRequested] { stopRequested = true; }));
    EXPECT_FALSE(during.tabsEnabled);
    EXPECT_TRUE(during.stopShown);
    EXPECT_TRUE(during.stillOpen);
    EXPECT_TRUE(Find<QWidget>("pageTabs")->isEnabled());
    EXPECT_FALSE(Find<QAbstractButton>("stopWorkButton")->isVisible());
}

TEST_F(OperationsSheetTest, CancelAppliesNothing) {
    OpenSheet();
    Click(kThreeNumberPage, "totalsRadio");
    ClickSheetButton("cancelButton");
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_TRUE(results.log().records().empty()); // Totals did not run
}

TEST_F(OperationsSheetTest, HelpAsksForTheActivePagesContext) {
    OpenSheet();
    sheet->SetActivePage(kSetupPage);
    ClickSheetButton("helpButton");
    sheet->SetActivePage(kDejaViewPage);
    QTest::keyClick(sheet.get(), Qt::Key_F1);
    sheet->SetActivePage(kThreeNumberPage);
    ClickSheetButton("helpButton");
    EXPECT_EQ(helpContexts, (std::vector<int>{5010, 5012, 5005}));
}

// "Previous Page" on Setup and on "Deja View" returns to the page shown before; "Exit Vantorel" asks to end
// the program.
TEST_F(OperationsSheetTest, PreviousPageReturnsToThePageItCameFromAndExitEndsTheProgram) {
    OpenSheet();
    const struct {
        int from;
        int button;
    } cases[] = {{kFourNumberPage, kSetupPage},
                 {kDejaViewPage, kSetupPage},
                 {kFourNumberPage, kDejaViewPage},
                 {kSetupPage, kDejaViewPage}};
    for (const auto& each : cases) {
        sheet->SetActivePage(each.from);
        Click(each.button, "previousPageButton");
        EXPECT_EQ(sheet->activeIndex(), each.from) << each.button;
    }
    Click(kDejaViewPage, "exitButton");
    EXPECT_EQ(exitRequests, 1);
}

// Work that reports far faster than the window's thread turns leaves one call waiting there, not one per
// report; an Ask after (or during) that call brings another, and a call left waiting outlives its owner.
TEST(CoalescedCallTest, AsksWhileACallWaitsAreOneCall) {
    QObject window;
    int calls = 0;
    bool askDuringCall = false;
    std::optional<CoalescedCall> call;
    call.emplace(window, [&] {
        ++calls;
        if (std::exchange(askDuringCall, false)) {
            call->Ask();
        }
    });
    std::thread work([&] {
        for (int report = 0; report < 1000; ++report) {
            call->Ask();
        }
    });
    work.join();
    EXPECT_EQ(calls, 0); // nothing runs until the window's thread handles events
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(calls, 1);

    askDuringCall = true;
    call->Ask();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(calls, 3);

    call->Ask();
    call.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(calls, 4);
}

} // namespace
} // namespace vantorel::test
