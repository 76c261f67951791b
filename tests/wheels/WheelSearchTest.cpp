// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelSearch.h"
#include "wheels/CoverageAnnealer.h"
#include "wheels/CoverageVerifier.h"
#include "wheels/WorkBudget.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using Clock = WorkBudget::Clock;

Clock::time_point Later() {
    return Clock::now() + std::chrono::hours(1);
}

bool Covers(int v, const std::vector<PoolMask>& wheel, int t, int m) {
    return FindMissingSet(v, wheel, t, m).status == CoverageVerdict::Status::Holds;
}

TEST(WorkBudgetTest, SharesCountAgainstTheirParent) {
    std::vector<double> progress;
    WorkBudget budget(1'000'000, Later(), {}, [&](double share) { progress.push_back(share); });
    {
        WorkBudget share = budget.Share(300'000);
        EXPECT_TRUE(share.Spend(200'000));
        EXPECT_FALSE(share.Spend(100'000)) << "the share is used up";
        EXPECT_TRUE(share.Exhausted());
    }
    EXPECT_EQ(budget.Spent(), 300'000U);
    EXPECT_EQ(budget.Remaining(), 700'000U);
    WorkBudget large = budget.Share(5'000'000);
    EXPECT_EQ(large.Remaining(), 700'000U) << "a share never exceeds what is left";
    EXPECT_FALSE(large.Spend(700'000));
    EXPECT_TRUE(budget.Exhausted());
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_DOUBLE_EQ(progress.back(), 1.0);
}

TEST(WorkBudgetTest, StopsAtTheDeadlineAndOnRequest) {
    WorkBudget late(UINT64_MAX, Clock::now() - std::chrono::seconds(1), {});
    late.Spend(1 << 16);
    EXPECT_TRUE(late.DeadlinePassed());
    EXPECT_TRUE(late.Exhausted());
    WorkBudget share = late.Share(10);
    EXPECT_TRUE(share.Exhausted());

    std::stop_source stop;
    WorkBudget asked(UINT64_MAX, Later(), stop.get_token());
    EXPECT_TRUE(asked.Spend(1));
    stop.request_stop();
    EXPECT_FALSE(asked.Spend(1));
    EXPECT_TRUE(asked.StopRequested());
}

// Greedy wheels cover; shrinking keeps them covering, never goes below the floor, and repeats for a seed.
TEST(CoverageAnnealerTest, GreedyAndShrunkWheelsCover) {
    const struct {
        int v, k, t, m;
        std::uint64_t floor;
    } cases[] = {{12, 6, 3, 3, 14}, {14, 5, 3, 3, 1}, {11, 6, 3, 4, 1}, {13, 5, 2, 4, 1}, {10, 4, 4, 4, 1}};
    for (const auto& c : cases) {
        const std::string label = std::to_string(c.v) + " " + std::to_string(c.k) + " " +
                                  std::to_string(c.t) + " if " + std::to_string(c.m);
        std::vector<PoolMask> runs[2];
        for (std::vector<PoolMask>& run : runs) {
            WorkBudget budget(2'000'000, Later(), {});
            CoverageAnnealer annealer(c.v, c.k, c.t, c.m, 5);
            const std::vector<PoolMask> greedy = annealer.Greedy(budget);
            EXPECT_TRUE(Covers(c.v, greedy, c.t, c.m)) << label;
            std::size_t last = greedy.size();
            run = annealer.Shrink(greedy, c.floor, budget, [&](const std::vector<PoolMask>& smaller) {
                EXPECT_EQ(smaller.size() + 1, last) << label;
                last = smaller.size();
            });
            EXPECT_TRUE(Covers(c.v, run, c.t, c.m)) << label;
            EXPECT_GE(run.size(), c.floor) << label;
            EXPECT_LE(run.size(), greedy.size()) << label;
            for (const PoolMask& ticket : run) {
                EXPECT_EQ(ticket.Count(), c.k) << label;
            }
        }
        EXPECT_EQ(runs[0], runs[1]) << label;
    }
}

TEST(CoverageAnnealerTest, CountsTheUncoveredSets) {
    CoverageAnnealer annealer(6, 3, 2, 2, 1);
    annealer.Load({PoolMask::Of({0, 1, 2})});
    EXPECT_EQ(annealer.Uncovered(), 12U) << "15 pairs, 3 on the ticket";
    annealer.Load({PoolMask::Of({0, 1, 2}), PoolMask::Of({3, 4, 5})});
    EXPECT_EQ(annealer.Uncovered(), 9U);
    EXPECT_FALSE(CoverageAnnealer::Fits(99, 6, 5, 6));
    EXPECT_TRUE(CoverageAnnealer::Fits(49, 6, 3, 3));
}

// "2 if 6" over 30 numbers: five groups of six, one ticket each, the least any wheel can do (Turán).
TEST(WheelSearchTest, SplitsThePoolForLottoDesigns) {
    WorkBudget budget(5'000'000, Later(), {});
    const std::vector<FoundWheel> found = WheelSearch(30, 6, 2, 6, 1).Run(budget);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.back().tickets.size(), 5U);
    EXPECT_EQ(found.back().method, "partition into 5 groups of 6, 6, 6, 6, 6 numbers, each wheeled 2 if 2");
    EXPECT_TRUE(Covers(30, found.back().tickets, 2, 6));

    // "3 if 5" over 16 numbers: two groups, each covered 3 if 3.
    WorkBudget more(5'000'000, Later(), {});
    const std::vector<FoundWheel> threeIfFive = WheelSearch(16, 6, 3, 5, 1).Run(more);
    ASSERT_FALSE(threeIfFive.empty());
    EXPECT_TRUE(Covers(16, threeIfFive.back().tickets, 3, 5));
    for (const FoundWheel& wheel : threeIfFive) {
        EXPECT_TRUE(Covers(16, wheel.tickets, 3, 5)) << wheel.method;
    }
}

TEST(WheelSearchTest, ReportsEachSmallerWheelAndGivesUpWhenStopped) {
    std::vector<std::size_t> sizes;
    WorkBudget budget(3'000'000, Later(), {});
    WheelSearch search(15, 5, 3, 3, 2, [&](std::size_t size) { sizes.push_back(size); });
    search.SkipKnownDesigns();
    const std::vector<FoundWheel> found = search.Run(budget);
    ASSERT_FALSE(found.empty());
    EXPECT_TRUE(std::is_sorted(sizes.rbegin(), sizes.rend()));
    EXPECT_EQ(sizes.back(), found.back().tickets.size());
    EXPECT_LE(found.size(), 3U);

    std::stop_source stop;
    stop.request_stop();
    WorkBudget stopped(3'000'000, Later(), stop.get_token());
    WheelSearch cancelled(15, 5, 3, 3, 2);
    cancelled.SkipKnownDesigns();
    EXPECT_TRUE(cancelled.Run(stopped).empty());
}

} // namespace
} // namespace vantorel
