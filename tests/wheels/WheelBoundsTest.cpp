// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelBounds.h"
#include "wheels/KnownWheelSizes.h"

#include <gtest/gtest.h>

#include <set>

namespace vantorel {
namespace {

TEST(WheelBoundsTest, CountsSubsetsAndSaturates) {
    EXPECT_EQ(Binomial(59, 6), 45'057'474U);
    EXPECT_EQ(Binomial(99, 6), 1'120'529'256U);
    EXPECT_EQ(Binomial(10, 0), 1U);
    EXPECT_EQ(Binomial(5, 6), 0U);
    EXPECT_EQ(Binomial(5, -1), 0U);
    EXPECT_EQ(Binomial(66, 33), 7'219'428'434'016'265'740U);
    EXPECT_EQ(Binomial(99, 49), kCountTooLarge);
}

TEST(WheelBoundsTest, GivesTheSchoenheimBound) {
    const struct {
        int v, k, t;
        std::uint64_t bound;
    } cases[] = {{7, 3, 2, 7},    {9, 3, 2, 12},  {13, 4, 2, 13},  {8, 4, 3, 14},  {10, 4, 3, 30},
                 {11, 5, 4, 66},  {22, 6, 3, 77}, {12, 6, 5, 132}, {12, 6, 3, 14}, {16, 6, 4, 144},
                 {20, 5, 3, 116}, {14, 3, 2, 33}, {6, 6, 4, 1},    {10, 3, 1, 4}};
    for (const auto& c : cases) {
        EXPECT_EQ(SchoenheimBound(c.v, c.k, c.t), c.bound) << c.v << "," << c.k << "," << c.t;
        EXPECT_EQ(LowerBoundFor(c.v, c.k, c.t, c.t).kind, LowerBoundKind::Schoenheim);
    }
    EXPECT_EQ(SchoenheimBound(99, 3, 3), Binomial(99, 3));
}

TEST(WheelBoundsTest, BoundsLottoDesigns) {
    // "2 if 6" over 59 numbers: pairs inside 5 groups of 12, 12, 12, 12, 11 must be covered,
    // 4 * 66 + 55 = 319 pairs, at most 15 a ticket.
    const WheelLowerBound twoIfSix = LowerBoundFor(59, 6, 2, 6);
    EXPECT_EQ(twoIfSix.tickets, 22U);
    EXPECT_EQ(twoIfSix.kind, LowerBoundKind::Turan);
    // "1 if 3" over 20 numbers: all but 2 numbers on tickets of 6.
    EXPECT_EQ(LowerBoundFor(20, 6, 1, 3).tickets, 3U);
    EXPECT_EQ(LowerBoundFor(20, 6, 1, 3).kind, LowerBoundKind::Exact);
    // "3 if 4" over 10 numbers: 210 sets of 4, a ticket of 6 meets C(6,3) C(4,1) + C(6,4) = 95 of them in 3.
    const WheelLowerBound threeIfFour = LowerBoundFor(10, 6, 3, 4);
    EXPECT_EQ(threeIfFour.tickets, 3U);
    EXPECT_EQ(threeIfFour.kind, LowerBoundKind::Counting);
    EXPECT_EQ(LowerBoundName(LowerBoundKind::Schoenheim), "Schönheim bound");
}

TEST(WheelBoundsTest, RanksEverySubsetOnce) {
    for (const auto& [v, m] : {std::pair{9, 3}, {12, 5}, {7, 7}, {20, 1}}) {
        const SubsetRanker ranker(v, m);
        ASSERT_EQ(ranker.SubsetCount(), Binomial(v, m));
        std::set<std::vector<int>> seen;
        std::vector<int> set(static_cast<std::size_t>(m));
        for (std::uint32_t rank = 0; rank < ranker.SubsetCount(); ++rank) {
            ranker.Unrank(rank, set.data());
            EXPECT_TRUE(std::is_sorted(set.begin(), set.end()));
            EXPECT_GE(set.front(), 0);
            EXPECT_LT(set.back(), v);
            EXPECT_EQ(ranker.Rank(set.data()), rank);
            seen.insert(set);
        }
        EXPECT_EQ(seen.size(), ranker.SubsetCount());
    }
}

TEST(KnownWheelSizesTest, CataloguesWhatIsProven) {
    const struct {
        int v, k, t, m;
        std::uint64_t tickets; // 0: not catalogued
    } cases[] = {
        {7, 3, 2, 2, 7},   {13, 4, 2, 2, 13},  {10, 4, 3, 3, 30}, {11, 5, 4, 4, 66}, {12, 6, 5, 5, 132},
        {22, 6, 3, 3, 77}, {26, 6, 3, 3, 130}, {59, 6, 2, 6, 27}, {11, 3, 2, 2, 19}, {20, 6, 1, 3, 3},
        {15, 15, 4, 6, 1}, {8, 3, 3, 3, 56},   {20, 6, 3, 3, 0},  {59, 6, 2, 5, 0},  {16, 6, 4, 4, 0},
    };
    for (const auto& c : cases) {
        const std::optional<KnownWheelSize> known = FindKnownWheelSize(c.v, c.k, c.t, c.m);
        EXPECT_EQ(known.has_value(), c.tickets != 0) << c.v << "," << c.k << "," << c.t << "," << c.m;
        if (known) {
            EXPECT_EQ(known->tickets, c.tickets) << c.v << "," << c.k << "," << c.t << "," << c.m;
            EXPECT_TRUE(known->proven);
            EXPECT_FALSE(known->source.empty());
        }
    }
}

} // namespace
} // namespace vantorel
