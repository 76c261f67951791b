// SPDX-License-Identifier: GPL-3.0-or-later
// Counts and skips of each number of a group, and the rows and dates of the drawings analysed.

#include "stats/StatisticsParts.h"
#include "stats/TimeOrder.h"

#include <algorithm>

namespace vantorel::stats_detail {

namespace {

// What one walk over the drawings learns about one number.
struct NumberWalk {
    int count = 0;
    int appearances = 0;   // drawings that hold it
    int firstDrawing = -1; // -1 before its first appearance
    int lastDrawing = -1;  // the newest drawing holding it so far
    int longestGap = 0;    // between two appearances
};

NumberStatistics Summarise(int number, const NumberWalk& walk, int drawings, const DrawingDates& dates) {
    NumberStatistics statistics;
    statistics.number = number;
    statistics.count = walk.count;
    if (walk.lastDrawing < 0) {
        return statistics;
    }
    const int sinceLast = drawings - 1 - walk.lastDrawing;
    statistics.currentSkip = sinceLast;
    statistics.longestSkip = std::max(walk.longestGap, sinceLast);
    if (walk.appearances >= 2) {
        // The runs between appearances add up to the span from the first to the last, less the appearances
        // inside it.
        const int gaps = walk.appearances - 1;
        statistics.averageSkip = static_cast<double>(walk.lastDrawing - walk.firstDrawing - gaps) / gaps;
    }
    statistics.lastSeenDrawing = walk.lastDrawing;
    statistics.lastSeen = dates.At(walk.lastDrawing);
    return statistics;
}

} // namespace

std::optional<CalendarDay> DrawingDates::At(int drawing) const {
    if (dates == nullptr || drawing < 0 || drawing >= static_cast<int>(rows.size())) {
        return std::nullopt;
    }
    const auto row = static_cast<std::size_t>(rows[static_cast<std::size_t>(drawing)]);
    return row < dates->size() ? CalendarDay::FromStored((*dates)[row]) : std::nullopt;
}

std::vector<int> AnalysedRows(int count, const std::vector<std::string>& dates,
                              std::optional<int> lastDrawings) {
    std::vector<int> rows = TimeOrder(count, dates);
    if (lastDrawings && *lastDrawings < static_cast<int>(rows.size())) {
        rows.erase(rows.begin(), rows.end() - std::max(*lastDrawings, 0));
    }
    return rows;
}

NumberGroupStatistics CountNumberGroup(std::string name, int lowest, int highest,
                                       const FlatDrawings& drawings, const DrawingDates& dates) {
    NumberGroupStatistics group;
    group.name = std::move(name);
    group.lowest = lowest;
    group.highest = highest;
    std::vector<NumberWalk> walks(static_cast<std::size_t>(std::max(highest - lowest + 1, 0)));
    const int count = drawings.count();
    for (int drawing = 0; drawing < count; ++drawing) {
        for (const int value : drawings.Drawing(drawing)) {
            if (value < lowest || value > highest) {
                ++group.outsideRange;
                continue;
            }
            NumberWalk& walk = walks[static_cast<std::size_t>(value - lowest)];
            ++walk.count;
            if (walk.lastDrawing == drawing) {
                continue; // the same number twice in one drawing (a hand-edited history)
            }
            if (walk.lastDrawing >= 0) {
                walk.longestGap = std::max(walk.longestGap, drawing - walk.lastDrawing - 1);
            } else {
                walk.firstDrawing = drawing;
            }
            ++walk.appearances;
            walk.lastDrawing = drawing;
        }
    }
    group.numbers.reserve(walks.size());
    for (std::size_t i = 0; i < walks.size(); ++i) {
        group.numbers.push_back(Summarise(lowest + static_cast<int>(i), walks[i], count, dates));
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
