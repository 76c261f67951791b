// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"
#include "tickets/DrawingsToCheck.h"
#include "tickets/PrizeTable.h"
#include "tickets/Ticket.h"
#include "tickets/TicketGame.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// Checking the player's tickets against a history: every ticket against every drawing of its validity,
// each result looked up in the prize table.
//
//   TicketsReading tickets = ReadTicketsFile("tickets.txt", game);
//   PrizeTable prizes = ReadPrizesFile("prizes.txt", game, PrizeTableFor(game, presetName)).table;
//   Outcome<TicketCheck> check = CheckTickets(game, std::move(tickets.tickets), DrawingsOf(table), prizes,
//                                             {since, 0});                   // or its refusal
//   for (std::size_t first = 0; first < check->wins.size(); first += kWinLinesPerPiece)
//       write(WinLines(*check, first, kWinLinesPerPiece));                       // TicketReports.h
//   write(SummaryLines(*check));
//
// Dated and undated histories: a ticket's validity dates and a `since` date need the drawings' dates.
// Against an undated history, tickets with validity dates are left out (the summary counts them) and a
// `since` date refuses the check. In a dated history, a drawing whose stored date is not a day of the
// calendar is checked only for tickets without validity dates, and never after a `since` date.
//
// Digit games: a straight ticket wins when the drawing is its number; a box ticket wins when the drawing
// holds its digits in any order, each digit as often as the ticket does (112 box wins on 121 and 211, not
// on 122 or 123), also in the ticket's own order. A box pays by the orders its digits can be drawn in
// (box-3 for 112, box-6 for 123; box-12, box-6, box-4 and box-24 for 4 Number). A ticket wins one tier per
// drawing at most.

// Which drawings to check.
struct CheckScope {
    int since = 0; // only drawings on or after this day (a date key); 0: every date
    // Only drawings at this index or later: a history's count before an append or an import gives the
    // drawings it added. A results import into a full history drops its oldest drawings and so moves the
    // indexes: check its new drawings with `since`, the day after the newest date held before.
    int fromDrawing = 0;
};

// One ticket that won on one drawing, kept small: a check may list a million of them. The tier says how
// many balls matched and whether the second-group ball did (TicketCheck::MatchedOf and BonusOf).
struct TicketWin {
    std::int32_t ticket = 0;   // index in TicketCheck::tickets
    std::uint16_t drawing = 0; // index in the history, oldest first, from 0
    std::uint16_t tier = 0;    // index in TicketCheck::prizes.tiers
};

// The drawings a check takes at most: every history holds fewer (kDigitCapacity is the largest).
inline constexpr std::size_t kMostDrawingsChecked = 65535;

// The wins listed at most; further wins are counted in the summary only.
inline constexpr std::size_t kMostWinsListed = 1000000;

struct TicketSummary {
    int tickets = 0;        // tickets checked
    int ticketsLeftOut = 0; // tickets with validity dates left out of an undated history's check
    int drawings = 0;       // drawings in the scope
    // Ticket and drawing pairs checked: each ticket against the drawings of its days.
    std::int64_t plays = 0;
    std::int64_t wins = 0;
    std::vector<std::int64_t> winsPerTier;  // in the order of the prize table's tiers
    std::int64_t fixedDollars = 0;          // the fixed prizes won, in whole dollars
    std::int64_t winsOfUnknownAmount = 0;   // wins of tiers whose amount the table does not know
    std::vector<TicketWin> jackpots;        // the jackpot wins (kMostWinsListed at most), also unlisted ones
    std::optional<std::int64_t> spentCents; // the price of a play times the plays; nothing without a price
    std::int64_t winsNotListed = 0;         // wins beyond kMostWinsListed
};

struct TicketCheck {
    TicketGame game;
    bool dated = false;
    std::vector<Ticket> tickets; // the tickets checked, left-out ones too
    PrizeTable prizes;
    std::vector<TicketWin> wins; // by drawing, then by ticket, as in the file
    TicketSummary summary;
    std::vector<int> drawingDates; // the day of every drawing of the history as a date key; kNoDate undated

    const Ticket& TicketOf(const TicketWin& win) const {
        return tickets[static_cast<std::size_t>(win.ticket)];
    }
    const PrizeTier& TierOf(const TicketWin& win) const {
        return prizes.tiers[static_cast<std::size_t>(win.tier)];
    }
    int DateOf(const TicketWin& win) const { return drawingDates[static_cast<std::size_t>(win.drawing)]; }
    // First-group balls matched (digit games: every digit) and whether the second-group ball matched.
    int MatchedOf(const TicketWin& win) const {
        return TierOf(win).shape == TierShape::kBalls ? TierOf(win).matched : game.mainCount;
    }
    bool BonusOf(const TicketWin& win) const { return TierOf(win).bonus; }
};

// The tickets are kept in the result: move them in when the caller needs them no more. Refused, with
// nothing checked, for a `since` date against an undated history, tickets of another game, or a history of
// more than kMostDrawingsChecked drawings.
Outcome<TicketCheck> CheckTickets(const TicketGame& game, std::vector<Ticket> tickets,
                                  const DrawingsToCheck& history, const PrizeTable& prizes,
                                  const CheckScope& scope = {});

// One win as reports and exports show it.
struct WinRecord {
    int line = 0;
    std::string_view ticket; // the ticket's text; valid while the check lives
    int drawing = 0;         // index in the history, from 0
    std::string date;        // ISO YYYY-MM-DD; empty for an undated history
    int matched = 0;
    bool bonus = false;
    std::string_view tier;             // "4+1", "3", "straight", "box-6"
    std::optional<std::int64_t> prize; // whole dollars; nothing for a jackpot or an amount not known
    bool jackpot = false;
};
WinRecord RecordOf(const TicketCheck& check, const TicketWin& win);

} // namespace vantorel
