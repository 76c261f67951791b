// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliContext.h"
#include "platform/GameSettings.h"
#include "platform/ProfileStore.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace vantorel {
namespace {

using Lines = std::vector<std::string>;

// The 6 Number history holds no drawing and has no dated section.
constexpr std::string_view kHistory = "4 3 3 15 22 31 40 1 9 17 28 36 5 12 33 40 41\r\n"
                                      "5 2 98/01/02 40 31 22 15 3 98/01/31 7 12 3 30 45\r\n"
                                      "6 0\r\n"
                                      "8 1 5 12 23 34 41 17\r\n"
                                      "9 2 98/01/07 5 12 23 34 41 17 98/01/10 1 2 3 4 5 6\r\n";

class LottoCommands : public ::testing::Test {
protected:
    LottoCommands() {
        test::WriteFile("vtrmain.dat", kHistory);
        for (const auto& [key, value] :
             {std::pair{kKey5BC, "45"}, {kKey6BC, "49"}, {kKeyPBC, "49"}, {kKeyPBB, "42"}, {kKeyPBM, "5"}}) {
            profile.WriteString(kSettingsSection, key, value);
        }
    }

    // Runs one command line; the standard output as lines.
    Lines Run(const std::vector<std::string>& arguments) {
        last = cli.Run(arguments, 1000);
        return last.lines();
    }

    test::TempWorkingDir directory;
    MemoryProfileStore profile;
    test::CliRunner cli{profile};
    test::CliOutcome last;
};

// Every operation prints its result lines; a refusal prints its message (and the list line, if any) and
// exits with 1.
TEST_F(LottoCommands, OperationsPrintTheirLinesOrTheirMessage) {
    struct Case {
        std::vector<std::string> arguments;
        Lines lines;
        std::string message = ""; // none: the operation is done
    };
    const std::vector<Case> cases = {
        {{"run", "5", "date", "--input", "01/31/98"},
         {" The Numbers drawn on  01/31/98  were  3  7  12  30  45  "}},
        {{"run", "5", "date-range", "--from", "01/31/98", "--to", "02/28/98"},
         {" 01/31/98        3     7     12   30   45   "}},
        {{"run", "pb", "number", "--input", "5 12 23 34 41", "--power", "17", "--undated"},
         {"5  12  23  34  41  Powerball = 17  Was  Found  in  the  Undated  Data."}},
        {{"run", "5", "number", "--input", "5 12"},
         {" No data found matching all 5 numbers."},
         "Parse error in query string or not\nenough information entered to\ncompletely evaluate the "
         "query.\n\n  "
         "Operation Aborted."},
        {{"run", "6", "hottest"}, {}, "Undated 0"},
        {{"compare", "5", "--dated", "picks.txt"},
         {"We MAY have a WINNER here !", "40 31 22 15 3 was found on 01/02/98"}},
        {{"compare", "pb", "--undated", "picks.txt"}, {"Sorry...No Matches Were Found."}},
        {{"compare", "5", "--undated", "absent.txt"}, {"File Input ERROR"}, "Can't open specified file."},
        {{"compare", "pb", "--dated", "/dev/zero"}, {"File Input ERROR"}, "Can't open specified file."},
    };
    test::WriteFile("picks.txt", "3 15 22 31 40\r1 2 3 4 5 6\r"); // lines may end with a carriage return
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.arguments), c.lines) << c.arguments[1] << ' ' << c.arguments[2];
        EXPECT_EQ(last.status, c.message.empty() ? kExitDone : kExitRefused) << c.arguments[2];
        EXPECT_EQ(last.messages(), c.message.empty() ? Lines{} : Lines{c.message}) << c.arguments[2];
    }
}

// One line per ball up to the game's maximum (Power Ball: with today's matrices below).
TEST_F(LottoCommands, DistributionPrintsTheChartData) {
    profile.WriteString(kSettingsSection, kKey5BC, "19");
    const Lines lotto = Run({"run", "5", "distribution", "--undated"});
    ASSERT_EQ(lotto.size(), 19U);
    EXPECT_EQ(Lines(lotto.begin(), lotto.begin() + 5),
              (Lines{"ball 1: 1", "ball 2: 0", "ball 3: 1", "ball 4: 0", "ball 5: 1"}));
    EXPECT_EQ(lotto.back(), "ball 19: 0");
}

TEST_F(LottoCommands, PicksLineRepeatsWithAPlantedSeedAndShowsTheNotice) {
    const Lines random = Run({"run", "6", "random", "--undated", "--seed", "9"});
    ASSERT_EQ(random.size(), 1u);
    EXPECT_EQ(Run({"run", "6", "random", "--undated", "--seed", "9"}), random);
    EXPECT_EQ(std::count(random.front().begin(), random.front().end(), ' '), 5);
    // An empty history gives no Best Guess: the notice, then the random picks the chart draws under it.
    EXPECT_EQ(Run({"run", "6", "best-guess", "--undated", "--seed", "9"}),
              (Lines{"Insufficient Best Guess Data", random.front()}));
    EXPECT_EQ(Run({"run", "5", "best-guess", "--strategy", "optimistic"}).size(), 1u);
}

// Today's matrices: every Power Ball operation on a history that holds the highest balls of both groups,
// the highest Power Ball drawn most often.
struct Matrix {
    int group1Max;
    int group2Max;
    const char* history;
};

