// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotto/LottoRandomPicks.h"

#include "platform/RandomGenerator.h"

#include <algorithm>

namespace vantorel {

namespace {

// Random values modulo 100 give the numbers 0..99.
constexpr int kHighestDrawable = 99;
// A safeguard against a random source that never yields the numbers still wanted.
constexpr int kDrawLimit = 1000000;

} // namespace

std::vector<int> RandomLottoPicks(int count, int maximum, RandomSource& random) {
    const int highest = std::min(maximum, kHighestDrawable);
    if (count <= 0 || highest < count) {
        return {};
    }
    std::vector<int> picks;
    for (int draw = 0; static_cast<int>(picks.size()) < count; ++draw) {
        if (draw == kDrawLimit) {
            return {};
        }
        const int number = random.Next() % 100;
        if (number >= 1 && number <= highest &&
            std::find(picks.begin(), picks.end(), number) == picks.end()) {
            picks.push_back(number);
        }
    }
    return picks;
}

std::vector<int> RandomPowerballPicks(int firstGroupBalls, int group1Max, int group2Max,
                                      RandomSource& random) {
    std::vector<int> picks =
        firstGroupBalls > 0 ? RandomLottoPicks(firstGroupBalls, group1Max, random) : std::vector<int>{};
    if (static_cast<int>(picks.size()) != std::max(firstGroupBalls, 0)) {
        return {};
    }
    const std::vector<int> power = RandomLottoPicks(1, group2Max, random);
    if (power.empty()) {
        return {};
    }
    picks.push_back(power.front());
    return picks;
}

} // namespace vantorel
