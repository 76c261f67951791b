// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"
#include "shell/ChartData.h"

#include <optional>
#include <vector>

namespace vantorel {

class RandomSource;

// The lotto picks of a "Random" or "Best Guess": shown on the first repaint after the sheet has closed.
struct LottoPickRow {
    bool insufficient = false; // "Insufficient Best Guess Data" stands above the (random) picks
    std::vector<int> picks;    // in the order shown
    bool powerBall = false;    // the last pick is the Power Ball, shown after a plus sign
};

// Everything a repaint of the chart view draws: the chart data of the last run of the sheet, the game
// maximums in force when it was collected, and the lotto picks while they are still to be shown.
struct ChartPicture {
    ChartData chart;
    GameSettings settings;
    std::optional<LottoPickRow> lottoPicks;
};

// The picture of freshly collected chart data. The lotto picks are taken here, once: a Best Guess's own
// picks, or random picks drawn from `random` (after "Random", or under the notice when Best Guess had too
// little history), so repaints never draw them anew.
ChartPicture MakeChartPicture(const ChartData& chart, const GameSettings& settings, RandomSource& random);

} // namespace vantorel
