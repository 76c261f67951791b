// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers drawn together: pairs and triples of balls, pairs of digits, box combinations.

#include "stats/StatisticsParts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <span>

namespace vantorel::stats_detail {

namespace {

constexpr int kMostDigits = 4;

// The most frequent first, then in the order of their numbers.
bool RanksBefore(const NumberCombination& a, const NumberCombination& b) {
    return a.count != b.count ? a.count > b.count : a.numbers < b.numbers;
}

// The most frequent first; combinations given in number order keep it among equal counts. The `limit`
// first are kept.
std::vector<NumberCombination> Ranked(std::vector<NumberCombination> combinations,
                                      std::size_t limit = SIZE_MAX) {
    std::stable_sort(
        combinations.begin(), combinations.end(),
        [](const NumberCombination& a, const NumberCombination& b) { return a.count > b.count; });
    combinations.resize(std::min(limit, combinations.size()));
    return combinations;
}

// The smallest count that the `limit` most frequent of `counts` reach (at least 1).
int LeastCountOfTop(const std::vector<int>& counts, std::size_t limit) {
    const int most = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    std::vector<std::size_t> withCount(static_cast<std::size_t>(most) + 1, 0);
    for (const int count : counts) {
        ++withCount[static_cast<std::size_t>(count)];
    }
    std::size_t reached = 0;
    for (int count = most; count > 1; --count) {
        reached += withCount[static_cast<std::size_t>(count)];
        if (reached >= limit) {
            return count;
        }
    }
    return 1;
}

// Puts two small values in ascending order by arithmetic: digits come in no order a branch could learn.
void Exchange(int& low, int& high) {
    const int difference = high - low;
    const int swap = difference & (difference >> 31); // the difference when high < low, else 0
    low += swap;
    high -= swap;
}

// The key of a box combination: its digits (at most kMostDigits) in ascending order, read as a number.
// Sorting networks on values held in registers: no branch to mispredict, nothing stored and reloaded.
std::size_t BoxKey(std::span<const int> digits) {
    if (digits.size() == 4) {
        int a = digits[0], b = digits[1], c = digits[2], d = digits[3];
        Exchange(a, b);
        Exchange(c, d);
        Exchange(a, c);
        Exchange(b, d);
        Exchange(b, c);
        return static_cast<std::size_t>(((a * 10 + b) * 10 + c) * 10 + d);
    }
    if (digits.size() == 3) {
        int a = digits[0], b = digits[1], c = digits[2];
        Exchange(a, b);
        Exchange(b, c);
        Exchange(a, b);
        return static_cast<std::size_t>((a * 10 + b) * 10 + c);
    }
    if (digits.size() == 2) {
        int a = digits[0], b = digits[1];
        Exchange(a, b);
        return static_cast<std::size_t>(a * 10 + b);
    }
    return digits.empty() ? 0 : static_cast<std::size_t>(digits[0]);
}

// The keys with a count above 0, the most frequent first and ascending among equal counts: a counting sort,
// as the counts are no more than the drawings.
std::vector<int> RankedKeys(const std::vector<int>& counts) {
    const int most = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    // Where the keys of each count start among the ranked keys: counts from the most down.
    std::vector<std::size_t> start(static_cast<std::size_t>(most) + 2, 0);
    for (const int count : counts) {
        if (count > 0) {
            ++start[static_cast<std::size_t>(most - count) + 1];
        }
    }
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<int> ranked(start.back());
    for (std::size_t key = 0; key < counts.size(); ++key) {
        if (const int count = counts[key]; count > 0) {
            ranked[start[static_cast<std::size_t>(most - count)]++] = static_cast<int>(key);
        }
    }
    return ranked;
}

} // namespace

DistinctBalls DistinctBallsOf(const FlatDrawings& drawings, int highest) {
    DistinctBalls distinct;
    distinct.width = drawings.width;
    distinct.values.assign(drawings.values.size(), 0);
    distinct.sizes.reserve(static_cast<std::size_t>(drawings.count()));
    for (int drawing = 0; drawing < drawings.count(); ++drawing) {
        // An insertion sort of a handful of balls, dropping repeats and balls outside 1 .. highest.
        int* const first = distinct.values.data() + static_cast<std::ptrdiff_t>(drawing) * drawings.width;
        int size = 0;
        for (const int ball : drawings.Drawing(drawing)) {
            if (ball < 1 || ball > highest) {
                continue;
            }
            int at = size;
            while (at > 0 && first[at - 1] > ball) {
                --at;
            }
            if (at > 0 && first[at - 1] == ball) {
                continue;
            }
            std::copy_backward(first + at, first + size, first + size + 1);
            first[at] = ball;
            ++size;
        }
        distinct.sizes.push_back(size);
    }
    return distinct;
}

std::vector<NumberCombination> CountBallPairs(const DistinctBalls& drawings, int highest) {
    const auto side = static_cast<std::size_t>(std::max(highest, 0)) + 1;
    std::vector<int> counts(side * side, 0);
    for (int drawing = 0; drawing < drawings.count(); ++drawing) {
        const std::span<const int> balls = drawings.Drawing(drawing);
        for (std::size_t i = 0; i < balls.size(); ++i) {
            for (std::size_t j = i + 1; j < balls.size(); ++j) {
                ++counts[static_cast<std::size_t>(balls[i]) * side + static_cast<std::size_t>(balls[j])];
            }
        }
    }
    std::vector<NumberCombination> pairs;
    for (int low = 1; low <= highest; ++low) {
        for (int high = low + 1; high <= highest; ++high) {
            const int count = counts[static_cast<std::size_t>(low) * side + static_cast<std::size_t>(high)];
            if (count > 0) {
                pairs.push_back({{low, high}, count});
            }
        }
    }
    return Ranked(std::move(pairs));
}

std::vector<NumberCombination> TopBallTriples(const DistinctBalls& drawings, int highest, std::size_t limit) {
    // Triples a < b < c indexed by the combinatorial number system, C(a-1, 1) + C(b-1, 2) + C(c-1, 3): the
    // indexes 0 .. C(highest, 3) - 1, in the order of c, then b, then a.
    const auto choose2 = [](std::size_t n) {
        return n * (n - 1) / 2;
    };
    const auto choose3 = [](std::size_t n) {
        return n * (n - 1) * (n - 2) / 6;
    };
    const auto range = static_cast<std::size_t>(std::max(highest, 0));
    std::vector<int> counts(range >= 3 ? choose3(range) : 0, 0);
    for (int drawing = 0; drawing < drawings.count(); ++drawing) {
        const std::span<const int> balls = drawings.Drawing(drawing);
        for (std::size_t i = 0; i < balls.size(); ++i) {
            for (std::size_t j = i + 1; j < balls.size(); ++j) {
                const std::size_t pairIndex =
                    static_cast<std::size_t>(balls[i] - 1) + choose2(static_cast<std::size_t>(balls[j] - 1));
                for (std::size_t k = j + 1; k < balls.size(); ++k) {
                    ++counts[pairIndex + choose3(static_cast<std::size_t>(balls[k] - 1))];
                }
            }
        }
    }
    // Only the triples that can be among the most frequent are listed, then ranked.
    const int least = LeastCountOfTop(counts, limit);
    std::vector<NumberCombination> triples;
    std::size_t index = 0;
    for (int c = 3; c <= highest; ++c) {
        for (int b = 2; b < c; ++b) {
            for (int a = 1; a < b; ++a, ++index) {
                if (counts[index] >= least) {
                    triples.push_back({{a, b, c}, counts[index]});
                }
            }
        }
    }
    std::sort(triples.begin(), triples.end(), RanksBefore);
    triples.resize(std::min(limit, triples.size()));
    return triples;
}

std::vector<NumberCombination> CountDigitPairs(const FlatDrawings& digits) {
    std::array<int, 100> counts{};
    // A drawing counts once for each pair of digits it holds in two positions: 112 holds 1 1 and 1 2. The
    // drawing that last counted each pair tells whether this one did already, without a branch to mispredict.
    std::array<int, 100> countedBy{};
    countedBy.fill(-1);
    for (int drawing = 0; drawing < digits.count(); ++drawing) {
        const std::span<const int> positions = digits.Drawing(drawing);
        for (std::size_t i = 0; i < positions.size(); ++i) {
            for (std::size_t j = i + 1; j < positions.size(); ++j) {
                int low = positions[i];
                int high = positions[j];
                Exchange(low, high);
                const auto index = static_cast<std::size_t>(low * 10 + high);
                counts[index] += countedBy[index] != drawing ? 1 : 0;
                countedBy[index] = drawing;
            }
        }
    }
    std::vector<NumberCombination> pairs;
    for (int low = 0; low <= 9; ++low) {
        for (int high = low; high <= 9; ++high) {
            const int count = counts[static_cast<std::size_t>(low * 10 + high)];
            if (count > 0) {
                pairs.push_back({{low, high}, count});
            }
        }
    }
    return Ranked(std::move(pairs));
}

std::vector<NumberCombination> CountBoxCombinations(const FlatDrawings& digits) {
    // A box combination is the same however its digits came: its key is its digits in ascending order.
    const int width = std::min(digits.width, kMostDigits);
    int keys = 1;
    for (int position = 0; position < width; ++position) {
        keys *= 10;
    }
    std::vector<int> counts(static_cast<std::size_t>(keys), 0);
    for (int drawing = 0; drawing < digits.count(); ++drawing) {
        ++counts[BoxKey(digits.Drawing(drawing).first(static_cast<std::size_t>(width)))];
    }
    // All keys have `width` digits, so ascending keys are the combinations in the order of their digits;
    // the keys are ranked first, so that each combination is made once, in its place.
    const std::vector<int> drawnKeys = RankedKeys(counts);
    std::vector<NumberCombination> boxes;
    boxes.reserve(drawnKeys.size());
    for (const int key : drawnKeys) {
        std::vector<int> combination(static_cast<std::size_t>(width));
        for (int i = width - 1, rest = key; i >= 0; --i, rest /= 10) {
            combination[static_cast<std::size_t>(i)] = rest % 10;
        }
        boxes.push_back({std::move(combination), counts[static_cast<std::size_t>(key)]});
    }
    return boxes;
}

} // namespace vantorel::stats_detail
