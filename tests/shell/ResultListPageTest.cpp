#include "tests/shell/SheetTestSupport.h"

#include "shell/ResultListPrinting.h"

#include <QPrinter>

#include <regex>

namespace vantorel::test {
namespace {

std::vector<std::string> NumberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back("line " + std::to_string(i));
    }
    return lines;
}

std::string NumberedText(int count) {
    std::string text;
    for (const std::string& line : NumberedLines(count)) {
        text += line + '\n';
    }
    return text;
}

TEST(ResultListPrintingTest, FirstPageHolds47LinesAndEveryLaterPage46) {
    const struct {
        int lines;
        std::vector<int> perPage;
    } cases[] = {
        {1, {1}},       {46, {46}},        {47, {47}},          {48, {47, 1}},
        {93, {47, 46}}, {94, {47, 46, 1}}, {139, {47, 46, 46}}, {0, {}},
    };
    for (const auto& each : cases) {
        std::vector<int> perPage;
        for (const std::string& page : SplitIntoPrintPages(NumberedLines(each.lines))) {
            perPage.push_back(static_cast<int>(std::count(page.begin(), page.end(), '\n')));
        }
        EXPECT_EQ(perPage, each.perPage) << each.lines;
    }
    EXPECT_EQ(SplitIntoPrintPages(NumberedLines(48))[1], "line 47\n");
}

TEST(ResultListPrintingTest, HeadingNamesTheGameAndThePage) {
    EXPECT_EQ(PrintHeading(0, 1), "VanTorel 3 Number Game Statistics - Page No. 1 of the List");
    EXPECT_EQ(PrintHeading(1, 2), "VanTorel 4 Number Game Statistics - Page No. 2 of the List");
    EXPECT_EQ(PrintHeading(2, 3), "VanTorel 5 Number Game Statistics - Page No. 3 of the List");
    EXPECT_EQ(PrintHeading(3, 10), "VanTorel 6 Number Game Statistics - Page No. 10 of the List");
    EXPECT_EQ(PrintHeading(4, 1), "VanTorel Powerball Game Statistics - Page No. 1 of the List");
}

// "Deja View" on the sample history; its print dialog answers with printRange (first, last page; 0 for
// all) into print.pdf, or cancels when printRange is empty.
class ResultListPageTest : public SheetTest {
protected:
    ResultListPageTest() {
        services.choosePrinter = [this](QPrinter& printer, int pageCount, QWidget*) {
            printDialogPageCounts.push_back(pageCount);
            if (printRange.empty()) {
                return false;
            }
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(printed.string()));
            printer.setFromTo(printRange[0], printRange[1]);
            return true;
        };
        UseSampleHistory();
        OpenSheet();
    }

    ResultListPage& list() const { return *sheet->pageAs<ResultListPage>(kDejaViewPage); }

    int PrintedPages() const {
        const std::string content = ReadFile(printed);
        const std::regex page(R"(/Type\s*/Page[^s])");
        return static_cast<int>(std::distance(std::sregex_iterator(content.begin(), content.end(), page),
                                              std::sregex_iterator()));
    }

    const std::filesystem::path printed = workDir.path() / "print.pdf";
    std::vector<int> printRange = {0, 0};
    std::vector<int> printDialogPageCounts;
};

TEST_F(ResultListPageTest, PrintsTheChosenPagesThroughThePrintDialog) {
    Click(kDejaViewPage, "printListButton"); // an empty list: no dialog
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"There is nothing to print."});
    EXPECT_TRUE(printDialogPageCounts.empty());

    list().AddLines(ReportLines::FromText(NumberedText(48)));
    Click(kDejaViewPage, "printListButton");
    EXPECT_EQ(PrintedPages(), 2);
    EXPECT_EQ(list().pageTexts().size(), 2U);

    list().AddLines(ReportLines::FromText(NumberedText(92)));
    printRange = {2, 3};
    Click(kDejaViewPage, "printListButton");
    EXPECT_EQ(PrintedPages(), 2);

    std::filesystem::remove(printed);
    printRange.clear(); // the dialog is cancelled
    Click(kDejaViewPage, "printListButton");
    EXPECT_FALSE(std::filesystem::exists(printed));
    EXPECT_EQ(printDialogPageCounts, (std::vector<int>{2, 4, 4}));
}

TEST_F(ResultListPageTest, DataFileTextIsShownOnceInsteadOfGameReports) {
    results.KeepFileReport("first\n\nthird\nlast without end");
    sheet->SetActivePage(kDejaViewPage);
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"first", "", "third", "last without end"}));
    EXPECT_TRUE(results.TakeFileReportLines().empty());

    // A game operation chosen afterwards adds nothing until the next run of the sheet.
    Click(kThreeNumberPage, "totalsRadio");
    ClickSheetButton("applyButton");
    EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
    EXPECT_EQ(ResultLines().size(), 4U);
}

} // namespace
} // namespace vantorel::test
