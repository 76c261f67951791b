#include "cli/Commands.h"
#include "digit/DigitDrawTable.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "platform/RandomGenerator.h"
#include "tests/support/CliProcess.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantorel {
namespace {

using test::WriteFile;
using Texts = std::vector<std::string>;

// 3 Number undated and dated, and 4 Number dated; no 4 Number undated history.
constexpr const char* kHistory = "0 4 7 70 700 77\r\n"
                                 "1 4 98/01/02 123 98/01/03 7 98/01/05 45 98/01/05 7\r\n"
                                 "3 2 98/01/02 1234 98/01/03 45\r\n";

constexpr const char* kNoDate = "No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)";

struct CliCase {
    std::vector<std::string> arguments;
    int status;
    std::string out;
    Texts messages = {};
};

class DigitCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { WriteFile("vtrmain.dat", kHistory); }

    // Parses and runs one command line in-process, as vantorel-cli does.
    void Check(const CliCase& c) {
        const std::vector<std::string_view> arguments(c.arguments.begin(), c.arguments.end());
        std::string joined;
        for (const std::string& argument : c.arguments) {
            joined += argument + ' ';
        }
        const std::optional<CommandLine> line = ParseCommandLine(arguments);
        ASSERT_TRUE(line.has_value()) << joined;
        sink.Clear();
        std::ostringstream out;
        CliContext context{profile, clock, out};
        EXPECT_EQ(RunCommand(*line, context), c.status) << joined;
        EXPECT_EQ(out.str(), c.out) << joined;
        EXPECT_EQ(sink.texts(), c.messages) << joined;
    }

    test::TempWorkingDir dir;
    RecordingMessageSink sink;
    ScopedMessageSink installed{sink};
    MemoryProfileStore profile;
    FixedClock clock{4242};
};

TEST_F(DigitCommandsTest, RunPrintsTheResultListLines) {
    const CliCase cases[] = {
        {{"run", "3", "totals"},
         0,
         " 123  has come in  1  time(s)\n 045  has come in  1  time(s)\n 007  has come in  2  time(s)\n"},
        {{"run", "3", "even-odd", "--undated", "--even-odd", "balls"},
         0,
         " Balls are 58% Even  -  42% Odd\n"},
        {{"run", "3", "high-low", "--high-low", "numbers"}, 0, " Numbers are 0% High  -  100% Low\n"},
        {{"run", "3", "hottest"}, 0, " Hottest Number(s): 007\n"},
        {{"run", "3", "hottest", "--method", "numbers"}, 0, " The hottest number is  007\n"},
        {{"run", "3", "hottest", "--predictions", "month", "--input", "1"},
         0,
         " Hottest Number(s): (Jan) 007\n"},
        {{"run", "3", "overdue", "--predictions", "day", "--input", "9"},
         1,
         " Overdue Number(s): ERROR\n",
         {"       Bad Day Number!\nUse 1 (Sunday) - 7 (Saturday)"}},
        {{"run", "3", "overdue", "--predictions", "date-range", "--from", "1/3/98", "--to", "1/5/98"},
         0,
         " Overdue Number(s): ???  ( 9 8 7 6 5 4 3 2 1 )  ( 9 8 7 6 5 3 2 1 )  ( 9 8 6 4 3 2 1 0 )\n"},
        {{"run", "3", "date", "--input", "01/05/98"}, 0, "045 came in on 98/01/05\n"},
        {{"run", "3", "date", "--input", "1/5/98"}, 1, "", {kNoDate}},
        {{"run", "3", "date-range", "--from", "01/03/98", "--to", "01/04/98"},
         0,
         "007 came in on 98/01/03\n"},
        {{"run", "3", "number", "--undated", "--input", "7", "--match", "box"},
         0,
         "007 was found  3 times\n"},
        {{"run", "3", "number-range", "--from", "0", "--to", "50"},
         0,
         "007 came in on 01/03/98\n045 came in on 01/05/98\n007 came in on 01/05/98\n"},
        {{"run", "4", "number", "--input", "45"}, 0, "0045 came in on 01/03/98\n"},
        {{"run", "4", "hottest", "--method", "numbers"},
         0,
         " Hottest Numbers (there were ties) are :  \n  0045\n  1234\n"},
    };
    for (const CliCase& c : cases) {
        Check(c);
    }
}

