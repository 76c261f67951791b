// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pieces the statistics of every game are made of, on the analysed drawings laid out flat.

#include "stats/CalendarDay.h"
#include "stats/HistoryStatistics.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantorel::stats_detail {

// The drawings analysed, oldest first, `width` values each (balls, digits, a whole number or a Power Ball).
struct FlatDrawings {
    int width = 0;
    std::vector<int> values;

    int count() const { return width <= 0 ? 0 : static_cast<int>(values.size()) / width; }
    std::span<const int> Drawing(int drawing) const {
        return std::span<const int>(values).subspan(static_cast<std::size_t>(drawing * width),
                                                    static_cast<std::size_t>(width));
    }
};

// The distinct balls 1 .. highest of each drawing, ascending: drawing i fills sizes[i] of its `width` slots.
struct DistinctBalls {
    int width = 0;
    std::vector<int> values;
    std::vector<int> sizes;

    int count() const { return static_cast<int>(sizes.size()); }
    std::span<const int> Drawing(int drawing) const {
        return std::span<const int>(values).subspan(
            static_cast<std::size_t>(drawing * width),
            static_cast<std::size_t>(sizes[static_cast<std::size_t>(drawing)]));
    }
};
DistinctBalls DistinctBallsOf(const FlatDrawings& drawings, int highest);

// The drawings analysed: drawing i is row rows[i] of its table, drawn on days[i] (dated histories; none
// when its date cannot be read). The days are read once, in order: looking a stored date up for each of
// thousands of numbers would jump about the table.
struct DrawingDates {
    std::vector<int> rows;
    std::vector<std::optional<CalendarDay>> days;

    std::optional<CalendarDay> At(int drawing) const;
};

// The rows a history's statistics look at, in time order (the newest `lastDrawings` only when given), with
// their days when the history is dated.
DrawingDates AnalysedDrawings(int count, const std::vector<std::string>& dates, bool dated,
                              std::optional<int> lastDrawings);

// Counts and skips of every number lowest .. highest over the drawings, each drawing holding the values of
// its row of `drawings`.
NumberGroupStatistics CountNumberGroup(std::string name, int lowest, int highest,
                                       const FlatDrawings& drawings, const DrawingDates& dates);
// How often each number of the group was drawn, lowest first.
std::vector<int> CountsOf(const NumberGroupStatistics& group);

// Lotto games: every pair of balls 1 .. highest drawn together, and the `limit` most frequent triples.
std::vector<NumberCombination> CountBallPairs(const DistinctBalls& drawings, int highest);
std::vector<NumberCombination> TopBallTriples(const DistinctBalls& drawings, int highest, std::size_t limit);
// Digit games (one drawing: its digits): pairs of digits in two positions, and box combinations.
std::vector<NumberCombination> CountDigitPairs(const FlatDrawings& digits);
std::vector<NumberCombination> CountBoxCombinations(const FlatDrawings& digits);

// Sums of the drawings' values.
SumStatistics SumsOf(const FlatDrawings& drawings);
// Drawings by how many of their values are "first" (even, or high) and how many not.
template <typename IsFirst>
std::vector<SplitPattern> SplitPatternsOf(const FlatDrawings& drawings, IsFirst isFirst) {
    std::vector<SplitPattern> patterns;
    const int width = drawings.width;
    for (int first = width; first >= 0; --first) {
        patterns.push_back({first, width - first, 0});
    }
    for (int drawing = 0; drawing < drawings.count(); ++drawing) {
        int first = 0;
        for (const int value : drawings.Drawing(drawing)) {
            first += isFirst(value) ? 1 : 0;
        }
        ++patterns[static_cast<std::size_t>(width - first)].drawings;
    }
    return patterns;
}
// Consecutive pairs among the distinct balls of each drawing.
ConsecutiveStatistics ConsecutiveOf(const DistinctBalls& drawings);
// Values a drawing repeats from the one before it: anywhere in it, or (positional) in the same position.
RepeatStatistics RepeatsOf(const FlatDrawings& drawings, bool positional, double randomExpectation);

} // namespace vantorel::stats_detail
