#include "lotto/LottoOperations.h"
#include "lotto/LottoReports.h"
#include "platform/MessageBox.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "tests/lotto/LottoTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::MakeLottoTable;
using test::Settings;
using Lines = std::vector<std::string>;

std::vector<std::string> ListLinesOf(int operation, const LottoDrawTable& table,
                                     const GameSettings& settings) {
    ScriptedRandom random({0});
    return LottoListLines(table, ApplyLottoOperation(operation, table, {}, settings, SetupChoices(), random));
}

TEST(LottoDistribution, CountsEveryBallOfEveryDrawingInItsOwnSlot) {
    const LottoDrawTable six = MakeLottoTable(6, {{1, 2, 3, 4, 5, 6}, {70, 2, 9, 10, 11, 12}});
    const std::vector<int> counts = six.CountBalls(70);
    ASSERT_EQ(counts.size(), 71u);
    EXPECT_EQ(counts[0], 0);
    for (int ball : {1, 3, 4, 5, 6, 9, 70}) {
        EXPECT_EQ(counts[static_cast<std::size_t>(ball)], 1) << ball;
    }
    EXPECT_EQ(counts[2], 2);

    // Values a user may have typed into the file never reach outside the tally.
    const LottoDrawTable five = MakeLottoTable(4, {{45, 0, 99, -3, 49}});
    const std::vector<int> fiveCounts = five.CountBalls(49);
    ASSERT_EQ(fiveCounts.size(), 50u);
    EXPECT_EQ(fiveCounts[45], 1);
    EXPECT_EQ(fiveCounts[49], 1);
    EXPECT_EQ(fiveCounts[0], 0);
}

TEST(LottoDistribution, RunTwiceCountsTheTableOnce) {
    const LottoDrawTable table = MakeLottoTable(4, {{1, 2, 3, 4, 5}});
    ScriptedRandom random({0});
    const GameSettings settings = Settings(26, 49);
    ApplyLottoOperation(kDistribution, table, {}, settings, SetupChoices(), random);
    const LottoResult second =
        ApplyLottoOperation(kDistribution, table, {}, settings, SetupChoices(), random);
    EXPECT_EQ(second.ballCounts[1], 1);
    EXPECT_TRUE(second.lottoChartPending);
    EXPECT_TRUE(LottoListLines(table, second).empty());
}

TEST(LottoShares, HighLowSplitsAtHalfOfTheGamesOwnMaximum) {
    struct Case {
        int section;
        std::vector<int> balls;
        GameSettings settings;
        int high;
        int low;
    };
    const std::vector<Case> cases = {
        {4, {22, 23, 1, 45, 44}, Settings(45, 49), 3, 2},
        {6, {24, 25, 1, 2, 3, 49}, Settings(26, 49), 2, 4},
        // No maximum set: every ball is High.
        {4, {1, 2, 3, 4, 5}, Settings(0, 0), 5, 0},
    };
    for (const Case& c : cases) {
        int high = 0;
        int low = 0;
        MakeLottoTable(c.section, {c.balls})
            .CountHighLow(high, low, c.section < 6 ? c.settings.fiveNumberMax : c.settings.sixNumberMax);
        EXPECT_EQ(high, c.high) << c.section;
        EXPECT_EQ(low, c.low) << c.section;
    }
}

TEST(LottoShares, ShareLinesRoundAsTheListShowsThem) {
    struct Case {
        float share;
        int kind;
        std::string line;
    };
    const std::vector<Case> cases = {
        {0.6f, 1, " Balls are 60% Even  -  40% Odd."},   {0.6666f, 1, " Balls are 67% Even  -  33% Odd."},
        {0.335f, 2, " Balls are 33% High  -  67% Low."}, {0.125f, 2, " Balls are 12% High  -  88% Low."},
        {1.0f, 1, " Balls are 100% Even  -  0% Odd."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReportShare(c.share, c.kind), Lines{c.line}) << c.share;
    }
    EXPECT_TRUE(ReportShare(0.5f, 3).empty());
}

TEST(LottoShares, EvenOddAndHighLowLinesOfATable) {
    const LottoDrawTable table = MakeLottoTable(4, {{2, 4, 6, 7, 9}});
    EXPECT_EQ(ListLinesOf(kEvenOdd, table, Settings(26, 49)), Lines{" Balls are 60% Even  -  40% Odd."});
    EXPECT_EQ(ListLinesOf(kHighLow, table, Settings(10, 49)), Lines{" Balls are 60% High  -  40% Low."});
}

TEST(LottoShares, EmptyHistoryShowsZeroPercent) {
    const LottoDrawTable empty = MakeLottoTable(4, {});
    EXPECT_EQ(ListLinesOf(kEvenOdd, empty, Settings(26, 49)), Lines{" Balls are 0% Even  -  0% Odd."});
    EXPECT_EQ(ListLinesOf(kHighLow, empty, Settings(26, 49)), Lines{" Balls are 0% High  -  0% Low."});
}

