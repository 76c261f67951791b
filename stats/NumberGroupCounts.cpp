// SPDX-License-Identifier: GPL-3.0-or-later
// Counts and skips of each number of a group, and the rows and dates of the drawings analysed.

#include "stats/StatisticsParts.h"
#include "stats/TimeOrder.h"

#include <algorithm>
#include <numeric>
#include <span>

namespace vantorel::stats_detail {

namespace {

// What the drawings that hold a number tell of it.
struct NumberWalk {
    int count = 0;
    int appearances = 0;   // drawings that hold it
    int firstDrawing = -1; // -1 before its first appearance
    int lastDrawing = -1;  // the newest drawing holding it so far
    int longestGap = 0;    // between two appearances
};

// The record of every number of a group is kept: 10,000 of them in the 4 Number game.
static_assert(sizeof(NumberStatistics) <= 32, "a number's statistics stay small");

// The walk of one number over the drawings that hold it, oldest first (one drawing twice when it holds the
// number twice, as a hand-edited history may).
NumberWalk WalkOf(std::span<const int> drawingsHolding) {
    NumberWalk walk;
    walk.count = static_cast<int>(drawingsHolding.size());
    for (const int drawing : drawingsHolding) {
        if (drawing == walk.lastDrawing) {
            continue;
        }
        if (walk.lastDrawing >= 0) {
            walk.longestGap = std::max(walk.longestGap, drawing - walk.lastDrawing - 1);
        } else {
            walk.firstDrawing = drawing;
        }
        ++walk.appearances;
        walk.lastDrawing = drawing;
    }
    return walk;
}

// Fills the record of a number in place (built elsewhere and copied, its many small fields cost more than
// the counting).
void Summarise(NumberStatistics& statistics, const NumberWalk& walk, int drawings,
               const DrawingDates& dates) {
    statistics.count = walk.count;
    if (walk.lastDrawing < 0) {
        return;
    }
    const int sinceLast = drawings - 1 - walk.lastDrawing;
    statistics.SetSkips(sinceLast, std::max(walk.longestGap, sinceLast));
    if (walk.appearances >= 2) {
        // The runs between appearances add up to the span from the first to the last, less the appearances
        // inside it.
        const int gaps = walk.appearances - 1;
        statistics.SetAverageSkip(static_cast<double>(walk.lastDrawing - walk.firstDrawing - gaps) / gaps);
    }
    statistics.SetLastSeen(dates.At(walk.lastDrawing));
}

} // namespace

std::optional<CalendarDay> DrawingDates::At(int drawing) const {
    if (drawing < 0 || drawing >= static_cast<int>(days.size())) {
        return std::nullopt;
    }
    return days[static_cast<std::size_t>(drawing)];
}

DrawingDates AnalysedDrawings(int count, const std::vector<std::string>& dates, bool dated,
                              std::optional<int> lastDrawings) {
    DrawingDates drawings{TimeOrder(count, dates), {}};
    std::vector<int>& rows = drawings.rows;
    if (lastDrawings && *lastDrawings < static_cast<int>(rows.size())) {
        rows.erase(rows.begin(), rows.end() - std::max(*lastDrawings, 0));
    }
    if (dated) {
        drawings.days.reserve(rows.size());
        for (const int row : rows) {
            const auto index = static_cast<std::size_t>(row);
            drawings.days.push_back(index < dates.size() ? CalendarDay::FromStored(dates[index])
                                                         : std::nullopt);
        }
    }
    return drawings;
}

NumberGroupStatistics CountNumberGroup(std::string name, int lowest, int highest,
                                       const FlatDrawings& drawings, const DrawingDates& dates) {
    NumberGroupStatistics group;
    group.name = std::move(name);
    group.lowest = lowest;
    group.highest = highest;
    const auto range = static_cast<std::size_t>(std::max(highest - lowest + 1, 0));
    const auto inRange = [lowest, highest](int value) {
        return value >= lowest && value <= highest;
    };
    // The drawings that hold each number, gathered by a counting sort (a running walk for each number of the
    // range would take five times this memory, most of it for the 4 Number game's never drawn numbers):
    // after it, number lowest + i came in the drawings held[ends[i - 1] .. ends[i]), oldest first, with
    // ends[-1] taken as 0.
    std::vector<int> ends(range + 1, 0);
    for (const int value : drawings.values) {
        if (inRange(value)) {
            ++ends[static_cast<std::size_t>(value - lowest) + 1];
        } else {
            ++group.outsideRange;
        }
    }
    std::partial_sum(ends.begin(), ends.end(), ends.begin());
    std::vector<int> held(static_cast<std::size_t>(ends.back()));
    const int count = drawings.count();
    for (int drawing = 0; drawing < count; ++drawing) {
        for (const int value : drawings.Drawing(drawing)) {
            if (inRange(value)) {
                held[static_cast<std::size_t>(ends[static_cast<std::size_t>(value - lowest)]++)] = drawing;
            }
        }
    }
    group.numbers.resize(range);
    for (std::size_t i = 0; i < range; ++i) {
        NumberStatistics& number = group.numbers[i];
        number.number = lowest + static_cast<int>(i);
        const auto first = static_cast<std::size_t>(i == 0 ? 0 : ends[i - 1]);
        const auto holding =
            std::span<const int>(held).subspan(first, static_cast<std::size_t>(ends[i]) - first);
        Summarise(number, WalkOf(holding), count, dates);
    }
    return group;
}

std::vector<int> CountsOf(const NumberGroupStatistics& group) {
    std::vector<int> counts;
    counts.reserve(group.numbers.size());
    for (const NumberStatistics& number : group.numbers) {
        counts.push_back(number.count);
    }
    return counts;
}

} // namespace vantorel::stats_detail
