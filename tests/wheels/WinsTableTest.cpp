// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WinsTable.h"
#include "wheels/TicketFile.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

const std::vector<int> kFanoPool = {1, 2, 3, 4, 5, 6, 7};
const std::vector<WheelTicket> kFano = {{1, 2, 4}, {2, 3, 5}, {3, 4, 6}, {4, 5, 7},
                                        {1, 5, 6}, {2, 6, 7}, {1, 3, 7}};

// The Fano plane: any 2 drawn numbers lie on a line; 3 drawn numbers are a line in 7 of the 35 draws.
TEST(WinsTableTest, CountsTheFanoPlane) {
    const WinsTable table = *TabulateWins(kFanoPool, kFano, 2, 3, 200);
    EXPECT_EQ(table.tickets, 7U);
    EXPECT_EQ(table.costCents, 1400);
    ASSERT_EQ(table.rows.size(), 2U);
    const WinsRow& pairs = table.rows[0];
    EXPECT_EQ(pairs.drawnInPool, 2);
    EXPECT_EQ(pairs.guaranteedMatch, 2);
    EXPECT_DOUBLE_EQ(pairs.averageBestMatch, 2.0);
    const WinsRow& triples = table.rows[1];
    EXPECT_EQ(triples.guaranteedMatch, 2);
    EXPECT_TRUE(triples.everyDraw);
    EXPECT_DOUBLE_EQ(triples.averageBestMatch, 2.2);
    EXPECT_DOUBLE_EQ(triples.bestMatchShare[3], 0.2);
    EXPECT_DOUBLE_EQ(triples.bestMatchShare[2], 0.8);
    const std::vector<double> tickets = {0.8, 3.6, 2.4, 0.2};
    for (std::size_t j = 0; j < tickets.size(); ++j) {
        EXPECT_NEAR(triples.averageTicketsMatching[j], tickets[j], 1e-12) << j;
    }
    EXPECT_FALSE(TabulateWins(kFanoPool, kFano, 2, 3, std::nullopt)->costCents.has_value());
}

// 6 drawn of 99 numbers are too many draws to count; the shares come from a sample, the guarantee from
// an exact check: 17 tickets holding every number guarantee 1 match, not 2.
TEST(WinsTableTest, SamplesRowsWithTooManyDrawsAndStopsWhenAsked) {
    std::vector<int> pool;
    std::vector<WheelTicket> tickets(17);
    for (int number = 1; number <= 99; ++number) {
        pool.push_back(number);
        tickets[static_cast<std::size_t>(std::min(16, (number - 1) / 6))].push_back(number);
    }
    const WinsTable table = *TabulateWins(pool, tickets, 6, 6, std::nullopt);
    ASSERT_EQ(table.rows.size(), 1U);
    const WinsRow& row = table.rows[0];
    EXPECT_FALSE(row.everyDraw);
    EXPECT_EQ(row.guaranteedMatch, 1);
    double shares = 0;
    for (const double share : row.bestMatchShare) {
        shares += share;
    }
    EXPECT_NEAR(shares, 1.0, 1e-9);
    EXPECT_EQ(row.bestMatchShare[0], 0.0);
    EXPECT_GT(row.averageBestMatch, 1.0);

    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(TabulateWins(pool, tickets, 6, 6, std::nullopt, stop.get_token()).has_value());
}

TEST(TicketFileTest, WritesAndReadsTickets) {
    EXPECT_EQ(FormatTickets(kFano), "1 2 4\n2 3 5\n3 4 6\n4 5 7\n1 5 6\n2 6 7\n1 3 7\n");
    EXPECT_EQ(ParseTickets(FormatTickets(kFano)).value(), kFano);
    // Hand-edited: any order, tabs and runs of blanks, CR LF, blank lines, leading zeros, no final line end.
    EXPECT_EQ(ParseTickets("4 2\t 1\r\n\n  \r\n07 3 1").value(),
              (std::vector<WheelTicket>{{1, 2, 4}, {1, 3, 7}}));
    EXPECT_TRUE(ParseTickets("").value().empty());
}

TEST(TicketFileTest, RefusesLinesThatAreNoTickets) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"1 2 3\n4 x 6\n", "Line 2 of the ticket file: \"x\" is not a number."},
        {"1 2 3\n\n4 -5 6\n", "Line 3 of the ticket file: \"-5\" is not a number."},
        {"1 2 100\n", "Line 1 of the ticket file: 100 is outside 1 to 99."},
        {"0 2\n", "Line 1 of the ticket file: 0 is outside 1 to 99."},
        {"99999999999999999999 2\n", "Line 1 of the ticket file: 99999999999999999999 is outside 1 to 99."},
        {"1 2,3\n", "Line 1 of the ticket file: \"2,3\" is not a number."},
        {"5 6 05\n", "Line 1 of the ticket file: 5 is on the ticket twice."},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseTickets(c.text);
        ASSERT_TRUE(parsed.refused()) << c.text;
        EXPECT_EQ(parsed.refusal().text, c.message);
    }
}

} // namespace
} // namespace vantorel