TEST(LottoSevenBalls, RanksByCountWithTiesToTheLowerBall) {
    // Counts: 10 five times, 20 four, 30 three, 40 two, eleven balls once (45 among them).
    const LottoDrawTable table = MakeLottoTable(4, {{10, 20, 30, 40, 45},
                                                    {10, 20, 30, 40, 44},
                                                    {10, 20, 30, 41, 42},
                                                    {10, 20, 3, 5, 7},
                                                    {10, 2, 8, 9, 11}});
    const GameSettings settings = Settings(45, 49);
    EXPECT_EQ(table.SevenBalls(kSevenHottest, settings), "10 20 30 40 2 3 5 ");
    EXPECT_EQ(table.SevenBalls(kSevenOverdue, settings), "2 3 5 7 8 9 11 ");
    EXPECT_EQ(table.SevenBalls(2, settings), "ScrewBalls");

    EXPECT_EQ(ListLinesOf(kOverdue, table, settings),
              Lines{" The seven most overdue balls are 2 3 5 7 8 9 11 "});
    EXPECT_EQ(ListLinesOf(kHottest, table, settings),
              Lines{" The seven hottest balls are 10 20 30 40 2 3 5 "});
}

TEST(LottoSevenBalls, OverdueListsTheLeastDrawnFirst) {
    // 1..4 drawn three times, 5 twice, 6..9 once; the balls never drawn are not overdue.
    const LottoDrawTable table =
        MakeLottoTable(6, {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 8, 9}});
    EXPECT_EQ(table.SevenBalls(kSevenOverdue, Settings(26, 70)), "6 7 8 9 5 1 2 ");
    EXPECT_EQ(table.SevenBalls(kSevenHottest, Settings(26, 70)), "1 2 3 4 5 6 7 ");
}

TEST(LottoSevenBalls, ListsOnlyTheBallsThatWereDrawn) {
    const LottoDrawTable table = MakeLottoTable(4, {{9, 3, 12, 3, 40}});
    EXPECT_EQ(table.SevenBalls(kSevenHottest, Settings(45, 49)), "3 9 12 40 ");
    EXPECT_EQ(table.SevenBalls(kSevenOverdue, Settings(45, 49)), "9 12 40 3 ");
    EXPECT_EQ(MakeLottoTable(4, {}).SevenBalls(kSevenOverdue, Settings(45, 49)), "");
}

TEST(LottoSevenBalls, MaximumBeyondTheTallyIsASetupError) {
    struct Case {
        int section;
        GameSettings settings;
        std::string message;
    };
    const std::vector<Case> cases = {
        {4, Settings(46, 49),
         "Present 5 Ball Game maximum is Too Large.\nCannot continue...Operation Aborted."},
        {6, Settings(26, 71),
         "Present 6 Ball Game maximum is Too Large.\nCannot continue...Operation Aborted."},
    };
    for (const Case& c : cases) {
        RecordingMessageSink sink;
        const ScopedMessageSink installed(sink);
        const LottoDrawTable table = MakeLottoTable(c.section, {{1, 2, 3, 4, 5, 6}});
        ScriptedRandom random({0});
        const LottoResult result =
            ApplyLottoOperation(kOverdue, table, {}, c.settings, SetupChoices(), random);
        EXPECT_TRUE(result.refused);
        EXPECT_EQ(LottoListLines(table, result), Lines{" The seven most overdue balls are Setup Error"});
        EXPECT_EQ(sink.texts(), std::vector<std::string>{c.message});
    }
    RecordingMessageSink quiet;
    const ScopedMessageSink installed(quiet);
    EXPECT_EQ(MakeLottoTable(6, {{1, 2, 3, 4, 5, 6}}).SevenBalls(kSevenHottest, Settings(26, 70)),
              "1 2 3 4 5 6 ");
    EXPECT_TRUE(quiet.texts().empty());
}

TEST(LottoStatus, StatusTextFollowsTheAvailableHistories) {
    EXPECT_EQ(LottoStatusText(kFiveNumber, 0, 0, -1, 0), "No 5 Number Game Data Available");
    EXPECT_EQ(LottoStatusText(kSixNumber, -1, 0, 0, 0), "No 6 Number Game Data Available");
    EXPECT_EQ(LottoStatusText(kPowerball, -1, 0, -1, 0), "No Powerball Game Data Available");
    EXPECT_EQ(LottoStatusText(kFiveNumber, 1, 120, -1, 0), "Undated 120");
    EXPECT_EQ(LottoStatusText(kFiveNumber, -1, 0, 1, 0), "Dated 0");
    EXPECT_EQ(LottoStatusText(kSixNumber, 1, 120, 1, 340), "Undated 120 : Dated 340");
}

} // namespace
} // namespace vantorel
