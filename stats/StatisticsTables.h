// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/ResultDocument.h"

namespace vantorel {

struct BacktestResult;
struct HistoryStatistics;

// The statistics and a backtest as named-column tables and fields, for CSV and JSON: what vantorel-cli's
// --format csv|json writes and what the Statistics window's tables export. A value that does not exist is
// an empty cell (null in JSON). Digit-game numbers are texts with every digit ("007").
//
// Statistics: the field "drawings" (analysed) and the tables "numbers" (one row for every number of the
// range), "power_balls" (Power Ball), "pairs" (numbers [a, b], count), "triples" (lotto games),
// "position_digits" and "box_combinations" (digit games), "sums" (mean, std: one record), "sum_counts",
// "even_odd", "high_low", "consecutive" (lotto games), "repeats", "fairness" (the test of the game's
// numbers: one record) and "fairness_parts" (the Power Balls; each digit position).
void AddStatisticsTables(ResultDocument& document, const HistoryStatistics& statistics);

// Backtest: the fields "operation", "variant", "drawings_tested", "pick_count", "mean_matches",
// "random_expectation", "verdict" (of the balls, digits or numbers predicted), the record "ci95" (low,
// high), the table "matches" (how often each number of matches occurred against its chance with random
// picks) and for Power Ball the record "power_balls".
void AddBacktestTables(ResultDocument& document, const BacktestResult& result);

} // namespace vantorel
