// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Operations.h"
#include "shell/HandOver.h"

#include <array>
#include <optional>
#include <vector>

namespace vantorel {

class SheetResults;
struct SheetState;

// One digit distribution series: ten counts and their sum (a zero sum means no data).
struct DigitSeries {
    std::array<int, 10> values{};
    int sum = 0;
};

// The digit series in the order the chart takes them: the last non-empty one is drawn.
enum DigitSeriesIndex : int {
    kThreeNumberUndatedSeries = 0,
    kThreeNumberDatedSeries = 1,
    kFourNumberDatedSeries = 2,
    kFourNumberUndatedSeries = 3,
};
inline constexpr int kDigitSeriesCount = 4;

// What the chart view draws, collected from the sheet and the results when the sheet has closed. All of it
// is replaced at every double-click, also when the sheet was cancelled.
struct ChartData {
    int plantedSeed = 0;            // the sheet's seed; 0 = none
    bool lottoChartPending = false; // a lotto "Distribution" ran
    int pickMode = 0;               // 0: no picks; a lotto game: 1; a digit game: its picked number
    bool digitPickPresent = false;  // a digit "Random" or "Best Guess" left its number (000 too) in pickMode
    bool picksPresent = false;      // a lotto "Best Guess" handed its picks over
    std::optional<Operation> pickOperation; // the operation whose picks are shown: kRandom or kBestGuess
    PageFlags pageFlags{};                  // which game was active in the last run
    std::array<DigitSeries, kDigitSeriesCount> digitSeries{};
    std::array<int, 10> chartPicks{}; // the digit counts of the series taken, or a lotto game's picks
    // A lotto "Distribution": ballCounts[b] is how often ball b was drawn (index 0 unused); for Power Ball
    // the first group, with powerBallCounts[b] for the second group.
    std::vector<int> ballCounts;
    std::vector<int> powerBallCounts;
};

// Collects the chart data of a run of the sheet that has just closed: the sheet's seed, chart flags and
// page flags; the picked number (digit game) or the "Best Guess" picks (lotto game) when the last operation
// chosen leaves picks; unless a lotto game's picks are shown, the deciles and digit counts of every digit
// "Distribution" of the run; and the ball counts of the active lotto game's "Distribution".
ChartData CollectChartData(const SheetState& sheet, const SheetResults& results);

} // namespace vantorel
