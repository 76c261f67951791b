// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

namespace vantorel {

// The chance that a chi-square variable with `degreesOfFreedom` (at least 1) is at least `statistic`:
// the p-value of a chi-square test, the upper regularized incomplete gamma function Q(df / 2, x / 2).
double ChiSquareUpperTail(double statistic, int degreesOfFreedom);

// Entry x is the chance that x of `picks` distinct numbers, chosen at random from `population`, are among
// the `drawn` distinct numbers of a drawing (hypergeometric); x runs from 0 to min(picks, drawn). Empty when
// picks or drawn lie outside 0 .. population.
std::vector<double> HypergeometricProbabilities(int population, int drawn, int picks);

// Entry x is the chance that exactly x of independent trials succeed, trial i with chance chances[i]
// (entries 0 .. chances.size()).
std::vector<double> SuccessCountProbabilities(std::span<const double> chances);

// The standard normal quantile of 0.975: a 95 % interval reaches this many standard errors each way.
inline constexpr double kNormalQuantile975 = 1.959963984540054;

} // namespace vantorel
