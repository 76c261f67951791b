// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RandomGenerator.h"

#include <algorithm>
#include <vector>

namespace vantorel::test {

// `count` different numbers 1 .. maximum taken from `random`, in the order they came: made-up drawings and
// tickets for the tests and the benchmarks.
inline std::vector<int> DistinctBalls(RandomSource& random, int count, int maximum) {
    std::vector<int> balls;
    while (static_cast<int>(balls.size()) < count) {
        const int ball = random.Next() % maximum + 1;
        if (std::find(balls.begin(), balls.end(), ball) == balls.end()) {
            balls.push_back(ball);
        }
    }
    return balls;
}

} // namespace vantorel::test
