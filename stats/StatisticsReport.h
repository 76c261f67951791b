// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ReportLines.h"

#include <optional>
#include <string>

namespace vantorel {

struct BacktestResult;
struct HistoryStatistics;

// The text reports of the statistics and of a backtest, one line each item, as vantorel-cli prints them
// and the Statistics window shows them. A value that does not exist is written "-"; means and statistics
// with two decimals, shares and chances with four.
ReportLines StatisticsReportLines(const HistoryStatistics& statistics);
ReportLines BacktestReportLines(const BacktestResult& result);

// A number with `decimals` decimals and a point, whatever the locale.
std::string FixedText(double value, int decimals);
std::string FixedText(const std::optional<double>& value, int decimals);

} // namespace vantorel
