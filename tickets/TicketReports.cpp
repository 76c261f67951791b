// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/TicketReports.h"

#include "tickets/TicketCheck.h"
#include "tickets/TicketDates.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace vantorel {

namespace {

constexpr std::int64_t kMostMoney = std::numeric_limits<std::int64_t>::max();

std::string Grouped(std::int64_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string Counted(std::int64_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + ' ' + std::string(count == 1 ? one : many);
}

std::string BonusBallName(const PrizeTable& prizes) {
    return prizes.bonusBall.empty() ? std::string("Powerball") : prizes.bonusBall;
}

// "12/05/2026" or "drawing 2080".
std::string WhenText(const TicketCheck& check, const TicketWin& win) {
    return check.dated ? TypedDateText(check.DateOf(win)) : "drawing " + std::to_string(win.drawing + 1);
}

} // namespace

std::string DollarsText(std::int64_t dollars) {
    return '$' + Grouped(dollars);
}

std::string CentsText(std::int64_t cents) {
    std::string text = DollarsText(cents / 100);
    if (cents % 100 != 0) {
        const std::int64_t rest = cents % 100;
        text += (rest < 10 ? ".0" : ".") + std::to_string(rest);
    }
    return text;
}

std::string TierWording(const PrizeTable& prizes, const PrizeTier& tier) {
    switch (tier.shape) {
    case TierShape::kStraight:
        return "straight";
    case TierShape::kBox:
        return std::to_string(tier.boxWays) + "-way box";
    case TierShape::kBalls:
        break;
    }
    if (tier.bonus) {
        return tier.matched == 0 ? BonusBallName(prizes) + " only"
                                 : std::to_string(tier.matched) + " + " + BonusBallName(prizes);
    }
    return Counted(tier.matched, "number", "numbers");
}

std::string PrizeWording(const PrizeTier& tier) {
    switch (tier.kind) {
    case PrizeKind::kFixed:
        return DollarsText(tier.dollars);
    case PrizeKind::kJackpot:
        return "Jackpot";
    case PrizeKind::kUnknown:
        break;
    }
    return "prize not known";
}

ReportLines NewWinsLines(const TicketCheck& check) {
    ReportLines lines;
    for (std::size_t i = 0; i < check.wins.size(); ++i) {
        const TicketWin& win = check.wins[i];
        std::string& line = lines.OpenLine();
        const bool firstOfDrawing = i == 0 || check.wins[i - 1].drawing != win.drawing;
        if (firstOfDrawing) {
            line += check.dated ? "Your tickets won on " : "Your tickets won in ";
            line += WhenText(check, win) + ": ";
        } else {
            line += "; ";
        }
        const PrizeTier& tier = check.TierOf(win);
        line += "line " + std::to_string(check.TicketOf(win).line) + ", " + TierWording(check.prizes, tier) +
                ", " + PrizeWording(tier);
        const bool lastOfDrawing = i + 1 == check.wins.size() || check.wins[i + 1].drawing != win.drawing;
        if (lastOfDrawing) {
            lines.EndLine();
        }
    }
    return lines;
}

ReportLines WinLines(const TicketCheck& check, std::size_t first, std::size_t count) {
    first = std::min(first, check.wins.size());
    const std::span<const TicketWin> wins =
        std::span<const TicketWin>(check.wins).subspan(first, std::min(count, check.wins.size() - first));
    // The ends of the lines made once per tier (" won 4 + Powerball, $50,000") and the date once per
    // drawing, so that a long list costs little more than copying its text.
    std::vector<std::string> tierEnds;
    for (const PrizeTier& tier : check.prizes.tiers) {
        tierEnds.push_back(" won " + TierWording(check.prizes, tier) + ", " + PrizeWording(tier));
    }
    ReportLines lines;
    lines.Reserve(wins.size(), wins.size() * 64);
    std::string when;
    int whenDrawing = -1;
    std::array<char, 16> digits{};
    for (const TicketWin& win : wins) {
        if (win.drawing != whenDrawing) {
            when = WhenText(check, win);
            whenDrawing = win.drawing;
        }
        const Ticket& ticket = check.TicketOf(win);
        const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), ticket.line).ptr;
        std::string& line = lines.OpenLine();
        line += when;
        line += " line ";
        line.append(digits.data(), written);
        line += ": ";
        line += ticket.text;
        line += tierEnds[static_cast<std::size_t>(win.tier)];
        lines.EndLine();
    }
    return lines;
}

ReportLines SummaryLines(const TicketCheck& check) {
    const TicketSummary& summary = check.summary;
    ReportLines lines;
    const auto add = [&lines](const std::string& line) {
        lines.Add(line);
    };
    add("Checked " + Counted(summary.tickets, "ticket", "tickets") + " against " +
        Counted(summary.drawings, "drawing", "drawings") + ": " + Counted(summary.plays, "play", "plays"));
    if (summary.ticketsLeftOut > 0) {
        add("Left out: " + Counted(summary.ticketsLeftOut, "ticket", "tickets") +
            " with dates (the undated history has none)");
    }
    for (std::size_t i = 0; i < check.prizes.tiers.size(); ++i) {
        const PrizeTier& tier = check.prizes.tiers[i];
        const std::int64_t wins = i < summary.winsPerTier.size() ? summary.winsPerTier[i] : 0;
        std::string line = TierWording(check.prizes, tier) + ": " + Counted(wins, "win", "wins");
        if (tier.kind == PrizeKind::kFixed) {
            const bool fits = tier.dollars == 0 || wins <= kMostMoney / tier.dollars;
            line += " x " + DollarsText(tier.dollars) + " = " +
                    DollarsText(fits ? wins * tier.dollars : kMostMoney);
        } else {
            line += ", " + PrizeWording(tier);
        }
        add(line);
    }
    add("Fixed prizes won: " + DollarsText(summary.fixedDollars));
    if (summary.spentCents) {
        add("Spent: " + CentsText(*summary.spentCents) + " (" + Counted(summary.plays, "play", "plays") +
            " at " + CentsText(*check.prizes.ticketCents) + ")");
    } else {
        add("Spent: not known (no ticket price)");
    }
    if (summary.jackpots.empty()) {
        add("Jackpots won: none");
    }
    for (const TicketWin& win : summary.jackpots) {
        add("Jackpot won " + std::string(check.dated ? "on " : "in ") + WhenText(check, win) + ": line " +
            std::to_string(check.TicketOf(win).line) + ", " + check.TicketOf(win).text + ", " +
            TierWording(check.prizes, check.TierOf(win)));
    }
    if (!check.prizes.note.empty()) {
        add(check.prizes.note);
    }
    if (summary.winsNotListed > 0) {
        add("Wins not listed (too many): " + std::to_string(summary.winsNotListed));
    }
    return lines;
}

} // namespace vantorel
