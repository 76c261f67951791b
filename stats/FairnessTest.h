// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantorel {

// A p-value below this makes a fairness test say "unusual".
inline constexpr double kUnusualBelow = 0.01;
// Each number must be expected at least this often for the chi-square approximation to be trusted.
inline constexpr double kLeastExpectedCount = 5.0;

inline constexpr std::string_view kConsistentWithFairDraw = "consistent with a fair draw";
inline constexpr std::string_view kNoDrawingsToTest = "no drawings to test";
inline constexpr std::string_view kTooFewToJudge =
    "too few drawings to judge: each number is expected fewer than 5 times";

// Pearson's chi-square test of drawn counts against a fair draw.
struct FairnessResult {
    std::string subject;             // what was counted, for example "balls 1 to 49" or "tens digits"
    std::optional<double> statistic; // absent when no test could be made
    int degreesOfFreedom = 0;
    std::optional<double> pValue;
    std::string sentence; // "consistent with a fair draw", "unusual: p = 0.003", or why it cannot tell
};

// The test of `counts` (entry i: how often the i-th number of the range was drawn) over `drawings`
// drawings, each taking `perDrawing` distinct numbers of the range without replacement. Pearson's
// statistic is scaled by (M - 1) / (M - k), M numbers in the range and k per drawing, which gives it the
// chi-square distribution with M - 1 degrees of freedom under a fair draw. `outsideRange` counts drawn
// values outside the range: any of them leaves the test undone.
FairnessResult ChiSquareFairness(std::string subject, std::span<const int> counts, int drawings,
                                 int perDrawing, int outsideRange);

// Independent tests taken together: their statistics and degrees of freedom add up.
FairnessResult CombinedFairness(std::string subject, std::span<const FairnessResult> parts);

// "p = 0.003" (three decimals), or "p < 0.001".
std::string PValueText(double pValue);

} // namespace vantorel
