// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/TicketsFile.h"
#include "store/HistoryFile.h"
#include "tests/support/TestFiles.h"
#include "tickets/TicketDates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantorel {
namespace {

const TicketGame kPowerballGame{kPowerball, 5, 69, 26};
const TicketGame kFiveNumberGame{kFiveNumber, 5, 39, 0};
const TicketGame kSixNumberGame{kSixNumber, 6, 49, 0};
const TicketGame kThreeNumberGame{kThreeNumber, 3, 9, 0};
const TicketGame kFourNumberGame{kFourNumber, 4, 9, 0};

struct LineCase {
    TicketGame game;
    std::string line;
    std::string text;    // the ticket read; empty when the line is refused
    std::string problem; // the problem reported; empty when a ticket is read
    int from = 0;        // the days played
    int to = 0;
};

class TicketLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(TicketLineTest, ReadsTheTicketOrNamesTheProblem) {
    const LineCase& test = GetParam();
    const TicketLine read = ReadTicketLine(test.line, 7, test.game);
    EXPECT_EQ(read.ticket ? read.ticket->text : "", test.text);
    EXPECT_EQ(read.problem ? read.problem->text : "", test.problem);
    if (read.ticket) {
        EXPECT_EQ(read.ticket->line, 7);
        EXPECT_EQ(read.ticket->validFrom, test.from);
        EXPECT_EQ(read.ticket->validTo, test.to);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TicketLineTest,
    testing::Values(
        LineCase{kPowerballGame, "3 11 17 21 24 + 7", "3 11 17 21 24 + 7", ""},
        LineCase{kPowerballGame, "\t03,11, 17 21 69+26  # my numbers", "3 11 17 21 69 + 26", ""},
        LineCase{kPowerballGame, "3 11 17 21 70 + 7", "", "Line 7: 70 is outside 1 to 69"},
        LineCase{kPowerballGame, "3 11 17 21 0 + 7", "", "Line 7: 0 is outside 1 to 69"},
        LineCase{kPowerballGame, "3 11 17 21 24 + 27", "", "Line 7: the Power Ball 27 is outside 1 to 26"},
        LineCase{kPowerballGame, "3 11 17 11 24 + 7", "", "Line 7: 11 is there twice"},
        LineCase{
            kPowerballGame, "3 11 17 21 24 7", "",
            "Line 7: 6 numbers and no \"+\"; a Power Ball ticket has 5 numbers, \"+\" and the Power Ball"},
        LineCase{
            kPowerballGame, "3 11 17 21 + 7 8", "",
            "Line 7: 4 numbers before \"+\" and 2 after it; a Power Ball ticket has 5 numbers, \"+\" and "
            "the Power Ball"},
        LineCase{kPowerballGame, "3 11 x7 21 24 + 7", "", "Line 7: \"x7\" is not a number"},
        LineCase{kPowerballGame, "3 11 17 21 24 + -1", "", "Line 7: \"-1\" is not a number"},
        LineCase{kPowerballGame, "99999999999999 11 17 21 24 + 7", "",
                 "Line 7: 99999999999999 is outside 1 to 69"},
        LineCase{kFiveNumberGame, "39 1 2 3 4", "39 1 2 3 4", ""},
        LineCase{kFiveNumberGame, "1 2 3 4", "", "Line 7: 4 numbers; a 5 Number ticket has 5"},
        LineCase{kFiveNumberGame, "1 2 3 4 5 + 6", "", "Line 7: the 5 Number game has no ball after \"+\""},
        LineCase{kSixNumberGame, "1 2 3 4 5 50", "", "Line 7: 50 is outside 1 to 49"},
        LineCase{kSixNumberGame, "1 2 3 4 5 6 7", "", "Line 7: 7 numbers; a 6 Number ticket has 6"},
        LineCase{kThreeNumberGame, "007", "007", ""}, LineCase{kThreeNumberGame, "123 BOX", "123 box", ""},
        LineCase{kThreeNumberGame, "123 straight", "123", ""},
        LineCase{kThreeNumberGame, "111 box", "", "Line 7: 111 box: a box needs two different digits"},
        LineCase{kThreeNumberGame, "123 boxed", "", "Line 7: \"boxed\" is neither \"box\" nor \"straight\""},
        LineCase{kThreeNumberGame, "12", "",
                 "Line 7: \"12\": a 3 Number ticket is 3 digits, then \"box\" for a box play"},
        LineCase{kThreeNumberGame, "1 2 3", "",
                 "Line 7: \"1 2 3\": a 3 Number ticket is 3 digits, then \"box\" for a box play"},
        LineCase{kFourNumberGame, "0123 box", "0123 box", ""},
        LineCase{kFourNumberGame, "abcd", "",
                 "Line 7: \"abcd\": a 4 Number ticket is 4 digits, then \"box\" for a box play"},
        LineCase{kPowerballGame, "1 2 3 4 5 + 6 ; from 01/03/2026 to 06/27/2026", "1 2 3 4 5 + 6", "",
                 20260103, 20260627},
        LineCase{kPowerballGame, "1 2 3 4 5 + 6 ;FROM 1/3/2026", "1 2 3 4 5 + 6", "", 20260103, 0},
        LineCase{kPowerballGame, "1 2 3 4 5 + 6 ;to 12/31/2099", "1 2 3 4 5 + 6", "", 0, 20991231},
        LineCase{kPowerballGame, "1 2 3 4 5 + 6 ; on 02/29/2024 ", "1 2 3 4 5 + 6", "", 20240229, 20240229},
        LineCase{kPowerballGame, "1 2 3 4 5 + 6 ; from 13/01/2026", "",
                 "Line 7: \"13/01/2026\" is not a date (MM/DD/YYYY)"},
        LineCase{kPowerballGame, "1 2 3 4 5 + 6 ; from 02/29/2025", "",
                 "Line 7: \"02/29/2025\" is not a date (MM/DD/YYYY)"},
        LineCase{kPowerballGame, "1 2 3 4 5 + 6 ; from 01/10/2026 to 01/03/2026", "",
                 "Line 7: the last day 01/03/2026 is before the first 01/10/2026"},
        LineCase{kPowerballGame, "1 2 3 4 5 + 6 ; until 01/03/2026", "",
                 "Line 7: after \";\" write from MM/DD/YYYY to MM/DD/YYYY"},
        LineCase{kPowerballGame, "1 2 3 4 5 + 6 ; to 01/03/2026 from 01/01/2026", "",
                 "Line 7: after \";\" write from MM/DD/YYYY to MM/DD/YYYY"},
        LineCase{
            kPowerballGame, "; from 01/01/2026", "",
            "Line 7: 0 numbers and no \"+\"; a Power Ball ticket has 5 numbers, \"+\" and the Power Ball"},
        LineCase{kPowerballGame, "   # a comment", "", ""}, LineCase{kPowerballGame, "", "", ""}));

// A file as Windows editors save it: a byte order mark first, CR LF line ends.
TEST(TicketsFileTest, ReadsEveryGoodLineAndReportsEachBadOneWithItsNumber) {
    const test::TempWorkingDir directory;
    test::WriteFile(kTicketsFileName,
                    "\xEF\xBB\xBF# my tickets\r\n3 11 17 21 24 + 7\r\n\r\n3 11 17 21 99 + 7\r\n"
                    "1 2 3 4 5 + 6 ; on 12/05/2026\r\n1 1 2 3 4 + 5\n8 9 10 11 12 + 13");
    const TicketsReading reading = ReadTicketsFile(kTicketsFileName, kPowerballGame);
    EXPECT_EQ(reading.failure, "");
    ASSERT_EQ(reading.tickets.size(), 3U);
    EXPECT_EQ(reading.tickets[0].line, 2);
    EXPECT_EQ(reading.tickets[1].line, 5);
    EXPECT_EQ(reading.tickets[1].validFrom, 20261205);
    EXPECT_EQ(reading.tickets[2].line, 7);
    EXPECT_EQ(reading.tickets[2].text, "8 9 10 11 12 + 13");
    ASSERT_EQ(reading.problems.size(), 2U);
    EXPECT_EQ(reading.problems[0].text, "Line 4: 99 is outside 1 to 69");
    EXPECT_EQ(reading.problems[0].fault, TicketFault::kOutOfRange);
    EXPECT_EQ(reading.problems[1].text, "Line 6: 1 is there twice");
    EXPECT_EQ(reading.problems[1].fault, TicketFault::kRepeated);
}

TEST(TicketsFileTest, AMissingFileOrAFolderIsAFailureWithItsCause) {
    const test::TempWorkingDir directory;
    EXPECT_EQ(ReadTicketsFile("tickets.txt", kPowerballGame).failure,
              "The tickets file tickets.txt could not be read: there is no such file.");
    std::filesystem::create_directory("folder");
    EXPECT_EQ(ReadTicketsFile("folder", kPowerballGame).failure,
              "The tickets file folder could not be read: it is not a file.");
    std::filesystem::create_symlink("loop", "loop");
    EXPECT_EQ(ReadTicketsFile("loop", kPowerballGame).failure,
              "The tickets file loop could not be read: it is a symbolic link that leads round in a circle.");
}

TEST(TicketsFileTest, StopsAfterTheMostTicketsWithOneProblem) {
    std::string text;
    for (int i = 0; i <= kMostTickets; ++i) {
        text += "123\n";
    }
    text += "999\n";
    const TicketsReading reading = ReadTicketsText(text, kThreeNumberGame);
    EXPECT_EQ(reading.tickets.size(), static_cast<std::size_t>(kMostTickets));
    ASSERT_EQ(reading.problems.size(), 1U);
    EXPECT_EQ(reading.problems[0].fault, TicketFault::kTooMany);
    EXPECT_EQ(reading.problems[0].line, kMostTickets + 1);
}

TEST(TicketDatesTest, StoredDatesGoThroughTheCenturyWindowAndBadDaysAreNoDate) {
    EXPECT_EQ(DateKeyOfStored("26/12/05"), 20261205);
    EXPECT_EQ(DateKeyOfStored("97/11/01"), 19971101);
    EXPECT_EQ(DateKeyOfStored("25/02/29"), kNoDate);
    EXPECT_EQ(DateKeyOfStored("24/02/29"), 20240229);
    EXPECT_EQ(DateKeyOfStored("26/1/05"), kNoDate);
    EXPECT_EQ(IsoDateText(20261205), "2026-12-05");
    EXPECT_EQ(TypedDateText(20260105), "01/05/2026");
    EXPECT_EQ(DateKeyOfTyped("02/29/2100"), std::nullopt);
    EXPECT_EQ(DateKeyOfTyped("02/29/2000"), 20000229);
    EXPECT_EQ(DateKeyOfTyped("12/05/26"), std::nullopt);
}

} // namespace
} // namespace vantorel
