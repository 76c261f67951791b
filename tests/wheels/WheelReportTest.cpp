// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelReport.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TEST(WheelReportTest, WritesMoneyWithCentsAndThousands) {
    const struct {
        std::int64_t cents;
        const char* text;
    } cases[] = {{0, "$0.00"},    {5, "$0.05"},          {50, "$0.50"},
                 {200, "$2.00"},  {123456, "$1,234.56"}, {100000000, "$1,000,000.00"},
                 {-250, "-$2.50"}};
    for (const auto& c : cases) {
        EXPECT_EQ(MoneyText(c.cents), c.text) << c.cents;
    }
}

// Two rows by hand: the levels above the drawn count cannot be reached, a sampled row is marked, the cost
// is the price of one ticket times the tickets.
TEST(WheelReportTest, LaysOutTheTableOfWins) {
    WinsTable wins;
    wins.tickets = 3;
    wins.costCents = 150;
    WinsRow two;
    two.drawnInPool = 2;
    two.guaranteedMatch = 1;
    two.averageBestMatch = 1.5;
    two.averageTicketsMatching = {0.5, 2, 0.5};
    WinsRow three = two;
    three.drawnInPool = 3;
    three.guaranteedMatch = 2;
    three.averageBestMatch = 2.25;
    three.averageTicketsMatching = {0, 1.125, 1.5, 0.375};
    three.everyDraw = false;
    wins.rows = {two, three};
    const std::vector<std::string> lines = WinsTableLines(wins, 1);
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_EQ(lines[1], "In pool  Guaranteed  Average best  Matching 3  Matching 2  Matching 1");
    EXPECT_EQ(lines[2], "      2           1          1.50           -        0.50        2.00");
    EXPECT_EQ(lines[3], "      3           2         2.25*        0.38        1.50        1.12");
    EXPECT_EQ(lines[4], "* averaged over a sample of the draws; the guaranteed match is exact.");
    EXPECT_EQ(lines[5], "Cost: 3 tickets at $0.50 = $1.50.");
    EXPECT_TRUE(WinsCells(wins, 1).sampled);
}

TEST(WheelReportTest, SaysWhetherACheckedWheelHolds) {
    WheelCheckResult result;
    result.request.pool = {3, 7, 12, 40};
    result.request.guarantee = 2;
    result.request.drawn = 3;
    result.request.tickets = {{3, 7}};
    EXPECT_EQ(CheckVerdictText(result), "The tickets hold 2 if 3 for the 4 pool numbers: 1 ticket.");
    result.verdict.status = CoverageVerdict::Status::Misses;
    result.verdict.missing = {3, 12, 40};
    EXPECT_EQ(CheckVerdictText(result),
              "The tickets miss the guarantee 2 if 3: no ticket holds 2 of 3 12 40.");
}

} // namespace
} // namespace vantorel
