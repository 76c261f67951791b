// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelDesigns.h"
#include "wheels/CoverageVerifier.h"
#include "wheels/WheelBounds.h"

#include <gtest/gtest.h>

#include <set>

namespace vantorel {
namespace {

// Every construction is a covering with blocks of K, and a Steiner system: as many blocks as the
// Schönheim bound, no two alike.
TEST(WheelDesignsTest, EveryKnownDesignIsASteinerSystem) {
    const std::vector<DesignParameters> parameters = KnownDesignParameters();
    ASSERT_GE(parameters.size(), 50U);
    for (const DesignParameters& p : parameters) {
        const std::string label = std::to_string(p.v) + "," + std::to_string(p.k) + "," + std::to_string(p.t);
        const std::optional<Design> design = KnownDesign(p.v, p.k, p.t, 100'000);
        ASSERT_TRUE(design.has_value()) << label;
        EXPECT_EQ(FindMissingSet(p.v, design->blocks, p.t, p.t).status, CoverageVerdict::Status::Holds)
            << label;
        EXPECT_EQ(design->blocks.size(), SchoenheimBound(p.v, p.k, p.t)) << label;
        const std::set<PoolMask> distinct(design->blocks.begin(), design->blocks.end());
        EXPECT_EQ(distinct.size(), design->blocks.size()) << label;
        for (const PoolMask& block : design->blocks) {
            EXPECT_EQ(block.Count(), p.k) << label;
            EXPECT_TRUE((block & ~PoolMask::FirstN(p.v)).Empty()) << label;
        }
    }
}

TEST(WheelDesignsTest, NamesTheDesignsAPlayerAsksFor) {
    const struct {
        int v, k, t;
        const char* name;
    } cases[] = {
        {7, 3, 2, "projective plane PG(2,2)"},
        {9, 3, 2, "affine plane AG(2,3)"},
        {13, 4, 2, "projective plane PG(2,3)"},
        {8, 4, 3, "Steiner system S(3,4,8)"},
        {10, 4, 3, "Steiner system S(3,4,10)"},
        {11, 5, 4, "Steiner system S(4,5,11)"},
        {12, 6, 5, "Steiner system S(5,6,12)"},
        {22, 6, 3, "Steiner system S(3,6,22)"},
        {15, 3, 2, "Steiner system S(2,3,15) (Bose)"},
        {19, 3, 2, "Steiner system S(2,3,19) (Skolem)"},
        {26, 6, 3, "Steiner system S(3,6,26) (inversive plane of order 5)"},
    };
    for (const auto& c : cases) {
        const std::optional<Design> design = KnownDesign(c.v, c.k, c.t, 100'000);
        ASSERT_TRUE(design.has_value()) << c.name;
        EXPECT_EQ(design->name, c.name);
    }
    EXPECT_FALSE(KnownDesign(20, 6, 3, 100'000).has_value());
    EXPECT_FALSE(KnownDesign(30, 4, 4, 1000).has_value()) << "every 4-set would be 27405 blocks";
    EXPECT_EQ(KnownDesign(6, 3, 3, 1000)->blocks.size(), 20U);
}

TEST(WheelDesignsTest, ShortenedDesignsStillCover) {
    for (const int v : {19, 20, 21}) {
        const Design shortened = ShortenDesign(*KnownDesign(22, 6, 3, 100'000), v);
        EXPECT_EQ(FindMissingSet(v, shortened.blocks, 3, 3).status, CoverageVerdict::Status::Holds) << v;
        EXPECT_LE(shortened.blocks.size(), 77U);
        for (const PoolMask& block : shortened.blocks) {
            EXPECT_EQ(block.Count(), 6);
            EXPECT_TRUE((block & ~PoolMask::FirstN(v)).Empty());
        }
    }
}

} // namespace
} // namespace vantorel
