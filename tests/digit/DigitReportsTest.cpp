// SPDX-License-Identifier: GPL-3.0-or-later
// The result lines of the digit games: reports, pattern search and pick-file comparison.

#include "digit/DigitReports.h"
#include "digit/DigitCompare.h"
#include "digit/DigitPattern.h"
#include "platform/MessageBox.h"
#include "store/CalendarDates.h"
#include "store/TextLines.h"
#include "tests/digit/DigitTestTables.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::Choices;
using test::DatedTable;
using test::UndatedTable;
using test::WriteFile;
using Lines = ReportLines;
using Texts = std::vector<std::string>;

TEST(DigitReports, TotalsAndPickedNumbersArePadded) {
    EXPECT_EQ(ReportTotals(1, UndatedTable(1, {45, 9999, 999, 5, 45}).CountTotals()),
              (Lines{" 9999  has come in  1  time(s)", " 0999  has come in  1  time(s)",
                     " 0045  has come in  2  time(s)", " 0005  has come in  1  time(s)"}));
    EXPECT_EQ(ReportPickedNumbers(1, kOverdue, "45"), Lines{" The most overdue number is  0045"});
    EXPECT_EQ(ReportPickedNumbers(0, kOverdue, "5\n17\n"),
              (Lines{" Overdue Numbers (there were ties) are :  ", "  005", "  017"}));
}

TEST(DigitReports, StatisticLinesShowRoundedShares) {
    EXPECT_EQ(AddDigitStatisticLine(1, 0, Choices({kEvenOddCountBalls}), 10, 16, 14),
              Lines{" Balls are 53% Even  -  47% Odd"});
    // Exactly one half rounds down: 12.5 and 87.5.
    EXPECT_EQ(AddDigitStatisticLine(1, 0, Choices({kEvenOddCountNumbers}), 8, 1, 7),
              Lines{" Numbers are 12% Even  -  87% Odd"});
    // 4 Number balls: four to a drawing.
    EXPECT_EQ(AddDigitStatisticLine(2, 1, Choices({kHighLowCountBalls}), 5, 11, 9),
              Lines{" Balls are 55% High  -  45% Low"});
    // An empty history has no share: 0 percent, not a division by zero.
    EXPECT_EQ(AddDigitStatisticLine(2, 0, Choices({kHighLowCountNumbers}), 0, 0, 0),
              Lines{" Numbers are 0% High  -  0% Low"});
}

TEST(DigitReports, AStoredDateOfTheWrongLengthIsReportedAndShownAsStored) {
    ResetLastGoodDate();
    const DigitDrawTable dated = DatedTable(0, {{"98/01/03", 7}, {"98/1/05", 45}});
    Notices notices;
    EXPECT_EQ(ReportNumberMatches(0, {0, 1, 9}, true, {dated, dated}, notices),
              (Lines{"007 came in on 01/03/98", "045 came in on 98/1/05"}));
    EXPECT_EQ(TextsOf(notices), Texts{"Date Length Error at 01/03/98"});
    // The Date report shows the stored date as it is, without converting it.
    EXPECT_EQ(ReportDateMatches(0, {1}, dated), Lines{"045 came in on 98/1/05"});
}

TEST(DigitReports, PatternFindsThePatternInTheWrittenNumbers) {
    const struct {
        int game;
        std::vector<int> numbers;
        std::string pattern;
        bool strict;
        std::string expected;
    } cases[] = {
        {0, {7, 170, 777, 123}, "7", true, "The pattern 7 was found in 3 draws:\n007 170 777 "},
        {0, {470, 74, 147, 407}, "47", false, "The pattern 47 or 74 was found in 3 draws:\n470 074 147 "},
        {0, {470, 74, 147, 407}, "47", true, "The pattern 47 was found in 2 draws:\n470 147 "},
        {0, {7, 17}, "7", false, "The pattern 7 was found in 2 draws:\n007 017 "},
        {0, {5, 100, 50}, "00", true, "The pattern 00 was found in 2 draws:\n005 100 "},
        {1,
         {1234, 4321, 3210, 1324, 123},
         "123",
         false,
         "The pattern 123 or 321 was found in 4 draws:\n1234 4321 3210 0123 "},
        {0, {123}, "98", false, "NO HITS for 98 or 89"},
        {0, {123}, "a", true, "NO HITS for a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindPattern(UndatedTable(c.game, c.numbers), c.pattern, c.game, c.strict).value(),
                  c.expected)
            << c.pattern << " game " << c.game;
    }
}

