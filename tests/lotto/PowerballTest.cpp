#include "lotto/LottoOperations.h"
#include "lotto/LottoReports.h"
#include "platform/MessageBox.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "tests/lotto/LottoTestTables.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace vantorel {
namespace {

using test::DatedRow;
using test::MakePowerballTable;
using test::Settings;
using Lines = std::vector<std::string>;

struct Outcome {
    Lines lines;
    Lines messages;
    bool listed;
};

Outcome RunOn(const PowerballDrawTable& table, int operation, LottoInputs inputs,
              const GameSettings& settings = Settings(26, 49)) {
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    ScriptedRandom random({0});
    const LottoResult result =
        ApplyPowerballOperation(operation, table, inputs, settings, SetupChoices(), random);
    return {PowerballListLines(table, result), sink.texts(), result.listed};
}

// 200 drawings: the first `oddRows` rows hold five odd balls, then one row with two odd balls, the rest
// even balls; one odd Power Ball.
PowerballDrawTable ShareTable(int oddRows) {
    std::vector<DatedRow> rows;
    for (int row = 0; row < 200; ++row) {
        if (row < oddRows) {
            rows.push_back({"", {1, 3, 5, 7, 9, row == 0 ? 1 : 2}});
        } else if (row == oddRows) {
            rows.push_back({"", {1, 3, 2, 4, 6, 2}});
        } else {
            rows.push_back({"", {2, 4, 6, 8, 10, 2}});
        }
    }
    return MakePowerballTable(5, rows, false);
}

TEST(PowerballShares, RoundToWholePercentHalfUp) {
    struct Case {
        PowerballDrawTable table;
        int operation;
        std::string line;
    };
    const std::vector<Case> cases = {
        // 452 odd of 1000 balls: 45.2 % odd.
        {ShareTable(90), kEvenOdd,
         "Group 1 Balls are  55%  Even  -  45%  Odd  :  Powerballs are  99%  Even  -  1%  Odd."},
        // 455 odd: 45.5 % rounds up to 46.
        {ShareTable(90 + 1), kEvenOdd,
         "Group 1 Balls are  54%  Even  -  46%  Odd  :  Powerballs are  99%  Even  -  1%  Odd."},
        // With PBC 49 and PBB 42, 23 and 20 are Low; 24, 49 and 21 High.
        {MakePowerballTable(5, {{"", {23, 24, 1, 49, 30, 21}}, {"", {2, 3, 4, 5, 6, 20}}}, false), kHighLow,
         "Group 1 Balls are  30%  High  -  70%  Low  :  Powerballs are  50%  High  -  50%  Low."},
        {MakePowerballTable(5, {}, false), kEvenOdd,
         "Group 1 Balls are  0%  Even  -  0%  Odd  :  Powerballs are  0%  Even  -  0%  Odd."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunOn(c.table, c.operation, {}).lines, Lines{c.line});
    }
    EXPECT_EQ(ShareTable(0).ShareText(3, Settings(26, 49)), "Error in Analysis");
}

TEST(PowerballSevenPerGroup, RanksEachGroupWithinItsMaximum) {
    const PowerballDrawTable table = MakePowerballTable(5,
                                                        {{"", {1, 2, 3, 4, 5, 1}},
                                                         {"", {1, 2, 3, 4, 6, 1}},
                                                         {"", {1, 2, 3, 7, 8, 2}},
                                                         {"", {1, 2, 9, 10, 11, 3}},
                                                         {"", {1, 50, 12, 13, 14, 3}}},
                                                        false);
    std::vector<int> first;
    std::vector<int> power;
    table.SevenPerGroup(first, power, kGroupHottest, Settings(26, 49));
    EXPECT_EQ(first, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(power, (std::vector<int>{1, 3, 2}));
    table.SevenPerGroup(first, power, kGroupOverdue, Settings(26, 49));
    EXPECT_EQ(first, (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(power, (std::vector<int>{2, 1, 3}));

    EXPECT_EQ(RunOn(table, kHottest, {}).lines,
              (Lines{"The  Seven  Hottest  Group 1   Balls  are  1  2  3  4  5  6  7  ",
                     "The  Seven  Hottest  Powerball Balls  are  1  3  2  "}));
    EXPECT_EQ(RunOn(table, kOverdue, {}).lines,
              (Lines{"The  Seven  Most  Overdue  Group 1    Balls  are  5  6  7  8  9  10  11  ",
                     "The  Seven  Most  Overdue  Powerball  Balls  are  2  1  3  "}));
}

PowerballDrawTable DatedPowerball() {
    // Not in date order: the range search still finds every drawing between its bounds.
    return MakePowerballTable(5,
                              {{"98/01/31", {5, 12, 23, 34, 41, 17}},
                               {"98/01/01", {12, 5, 23, 34, 41, 17}},
                               {"98/02/01", {1, 2, 3, 4, 5, 6}},
                               {"98/01/15", {7, 8, 9, 10, 11, 12}},
                               {"00/01/01", {5, 12, 23, 34, 41, 17}}},
                              true);
}

TEST(PowerballDateSearch, ShowsTheDrawingOrSaysNoneWasFound) {
    EXPECT_EQ(RunOn(DatedPowerball(), kDateSearch, {"01/31/98", "", "", ""}).lines,
              Lines{"5  12  23  34  41  Powerball = 17  were the Numbers Drawn On  01/31/98"});
    EXPECT_EQ(RunOn(DatedPowerball(), kDateSearch, {"01/08/98", "", "", ""}).lines,
              Lines{"No  Powerball  record  found  for  01/08/98"});
    const Outcome empty = RunOn(DatedPowerball(), kDateSearch, {"", "", "", ""});
    EXPECT_FALSE(empty.listed);
    EXPECT_EQ(empty.messages, Lines{"No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)"});
}

TEST(PowerballDateRangeSearch, IncludesBothBoundsInAnyOrder) {
    EXPECT_EQ(RunOn(DatedPowerball(), kDateRangeSearch, {"", "01/01/98", "01/31/98", ""}).lines,
              (Lines{"5     12   23   34   41    Powerball = 17     Came  In  on     01/31/98",
                     "12   5     23   34   41    Powerball = 17     Came  In  on     01/01/98",
                     "7     8     9     10   11    Powerball = 12     Came  In  on     01/15/98"}));
    EXPECT_EQ(RunOn(DatedPowerball(), kDateRangeSearch, {"", "12/31/99", "01/01/00", ""}).lines,
              Lines{"5     12   23   34   41    Powerball = 17     Came  In  on     01/01/00"});
    EXPECT_EQ(RunOn(DatedPowerball(), kDateRangeSearch, {"", "03/01/98", "03/31/98", ""}).lines,
              Lines{"No  Drawings  Found  in  Specified  Date  Range."});
}

TEST(PowerballNumberSearch, MatchesInStoredOrder) {
    EXPECT_EQ(RunOn(DatedPowerball(), kNumberSearch, {"5 12 23 34 41", "", "", "17"}).lines,
              (Lines{"5  12  23  34  41  Powerball = 17  Matches  the  Numbers  Drawn on  01/31/98",
                     "5  12  23  34  41  Powerball = 17  Matches  the  Numbers  Drawn on  01/01/00"}));
    const PowerballDrawTable undated = MakePowerballTable(4, {{"", {5, 12, 23, 34, 17}}}, false);
    EXPECT_EQ(RunOn(undated, kNumberSearch, {"5 12 23 34", "", "", "17"}).lines,
              Lines{"5  12  23  34  Powerball = 17  Was  Found  in  the  Undated  Data."});
    EXPECT_EQ(RunOn(undated, kNumberSearch, {"5 12 23 34", "", "", "18"}).lines,
              Lines{"No  drawing  matching  all  5  numbers  was  found."});
}

TEST(PowerballNumberSearch, IncompleteQueryKeepsThePage) {
    struct Case {
        PowerballDrawTable table;
        LottoInputs inputs;
        std::string message;
    };
    const std::string dated =
        "Not Enough Balls in Query.\n\nThis function requires  All  6\nBalls including the Powerball.";
    const std::string undated =
        "Not Enough Balls in Query.\n\nThis function matches All Balls\nIncluding the Powerball.";
    const std::vector<Case> cases = {
        {DatedPowerball(), {"5 12 23 34", "", "", "17"}, dated},
        {DatedPowerball(), {"5 12 23 34 41", "", "", "0"}, dated},
        {DatedPowerball(), {"5 12 23 34 41", "", "", ""}, dated},
        {MakePowerballTable(5, {}, false), {"5 12  23 34", "", "", "17"}, undated},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunOn(c.table, kNumberSearch, c.inputs);
        EXPECT_FALSE(outcome.listed) << c.inputs.query;
        EXPECT_TRUE(outcome.lines.empty());
        EXPECT_EQ(outcome.messages, Lines{c.message});
    }
}

TEST(PowerballPartialSearch, PowerBallOnlyFirstGroupOnlyOrBoth) {
    const PowerballDrawTable table = MakePowerballTable(
        5, {{"", {5, 12, 23, 34, 41, 17}}, {"", {12, 5, 23, 34, 40, 9}}, {"", {1, 2, 3, 4, 12, 17}}}, false);
    struct Case {
        LottoInputs inputs;
        Lines lines;
    };
    const std::string first = "5    12  23  34  41   Powerball = 17 Partial Match in Undated Data.";
    const std::string second = "12  5    23  34  40   Powerball = 9   Partial Match in Undated Data.";
    const std::string third = "1    2    3    4    12   Powerball = 17 Partial Match in Undated Data.";
    const std::vector<Case> cases = {
        {{"", "", "", "17"}, {first, third}},
        {{"23 5", "", "", ""}, {first, second}},
        {{"12", "", "", "17"}, {first, third}},
        {{"12 40", "", "", "9"}, {second}},
        {{"12 40", "", "", "17"}, {" No drawings containing those numbers were found."}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunOn(table, kPartialNumberSearch, c.inputs).lines, c.lines)
            << c.inputs.query << "+" << c.inputs.power;
    }
    const Outcome none = RunOn(table, kPartialNumberSearch, {});
    EXPECT_FALSE(none.listed);
    EXPECT_EQ(none.messages, Lines{"No Numbers Entered"});
}

TEST(PowerballPartialSearch, DatedLineAndManyNumbers) {
    EXPECT_EQ(RunOn(DatedPowerball(), kPartialNumberSearch, {"41", "", "", "17"}).lines.front(),
              "5     12   23   34   41    Powerball = 17     Partial  Match  on     01/31/98");
    // More numbers than a drawing holds find nothing, without harm.
    EXPECT_EQ(RunOn(DatedPowerball(), kPartialNumberSearch, {"1 2 3 4 5 6 7 8 9 10 11 12", "", "", ""}).lines,
              Lines{" No drawings containing those numbers were found."});
}

TEST(PowerballTotals, BallsInStoredOrderWithTheFiller) {
    const PowerballDrawTable undated = MakePowerballTable(5, {{"", {3, 15, 22, 7, 41, 9}}}, false);
    EXPECT_EQ(RunOn(undated, kTotals, {}).lines,
              Lines{"3  15   22   7  41   " + std::string(7, ' ') + " Powerball  =  9"});
    const PowerballDrawTable dated = MakePowerballTable(4, {{"98/01/07", {10, 20, 30, 40, 42}}}, true);
    EXPECT_EQ(RunOn(dated, kTotals, {}).lines,
              Lines{"01/07/98   10   20   30   40   " + std::string(1, ' ') + " Powerball  =  42"});
}

// A dated Power Ball history built from a file of "mm/dd/yy n n n n n p" lines.
std::string DatedSectionLine(const std::filesystem::path& source, int& drawings) {
    std::ifstream file(source);
    std::string date;
    std::string body;
    drawings = 0;
    while (file >> date) {
        body += ' ' + date.substr(6, 2) + '/' + date.substr(0, 2) + '/' + date.substr(3, 2);
        for (int i = 0; i < 6; ++i) {
            int number = 0;
            file >> number;
            body += ' ' + std::to_string(number);
        }
        ++drawings;
    }
    return "9 " + std::to_string(drawings) + body + "\r\n";
}

TEST(PowerballHistory, RealDrawingsFrom1997To2002) {
    const test::TempWorkingDir directory;
    int drawings = 0;
    test::WriteFile("vtrmain.dat",
                    DatedSectionLine(test::TestDataPath("shared/powerball-1997-2002.txt"), drawings));
    PowerballDrawTable table(true);
    ASSERT_EQ(table.Load(5), 1);
    ASSERT_EQ(table.count(), drawings);
    ASSERT_EQ(drawings, 515);

    // Counts taken straight from the text: every word after a date, the sixth one the Power Ball.
    std::ifstream file(test::TestDataPath("shared/powerball-1997-2002.txt"));
    std::map<int, int> firstGroup;
    std::map<int, int> power;
    std::string line;
    int november1997 = 0;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string date;
        words >> date;
        november1997 += date.starts_with("11/") && date.ends_with("/97") ? 1 : 0;
        for (int i = 0, number = 0; words >> number; ++i) {
            ++(i < 5 ? firstGroup : power)[number];
        }
    }
    const GameSettings settings = Settings(26, 49, 49, 42, 5);
    ScriptedRandom random({0});
    const LottoResult distribution =
        ApplyPowerballOperation(kDistribution, table, {}, settings, SetupChoices(), random);
    for (int ball = 1; ball <= 49; ++ball) {
        EXPECT_EQ(distribution.ballCounts[static_cast<std::size_t>(ball)], firstGroup[ball]) << ball;
    }
    for (int ball = 1; ball <= 42; ++ball) {
        EXPECT_EQ(distribution.powerBallCounts[static_cast<std::size_t>(ball)], power[ball]) << ball;
    }

    const auto hottestPower = std::max_element(power.begin(), power.end(), [](const auto& a, const auto& b) {
        return a.second < b.second || (a.second == b.second && a.first > b.first);
    });
    const LottoResult hottest =
        ApplyPowerballOperation(kHottest, table, {}, settings, SetupChoices(), random);
    EXPECT_EQ(hottest.powerBallList.front(), hottestPower->first);

    const LottoResult range = ApplyPowerballOperation(
        kDateRangeSearch, table, {"", "11/01/97", "11/30/97", ""}, settings, SetupChoices(), random);
    EXPECT_EQ(static_cast<int>(range.matchList.size()), november1997);
    const LottoResult date = ApplyPowerballOperation(kDateSearch, table, {"11/08/97", "", "", ""}, settings,
                                                     SetupChoices(), random);
    EXPECT_EQ(date.pbDrawRecord, (std::vector<int>{7, 17, 21, 40, 49, 37}));
}

} // namespace
} // namespace vantorel
