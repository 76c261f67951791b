// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliContext.h"
#include "platform/GameSettings.h"
#include "platform/ProfileStore.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>

namespace vantorel {
namespace {

using Lines = std::vector<std::string>;

// Four dated 5 Number drawings of balls 1 to 19, counted by hand below (balls 11 to 19 never came, ball 3 is
// in the newest drawing); a dated 3 Number history of three drawings; no 6 Number history at all.
constexpr std::string_view kHistory = "1 3 98/01/02 123 98/01/03 120 98/01/05 923\r\n"
                                      "5 4 98/01/02 1 2 3 4 5 98/01/06 2 3 6 7 8 98/01/10 1 3 9 10 2 "
                                      "98/01/13 3 4 5 6 7\r\n";

class StatsCommands : public ::testing::Test {
protected:
    StatsCommands() {
        test::WriteFile("vtrmain.dat", kHistory);
        for (const auto& [key, value] :
             {std::pair{kKey5BC, "19"}, {kKey6BC, "49"}, {kKeyPBC, "49"}, {kKeyPBB, "42"}, {kKeyPBM, "5"}}) {
            profile.WriteString(kSettingsSection, key, value);
        }
    }

    Lines Run(const std::string& command) {
        last = cli.Run(command);
        return last.lines();
    }

    // Whether `line` stands in the output, and the line after `heading`.
    bool Holds(const Lines& lines, std::string_view line) const {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    std::string After(const Lines& lines, std::string_view heading) const {
        const auto found = std::find(lines.begin(), lines.end(), heading);
        return found == lines.end() || found + 1 == lines.end() ? std::string() : *(found + 1);
    }

    test::TempWorkingDir directory;
    MemoryProfileStore profile;
    test::CliRunner cli{profile};
    test::CliOutcome last;
};

TEST_F(StatsCommands, StatisticsLinesMatchTheHandCount) {
    const Lines lines = Run("stats 5");
    ASSERT_EQ(last.status, kExitDone) << testing::PrintToString(last.messages());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "5 Number dated history: 4 drawings, 01/02/98 to 01/13/98");
    const char* expected[] = {
        "balls 1 to 19 (number: count, current skip, longest skip, average skip, last seen)",
        "1: 2 1 1 1.00 01/10/98", // drawings 0 and 2
        "3: 4 0 0 0.00 01/13/98", // every drawing, the newest too
        "4: 2 0 2 2.00 01/13/98", // 0 and 3
        "8: 1 2 2 - 01/06/98",    // once: no run between two appearances
        "11: 0 - - - -",          // never drawn
        "sums: mean 22.75, standard deviation 5.19 (sum: drawings)",
        "25: 2",
    };
    for (const char* line : expected) {
        EXPECT_TRUE(Holds(lines, line)) << line;
    }
    // 2 and 3 come together in three drawings, more than any other pair.
    EXPECT_EQ(After(lines, "pairs drawn together (numbers: drawings)"), "2 3: 3");
    EXPECT_EQ(
        After(lines, "fairness (chi-square against a fair draw)"),
        "balls 1 to 19: chi-square 32.91, 18 degrees of freedom, p = 0.017: too few drawings to judge: each "
        "number is expected fewer than 5 times");
}

TEST_F(StatsCommands, DigitNumbersAreWrittenWithEveryDigit) {
    const Lines lines = Run("stats 3 --last 2");
    ASSERT_EQ(last.status, kExitDone) << testing::PrintToString(last.messages());
    EXPECT_EQ(lines[0], "3 Number dated history: the newest 2 of 3 drawings, 01/03/98 to 01/05/98");
    EXPECT_TRUE(Holds(lines, "numbers 0 to 999 (number: count, current skip, longest skip, average skip, "
                             "last seen)"));
    EXPECT_TRUE(Holds(lines, "120: 1 1 1 - 01/03/98"));
    EXPECT_TRUE(Holds(lines, "123: 0 - - - -")); // drawn before the newest two only
    // Every number of the range, in order, with three digits.
    const auto heading = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("numbers 0 to 999");
    });
    ASSERT_GE(lines.end() - heading, 1001);
    for (int number = 0; number < 1000; ++number) {
        const std::string digits = std::to_string(number);
        const std::string padded = std::string(3 - digits.size(), '0') + digits;
        ASSERT_TRUE(heading[number + 1].starts_with(padded + ": ")) << heading[number + 1];
    }
    EXPECT_EQ(After(lines, "digits by position (digit: hundreds tens units)"), "0: 0 0 1");
}