TEST_F(DigitCommandsTest, ChartOperationsPrintTheChartData) {
    Check({{"run", "3", "distribution"},
           0,
           "bucket 0: 3\nbucket 1: 1\nbucket 2: 0\nbucket 3: 0\nbucket 4: 0\nbucket 5: 0\nbucket 6: 0\n"
           "bucket 7: 0\nbucket 8: 0\nbucket 9: 0\n"
           "digit 0: 5\ndigit 1: 1\ndigit 2: 1\ndigit 3: 1\ndigit 4: 1\ndigit 5: 1\ndigit 6: 0\ndigit 7: 2\n"
           "digit 8: 0\ndigit 9: 0\n"});
    Check({{"run", "4", "distribution"},
           0,
           "bucket 0: 1\nbucket 1: 1\nbucket 2: 0\nbucket 3: 0\nbucket 4: 0\nbucket 5: 0\nbucket 6: 0\n"
           "bucket 7: 0\nbucket 8: 0\nbucket 9: 0\n"
           "digit 0: 2\ndigit 1: 1\ndigit 2: 1\ndigit 3: 1\ndigit 4: 2\ndigit 5: 1\ndigit 6: 0\ndigit 7: 0\n"
           "digit 8: 0\ndigit 9: 0\n"});

    // The planted seed gives the same pick whatever the clock says; digits stay padded.
    RandomGenerator seeded(5);
    std::string pick;
    for (int i = 0; i < 4; ++i) {
        pick += std::to_string(seeded.Next()).back();
    }
    Check({{"run", "4", "random", "--seed", "5"}, 0, pick + "\n"});
}

TEST_F(DigitCommandsTest, BestGuessPrintsThePick) {
    // More high and more even numbers; the overdue digits are 2, 5 and 8 without ties.
    WriteFile("vtrmain.dat",
              "0 21 0 111 222 333 444 555 666 777 888 999 0 111 322 433 544 665 776 887 999 0 666\r\n");
    Check({{"run", "3", "best-guess", "--undated"}, 0, "258\n"});
    Check({{"run", "3", "best-guess", "--undated", "--strategy", "nihilistic"}, 0, [this] {
               RandomGenerator random = RandomGenerator::Seeded(0, clock);
               DigitDrawTable table(0);
               table.Load();
               SetupChoices nihilistic;
               nihilistic.Choose(kBestGuessNihilistic);
               const int guess = table.BestGuess(nihilistic, random);
               const std::string text = std::to_string(guess);
               return std::string(3 - std::min<std::size_t>(3, text.size()), '0') + text + "\n";
           }()});
}

TEST_F(DigitCommandsTest, AHistoryThatIsNotLoadedFailsWithThePageStatus) {
    Check({{"run", "4", "totals", "--undated"}, 1, "", {"Dated 2"}});
    Check({{"pattern", "4", "--undated", "1"}, 1, "", {"Dated 2"}});
    std::filesystem::remove("vtrmain.dat");
    Check({{"run", "3", "totals"}, 1, "", {"No 3 Number Game Data Available"}});
    Check({{"compare", "4", "--dated", "picks.txt"}, 1, "", {"No 4 Number Game Data Available"}});
}

TEST_F(DigitCommandsTest, DateSearchesOfUndatedDataAreUsageErrors) {
    Check({{"run", "3", "date", "--undated", "--input", "01/05/98"}, 2, ""});
    Check({{"run", "3", "date-range", "--undated"}, 2, ""});
}

TEST_F(DigitCommandsTest, PatternPrintsTheHeadingAndTheHits) {
    const CliCase cases[] = {
        {{"pattern", "3", "--dated", "7"}, 0, "The pattern 7 was found in 2 draws:\n007  007  \n"},
        {{"pattern", "3", "--undated", "07", "--reversed"},
         0,
         "The pattern 07 or 70 was found in 4 draws:\n007  070  700  077  \n"},
        {{"pattern", "3", "--undated", "07"}, 0, "The pattern 07 was found in 3 draws:\n007  070  077  \n"},
        {{"pattern", "4", "--dated", "9"}, 0, "NO HITS for 9\n"},
        {{"pattern", "3", "--dated", "123"},
         1,
         "",
         {"Too many digits...\n\nMust be 1 or 2 digits\nfor a 3 number game."}},
        {{"pattern", "3", "--dated", ""}, 1, "", {"No Patterns Entered !"}},
    };
    for (const CliCase& c : cases) {
        Check(c);
    }
}

TEST_F(DigitCommandsTest, ComparePrintsTheComparisonLines) {
    WriteFile("picks.txt", "7\r\n45\r\n");
    Check({{"compare", "3", "--dated", "picks.txt"},
           0,
           "We MAY have a WINNER here !\n7  came in on  01/03/98\n45  came in on  01/05/98\n"
           "7  came in on  01/05/98\n"});
    Check({{"compare", "3", "--undated", "picks.txt"}, 0, "We MAY have a WINNER here !\n7  was found.\n"});
    Check({{"compare", "4", "--dated", "missing.txt"},
           1,
           "File Input ERROR\n",
           {"Can't open specified file."}});
}

TEST(VantorelCli, DigitCommandsPrintToStandardOutput) {
    test::TempWorkingDir dir;
    WriteFile("vtrmain.dat", kHistory);
    const std::string config = (dir.path() / "config").string();
    const test::CliRun totals = test::RunCli({"run", "3", "totals", "--undated"}, config);
    EXPECT_EQ(totals.status, 0);
    EXPECT_EQ(totals.out, " 700  has come in  1  time(s)\n 077  has come in  1  time(s)\n"
                          " 070  has come in  1  time(s)\n 007  has come in  1  time(s)\n");

    const test::CliRun refused = test::RunCli({"run", "3", "date", "--input", "1/5/98"}, config);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, std::string(kNoDate) + "\n");
}

} // namespace
} // namespace vantorel
