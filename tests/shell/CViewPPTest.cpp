#include "tests/shell/SheetTestSupport.h"

#include "shell/CViewPP.h"
#include "shell/ResultListPrinting.h"

#include <QPrinter>

namespace vantorel::test {
namespace {

std::vector<std::string> NumberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back("line " + std::to_string(i));
    }
    return lines;
}

std::vector<int> LinesPerPage(const std::vector<std::string>& pages) {
    std::vector<int> counts;
    for (const std::string& page : pages) {
        counts.push_back(static_cast<int>(std::count(page.begin(), page.end(), '\n')));
    }
    return counts;
}

TEST(ResultListPrintingTest, FirstPageHolds47LinesAndEveryLaterPage46) {
    const struct {
        int lines;
        std::vector<int> perPage;
    } cases[] = {
        {1, {1}},       {46, {46}},        {47, {47}},          {48, {47, 1}},
        {93, {47, 46}}, {94, {47, 46, 1}}, {139, {47, 46, 46}},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(LinesPerPage(SplitIntoPrintPages(NumberedLines(each.lines))), each.perPage) << each.lines;
    }
    const std::vector<std::string> pages = SplitIntoPrintPages(NumberedLines(48));
    EXPECT_EQ(pages[1], "line 47\n");
    EXPECT_TRUE(SplitIntoPrintPages({}).empty());
}

TEST(ResultListPrintingTest, HeadingNamesTheGameAndThePage) {
    EXPECT_EQ(PrintHeading(0, 1), "VanTorel 3 Number Game Statistics - Page No. 1 of the List");
    EXPECT_EQ(PrintHeading(1, 2), "VanTorel 4 Number Game Statistics - Page No. 2 of the List");
    EXPECT_EQ(PrintHeading(2, 3), "VanTorel 5 Number Game Statistics - Page No. 3 of the List");
    EXPECT_EQ(PrintHeading(3, 10), "VanTorel 6 Number Game Statistics - Page No. 10 of the List");
    EXPECT_EQ(PrintHeading(4, 1), "VanTorel Powerball Game Statistics - Page No. 1 of the List");
}

class CViewPPTest : public SheetTest {
protected:
    CViewPPTest() {
        UseSampleHistory();
        OpenSheet();
    }

    CViewPP& list() const { return sheet->resultListPage(); }
    std::filesystem::path printed() const { return workDir() / "print.pdf"; }
};

TEST_F(CViewPPTest, PrintsTheListThroughThePrintDialog) {
    list().AddLines(NumberedLines(48));
    Click(kDejaViewPage, "printListButton");
    EXPECT_EQ(printDialogPageCounts, std::vector<int>{2});
    ASSERT_TRUE(std::filesystem::exists(printed()));
    EXPECT_EQ(PdfPageCount(printed()), 2);
    EXPECT_EQ(list().pageTexts().size(), 2U);
}

TEST_F(CViewPPTest, PrintsOnlyThePagesChosen) {
    list().AddLines(NumberedLines(140));
    printerChoice = [this](QPrinter& printer, int) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printed().string()));
        printer.setFromTo(2, 3);
        return true;
    };
    Click(kDejaViewPage, "printListButton");
    EXPECT_EQ(printDialogPageCounts, std::vector<int>{4});
    EXPECT_EQ(PdfPageCount(printed()), 2);
}

TEST_F(CViewPPTest, EmptyListOrCancelledDialogPrintsNothing) {
    Click(kDejaViewPage, "clearListButton");
    Click(kDejaViewPage, "printListButton");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"There is nothing to print."});
    EXPECT_TRUE(printDialogPageCounts.empty());

    list().AddLines({"one line"});
    printerChoice = [](QPrinter&, int) {
        return false;
    };
    Click(kDejaViewPage, "printListButton");
    EXPECT_EQ(printDialogPageCounts, std::vector<int>{1});
    EXPECT_FALSE(std::filesystem::exists(printed()));
}

TEST_F(CViewPPTest, DataFileTextIsShownOnceInsteadOfGameReports) {
    sheet->state().fileReportPending = true;
    handOver.fileReportText = "first\n\nthird\nlast without end";
    sheet->SetActivePage(kDejaViewPage);
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"first", "", "third", "last without end"}));
    EXPECT_TRUE(handOver.fileReportText.empty());

    // A game operation chosen afterwards adds nothing until the next run of the sheet.
    Click(kThreeNumberPage, "totalsRadio");
    ClickSheetButton("applyButton");
    EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
    EXPECT_EQ(ResultLines().size(), 4U);
}

TEST_F(CViewPPTest, EveryVisitAddsTheReportAgainUntilCleared) {
    Click(kThreeNumberPage, "evenOddRadio");
    ClickSheetButton("applyButton");
    ASSERT_EQ(ResultLines().size(), 1U);
    sheet->SetActivePage(kSetupPage);
    sheet->SetActivePage(kDejaViewPage);
    ASSERT_EQ(ResultLines().size(), 2U);
    EXPECT_EQ(ResultLines()[0], ResultLines()[1]);
    Click(kDejaViewPage, "clearListButton");
    EXPECT_TRUE(ResultLines().empty());
}

TEST_F(CViewPPTest, NoGameOrNoOperationAddsNothingAndDisablesOk) {
    handOver.activeGame = {};
    Click(kThreeNumberPage, "randomRadio");
    EXPECT_TRUE(OkEnabled());
    handOver.activeGame = {};
    sheet->SetActivePage(kDejaViewPage);
    EXPECT_TRUE(ResultLines().empty());
    EXPECT_FALSE(OkEnabled());
}

TEST_F(CViewPPTest, PreviousPageAndExit) {
    sheet->SetActivePage(kFourNumberPage);
    sheet->SetActivePage(kDejaViewPage);
    Click(kDejaViewPage, "previousPageButton");
    EXPECT_EQ(sheet->activeIndex(), kFourNumberPage);
    sheet->SetActivePage(kSetupPage);
    sheet->SetActivePage(kDejaViewPage);
    Click(kDejaViewPage, "previousPageButton");
    EXPECT_EQ(sheet->activeIndex(), kSetupPage);
    sheet->SetActivePage(kDejaViewPage);
    Click(kDejaViewPage, "exitButton");
    EXPECT_EQ(exitRequests, 1);
}

TEST_F(CViewPPTest, PatternResultWithHitsReplacesTheList) {
    list().AddLines({"earlier"});
    list().ReportPattern("NO HITS for 47 or 74");
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"earlier", "NO HITS for 47 or 74"}));
    list().ReportPattern("The pattern 47 was found in 2 draws:\n047 470 ");
    EXPECT_EQ(ResultLines(),
              (std::vector<std::string>{"The pattern 47 was found in 2 draws:", "047  470  "}));
}

} // namespace
} // namespace vantorel::test
