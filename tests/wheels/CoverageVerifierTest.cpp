// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/CoverageVerifier.h"

#include <gtest/gtest.h>

#include <random>

namespace vantorel {
namespace {

using Status = CoverageVerdict::Status;

// The first M-set (lexicographically) that shares fewer than T with every ticket, by looking at them all.
std::vector<int> BruteForceMissing(int v, const std::vector<PoolMask>& tickets, int t, int m) {
    std::vector<int> set(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) {
        set[static_cast<std::size_t>(i)] = i;
    }
    while (true) {
        const PoolMask drawn = PoolMask::Of(set);
        bool covered = false;
        for (const PoolMask& ticket : tickets) {
            covered = covered || (ticket & drawn).Count() >= t;
        }
        if (!covered) {
            return set;
        }
        int i = m - 1;
        while (i >= 0 && set[static_cast<std::size_t>(i)] == v - m + i) {
            --i;
        }
        if (i < 0) {
            return {};
        }
        ++set[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < m; ++j) {
            set[static_cast<std::size_t>(j)] = set[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

// Random wheels of every shape, some holding and some missing, against the brute-force answer: every
// guarantee from 1 if M up, no tickets at all, and a ticket that holds every number.
TEST(CoverageVerifierTest, AgreesWithLookingAtEveryMSet) {
    std::mt19937_64 random(7);
    struct Shape {
        int v, k, t, m;
        std::vector<int> ticketCounts;
    };
    const std::vector<Shape> shapes = {
        {9, 3, 2, 2, {8, 12, 20}},   {10, 4, 2, 3, {3, 5, 8}},    {12, 5, 2, 5, {2, 3, 4}},
        {10, 4, 3, 3, {25, 40, 60}}, {11, 5, 3, 4, {10, 16, 24}}, {12, 6, 3, 6, {3, 5, 8}},
        {9, 5, 4, 5, {12, 20, 30}},  {10, 6, 5, 6, {20, 40, 60}}, {70, 6, 2, 4, {30, 60, 120}},
        {8, 3, 1, 2, {0, 2, 3}},     {8, 3, 1, 3, {1, 2, 3}},     {9, 9, 4, 4, {1}},
    };
    for (const Shape& shape : shapes) {
        for (const int count : shape.ticketCounts) {
            for (int trial = 0; trial < 4; ++trial) {
                std::vector<PoolMask> tickets;
                for (int i = 0; i < count; ++i) {
                    PoolMask ticket;
                    while (ticket.Count() < shape.k) {
                        ticket.Set(static_cast<int>(random() % static_cast<std::uint64_t>(shape.v)));
                    }
                    tickets.push_back(ticket);
                }
                const CoverageVerdict verdict = FindMissingSet(shape.v, tickets, shape.t, shape.m);
                const std::vector<int> expected = BruteForceMissing(shape.v, tickets, shape.t, shape.m);
                EXPECT_EQ(verdict.status, expected.empty() ? Status::Holds : Status::Misses)
                    << shape.v << " " << shape.t << " if " << shape.m << ", " << count << " tickets";
                EXPECT_EQ(verdict.missing, expected);
            }
        }
    }
}

TEST(CoverageVerifierTest, GivesUpWhenAskedToStopOrOutOfSteps) {
    // One ticket holding all 60 numbers keeps "4 if 4", but the check walks through every 3-set first.
    const std::vector<PoolMask> everything = {PoolMask::FirstN(60)};
    EXPECT_EQ(FindMissingSet(60, everything, 4, 4).status, Status::Holds);
    std::stop_source stop;
    stop.request_stop();
    EXPECT_EQ(FindMissingSet(60, everything, 4, 4, stop.get_token()).status, Status::Cancelled);
    EXPECT_EQ(FindMissingSet(60, everything, 4, 4, {}, 1000).status, Status::Cancelled);
}

} // namespace
} // namespace vantorel
