// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/TicketTables.h"

#include "tickets/TicketCheck.h"
#include "tickets/TicketDates.h"

#include <algorithm>
#include <cstddef>
#include <span>

namespace vantorel {

namespace {

Cell DateCell(int dateKey) {
    if (dateKey == kNoDate) {
        return {};
    }
    return IsoDate{dateKey / 10000, dateKey / 100 % 100, dateKey % 100};
}

Cell PrizeCell(const PrizeTier& tier) {
    return tier.kind == PrizeKind::kFixed ? Cell(tier.dollars) : Cell();
}

} // namespace

ResultTable WinsTable(const TicketCheck& check, std::size_t first, std::size_t count) {
    ResultTable table{"wins", {"ticket", "line", "date", "matched", "bonus", "tier", "prize"}, {}};
    first = std::min(first, check.wins.size());
    const std::span<const TicketWin> wins =
        std::span<const TicketWin>(check.wins).subspan(first, std::min(count, check.wins.size() - first));
    table.rows.reserve(wins.size());
    for (const TicketWin& win : wins) {
        const PrizeTier& tier = check.TierOf(win);
        table.rows.push_back({check.TicketOf(win).text, check.TicketOf(win).line, DateCell(check.DateOf(win)),
                              check.MatchedOf(win), check.BonusOf(win) ? 1 : 0, tier.label, PrizeCell(tier)});
    }
    return table;
}

ResultTable TiersTable(const TicketCheck& check) {
    ResultTable table{"tiers", {"tier", "wins", "prize", "jackpot"}, {}};
    for (std::size_t index = 0; index < check.prizes.tiers.size(); ++index) {
        const PrizeTier& tier = check.prizes.tiers[index];
        table.AddRow({tier.label, check.summary.winsPerTier[index], PrizeCell(tier),
                      tier.kind == PrizeKind::kJackpot});
    }
    return table;
}

void AddCheckFields(ResultDocument& document, const TicketCheck& check) {
    const TicketSummary& summary = check.summary;
    document.fields.emplace_back("tickets", summary.tickets);
    document.fields.emplace_back("tickets_left_out", summary.ticketsLeftOut);
    document.fields.emplace_back("drawings", summary.drawings);
    document.fields.emplace_back("plays", summary.plays);
    document.fields.emplace_back("winning_plays", summary.wins);
    document.fields.emplace_back("fixed_prizes", summary.fixedDollars);
    document.fields.emplace_back(
        "spent", summary.spentCents ? Cell(static_cast<double>(*summary.spentCents) / 100.0) : Cell());
    document.fields.emplace_back("jackpots", summary.jackpots.size());
    document.fields.emplace_back("wins_not_listed", summary.winsNotListed);
}

} // namespace vantorel
