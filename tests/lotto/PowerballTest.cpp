// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Operations.h"
#include "tests/lotto/LottoTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using namespace test;

// 200 drawings (1000 first-group balls) of which `oddBalls` are odd; one odd Power Ball.
PowerballDrawTable ShareTable(int oddBalls) {
    std::vector<DatedRow> rows(200, {"", {2, 4, 6, 8, 10, 2}});
    rows[0].balls.back() = 1;
    for (int ball = 0; ball < oddBalls; ++ball) {
        rows[static_cast<std::size_t>(ball / 5)].balls[static_cast<std::size_t>(ball % 5)] =
            1 + 2 * (ball % 5);
    }
    return MakePowerballTable(5, rows, false);
}

TEST(PowerballShares, RoundToWholePercentHalfUp) {
    struct Case {
        PowerballDrawTable table;
        Operation operation;
        std::string line;
    };
    const std::vector<Case> cases = {
        {ShareTable(452), kEvenOdd,
         "Group 1 Balls are  55%  Even  -  45%  Odd  :  Powerballs are  99%  Even  -  1%  Odd."},
        {ShareTable(455), kEvenOdd,
         "Group 1 Balls are  54%  Even  -  46%  Odd  :  Powerballs are  99%  Even  -  1%  Odd."},
        // With PBC 49 and PBB 42, 23 and 20 are Low; 24, 49 and 21 High.
        {MakePowerballTable(5, {{"", {23, 24, 1, 49, 30, 21}}, {"", {2, 3, 4, 5, 6, 20}}}, false), kHighLow,
         "Group 1 Balls are  30%  High  -  70%  Low  :  Powerballs are  50%  High  -  50%  Low."},
        {MakePowerballTable(5, {}, false), kEvenOdd,
         "Group 1 Balls are  0%  Even  -  0%  Odd  :  Powerballs are  0%  Even  -  0%  Odd."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunPowerball(c.table, c.operation, {}).lines, Lines{c.line});
    }
    EXPECT_EQ(ShareTable(0).ShareText(3, Settings(26, 49)), "Error in Analysis");
}

TEST(PowerballSevenPerGroup, RanksEachGroupWithinItsMaximum) {
    // Ball 50 lies above PBC and is never listed.
    const PowerballDrawTable table = MakePowerballTable(5,
                                                        {{"", {1, 2, 3, 4, 5, 1}},
                                                         {"", {1, 2, 3, 4, 6, 1}},
                                                         {"", {1, 2, 3, 7, 8, 2}},
                                                         {"", {1, 2, 9, 10, 11, 3}},
                                                         {"", {1, 50, 12, 13, 14, 3}}},
                                                        false);
    EXPECT_EQ(RunPowerball(table, kHottest, {}).lines,
              (Lines{"The  Seven  Hottest  Group 1   Balls  are  1  2  3  4  5  6  7  ",
                     "The  Seven  Hottest  Powerball Balls  are  1  3  2  "}));
    EXPECT_EQ(RunPowerball(table, kOverdue, {}).lines,
              (Lines{"The  Seven  Most  Overdue  Group 1    Balls  are  5  6  7  8  9  10  11  ",
                     "The  Seven  Most  Overdue  Powerball  Balls  are  2  1  3  "}));
}

TEST(PowerballSearches, DatedLinesAndMessages) {
    // Not in date order: the range search still finds every drawing between its bounds.
    const PowerballDrawTable table = MakePowerballTable(5,
                                                        {{"98/01/31", {5, 12, 23, 34, 41, 17}},
                                                         {"98/01/01", {12, 5, 23, 34, 41, 17}},
                                                         {"98/02/01", {1, 2, 3, 4, 5, 6}},
                                                         {"98/01/15", {7, 8, 9, 10, 11, 12}},
                                                         {"00/01/01", {5, 12, 23, 34, 41, 17}}},
                                                        true);
    const std::string notEnough =
        "Not Enough Balls in Query.\n\nThis function requires  All  6\nBalls including the Powerball.";
    struct Case {
        Operation operation;
        LottoInputs inputs;
        Lines lines;
        Lines messages;
    };
    const std::vector<Case> cases = {
        {kDateSearch,
         Query("01/31/98"),
         {"5  12  23  34  41  Powerball = 17  were the Numbers Drawn On  01/31/98"},
         {}},
        {kDateSearch, Query("01/08/98"), {"No  Powerball  record  found  for  01/08/98"}, {}},
        {kDateSearch, Query(""), {}, {"No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)"}},
        {kDateRangeSearch,
         Range("01/01/98", "01/31/98"),
         {"5     12   23   34   41    Powerball = 17     Came  In  on     01/31/98",
          "12   5     23   34   41    Powerball = 17     Came  In  on     01/01/98",
          "7     8     9     10   11    Powerball = 12     Came  In  on     01/15/98"},
         {}},
        {kDateRangeSearch,
         Range("12/31/99", "01/01/00"),
         {"5     12   23   34   41    Powerball = 17     Came  In  on     01/01/00"},
         {}},
        {kDateRangeSearch,
         Range("03/01/98", "03/31/98"),
         {"No  Drawings  Found  in  Specified  Date  Range."},
         {}},
        // Number matches in stored order: the drawing of 98/01/01 holds the same balls in another order.
        {kNumberSearch,
         Query("5 12 23 34 41", "17"),
         {"5  12  23  34  41  Powerball = 17  Matches  the  Numbers  Drawn on  01/31/98",
          "5  12  23  34  41  Powerball = 17  Matches  the  Numbers  Drawn on  01/01/00"},
         {}},
        {kNumberSearch, Query("5 12 23 34", "17"), {}, {notEnough}},
        {kNumberSearch, Query("5 12 23 34 41", "0"), {}, {notEnough}},
        {kNumberSearch, Query("5 12 23 34 41"), {}, {notEnough}},
        {kPartialNumberSearch,
         Query("41", "17"),
         {"5     12   23   34   41    Powerball = 17     Partial  Match  on     01/31/98",
          "12   5     23   34   41    Powerball = 17     Partial  Match  on     01/01/98",
          "5     12   23   34   41    Powerball = 17     Partial  Match  on     01/01/00"},
         {}},
    };
    for (const Case& c : cases) {
        const Listed outcome = RunPowerball(table, c.operation, c.inputs);
        EXPECT_EQ(outcome.lines, c.lines)
            << EntryOf(c.operation).caption << ' ' << c.inputs.query << c.inputs.from;
        EXPECT_EQ(outcome.messages, c.messages) << EntryOf(c.operation).caption << ' ' << c.inputs.query;
        EXPECT_EQ(outcome.listed, c.messages.empty())
            << EntryOf(c.operation).caption << ' ' << c.inputs.query;
    }
}

