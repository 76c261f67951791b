// Numbers drawn together: pairs and triples of balls, pairs of digits, box combinations.

#include "stats/StatisticsParts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace vantorel::stats_detail {

namespace {

// The most frequent first, then in the order of their numbers.
bool RanksBefore(const NumberCombination& a, const NumberCombination& b) {
    return a.count != b.count ? a.count > b.count : a.numbers < b.numbers;
}

// The distinct balls 1 .. highest of a drawing, ascending.
std::vector<int> DistinctBalls(std::span<const int> drawing, int highest) {
    std::vector<int> balls;
    for (const int ball : drawing) {
        if (ball >= 1 && ball <= highest) {
            balls.push_back(ball);
        }
    }
    std::sort(balls.begin(), balls.end());
    balls.erase(std::unique(balls.begin(), balls.end()), balls.end());
    return balls;
}

// Counts of combinations kept by index, with each combination recorded the first time it is counted.
class CombinationTally final {
public:
    explicit CombinationTally(std::size_t size) : counts_(size, 0) {}

    void Count(std::size_t index, std::initializer_list<int> numbers) {
        if (counts_[index]++ == 0) {
            seen_.push_back({std::vector<int>(numbers), static_cast<int>(index)});
        }
    }
    // The combinations counted, the most frequent first; the `limit` first when given.
    std::vector<NumberCombination> Ranked(std::size_t limit = SIZE_MAX) && {
        for (NumberCombination& combination : seen_) {
            combination.count = counts_[static_cast<std::size_t>(combination.count)];
        }
        if (limit < seen_.size()) {
            std::partial_sort(seen_.begin(), seen_.begin() + static_cast<std::ptrdiff_t>(limit), seen_.end(),
                              RanksBefore);
            seen_.resize(limit);
        } else {
            std::sort(seen_.begin(), seen_.end(), RanksBefore);
        }
        return std::move(seen_);
    }

private:
    std::vector<int> counts_;
    std::vector<NumberCombination> seen_; // `count` holds the index until Ranked
};

} // namespace

std::vector<NumberCombination> CountBallPairs(const FlatDrawings& drawings, int highest) {
    const auto side = static_cast<std::size_t>(highest) + 1;
    CombinationTally tally(side * side);
    for (int drawing = 0; drawing < drawings.count(); ++drawing) {
        const std::vector<int> balls = DistinctBalls(drawings.Drawing(drawing), highest);
        for (std::size_t i = 0; i < balls.size(); ++i) {
            for (std::size_t j = i + 1; j < balls.size(); ++j) {
                tally.Count(static_cast<std::size_t>(balls[i]) * side + static_cast<std::size_t>(balls[j]),
                            {balls[i], balls[j]});
            }
        }
    }
    return std::move(tally).Ranked();
}

std::vector<NumberCombination> TopBallTriples(const FlatDrawings& drawings, int highest, std::size_t limit) {
    // Triples a < b < c indexed by the combinatorial number system: C(a-1, 1) + C(b-1, 2) + C(c-1, 3).
    const auto choose2 = [](std::size_t n) {
        return n * (n - 1) / 2;
    };
    const auto choose3 = [](std::size_t n) {
        return n * (n - 1) * (n - 2) / 6;
    };
    const auto range = static_cast<std::size_t>(std::max(highest, 0));
    CombinationTally tally(choose3(range + 2) + 1);
    for (int drawing = 0; drawing < drawings.count(); ++drawing) {
        const std::vector<int> balls = DistinctBalls(drawings.Drawing(drawing), highest);
        for (std::size_t i = 0; i < balls.size(); ++i) {
            for (std::size_t j = i + 1; j < balls.size(); ++j) {
                for (std::size_t k = j + 1; k < balls.size(); ++k) {
                    const std::size_t index = static_cast<std::size_t>(balls[i] - 1) +
                                              choose2(static_cast<std::size_t>(balls[j] - 1)) +
                                              choose3(static_cast<std::size_t>(balls[k] - 1));
                    tally.Count(index, {balls[i], balls[j], balls[k]});
                }
            }
        }
    }
    return std::move(tally).Ranked(limit);
}

std::vector<NumberCombination> CountDigitPairs(const FlatDrawings& digits) {
    CombinationTally tally(100);
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
        std::vector<int> sorted(positions.begin(), positions.end());
        std::sort(sorted.begin(), sorted.end());
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
