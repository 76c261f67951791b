// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotto/LottoGameTables.h"
#include "lotto/LottoReports.h"
#include "platform/Operations.h"
#include "tests/lotto/LottoTestTables.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using namespace test;

TEST(LottoDistribution, CountsEveryBallInItsOwnSlot) {
    const std::vector<int> six =
        MakeLottoTable(6, {{1, 2, 3, 4, 5, 6}, {70, 2, 9, 10, 11, 12}}).CountBalls(70);
    ASSERT_EQ(six.size(), 71u);
    EXPECT_EQ(std::vector<int>(six.begin(), six.begin() + 9), (std::vector<int>{0, 1, 2, 1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(six[70], 1);
    // Values a user may have typed into the file never reach outside the tally.
    const std::vector<int> five = MakeLottoTable(4, {{45, 0, 99, -3, 49}}).CountBalls(49);
    ASSERT_EQ(five.size(), 50u);
    EXPECT_EQ(five[0], 0);
    EXPECT_EQ(five[45] + five[49], 2);
}

TEST(LottoShares, LinesOfEvenOddAndHighLow) {
    struct Case {
        int section;
        std::vector<std::vector<int>> rows;
        Operation operation;
        GameSettings settings;
        std::string line;
    };
    const std::vector<Case> cases = {
        {4, {{2, 4, 6, 7, 9}}, kEvenOdd, Settings(26, 49), " Balls are 60% Even  -  40% Odd."},
        // Half of 5BC (22) is Low; 6 Number splits at half of 6BC.
        {4, {{22, 23, 1, 45, 44}}, kHighLow, Settings(45, 49), " Balls are 60% High  -  40% Low."},
        {6, {{24, 25, 1, 2, 3, 49}}, kHighLow, Settings(26, 49), " Balls are 33% High  -  67% Low."},
        // No maximum set: every ball is High.
        {4, {{1, 2, 3, 4, 5}}, kHighLow, Settings(0, 0), " Balls are 100% High  -  0% Low."},
        {4, {}, kEvenOdd, Settings(26, 49), " Balls are 0% Even  -  0% Odd."},
        {4, {}, kHighLow, Settings(26, 49), " Balls are 0% High  -  0% Low."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunLotto(MakeLottoTable(c.section, c.rows), c.operation, {}, c.settings).lines,
                  Lines{c.line});
    }
}

TEST(LottoShares, ShareRoundsAFifthDigitAboveFiveUp) {
    EXPECT_EQ(ReportShare(0.6666f, 1).ToStrings(), Lines{" Balls are 67% Even  -  33% Odd."});
    EXPECT_EQ(ReportShare(0.335f, 2).ToStrings(), Lines{" Balls are 33% High  -  67% Low."});
    EXPECT_TRUE(ReportShare(0.5f, 3).empty());
}

TEST(LottoSevenBalls, RanksByCountWithTiesToTheLowerBall) {
    struct Case {
        LottoDrawTable table;
        std::string hottest;
        std::string overdue;
    };
    const std::vector<Case> cases = {
        // Counts: 10 five times, 20 four, 30 three, 40 two, eleven balls once (45 among them).
        {MakeLottoTable(4, {{10, 20, 30, 40, 45},
                            {10, 20, 30, 40, 44},
                            {10, 20, 30, 41, 42},
                            {10, 20, 3, 5, 7},
                            {10, 2, 8, 9, 11}}),
         "10 20 30 40 2 3 5 ", "2 3 5 7 8 9 11 "},
        // 1..4 three times, 5 twice, 6..9 once; balls never drawn are not overdue.
        {MakeLottoTable(6, {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 8, 9}}), "1 2 3 4 5 6 7 ",
         "6 7 8 9 5 1 2 "},
        // Fewer than seven balls drawn: only those are listed.
        {MakeLottoTable(4, {{9, 3, 12, 3, 40}}), "3 9 12 40 ", "9 12 40 3 "},
        {MakeLottoTable(4, {}), "", ""},
    };
    for (const Case& c : cases) {
        const Listed hottest = RunLotto(c.table, kHottest, {}, Settings(45, 70));
        EXPECT_EQ(hottest.lines, Lines{" The seven hottest balls are " + c.hottest});
        EXPECT_EQ(RunLotto(c.table, kOverdue, {}, Settings(45, 70)).lines,
                  Lines{" The seven most overdue balls are " + c.overdue});
        EXPECT_TRUE(hottest.messages.empty());
    }
}

TEST(LottoSevenBalls, MaximumBeyondTheTallyIsASetupError) {
    for (const int section : {4, 6}) {
        const std::string game = section == 4 ? "5" : "6";
        const Listed outcome =
            RunLotto(MakeLottoTable(section, {{1, 2, 3, 4, 5, 6}}), kOverdue, {}, Settings(46, 71));
        EXPECT_EQ(outcome.lines, Lines{" The seven most overdue balls are Setup Error"});
        EXPECT_EQ(outcome.messages,
                  Lines{"Present " + game +
                        " Ball Game maximum is Too Large.\nCannot continue...Operation Aborted."});
    }
}

TEST(LottoTotals, EveryDrawingSortedUntilADateCannotBeShown) {
    Notices notices;
    EXPECT_EQ(ReportLottoTotals(MakeLottoTable(4, {{7, 12, 3, 30, 45}}), notices).ToStrings(),
              Lines{" 3      7      12    30    45   "});
    EXPECT_EQ(ReportLottoTotals(MakeLottoTable(6, {{49, 1, 2, 3, 4, 10}}), notices).ToStrings(),
              Lines{" 1      2      3      4      10    49   "});
    const LottoDrawTable dated = MakeDatedLottoTable(
        5, {{"98/01/31", {7, 12, 3, 30, 45}}, {"98/2/01", {1, 2, 3, 4, 5}}, {"98/02/02", {1, 2, 3, 4, 5}}});
    EXPECT_EQ(ReportLottoTotals(dated, notices).ToStrings(),
              Lines{" 01/31/98    3     7     12   30   45   "});
    EXPECT_EQ(TextsOf(notices), Lines{"Date Length Error at 01/31/98"});
}

TEST(LottoStatus, StatusTextFollowsTheAvailableHistories) {
    EXPECT_EQ(LottoStatusText(kFiveNumber, 0, 0, -1, 0), "No 5 Number Game Data Available");
    EXPECT_EQ(LottoStatusText(kSixNumber, -1, 0, 0, 0), "No 6 Number Game Data Available");
    EXPECT_EQ(LottoStatusText(kPowerball, -1, 0, -1, 0), "No Powerball Game Data Available");
    EXPECT_EQ(LottoStatusText(kFiveNumber, 1, 120, -1, 0), "Undated 120");
    EXPECT_EQ(LottoStatusText(kFiveNumber, -1, 0, 1, 0), "Dated 0");
    EXPECT_EQ(LottoStatusText(kSixNumber, 1, 120, 1, 340), "Undated 120 : Dated 340");
}

// Each game reads its own two sections of one history file; a game that is no lotto game is 5 Number.
TEST(LottoGameTables, EachGameReadsItsOwnSections) {
    const TempWorkingDir directory;
    WriteFile("vtrmain.dat",
              "4 1 1 2 3 4 5\r\n6 2 1 2 3 4 5 6 1 2 3 4 5 7\r\n9 1 98/01/07 5 12 23 34 41 17\r\n");
    const struct {
        int game;
        int tablesGame;
        const char* status;
    } cases[] = {{kFiveNumber, kFiveNumber, "Undated 1"},
                 {kSixNumber, kSixNumber, "Undated 2"},
                 {kPowerball, kPowerball, "Dated 1"},
                 {kThreeNumber, kFiveNumber, "Undated 1"}};
    for (const auto& c : cases) {
        LottoGameTables tables(c.game);
        tables.Load(Settings(26, 49));
        EXPECT_EQ(tables.gameType(), c.tablesGame) << c.game;
        EXPECT_EQ(tables.StatusText(), c.status) << c.game;
    }
}

} // namespace
} // namespace vantorel
