// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace vantorel {

class RandomSource;

// The random picks the chart view draws: `count` distinct numbers from 1 to `maximum`, in the order drawn,
// each drawn by repeating (random value modulo 100) until it lies in range. Random values modulo 100
// never exceed 99, so a maximum above 99 draws from 1..99. When fewer than `count` numbers can occur,
// there are no picks (an empty list) instead of an endless wait.
std::vector<int> RandomLottoPicks(int count, int maximum, RandomSource& random);

// Power Ball: `firstGroupBalls` distinct picks from 1..group1Max, then one Power Ball from 1..group2Max,
// from the same generator; empty when either group cannot be drawn.
std::vector<int> RandomPowerballPicks(int firstGroupBalls, int group1Max, int group2Max,
                                      RandomSource& random);

} // namespace vantorel
