// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include "shell/ResultListPrinting.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QPrinter>
#include <QTest>

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
        for (const PrintPage& page : SplitIntoPrintPages(NumberedLines(each.lines))) {
            perPage.push_back(static_cast<int>(std::count(page.text.begin(), page.text.end(), '\n')));
        }
        EXPECT_EQ(perPage, each.perPage) << each.lines;
    }
    EXPECT_EQ(SplitIntoPrintPages(NumberedLines(48))[1].text, "line 47\n");
}

// Every printed page is headed with the game of its lines: the lines of another game start a new page, and
// lines about no game stay under the game before them.
TEST(ResultListPrintingTest, LinesOfAnotherGameStartANewHeadedPage) {
    const std::vector<std::optional<GameType>> games = {kFourNumber, kFourNumber, std::nullopt, kPowerball,
                                                        kPowerball};
    const std::vector<PrintPage> pages = SplitIntoPrintPages(NumberedLines(5), games, kThreeNumber);
    ASSERT_EQ(pages.size(), 2U);
    EXPECT_EQ(pages[0].game, kFourNumber);
    EXPECT_EQ(pages[0].text, "line 0\nline 1\nline 2\n");
    EXPECT_EQ(pages[1].game, kPowerball);
    EXPECT_EQ(pages[1].text, "line 3\nline 4\n");
    EXPECT_EQ(SplitIntoPrintPages(NumberedLines(1), {std::nullopt}, kSixNumber).front().game, kSixNumber);
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
            if (printRange.empty()) {
                printDialogPageCounts.push_back(pageCount);
                return false;
            }
            printer.setFromTo(printRange[0], printRange[1]);
            return PrintInto(printed, &printDialogPageCounts)(printer, pageCount, nullptr);
        };
        UseSampleHistory();
        OpenSheet();
    }

    ResultListPage& list() const { return *sheet->pageAs<ResultListPage>(kDejaViewPage); }

    int PrintedPages() const { return static_cast<int>(PdfText(printed).count(QLatin1Char('\f'))); }

    const std::filesystem::path printed = workDir.path() / "print.pdf";
    std::vector<int> printRange = {0, 0};
    std::vector<int> printDialogPageCounts;
};

TEST_F(ResultListPageTest, PrintsTheChosenPagesThroughThePrintDialog) {
    Click(kDejaViewPage, "printListButton"); // an empty list: no dialog
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"There is nothing to print."});
    EXPECT_TRUE(printDialogPageCounts.empty());

    LogLines(kThreeNumber, NumberedText(48));
    Click(kDejaViewPage, "printListButton");
    EXPECT_EQ(PrintedPages(), 2);
    EXPECT_EQ(list().printedPages().size(), 2U);

    LogLines(kThreeNumber, NumberedText(92));
    printRange = {2, 3};
    Click(kDejaViewPage, "printListButton");
    EXPECT_EQ(PrintedPages(), 2);

    std::filesystem::remove(printed);
    printRange.clear(); // the dialog is cancelled
    Click(kDejaViewPage, "printListButton");
    EXPECT_FALSE(std::filesystem::exists(printed));
    EXPECT_EQ(printDialogPageCounts, (std::vector<int>{2, 4, 4}));
}

// The list shows the log of this run of the sheet, each result once and in the order it ran; a game
// operation after a Data File report is listed too. "Clear List" empties it, and a new run starts empty.
TEST_F(ResultListPageTest, ListsWhatRanInThisRunOnceInOrder) {
    LogLines(std::nullopt, "first\n\nthird\nlast without end");
    sheet->SetActivePage(kDejaViewPage);
    sheet->SetActivePage(kDejaViewPage);
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"first", "", "third", "last without end"}));

    Click(kThreeNumberPage, "totalsRadio");
    ClickSheetButton("applyButton");
    EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
    ASSERT_GT(ResultLines().size(), 4U);
    EXPECT_EQ(results.log().records().back().operation, kTotals);
    EXPECT_EQ(results.log().records().back().game, kThreeNumber);
    EXPECT_EQ(ResultLines().size(), 4 + results.log().records().back().lines.size());

    Click(kDejaViewPage, "clearListButton");
    EXPECT_TRUE(ResultLines().empty());
    LogLines(kFourNumber, "kept\n");
    OpenSheet(kDejaViewPage);
    EXPECT_TRUE(ResultLines().empty());
    EXPECT_EQ(results.log().records().size(), 3U); // the log keeps every record
}

// Shift, Ctrl and Ctrl+A select lines of the list; Ctrl+C copies the selected ones, in list order.
TEST_F(ResultListPageTest, CopiesTheSelectedLines) {
    LogLines(kThreeNumber, "one\ntwo\nthree\nfour\n");
    sheet->SetActivePage(kDejaViewPage);
    auto* view = Find<QListView>("resultList");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    QGuiApplication::clipboard()->clear();
    const auto select = [view](std::initializer_list<int> rows) {
        view->clearSelection();
        for (const int row : rows) {
            view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select);
        }
    };
    const struct {
        std::initializer_list<int> rows;
        QString copied;
    } cases[] = {
        {{3, 1}, QStringLiteral("two\nfour\n")},
        {{0}, QStringLiteral("one\n")},
        {{0, 1, 2, 3}, QStringLiteral("one\ntwo\nthree\nfour\n")},
    };
    for (const auto& c : cases) {
        select(c.rows);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.copied);
    }
    view->clearSelection();
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("one\ntwo\nthree\nfour\n"));
}

// "Export..." writes every kept result, the cleared ones too, as CSV sections through the chosen file; a
// cancelled dialog writes nothing, and a file that cannot be written is named in a message.
TEST_F(ResultListPageTest, ExportsTheKeptResultsAsCsvSections) {
    QString chosen;
    services.chooseFileToSave = [&chosen](const QString&, const QString&, const QString&, QWidget*) {
        return chosen;
    };
    OpenSheet(kDejaViewPage);
    Click(kDejaViewPage, "exportListButton");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"There is nothing to export."});

    LogLines(std::nullopt, "Compare, \"quoted\"\nsecond\n");
    Click(kDejaViewPage, "clearListButton");
    Click(kThreeNumberPage, "totalsRadio");
    ClickSheetButton("applyButton");
    const ReportLines& totals = results.log().records().back().lines;

    Click(kDejaViewPage, "exportListButton"); // cancelled
    EXPECT_FALSE(std::filesystem::exists(workDir.path() / "results.csv"));

    const std::filesystem::path file = workDir.path() / "results.csv";
    chosen = QString::fromStdString(file.string());
    Click(kDejaViewPage, "exportListButton");
    std::string expected = "test\r\nline\r\n\"Compare, \"\"quoted\"\"\"\r\nsecond\r\n\r\n"
                           "Totals - 3 Number - Dated\r\nline\r\n";
    for (const std::string_view line : totals) {
        expected.append(line).append("\r\n");
    }
    EXPECT_EQ(ReadFile(file), expected);

    chosen = QString::fromStdString((workDir.path() / "no-such-folder" / "results.csv").string());
    Click(kDejaViewPage, "exportListButton");
    ASSERT_FALSE(messages.texts().empty());
    EXPECT_EQ(messages.texts().back().rfind("The results could not be saved to ", 0), 0U)
        << messages.texts().back();
}

} // namespace
} // namespace vantorel::test