TEST(PowerballSearches, UndatedNumberAndPartialNumber) {
    const PowerballDrawTable table = MakePowerballTable(
        5, {{"", {5, 12, 23, 34, 41, 17}}, {"", {12, 5, 23, 34, 40, 9}}, {"", {1, 2, 3, 4, 12, 17}}}, false);
    const std::string first = "5    12  23  34  41   Powerball = 17 Partial Match in Undated Data.";
    const std::string second = "12  5    23  34  40   Powerball = 9   Partial Match in Undated Data.";
    const std::string third = "1    2    3    4    12   Powerball = 17 Partial Match in Undated Data.";
    const Lines none = {" No drawings containing those numbers were found."};
    const std::vector<std::pair<LottoInputs, Lines>> cases = {
        {Query("", "17"), {first, third}},
        {Query("23 5"), {first, second}},
        {Query("12", "17"), {first, third}},
        {Query("12 40", "9"), {second}},
        {Query("12 40", "17"), none},
        // More numbers than a drawing holds find nothing, without harm.
        {Query("1 2 3 4 5 6 7 8 9 10 11 12"), none},
    };
    for (const auto& [inputs, lines] : cases) {
        EXPECT_EQ(RunPowerball(table, kPartialNumberSearch, inputs).lines, lines)
            << inputs.query << "+" << inputs.power;
    }
    const Listed empty = RunPowerball(table, kPartialNumberSearch, {});
    EXPECT_FALSE(empty.listed);
    EXPECT_EQ(empty.messages, Lines{"No Numbers Entered"});

    const PowerballDrawTable four = MakePowerballTable(4, {{"", {5, 12, 23, 34, 17}}}, false);
    EXPECT_EQ(RunPowerball(four, kNumberSearch, Query("5 12 23 34", "17")).lines,
              Lines{"5  12  23  34  Powerball = 17  Was  Found  in  the  Undated  Data."});
    EXPECT_EQ(RunPowerball(four, kNumberSearch, Query("5 12 23 34", "18")).lines,
              Lines{"No  drawing  matching  all  5  numbers  was  found."});
    EXPECT_EQ(
        RunPowerball(four, kNumberSearch, Query("5 12  23 34", "17")).messages,
        Lines{"Not Enough Balls in Query.\n\nThis function matches All Balls\nIncluding the Powerball."});
}

TEST(PowerballTotals, BallsInStoredOrderWithTheFiller) {
    const PowerballDrawTable undated = MakePowerballTable(5, {{"", {3, 15, 22, 7, 41, 9}}}, false);
    EXPECT_EQ(RunPowerball(undated, kTotals, {}).lines,
              Lines{"3  15   22   7  41   " + std::string(7, ' ') + " Powerball  =  9"});
    // Four first-group balls: all of two digits, so the filler is one space.
    const PowerballDrawTable dated = MakePowerballTable(4, {{"98/01/07", {10, 20, 30, 40, 42}}}, true);
    EXPECT_EQ(RunPowerball(dated, kTotals, {}).lines,
              Lines{"01/07/98   10   20   30   40     Powerball  =  42"});
}

// The tallies reach ball 68 whatever the maximums, so that the chart can name the balls of an earlier,
// wider matrix that lie above today's.
TEST(PowerballDistribution, TalliesBallsAboveTheMaximums) {
    const PowerballDrawTable table = MakePowerballTable(5, {{"", {1, 2, 3, 4, 68, 42}}}, false);
    EXPECT_EQ(table.CountBalls(49).at(68), 1);
    EXPECT_EQ(table.CountPowerBalls(26).at(42), 1);
    EXPECT_EQ(table.CountPowerBalls(99).size(), 100U);
    // The operation tallies each group by its own maximum.
    ScriptedRandom random({0});
    const LottoResult result =
        ApplyPowerballOperation(kDistribution, table, {}, Settings(26, 49), SetupChoices(), random).value();
    EXPECT_EQ(result.ballCounts[4], 1);
    EXPECT_EQ(result.ballCounts[42], 0);
    EXPECT_EQ(result.powerBallCounts[42], 1);
    EXPECT_EQ(result.powerBallCounts[4], 0);
}

} // namespace
} // namespace vantorel
