// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileStore.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::WriteFile;
using Texts = std::vector<std::string>;

// 3 Number undated and dated, and 4 Number dated; no 4 Number undated history.
constexpr const char* kHistory = "0 4 7 70 700 77\r\n"
                                 "1 4 98/01/02 123 98/01/03 7 98/01/05 45 98/01/05 7\r\n"
                                 "3 2 98/01/02 1234 98/01/03 45\r\n";
constexpr const char* kNoDate = "No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)";
constexpr const char* kNoNumber =
    "No Number Entered or\nInvalid Number Format\n\n(digits only, for example 123)";
constexpr const char* kBadDay = "       Bad Day Number!\nUse 1 (Sunday) - 7 (Saturday)";
constexpr const char* kTooLong3 = "Too many digits...\n\nMust be 1 or 2 digits\nfor a 3 number game.";
constexpr const char* kTooLong4 = "Too many digits...\n\nMust be 1 to 3 digits\nfor a 4 number game.";

struct CliCase {
    std::string command; // the arguments, separated by single blanks
    int status;
    std::string out;
    Texts messages = {};
};

class DigitCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { WriteFile("vtrmain.dat", kHistory); }

    // The standard output of one command line.
    std::string Run(const std::string& command, std::int64_t seconds = test::CliRunner::kClockSeconds) {
        return cli.Run(command, seconds).out;
    }
    void Check(const std::vector<CliCase>& cases) {
        for (const CliCase& c : cases) {
            const test::CliOutcome outcome = cli.Run(c.command);
            EXPECT_EQ(outcome.out, c.out) << c.command;
            EXPECT_EQ(outcome.status, c.status) << c.command;
            EXPECT_EQ(outcome.messages(), c.messages) << c.command;
        }
    }

    test::TempWorkingDir dir;
    MemoryProfileStore profile;
    test::CliRunner cli{profile};
};

TEST_F(DigitCommandsTest, RunPrintsTheResultListLines) {
    Check({
        {"run 3 totals", 0,
         " 123  has come in  1  time(s)\n 045  has come in  1  time(s)\n 007  has come in  2  time(s)\n"},
        {"run 3 even-odd --undated --even-odd balls", 0, " Balls are 58% Even  -  42% Odd\n"},
        {"run 3 hottest --undated --predictions day", 0, " Hottest Number(s): 0??  ( 0 7 )  ( 0 7 )\n"},
        {"run 4 hottest --method numbers", 0, " Hottest Numbers (there were ties) are :  \n  0045\n  1234\n"},
        {"run 3 overdue --predictions date-range --from 1/3/98 --to 1/5/98", 0,
         " Overdue Number(s): ???  ( 9 8 7 6 5 4 3 2 1 )  ( 9 8 7 6 5 3 2 1 )  ( 9 8 6 4 3 2 1 0 )\n"},
        // Refusals inside an operation still reach the list, and the status says the operation failed.
        {"run 3 overdue --predictions day --input 9", 1, " Overdue Number(s): ERROR\n", {kBadDay}},
        // Date keeps the first drawing of the day and shows the stored date; Number converts it.
        {"run 3 date --input 01/05/98", 0, "045 came in on 98/01/05\n"},
        {"run 3 date --input 01/06/98", 0, " No data found for specified date or range...\n"},
        {"run 3 date --input 1/5/98", 1, "", {kNoDate}},
        {"run 3 date --input 01/05/1998", 1, "", {"Date Length Error"}},
        {"run 3 date-range --from 01/03/98 --to 01/04/98", 0, "007 came in on 98/01/03\n"},
        {"run 3 date-range --from 01/03/98", 1, "", {kNoDate}},
        {"run 3 number --undated --input 7 --match box", 0, "007 was found  3 times\n"},
        {"run 3 number --input 5", 0, " Number was not found...\n"},
        // A number field that reads no digit is refused, not taken for 000.
        {"run 3 number --input abc", 1, "", {kNoNumber}},
        {"run 3 number --undated --input \"\"", 1, "", {kNoNumber}},
        {"run 3 number-range --from 0 --to 50", 0,
         "007 came in on 01/03/98\n045 came in on 01/05/98\n007 came in on 01/05/98\n"},
        {"run 3 number-range --undated --from 70 --to 700", 0, "070 was found  3 times\n"},
        {"run 4 number --input 45", 0, "0045 came in on 01/03/98\n"},
        // A history that is not loaded fails with the page's status line.
        {"run 4 totals --undated", 1, "", {"Dated 2"}},
    });
}

TEST_F(DigitCommandsTest, ChartOperationsPrintTheChartData) {
    Check({{"run 3 distribution", 0,
            "bucket 0: 3\nbucket 1: 1\nbucket 2: 0\nbucket 3: 0\nbucket 4: 0\nbucket 5: 0\nbucket 6: 0\n"
            "bucket 7: 0\nbucket 8: 0\nbucket 9: 0\ndigit 0: 5\ndigit 1: 1\ndigit 2: 1\ndigit 3: 1\n"
            "digit 4: 1\ndigit 5: 1\ndigit 6: 0\ndigit 7: 2\ndigit 8: 0\ndigit 9: 0\n"}});
    // A planted seed repeats Random whatever the clock says; Best Guess is seeded by the clock only.
    const std::string random = Run("run 4 random --seed 5", 1);
    EXPECT_EQ(random.size(), 5u) << "four digits, padded";
    EXPECT_EQ(Run("run 4 random --seed 5", 2), random);
    EXPECT_EQ(Run("run 3 best-guess --strategy nihilistic --seed 5"),
              Run("run 3 best-guess --strategy nihilistic --seed 6"));
}

TEST_F(DigitCommandsTest, PatternAndComparePrintTheirLines) {
    WriteFile("picks.txt", "7\r\n45\r\n");
    Check({
        {"pattern 3 --dated 7", 0, "The pattern 7 was found in 2 draws:\n007  007  \n"},
        {"pattern 3 --undated 07 --reversed", 0,
         "The pattern 07 or 70 was found in 4 draws:\n007  070  700  077  \n"},
        {"pattern 3 --dated 123", 1, "", {kTooLong3}},
        {"pattern 4 --dated 1234", 1, "", {kTooLong4}},
        {"pattern 3 --dated \"\"", 1, "", {"No Patterns Entered !"}},
        {"pattern 4 --undated 1", 1, "", {"Dated 2"}},
        {"compare 3 --dated picks.txt", 0,
         "We MAY have a WINNER here !\n7  came in on  01/03/98\n45  came in on  01/05/98\n"
         "7  came in on  01/05/98\n"},
        {"compare 3 --undated picks.txt", 0, "We MAY have a WINNER here !\n7  was found.\n"},
        {"compare 3 --dated /dev/zero", 1, "File Input ERROR\n", {"Can't open specified file."}},
    });
}

} // namespace
} // namespace vantorel
