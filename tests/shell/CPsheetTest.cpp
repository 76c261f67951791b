#include "tests/shell/SheetTestSupport.h"

#include <QTabWidget>

#include <set>

namespace vantorel::test {
namespace {

class CPsheetTest : public SheetTest {
protected:
    CPsheetTest() { UseSampleHistory(); }
};

TEST_F(CPsheetTest, HasTheEightPagesInOrder) {
    OpenSheet();
    EXPECT_EQ(sheet->windowTitle().toStdString(), "Vantorel Operations");
    const auto* tabs = Find<QTabWidget>("pageTabs");
    const std::vector<std::string> expected = {"3 Number",   "4 Number", "5 Number",  "6 Number",
                                               "Power Ball", "Setup",    "Data File", "Deja View"};
    ASSERT_EQ(tabs->count(), kPageCount);
    for (int i = 0; i < kPageCount; ++i) {
        EXPECT_EQ(tabs->tabText(i).toStdString(), expected[static_cast<std::size_t>(i)]);
        EXPECT_EQ(sheet->page(i)->pageIndex(), i);
    }
}

// Every double-click runs a fresh sheet modally. It reopens on the last game page used; with "5BC" empty
// it warns, once per program run.
TEST_F(CPsheetTest, EachDoubleClickRunsAFreshSheet) {
    CVantorelView view(handOver, results, services);
    RunSheetFromView(view, [](CPsheet& running) {
        EXPECT_TRUE(running.isModal());
        EXPECT_EQ(running.activeIndex(), kThreeNumberPage);
        running.SetActivePage(kFourNumberPage);
        running.SetActivePage(kSetupPage);
        running.SetActivePage(kDejaViewPage);
    });
    EXPECT_TRUE(messages.texts().empty());

    profile.WriteString("settings", "5bc", "");
    RunSheetFromView(view, [](CPsheet& running) {
        EXPECT_EQ(running.activeIndex(), kFourNumberPage);
        EXPECT_EQ(running.state().pageFlags[kFourNumberPage], 1);
    });
    RunSheetFromView(view, [](CPsheet&) {});
    EXPECT_EQ(messages.texts(), std::vector<std::string>{
                                    "Vantorel is not yet configured.\nSome features will be unavailable..\n\n"
                                    "Please see help for information\non how to enter game-specific "
                                    "settings."});
    EXPECT_TRUE(handOver.configWarningShown);
}

TEST_F(CPsheetTest, OkAndApplyFollowTheChosenOperation) {
    OpenSheet();
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_FALSE(OkEnabled()); // game page activation

    Click(kThreeNumberPage, "totalsRadio");
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_FALSE(OkEnabled());
    Click(kThreeNumberPage, "randomRadio");
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(OkEnabled());
    sheet->SetActivePage(kFourNumberPage);
    EXPECT_FALSE(OkEnabled());
    Click(kFourNumberPage, "evenOddRadio");
    EXPECT_TRUE(ApplyEnabled());
    Click(kFourNumberPage, "distributionRadio");
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(OkEnabled());
    EXPECT_EQ(handOver.HighestChosenOperation(), kDistribution);
}

TEST_F(CPsheetTest, ApplyRunsTheActiveGamesOperationOnceAndTurnsToDejaView) {
    OpenSheet();
    sheet->SetActivePage(kFourNumberPage); // both digit pages have now been shown
    Click(kFourNumberPage, "totalsRadio");
    ClickSheetButton("applyButton");

    EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_FALSE(OkEnabled());
    const std::vector<std::string> lines = ResultLines();
    ASSERT_FALSE(lines.empty());
    // One report of the 4 Number totals: every number once, highest first.
    EXPECT_EQ(lines.front().find(" 9"), 0U);
    EXPECT_NE(lines.front().find("  has come in  "), std::string::npos);
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), lines.size());
}

TEST_F(CPsheetTest, OkAppliesChartOperationsAndCancelAppliesNothing) {
    OpenSheet();
    Click(kThreeNumberPage, "totalsRadio");
    ClickSheetButton("cancelButton");
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_EQ(handOver.currentOperation, kDistribution); // set by the activation, not by a run of Totals

    OpenSheet();
    Click(kThreeNumberPage, "bestGuessRadio");
    EXPECT_TRUE(sheet->state().chartPending);
    ClickSheetButton("okButton");
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_EQ(handOver.currentOperation, kBestGuess);
}

TEST_F(CPsheetTest, HelpAsksForTheActivePagesContext) {
    OpenSheet();
    sheet->SetActivePage(kSetupPage);
    ClickSheetButton("helpButton");
    sheet->SetActivePage(kDejaViewPage);
    QTest::keyClick(sheet.get(), Qt::Key_F1);
    sheet->SetActivePage(kThreeNumberPage);
    ClickSheetButton("helpButton");
    EXPECT_EQ(helpContexts, (std::vector<int>{5010, 5012, 5005}));
}

} // namespace
} // namespace vantorel::test
