// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/FairnessTest.h"
#include "stats/Distributions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace vantorel {
namespace {

struct TailCase {
    double statistic;
    int degreesOfFreedom;
    double pValue;
};

TEST(FairnessTest, ChiSquareUpperTailMatchesPublishedValues) {
    const std::vector<TailCase> cases = {
        {3.841458820694124, 1, 0.05}, // the 95 % points of the tables
        {18.307038053275146, 10, 0.05},
        {124.34211340400407, 100, 0.05},
        {21.665994333461924, 9, 0.01},                  // the 99 % point
        {1.0, 1, std::erfc(1.0 / std::numbers::sqrt2)}, // one degree: a squared standard normal
        {10.0, 2, std::exp(-5.0)},                      // two degrees: an exponential
        {0.0, 5, 1.0},
        {400.0, 10, 0.0},
    };
    for (const TailCase& tail : cases) {
        EXPECT_NEAR(ChiSquareUpperTail(tail.statistic, tail.degreesOfFreedom), tail.pValue, 1e-9)
            << tail.statistic << " with " << tail.degreesOfFreedom;
    }
}

TEST(FairnessTest, StatisticIsScaledForDrawingsWithoutReplacement) {
    // 4 drawings of 2 from 4 numbers: expected 2 each, Pearson (4 + 0 + 1 + 1) / 2 = 3, scaled by 3 / 2.
    const std::vector<int> counts = {4, 2, 1, 1};
    const FairnessResult result = ChiSquareFairness("numbers", counts, 4, 2, 0);
    EXPECT_DOUBLE_EQ(*result.statistic, 4.5);
    EXPECT_EQ(result.degreesOfFreedom, 3);
    // Three degrees of freedom: erfc(sqrt(x / 2)) + sqrt(2x / pi) exp(-x / 2).
    const double expected = std::erfc(1.5) + std::sqrt(9.0 / std::numbers::pi) * std::exp(-2.25);
    EXPECT_NEAR(*result.pValue, expected, 1e-12);
}

TEST(FairnessTest, SentencesSayWhatTheTestFound) {
    const std::vector<int> even(10, 10);
    std::vector<int> lopsided(10, 0);
    lopsided[0] = 100;
    const std::vector<int> slightly = {12, 8, 10, 10, 10, 10, 10, 10, 10, 10};
    EXPECT_EQ(ChiSquareFairness("digits", even, 100, 1, 0).sentence, kConsistentWithFairDraw);
    EXPECT_EQ(ChiSquareFairness("digits", slightly, 100, 1, 0).sentence, kConsistentWithFairDraw);
    EXPECT_EQ(ChiSquareFairness("digits", lopsided, 100, 1, 0).sentence, "unusual: p < 0.001");
    EXPECT_EQ(ChiSquareFairness("digits", std::vector<int>(10, 1), 10, 1, 0).sentence, kTooFewToJudge);
    EXPECT_EQ(ChiSquareFairness("digits", std::vector<int>(10, 0), 0, 1, 0).sentence, kNoDrawingsToTest);
    const FairnessResult outside = ChiSquareFairness("balls 1 to 26", even, 20, 5, 3);
    EXPECT_FALSE(outside.statistic);
    EXPECT_EQ(outside.sentence, "not tested: the history holds 3 numbers outside the game's range");

    EXPECT_EQ(PValueText(0.0034), "p = 0.003");
    EXPECT_EQ(PValueText(0.0095), "p = 0.009");
    EXPECT_EQ(PValueText(0.00049), "p < 0.001");
    // A p-value just below the threshold is unusual and says so with its value.
    const std::vector<int> skewed = {135, 65, 100, 100, 100, 100, 100, 100, 100, 100};
    const FairnessResult unusual = ChiSquareFairness("digits", skewed, 1000, 1, 0);
    ASSERT_LT(*unusual.pValue, kUnusualBelow);
    EXPECT_EQ(unusual.sentence, "unusual: " + PValueText(*unusual.pValue));
}

TEST(FairnessTest, CombinedTestAddsStatisticsAndDegrees) {
    const std::vector<int> counts = {12, 8, 10, 10, 10, 10, 10, 10, 10, 10};
    const FairnessResult part = ChiSquareFairness("tens digits", counts, 100, 1, 0);
    const std::vector<FairnessResult> parts = {part, part, part};
    const FairnessResult all = CombinedFairness("digits of every position", parts);
    EXPECT_DOUBLE_EQ(*all.statistic, 3 * *part.statistic);
    EXPECT_EQ(all.degreesOfFreedom, 27);
    EXPECT_NEAR(*all.pValue, ChiSquareUpperTail(3 * *part.statistic, 27), 1e-15);
}

TEST(FairnessTest, HypergeometricAndSuccessCountChances) {
    const std::vector<double> sixOf49 = HypergeometricProbabilities(49, 6, 6);
    ASSERT_EQ(sixOf49.size(), 7U);
    EXPECT_NEAR(sixOf49[3], 246820.0 / 13983816.0, 1e-15);
    EXPECT_NEAR(sixOf49[6], 1.0 / 13983816.0, 1e-18);
    const std::vector<double> sevenPicks = HypergeometricProbabilities(49, 6, 7);
    double total = 0.0;
    double mean = 0.0;
    for (std::size_t x = 0; x < sevenPicks.size(); ++x) {
        total += sevenPicks[x];
        mean += static_cast<double>(x) * sevenPicks[x];
    }
    EXPECT_NEAR(total, 1.0, 1e-12);
    EXPECT_NEAR(mean, 7.0 * 6 / 49, 1e-12);
    EXPECT_TRUE(HypergeometricProbabilities(5, 6, 2).empty());
    // Picks that must meet the drawing: 4 of 5 picked, 3 of 5 drawn, at least 2 shared.
    EXPECT_EQ(HypergeometricProbabilities(5, 3, 4)[1], 0.0);

    const std::vector<double> chances = {0.1, 0.1, 0.1};
    const std::vector<double> binomial = SuccessCountProbabilities(chances);
    const std::vector<double> expected = {0.729, 0.243, 0.027, 0.001};
    ASSERT_EQ(binomial.size(), expected.size());
    for (std::size_t x = 0; x < expected.size(); ++x) {
        EXPECT_NEAR(binomial[x], expected[x], 1e-15);
    }
    const std::vector<double> unequal = {0.2, 0.1};
    EXPECT_NEAR(SuccessCountProbabilities(unequal)[1], 0.26, 1e-15);
}

} // namespace
} // namespace vantorel
