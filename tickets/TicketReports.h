// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ReportLines.h"
#include "tickets/PrizeTable.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace vantorel {

struct TicketCheck;
struct TicketWin;

// What a check says to the player. Tiers are worded after the game:
//   Power Ball   "5 + Powerball" ... "1 + Powerball", "Powerball only", "5 numbers", "3 numbers"
//                (the second ball as the prize table names it: "4 + Mega Ball", "Mega Ball only")
//   5, 6 Number  "6 numbers", "3 numbers"
//   digit games  "straight", "6-way box", "3-way box" (4 Number "24-way box" ... "4-way box")
// and prizes as "$50,000", "Jackpot" or "prize not known".

// "$50,000": whole dollars with a comma every three digits.
std::string DollarsText(std::int64_t dollars);
// "$2", "$0.50", "$4,158": an amount of cents, the cents written only when there are any.
std::string CentsText(std::int64_t cents);

std::string TierWording(const PrizeTable& prizes, const PrizeTier& tier);
std::string PrizeWording(const PrizeTier& tier);

// After an update or a results import, one line per drawing that a ticket won on, for a check scoped
// to the new drawings:
//   "Your tickets won on 12/05/2026: line 3, 4 + Powerball, $50,000; line 9, Powerball only, $4"
// ("won in drawing 2080" for an undated history, counting drawings from 1). No lines when nothing won.
ReportLines NewWinsLines(const TicketCheck& check);

// One line per win, by drawing:
//   "12/05/2026 line 3: 3 11 17 21 24 + 7 won 4 + Powerball, $50,000"
// ("drawing 2080 line 3: ..." for an undated history). `first` and `count` choose a part of the wins, so
// that a long list can be written piece by piece in bounded memory.
// A long list is best written kWinLinesPerPiece lines at a time: a piece's text (about 64 KB) is reused
// from the heap, where the text of 80000 wins at once (5 MB) is taken from the system and touched anew.
inline constexpr std::size_t kWinLinesPerPiece = 1024;
ReportLines WinLines(const TicketCheck& check, std::size_t first = 0,
                     std::size_t count = std::numeric_limits<std::size_t>::max());

// The summary of a check:
//   "Checked 1000 tickets against 2079 drawings: 2079000 plays"
//   "Left out: 3 tickets with dates (the undated history has none)"     when any were
//   one line per tier: "4 + Powerball: 2 wins x $50,000 = $100,000", "5 + Powerball: 0 wins, Jackpot",
//                      "4 numbers: 2 wins, prize not known"
//   "Fixed prizes won: $50,000"
//   "Spent: $4,158,000 (2079000 plays at $2)" or "Spent: not known (no ticket price)"
//   "Jackpots won: none" or one "Jackpot won on 12/05/2026: line 3, 3 11 17 21 24 + 7, 5 + Powerball" each
//   the prize table's note, when it has one
//   "Wins not listed (too many): N"                                      when any were not
ReportLines SummaryLines(const TicketCheck& check);

} // namespace vantorel