TEST_F(StatsCommands, BacktestReportsItsMatchesAgainstRandomPicks) {
    const Lines lines = Run("backtest 3 random --warmup 1 --seed 9");
    ASSERT_EQ(last.status, kExitDone) << testing::PrintToString(last.messages());
    ASSERT_GE(lines.size(), 4U);
    EXPECT_EQ(lines[0], "Random backtest, 3 Number dated history: 2 drawings tested after a warm-up of 1 "
                        "(3 drawings)");
    EXPECT_EQ(lines[1], "seed 9");
    EXPECT_TRUE(lines[2].starts_with("digits: 3 picked, mean matches ")) << lines[2];
    EXPECT_TRUE(lines[2].ends_with(", random expectation 0.3000: no better than random picks")) << lines[2];
    EXPECT_EQ(lines[3], "matches: drawings, share, random chance");
    // One line per match count 0 .. 3, the chances of three positions with 1 in 10 each.
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_TRUE(lines[4].ends_with(" 0.7290")) << lines[4];
    EXPECT_TRUE(lines[7].ends_with(" 0.0010")) << lines[7];
}

// The JSON of stats holds every number of the range (null where a value does not exist), every pair that
// came, the sums and the fairness test.
TEST_F(StatsCommands, StatisticsJsonMatchesTheHandCount) {
    Run("stats 5 --format json");
    ASSERT_EQ(last.status, kExitDone) << testing::PrintToString(last.messages());
    const nlohmann::json json = nlohmann::json::parse(last.out);
    EXPECT_EQ(json["drawings"], 4);
    ASSERT_EQ(json["numbers"].size(), 19U);
    EXPECT_EQ(json["numbers"][0], nlohmann::json::parse(R"({"number": 1, "count": 2, "current_skip": 1,
        "longest_skip": 1, "average_skip": 1.0, "last_seen": "1998-01-10"})"));
    EXPECT_EQ(json["numbers"][10], nlohmann::json::parse(R"({"number": 11, "count": 0, "current_skip": null,
        "longest_skip": null, "average_skip": null, "last_seen": null})"));
    EXPECT_EQ(json["pairs"][0], nlohmann::json::parse(R"({"numbers": [2, 3], "count": 3})"));
    EXPECT_DOUBLE_EQ(json["sums"]["mean"].get<double>(), 22.75);
    EXPECT_NEAR(json["fairness"]["statistic"].get<double>(), 32.9143, 1e-4); // (48 / (20/19) - 20) * 18 / 14
    EXPECT_EQ(json["fairness"]["degrees_of_freedom"], 18);

    Run("stats 5 --format csv");
    EXPECT_TRUE(last.out.starts_with("number,count,current_skip,longest_skip,average_skip,last_seen\r\n"
                                     "1,2,1,1,1,1998-01-10\r\n"))
        << last.out;
}

TEST_F(StatsCommands, BacktestJsonHoldsTheVerdictAndItsInterval) {
    Run("backtest 3 random --warmup 1 --seed 9 --format json");
    ASSERT_EQ(last.status, kExitDone) << testing::PrintToString(last.messages());
    const nlohmann::json json = nlohmann::json::parse(last.out);
    EXPECT_EQ(json["operation"], "Random");
    EXPECT_EQ(json["drawings_tested"], 2);
    EXPECT_EQ(json["pick_count"], 3);
    EXPECT_NEAR(json["random_expectation"].get<double>(), 0.3, 1e-12);
    EXPECT_EQ(json["verdict"], "no better than random picks");
    EXPECT_LE(json["ci95"]["low"].get<double>(), json["mean_matches"].get<double>());
    EXPECT_GE(json["ci95"]["high"].get<double>(), json["mean_matches"].get<double>());
    EXPECT_EQ(json["matches"].size(), 4U);
}

// Refusals print their message and exit with 1; nothing goes to standard output.
TEST_F(StatsCommands, RefusalsPrintTheirMessage) {
    struct Case {
        std::string command;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"stats 6", "No 6 Number Game Data Available"},
        {"stats 5 --last 0", "The number of newest drawings to analyse must be 1 or more."},
        {"backtest 5 totals",
         "Only the predictions can be backtested: Overdue, Hottest, Random and Best Guess."},
        {"backtest 5 hottest --warmup 4", ""}, // no drawing after the warm-up: the engine's message
        {"backtest 3 hottest --undated", "Dated 3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.command), Lines{}) << c.command;
        EXPECT_EQ(last.status, kExitRefused) << c.command;
        ASSERT_EQ(last.messages().size(), 1U) << c.command;
        if (!c.message.empty()) {
            EXPECT_EQ(last.messages()[0], c.message) << c.command;
        }
    }
}

} // namespace
} // namespace vantorel
