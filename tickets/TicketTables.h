// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/ResultDocument.h"

#include <cstddef>
#include <limits>

namespace vantorel {

struct TicketCheck;

// A check as tables, for the CSV and JSON writers (the command line's --format and the My Tickets window's
// export):
// - "wins": one row per winning ticket and drawing, the columns ticket, line, date (YYYY-MM-DD; empty for
//   an undated history), matched, bonus (0 or 1), tier ("4+1", "3", "straight", "box-6") and prize (whole
//   dollars; empty for a jackpot or an amount not known);
// - "tiers": one row per tier of the prize table: tier, wins, prize (as in "wins"), jackpot (true or false);
// and the summary as fields: tickets, tickets_left_out, drawings, plays, winning_plays, fixed_prizes, spent
// (whole and hundredths of dollars; empty without a ticket price), jackpots, wins_not_listed.
// `first` and `count` choose a part of the wins, so that a long list can be written piece by piece.
ResultTable WinsTable(const TicketCheck& check, std::size_t first = 0,
                      std::size_t count = std::numeric_limits<std::size_t>::max());
ResultTable TiersTable(const TicketCheck& check);
void AddCheckFields(ResultDocument& document, const TicketCheck& check);

} // namespace vantorel
