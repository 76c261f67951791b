// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheels/WheelGenerator.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantorel {

// The words and tables that the command line and the Wheel window show for a wheel; both use these, so
// they say the same.
//
// A generated wheel:
//   "15 tickets of 6 numbers from a pool of 12, guarantee 3 if 3, verified."
//   "Size against the Schönheim bound: 15 tickets, the bound 11 (4 above it)."
//   "Best known: 15 tickets (proven optimal; ...)."
//   "Made by: <method>, in 0.4 s."
// and its table of wins, which ends with "Cost: 15 tickets at $1.00 = $15.00." when a price was given.

// "$1,234.50".
std::string MoneyText(std::int64_t cents);

// The lines above; the best known size only when catalogued.
std::vector<std::string> WheelSummaryLines(const WheelResult& result);

// "The tickets hold 3 if 3 for the 12 pool numbers: 15 tickets." for a check that holds; for one that
// misses "The tickets miss the guarantee 3 if 3: no ticket holds 3 of 1 2 5." (the first M numbers missed).
std::string CheckVerdictText(const WheelCheckResult& result);

// The table of wins as columns and rows of cells, for the text, the window and the files.
struct WinsTableCells {
    std::vector<std::string> header; // "In pool", "Guaranteed", "Average best", "Matching K" .. "Matching T"
    std::vector<std::vector<std::string>> rows; // "-" where a level cannot be reached
    bool sampled = false;                       // some averages come from a sample of the draws (marked "*")
};

// `lowestLevel` is the guarantee T: the levels shown are the ticket size K (the table's last row) down to T.
WinsTableCells WinsCells(const WinsTable& wins, int lowestLevel);

// The table as aligned text lines: a title line, the header, one line per row, a note when sampled, and
// the cost line when a price was given.
std::vector<std::string> WinsTableLines(const WinsTable& wins, int lowestLevel);

} // namespace vantorel
