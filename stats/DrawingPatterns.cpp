// SPDX-License-Identifier: GPL-3.0-or-later
// What each drawing looks like: its sum, its even/odd and high/low split, its consecutive numbers and
// what it repeats from the drawing before it.

#include "stats/StatisticsParts.h"

#include <algorithm>
#include <cmath>

namespace vantorel::stats_detail {

SumStatistics SumsOf(const FlatDrawings& drawings) {
    SumStatistics statistics;
    const int count = drawings.count();
    if (count == 0) {
        return statistics;
    }
    std::vector<long long> sums;
    sums.reserve(static_cast<std::size_t>(count));
    for (int drawing = 0; drawing < count; ++drawing) {
        long long sum = 0;
        for (const int value : drawings.Drawing(drawing)) {
            sum += value;
        }
        sums.push_back(sum);
    }
    double total = 0.0;
    for (const long long sum : sums) {
        total += static_cast<double>(sum);
    }
    const double mean = total / count;
    statistics.mean = mean;
    if (count >= 2) {
        double squares = 0.0;
        for (const long long sum : sums) {
            squares += (static_cast<double>(sum) - mean) * (static_cast<double>(sum) - mean);
        }
        statistics.standardDeviation = std::sqrt(squares / (count - 1));
    }
    const auto [smallest, largest] = std::minmax_element(sums.begin(), sums.end());
    // A history edited by hand may hold huge numbers: a histogram wider than this lists only the sums drawn.
    constexpr long long kWidestHistogram = 100000;
    if (*largest - *smallest < kWidestHistogram) {
        for (long long sum = *smallest; sum <= *largest; ++sum) {
            statistics.histogram.push_back({static_cast<int>(sum), 0});
        }
        for (const long long sum : sums) {
            ++statistics.histogram[static_cast<std::size_t>(sum - *smallest)].drawings;
        }
        return statistics;
    }
    std::sort(sums.begin(), sums.end());
    for (const long long sum : sums) {
        if (statistics.histogram.empty() || statistics.histogram.back().sum != static_cast<int>(sum)) {
            statistics.histogram.push_back({static_cast<int>(sum), 0});
        }
        ++statistics.histogram.back().drawings;
    }
    return statistics;
}

ConsecutiveStatistics ConsecutiveOf(const DistinctBalls& drawings) {
    ConsecutiveStatistics statistics;
    statistics.drawingsByPairs.assign(static_cast<std::size_t>(std::max(drawings.width, 1)), 0);
    for (int drawing = 0; drawing < drawings.count(); ++drawing) {
        const std::span<const int> sorted = drawings.Drawing(drawing);
        std::size_t pairs = 0;
        for (std::size_t i = 1; i < sorted.size(); ++i) {
            pairs += sorted[i] == sorted[i - 1] + 1 ? 1 : 0;
        }
        ++statistics.drawingsByPairs[pairs];
        statistics.drawingsWithAny += pairs > 0 ? 1 : 0;
    }
    return statistics;
}

RepeatStatistics RepeatsOf(const FlatDrawings& drawings, bool positional, double randomExpectation) {
    RepeatStatistics statistics;
    statistics.randomExpectation = randomExpectation;
    statistics.drawingsByRepeats.assign(static_cast<std::size_t>(drawings.width) + 1, 0);
    long long repeated = 0;
    for (int drawing = 1; drawing < drawings.count(); ++drawing) {
        const std::span<const int> previous = drawings.Drawing(drawing - 1);
        const std::span<const int> values = drawings.Drawing(drawing);
        std::size_t repeats = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const bool again = positional
                                   ? values[i] == previous[i]
                                   : std::find(previous.begin(), previous.end(), values[i]) != previous.end();
            repeats += again ? 1 : 0;
        }
        ++statistics.drawingsByRepeats[repeats];
        repeated += static_cast<long long>(repeats);
    }
    if (drawings.count() >= 2) {
        statistics.meanPerDrawing = static_cast<double>(repeated) / (drawings.count() - 1);
    }
    return statistics;
}

} // namespace vantorel::stats_detail