TEST(DigitReports, PatternReportPutsTwelveHitsToALineAfterTheHeading) {
    std::vector<int> thirteen;
    for (int i = 0; i < 13; ++i) {
        thirteen.push_back(i * 10 + 7);
    }
    const PatternReport report = ReportPattern(FindPattern(UndatedTable(0, thirteen), "7", 0, true).value());
    EXPECT_TRUE(report.clearList);
    EXPECT_EQ(report.lines, (Lines{"The pattern 7 was found in 13 draws:",
                                   "007  017  027  037  047  057  067  077  087  097  107  117  ", "127  "}));
    thirteen.pop_back();
    EXPECT_EQ(ReportPattern(FindPattern(UndatedTable(0, thirteen), "7", 0, true).value()).lines.size(), 2u);
    EXPECT_EQ(ReportPattern("The pattern 47 was found in 1 draws:\n0047 ").lines,
              (Lines{"The pattern 47 was found in 1 draws:", "0047  "}));
    // No hits: one line, and the list is kept.
    EXPECT_FALSE(ReportPattern("NO HITS for 47 or 74").clearList);
    EXPECT_EQ(ReportPattern("NO HITS for 47 or 74").lines, Lines{"NO HITS for 47 or 74"});
}

const std::string kWinner = "We MAY have a WINNER here !\n";
const std::string kNoMatches = "Sorry...No Matches Were Found.\n";

class DigitCompareTest : public ::testing::Test {
protected:
    // The report, or kFileInputError when the file cannot be read; the messages are kept in `messages`.
    std::string Compare(const DigitDrawTable& table, const std::filesystem::path& file) {
        const Outcome<std::string> compared = ComparePickFile(table, file);
        const Texts told = TextsOf(compared.notices());
        messages.insert(messages.end(), told.begin(), told.end());
        return compared ? *compared : std::string(kFileInputError);
    }

    test::TempWorkingDir dir;
    Texts messages;
};

TEST_F(DigitCompareTest, ReportsEveryDrawingOfEveryPickInHistoryOrder) {
    const DigitDrawTable dated = DatedTable(0, {{"98/01/02", 123}, {"98/01/03", 7}, {"98/01/04", 45}});
    const DigitDrawTable undated = UndatedTable(0, {7, 0, 7});
    // A hand-edited history can hold numbers outside the game's; a pick names them all the same.
    const DigitDrawTable outside = UndatedTable(0, {12345, 7, 1000});
    const struct {
        std::string file;
        const DigitDrawTable& table;
        std::string expected;
    } cases[] = {
        {"7\n123\n", dated, kWinner + "123  came in on  01/02/98\n7  came in on  01/03/98\n"},
        {"007\r\n7\r\n", dated, kWinner + "7  came in on  01/03/98\n7  came in on  01/03/98\n"},
        {"7", undated, kWinner + "7  was found.\n7  was found.\n"},
        // A line without leading digits is the pick 0.
        {"8\n\n", undated, kWinner + "0  was found.\n"},
        {"1000\n12345\n12345\n999\n", outside,
         kWinner + "12345  was found.\n12345  was found.\n1000  was found.\n"},
        {"", dated, kNoMatches},
    };
    for (const auto& c : cases) {
        WriteFile("picks.txt", c.file);
        EXPECT_EQ(Compare(c.table, "picks.txt"), c.expected) << c.file;
    }
    EXPECT_EQ(messages, Texts{});
    // A missing file, and one that opens but cannot be read (a directory).
    EXPECT_EQ(Compare(dated, "missing.txt"), "File Input ERROR");
    EXPECT_EQ(Compare(dated, dir.path()), "File Input ERROR");
    EXPECT_EQ(messages, Texts(2, "Can't open specified file."));
}

TEST_F(DigitCompareTest, ComparesTheFirstThousandPicksAndReportsADateOfTheWrongLength) {
    const std::string picks(999, '\n'); // 999 picks of 0, which was never drawn
    WriteFile("exact.txt", picks + "7\n");
    WriteFile("more.txt", picks + "5\n7\n7\n");
    EXPECT_EQ(Compare(UndatedTable(0, {7}), "exact.txt"), kWinner + "7  was found.\n");
    EXPECT_EQ(messages, Texts{});
    EXPECT_EQ(Compare(UndatedTable(0, {7}), "more.txt"), kNoMatches);
    EXPECT_EQ(messages, Texts{"Too many numbers in the file you specified.\nOnly the first 1000 entries "
                              "will be searched."});
    messages.clear();
    ResetLastGoodDate();
    WriteFile("picks.txt", "7\n");
    const DigitDrawTable dated =
        DatedTable(0, {{"98/01/02", 7}, {"98/1/3", 7}, {"98/01/04", 7}, {"98/01/05", 8}});
    EXPECT_EQ(Compare(dated, "picks.txt"),
              kWinner + "7  came in on  01/02/98\n7  came in on  98/1/3\n7  came in on  01/04/98\n");
    EXPECT_EQ(messages, Texts{"Date Length Error at 01/02/98"});
    EXPECT_EQ(LastGoodDate(), "01/04/98");
}

} // namespace
} // namespace vantorel
