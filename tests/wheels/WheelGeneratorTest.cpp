// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace vantorel {
namespace {

std::vector<int> Numbers(int from, int to) {
    std::vector<int> numbers(static_cast<std::size_t>(to - from + 1));
    std::iota(numbers.begin(), numbers.end(), from);
    return numbers;
}

WheelRequest Request(std::vector<int> pool, int k, int t, int m, std::vector<int> keys = {}) {
    WheelRequest request;
    request.pool = std::move(pool);
    request.ticketSize = k;
    request.guarantee = t;
    request.drawn = m;
    request.keys = std::move(keys);
    request.seconds = 60;
    return request;
}

// A fixed amount of work, so that the outcome never depends on how busy the machine is.
WheelControl Work(std::uint64_t units) {
    WheelControl control;
    control.workUnits = units;
    return control;
}

WheelResult Generated(const WheelOutcome& outcome) {
    if (outcome.refused()) {
        ADD_FAILURE() << outcome.refusal().text;
        return {};
    }
    return *outcome;
}

// Wheels as small as their lower bound, which proves them optimal.
TEST(WheelGeneratorTest, ReachesTheProvenOptima) {
    const struct {
        int v, k, t, m;
        std::size_t optimum;
    } cases[] = {{7, 3, 2, 2, 7},   {9, 3, 2, 2, 12},  {13, 4, 2, 2, 13}, {8, 4, 3, 3, 14},
                 {10, 4, 3, 3, 30}, {11, 5, 4, 4, 66}, {22, 6, 3, 3, 77}, {12, 6, 5, 5, 132},
                 {14, 3, 2, 2, 33}, {12, 6, 2, 3, 2},  {20, 6, 1, 4, 3}};
    for (const auto& c : cases) {
        const std::string label =
            std::to_string(c.v) + " " + std::to_string(c.k) + " " + GuaranteeText(c.t, c.m);
        const WheelResult result =
            Generated(GenerateWheel(Request(Numbers(1, c.v), c.k, c.t, c.m), Work(20'000'000)));
        EXPECT_EQ(result.tickets.size(), c.optimum) << label;
        EXPECT_EQ(result.lowerBound, c.optimum) << label;
        EXPECT_EQ(result.verification.status, CoverageVerdict::Status::Holds) << label;
    }
    const WheelResult fano = Generated(GenerateWheel(Request(Numbers(1, 7), 3, 2, 2)));
    EXPECT_EQ(fano.method, "projective plane PG(2,2)");
    EXPECT_EQ(fano.schoenheimBound, 7U);
    ASSERT_TRUE(fano.bestKnown.has_value());
    EXPECT_TRUE(fano.bestKnown->proven);
    EXPECT_EQ(fano.bestKnown->source, "Steiner system S(2,3,7), meets the Schönheim bound");
}

// Searched wheels on a pool of any numbers: tickets of K pool numbers, ascending, in order, keeping the
// guarantee; the same seed and work give the same wheel.
TEST(WheelGeneratorTest, SearchedWheelsHoldAndRepeatForASeed) {
    const std::vector<int> pool = {3, 8, 11, 17, 22, 25, 31, 36, 40, 44, 47, 52, 58, 61};
    const struct {
        int k, t, m;
    } cases[] = {{6, 3, 3}, {6, 4, 4}, {5, 3, 4}, {6, 2, 5}, {4, 2, 4}, {6, 1, 3}};
    for (const auto& c : cases) {
        WheelRequest request = Request(pool, c.k, c.t, c.m);
        request.seed = 11;
        const WheelResult first = Generated(GenerateWheel(request, Work(3'000'000)));
        const WheelResult second = Generated(GenerateWheel(request, Work(3'000'000)));
        const std::string label = GuaranteeText(c.t, c.m) + " on tickets of " + std::to_string(c.k);
        EXPECT_EQ(first.tickets, second.tickets) << label;
        EXPECT_EQ(first.verification.status, CoverageVerdict::Status::Holds) << label;
        EXPECT_GE(first.tickets.size(), first.lowerBound) << label;
        EXPECT_TRUE(std::is_sorted(first.tickets.begin(), first.tickets.end())) << label;
        for (const WheelTicket& ticket : first.tickets) {
            EXPECT_EQ(ticket.size(), static_cast<std::size_t>(c.k)) << label;
            EXPECT_TRUE(std::is_sorted(ticket.begin(), ticket.end())) << label;
            EXPECT_TRUE(std::includes(pool.begin(), pool.end(), ticket.begin(), ticket.end())) << label;
        }
        EXPECT_FALSE(first.method.empty());
    }
}

TEST(WheelGeneratorTest, KeyNumbersAreOnEveryTicket) {
    const struct {
        std::vector<int> pool;
        int k, t, m;
        std::vector<int> keys;
    } cases[] = {
        {Numbers(1, 15), 6, 3, 3, {7}},
        {Numbers(1, 12), 6, 3, 4, {12, 2}},
        {Numbers(20, 31), 5, 2, 5, {25, 20, 31}},
        // Fewer other numbers than drawn: every draw holds 2 keys, one ticket is enough.
        {Numbers(1, 8), 6, 4, 6, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        const WheelResult result =
            Generated(GenerateWheel(Request(c.pool, c.k, c.t, c.m, c.keys), Work(2'000'000)));
        std::vector<int> keys = c.keys;
        std::sort(keys.begin(), keys.end());
        EXPECT_EQ(result.request.keys, keys);
        ASSERT_FALSE(result.tickets.empty());
        for (const WheelTicket& ticket : result.tickets) {
            EXPECT_TRUE(std::includes(ticket.begin(), ticket.end(), keys.begin(), keys.end()));
        }
        EXPECT_EQ(result.verification.status, CoverageVerdict::Status::Holds);
        // The guarantee holds for draws without keys, so the wins table agrees from M drawn numbers on.
        for (const WinsRow& row : result.wins.rows) {
            if (row.drawnInPool >= c.m) {
                EXPECT_GE(row.guaranteedMatch, c.t);
            }
        }
    }
    // The keys' wheel of 15 numbers, 3 if 3, is the wheel of the other 14 on tickets of 5.
    const WheelResult keyed =
        Generated(GenerateWheel(Request(Numbers(1, 15), 6, 3, 3, {7}), Work(2'000'000)));
    EXPECT_EQ(keyed.lowerBound, SchoenheimBound(14, 5, 3));
}

TEST(WheelGeneratorTest, RefusesBadInputAndWheelsTooLargeNamingTheProblem) {
    const struct {
        WheelRequest request;
        const char* message;
    } cases[] = {
        {Request({}, 6, 2, 2), "The pool holds no numbers."},
        {Request({1, 2, 100}, 2, 1, 1), "Pool number 100 is outside 1 to 99."},
        {Request({0, 1, 2}, 2, 1, 1), "Pool number 0 is outside 1 to 99."},
        {Request({4, 5, 4}, 2, 1, 1), "Pool number 4 is given twice."},
        {Request(Numbers(1, 5), 6, 2, 2), "The pool of 5 numbers is smaller than the ticket size 6."},
        {Request(Numbers(1, 5), 0, 1, 1), "The ticket size 0 must be at least 1."},
        {Request(Numbers(1, 9), 6, 0, 3),
         "The guarantee 0 if 3 must promise at least 1 number: T must be 1 or more."},
        {Request(Numbers(1, 9), 6, 4, 3),
         "The guarantee 4 if 3 promises more numbers than are drawn: T must not exceed M."},
        {Request(Numbers(1, 9), 6, 2, 7), "The guarantee 2 if 7 counts 7 drawn numbers, more than a ticket "
                                          "of 6 holds: M must not exceed the ticket size."},
        {Request(Numbers(1, 9), 6, 2, 3, {10}), "Key number 10 is not in the pool."},
        {Request(Numbers(1, 9), 6, 2, 3, {3, 3}), "Key number 3 is given twice."},
        {Request(Numbers(1, 9), 6, 2, 3, {0}), "Key number 0 is outside 1 to 99."},
        {Request(Numbers(1, 9), 3, 1, 1, {1, 2, 3, 4}), "4 key numbers do not fit on a ticket of 3."},
        {Request(Numbers(1, 12), 6, 2, 3, {1, 2, 3, 4, 5}),
         "With 5 key numbers a ticket of 6 matches at most 1 of 3 drawn pool numbers that include none of "
         "the keys, "
         "fewer than the guarantee 2 if 3 needs."},
        {Request(Numbers(1, 8), 6, 5, 6, {1, 2, 3, 4, 5}),
         "With 5 key numbers a ticket of 6 matches at most 4 of 6 drawn pool numbers that include 3 of the "
         "keys, "
         "fewer than the guarantee 5 if 6 needs."},
    };
    for (const auto& c : cases) {
        const WheelOutcome outcome = GenerateWheel(c.request, Work(1000));
        ASSERT_TRUE(outcome.refused()) << c.message;
        EXPECT_EQ(outcome.refusal().text, c.message);
        EXPECT_EQ(ValidateWheelRequest(c.request).value_or(Refusal{}).text, c.message);
    }
    WheelRequest noTime = Request(Numbers(1, 9), 3, 2, 2);
    for (const double seconds : {0.0, -1.0, 3601.0}) {
        noTime.seconds = seconds;
        EXPECT_EQ(GenerateWheel(noTime).refusal().text,
                  "The time budget must be more than 0 and at most 3600 seconds.");
    }
    // A wheel too large to hold.
    const WheelOutcome tooLarge = GenerateWheel(Request(Numbers(1, 99), 6, 5, 5), Work(1000));
    ASSERT_TRUE(tooLarge.refused());
    EXPECT_TRUE(
        tooLarge.refusal().text.starts_with("A wheel 5 if 5 of 99 numbers on tickets of 6 needs at least "))
        << tooLarge.refusal().text;
}

TEST(WheelGeneratorTest, ReportsProgressAndStopsOnCancel) {
    std::vector<WheelProgress> reports;
    WheelControl control = Work(5'000'000);
    control.progress = [&](const WheelProgress& progress) {
        reports.push_back(progress);
    };
    const WheelResult result = Generated(GenerateWheel(Request(Numbers(1, 16), 6, 4, 4), control));
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front().phase, WheelPhase::Searching);
    EXPECT_EQ(reports.back().phase, WheelPhase::Tabulating);
    EXPECT_EQ(reports.back().bestTickets, result.tickets.size());
    for (std::size_t i = 1; i < reports.size(); ++i) {
        EXPECT_GE(static_cast<int>(reports[i].phase), static_cast<int>(reports[i - 1].phase));
        if (reports[i].bestTickets != 0 && reports[i - 1].bestTickets != 0) {
            EXPECT_LE(reports[i].bestTickets, reports[i - 1].bestTickets);
        }
    }

    std::stop_source stop;
    WheelControl cancelling = Work(400'000'000);
    cancelling.stop = stop.get_token();
    cancelling.progress = [&](const WheelProgress& progress) {
        if (progress.share > 0.01) {
            stop.request_stop();
        }
    };
    const WheelOutcome cancelled = GenerateWheel(Request(Numbers(1, 20), 6, 4, 4), cancelling);
    ASSERT_TRUE(cancelled.refused());
    EXPECT_EQ(cancelled.refusal().text, "The wheel was cancelled.");
}

TEST(WheelGeneratorTest, ChecksTicketFiles) {
    WheelCheckRequest fano;
    fano.pool = {70, 10, 20, 30, 40, 50, 60};
    fano.guarantee = 2;
    fano.drawn = 2;
    fano.tickets = {{10, 20, 40}, {20, 30, 50}, {30, 40, 60}, {40, 50, 70},
                    {10, 50, 60}, {20, 60, 70}, {10, 30, 70}};
    fano.ticketPriceCents = 150;
    const WheelCheckResult holds = CheckWheel(fano).value();
    EXPECT_EQ(holds.verdict.status, CoverageVerdict::Status::Holds);
    ASSERT_TRUE(holds.wins.has_value());
    ASSERT_EQ(holds.wins->rows.size(), 2U);
    EXPECT_EQ(holds.wins->costCents, 1050);

    fano.tickets.pop_back();
    const WheelCheckResult misses = CheckWheel(fano).value();
    EXPECT_EQ(misses.verdict.status, CoverageVerdict::Status::Misses);
    EXPECT_EQ(misses.verdict.missing, (std::vector<int>{10, 30}));
    EXPECT_FALSE(misses.wins.has_value());

    const struct {
        std::vector<WheelTicket> tickets;
        int t, m;
        const char* message;
    } bad[] = {
        {{{10, 20}, {20, 25}}, 2, 2, "Ticket 2 holds 25, which is not in the pool."},
        {{{10, 10, 20}}, 2, 2, "Ticket 1 holds 10 twice."},
        {{{10, 20}}, 3, 2, "The guarantee 3 if 2 promises more numbers than are drawn: T must not exceed M."},
        {{{10, 20}}, 2, 8, "The guarantee 2 if 8 counts 8 drawn numbers, more than the pool of 7 holds."},
    };
    for (const auto& c : bad) {
        WheelCheckRequest request = fano;
        request.tickets = c.tickets;
        request.guarantee = c.t;
        request.drawn = c.m;
        EXPECT_EQ(CheckWheel(request).refusal().text, c.message);
    }
}

} // namespace
} // namespace vantorel
