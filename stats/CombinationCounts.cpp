// Numbers drawn together: pairs and triples of balls, pairs of digits, box combinations.

#include "stats/StatisticsParts.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vantorel::stats_detail {

namespace {

// The most frequent first, then in the order of their numbers.
bool RanksBefore(const NumberCombination& a, const NumberCombination& b) {
    return a.count != b.count ? a.count > b.count : a.numbers < b.numbers;
}

// Counts of combinations of N numbers kept by index, each combination recorded the first time it is
// counted.
template <std::size_t N> class CombinationTally final {
public:
    using Numbers = std::array<int, N>;

    explicit CombinationTally(std::size_t size) : counts_(size, 0) {}

    void Count(std::size_t index, const Numbers& numbers) {
        if (counts_[index]++ == 0) {
            seen_.push_back({index, numbers});
        }
    }

    // The combinations counted, the most frequent first (then in number order); the `limit` first of them.
    std::vector<NumberCombination> Ranked(std::size_t limit = SIZE_MAX) && {
        const auto ranksBefore = [this](const Seen& a, const Seen& b) {
            const int countA = counts_[a.index];
            const int countB = counts_[b.index];
            return countA != countB ? countA > countB : a.numbers < b.numbers;
        };
        const std::size_t kept = std::min(limit, seen_.size());
        std::partial_sort(seen_.begin(), seen_.begin() + static_cast<std::ptrdiff_t>(kept), seen_.end(),
                          ranksBefore);
        std::vector<NumberCombination> ranked;
        ranked.reserve(kept);
        for (std::size_t i = 0; i < kept; ++i) {
            ranked.push_back({{seen_[i].numbers.begin(), seen_[i].numbers.end()}, counts_[seen_[i].index]});
        }
        return ranked;
    }

private:
    struct Seen {
        std::size_t index;
        Numbers numbers;
    };
    std::vector<int> counts_;
    std::vector<Seen> seen_;
};

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
    CombinationTally<2> tally(side * side);
    for (int drawing = 0; drawing < drawings.count(); ++drawing) {
        const std::span<const int> balls = drawings.Drawing(drawing);
        for (std::size_t i = 0; i < balls.size(); ++i) {
            for (std::size_t j = i + 1; j < balls.size(); ++j) {
                tally.Count(static_cast<std::size_t>(balls[i]) * side + static_cast<std::size_t>(balls[j]),
                            {balls[i], balls[j]});
            }
        }
    }
    return std::move(tally).Ranked();
}

std::vector<NumberCombination> TopBallTriples(const DistinctBalls& drawings, int highest, std::size_t limit) {
    // Triples a < b < c indexed by the combinatorial number system: C(a-1, 1) + C(b-1, 2) + C(c-1, 3).
    const auto choose2 = [](std::size_t n) {
        return n * (n - 1) / 2;
    };
    const auto choose3 = [](std::size_t n) {
        return n * (n - 1) * (n - 2) / 6;
    };
    CombinationTally<3> tally(choose3(static_cast<std::size_t>(std::max(highest, 0)) + 2) + 1);
    for (int drawing = 0; drawing < drawings.count(); ++drawing) {
        const std::span<const int> balls = drawings.Drawing(drawing);
        for (std::size_t i = 0; i < balls.size(); ++i) {
            for (std::size_t j = i + 1; j < balls.size(); ++j) {
                const std::size_t pairIndex =
                    static_cast<std::size_t>(balls[i] - 1) + choose2(static_cast<std::size_t>(balls[j] - 1));
                for (std::size_t k = j + 1; k < balls.size(); ++k) {
                    tally.Count(pairIndex + choose3(static_cast<std::size_t>(balls[k] - 1)),
                                {balls[i], balls[j], balls[k]});
                }
            }
        }
    }
    return std::move(tally).Ranked(limit);
}

std::vector<NumberCombination> CountDigitPairs(const FlatDrawings& digits) {
    CombinationTally<2> tally(100);
    for (int drawing = 0; drawing < digits.count(); ++drawing) {
        const std::span<const int> positions = digits.Drawing(drawing);
        // A drawing counts once for each pair of digits it holds in two positions: 112 holds 1 1 and 1 2.
        std::array<bool, 100> held{};
        for (std::size_t i = 0; i < positions.size(); ++i) {
            for (std::size_t j = i + 1; j < positions.size(); ++j) {
                const int low = std::min(positions[i], positions[j]);
                const int high = std::max(positions[i], positions[j]);
                const auto index = static_cast<std::size_t>(low * 10 + high);
                if (!held[index]) {
                    held[index] = true;
                    tally.Count(index, {low, high});
                }
            }
        }
    }
    return std::move(tally).Ranked();
}

std::vector<NumberCombination> CountBoxCombinations(const FlatDrawings& digits) {
    std::size_t size = 1;
    for (int position = 0; position < digits.width; ++position) {
        size *= 10;
    }
    std::vector<NumberCombination> boxes;
    std::vector<int> counts(size, 0);
    for (int drawing = 0; drawing < digits.count(); ++drawing) {
        const std::span<const int> positions = digits.Drawing(drawing);
        // The digits in ascending order, by insertion: a box combination is the same however they came.
        std::vector<int> sorted;
        sorted.reserve(positions.size());
        for (const int digit : positions) {
            sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), digit), digit);
        }
        std::size_t key = 0;
        for (const int digit : sorted) {
            key = key * 10 + static_cast<std::size_t>(digit);
        }
        if (counts[key]++ == 0) {
            boxes.push_back({std::move(sorted), static_cast<int>(key)});
        }
    }
    for (NumberCombination& box : boxes) {
        box.count = counts[static_cast<std::size_t>(box.count)];
    }
    std::sort(boxes.begin(), boxes.end(), RanksBefore);
    return boxes;
}

} // namespace vantorel::stats_detail