const Matrix kMatrices[] = {
    {69, 26,
     "8 3 5 17 33 60 69 26 1 2 3 4 69 26 10 20 30 40 69 25\r\n"
     "9 4 26/01/03 5 17 33 60 69 26 26/01/07 1 2 3 4 69 26 26/01/10 10 20 30 40 69 25 "
     "26/01/14 11 22 33 44 68 26\r\n"},
    {99, 1,
     "8 3 5 17 33 60 99 1 1 2 3 4 99 1 10 20 30 40 98 1\r\n"
     "9 4 26/01/03 5 17 33 60 99 1 26/01/07 1 2 3 4 99 1 26/01/10 10 20 30 40 98 1 26/01/14 11 22 33 44 99 "
     "1\r\n"},
};

// The numbers of a picks line ("a b c d e + p"): the first group, then the Power Ball.
std::pair<std::vector<int>, int> PicksOf(const std::string& line) {
    std::vector<int> first;
    std::istringstream words(line);
    for (std::string word; words >> word && word != "+";) {
        first.push_back(std::stoi(word));
    }
    int power = 0;
    words >> power;
    return {first, power};
}

TEST_F(LottoCommands, PowerballOperationsWorkWithTodaysMatrices) {
    for (const Matrix& m : kMatrices) {
        const std::string top = std::to_string(m.group1Max);
        const std::string power = std::to_string(m.group2Max);
        SCOPED_TRACE("PBC " + top + ", PBB " + power);
        test::WriteFile("vtrmain.dat", m.history);
        profile.WriteString(kSettingsSection, kKeyPBC, top);
        profile.WriteString(kSettingsSection, kKeyPBB, power);

        // The tallies reach both maximums and count the highest balls.
        const Lines distribution = Run({"run", "pb", "distribution"});
        ASSERT_EQ(distribution.size(), static_cast<std::size_t>(m.group1Max + m.group2Max));
        EXPECT_EQ(distribution[static_cast<std::size_t>(m.group1Max - 1)], "ball " + top + ": 3");
        EXPECT_EQ(distribution.back(), "powerball " + power + ": " + (m.group2Max == 1 ? "4" : "3"));
        EXPECT_NE(Run({"run", "pb", "hottest"}).front().find("Balls  are  " + top + "  "), std::string::npos);
        EXPECT_EQ(Run({"run", "pb", "hottest", "--undated"}).back(),
                  "The  Seven  Hottest  Powerball Balls  are  " + power + "  " +
                      (m.group2Max == 1 ? "" : "25  "));
        EXPECT_EQ(Run({"run", "pb", "high-low"}).size(), 1U);
        EXPECT_EQ(last.status, kExitDone);

        // Searches find the drawings with the highest balls.
        EXPECT_EQ(Run({"run", "pb", "number", "--input", "1 2 3 4 " + top, "--power", power})
                      .front()
                      .rfind("1  2  3  4  " + top + "  Powerball = " + power, 0),
                  0U);
        EXPECT_EQ(Run({"run", "pb", "partial-number", "--input", top, "--power", power, "--undated"}).size(),
                  2U);
        EXPECT_EQ(Run({"run", "pb", "date-range", "--from", "01/01/26", "--to", "01/31/26"}).size(), 4U);

        // Picks stay within both groups.
        for (const char* operation : {"random", "best-guess"}) {
            for (const char* seed : {"1", "7", "99"}) {
                const Lines picks = Run({"run", "pb", operation, "--seed", seed});
                ASSERT_FALSE(picks.empty()) << operation;
                EXPECT_EQ(last.status, kExitDone);
                const auto [first, ball] = PicksOf(picks.back());
                EXPECT_EQ(first.size(), 5U) << picks.back();
                for (const int pick : first) {
                    EXPECT_TRUE(pick >= 1 && pick <= m.group1Max) << picks.back();
                }
                EXPECT_TRUE(ball >= 1 && ball <= m.group2Max) << picks.back();
            }
        }

        // A pick file, an import, a manual entry and the analysis take the highest balls.
        test::WriteFile("picks.txt", "1 2 3 4 " + top + " " + power + "\n");
        EXPECT_EQ(Run({"compare", "pb", "--dated", "picks.txt"}).front(), "We MAY have a WINNER here !");
        test::WriteFile("draws.txt", "01/24/26 3 6 9 12 " + top + " " + power + "\n");
        EXPECT_EQ(Run({"import", "pb", "--dated", "draws.txt", "--append"}), Lines{});
        EXPECT_EQ(last.status, kExitDone);
        EXPECT_EQ(Run({"append", "pb", "--dated", "01/28/26 2 4 6 8 " + top + " " + power}),
                  Lines{"Append Successful"});
        EXPECT_EQ(Run({"run", "pb", "date", "--input", "01/24/26"}),
                  Lines{"3  6  9  12  " + top + "  Powerball = " + power +
                        "  were the Numbers Drawn On  01/24/26"});
        EXPECT_EQ(Run({"analyze"}),
                  (Lines{" Powerball Undated game data was found and appears to be free of errors.",
                         " Powerball Dated game data was found and appears to be free of errors."}));
    }
}

} // namespace
} // namespace vantorel
