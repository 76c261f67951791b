// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileSystem.h"
#include "tickets/PrizeTable.h"
#include "tickets/Ticket.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

struct TicketGame;

// A prize table of the player's own, `prizes.txt` beside the tickets file, one entry a line:
//
//     # Powerball prizes; "#" starts a comment, blank lines are passed over
//     ticket 2            the price of one play in dollars: 2, 2.00, 0.50 or $1.50
//     5+1 jackpot         the jackpot: its amount changes, and the summary names these wins apart
//     5+0 1000000         a fixed prize in whole dollars; "$1,000,000" is read the same
//     4+1 $50,000
//     3+0 unknown         a tier that pays an amount not known here
//
// A tier is written without blanks: for Power Ball "N+1" or "N+0" (N first-group balls matched, with
// or without the Power Ball; "N" alone is "N+0"), for 5 and 6 Number "N"; for the digit games
// "straight", "box" (every box) or the box of numbers drawable in so many orders: "box-6", "box-3"
// (3 Number), "box-24", "box-12", "box-6", "box-4" (4 Number), which takes precedence over "box".
// Words are read in any case.
//
// The tiers of the file are the tiers the game pays: when it names at least one tier, they replace every
// tier of the built-in table (a tier left out pays nothing); a file without tiers keeps the built-in
// tiers. "ticket" replaces the built-in price. A line that breaks a rule is reported with its number and
// left out; the first of two lines naming one tier counts.

inline constexpr std::string_view kPrizesFileName = "prizes.txt";
inline constexpr std::size_t kLargestPrizesFile = std::size_t{64} << 10;

struct PrizesReading {
    PrizeTable table;                    // the built-in table with the file's entries in place
    std::vector<TicketProblem> problems; // one per line left out, in file order
    bool found = false;                  // the file was there and read
    std::string failure;                 // the file is there but could not be read; empty otherwise
};

// Reads a prize table over `builtIn`, the table the game has without the file.
PrizesReading ReadPrizesText(std::string_view text, const TicketGame& game, const PrizeTable& builtIn);
// The same from a file; a missing file is no fault: the built-in table stands and `found` is false.
PrizesReading ReadPrizesFile(const std::filesystem::path& file, const TicketGame& game,
                             const PrizeTable& builtIn, FileSystem& files = RealFileSystem());

} // namespace vantorel
