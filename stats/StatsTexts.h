// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/HistoryFile.h"

#include <string>
#include <string_view>

namespace vantorel {

// The refusals of the statistics and the backtests.
inline constexpr std::string_view kLastDrawingsTooFew =
    "The number of newest drawings to analyse must be 1 or more.";
inline constexpr std::string_view kWarmupNegative = "The warm-up must be 0 drawings or more.";
inline constexpr std::string_view kNotAPrediction =
    "Only the predictions can be backtested: Overdue, Hottest, Random and Best Guess.";
inline constexpr std::string_view kRestrictedPrediction =
    "A backtest replays the predictions made from every earlier drawing: choose \"Normal\" under "
    "\"Predictions\" to backtest Overdue or Hottest on dated drawings.";
inline constexpr std::string_view kBacktestCancelled = "The backtest was cancelled.";

// A maximum setting below the balls a drawing takes from its group.
std::string MaximumTooSmallText(std::string_view key, int maximum, int balls, int gameType);

} // namespace vantorel
