#include "tickets/TicketCheck.h"

#include "tickets/TicketDates.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <limits>

namespace vantorel {

namespace {

constexpr int kEarliest = std::numeric_limits<int>::min();
constexpr int kLatest = std::numeric_limits<int>::max();
constexpr std::int64_t kMostMoney = std::numeric_limits<std::int64_t>::max();

// Sums of money stop at the largest amount instead of wrapping round.
std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    return a > kMostMoney - b ? kMostMoney : a + b;
}

std::int64_t SaturatingProduct(std::int64_t a, std::int64_t b) {
    return b != 0 && a > kMostMoney / b ? kMostMoney : a * b;
}

// A ticket as the inner loop compares it.
struct EncodedTicket {
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    int bonus = 0;
    int number = -1;       // digit straight: the number
    int sortedDigits = -1; // digit box: the digits' key
    bool box = false;
    int digitTier = -1; // digit games: the tier the ticket wins, -1 when the table pays none for it
    int from = kEarliest;
    int to = kLatest;
    int index = 0;
    int line = 0;
};

EncodedTicket Encode(const Ticket& ticket, int index, bool dated, const PrizeTable& prizes,
                     const TicketGame& game) {
    EncodedTicket encoded;
    encoded.index = index;
    encoded.line = ticket.line;
    if (game.digitGame()) {
        int number = 0;
        for (const int digit : ticket.numbers) {
            number = number * 10 + digit;
        }
        encoded.number = number;
        encoded.sortedDigits = SortedDigitsKey(ticket.numbers);
        encoded.box = ticket.box;
        encoded.digitTier = ticket.box ? prizes.BoxTier(BoxWaysOf(ticket.numbers)) : prizes.StraightTier();
    } else {
        for (const int ball : ticket.numbers) {
            if (ball >= 1 && ball < 64) {
                encoded.low |= std::uint64_t{1} << ball;
            } else if (ball >= 64 && ball < 128) {
                encoded.high |= std::uint64_t{1} << (ball - 64);
            }
        }
        encoded.bonus = ticket.bonus;
    }
    if (dated && ticket.limited()) {
        // A drawing without a good date (kNoDate) lies before every limited ticket's first day.
        encoded.from = ticket.validFrom != kNoDate ? ticket.validFrom : kNoDate + 1;
        encoded.to = ticket.validTo != kNoDate ? ticket.validTo : kLatest;
    }
    return encoded;
}

// The tier of every lotto and Power Ball result, by matched * 2 + bonus.
constexpr std::size_t kMostBalls = 7;
using BallTierLookup = std::array<int, (kMostBalls + 1) * 2>;

BallTierLookup LookupOf(const PrizeTable& prizes) {
    BallTierLookup lookup{};
    for (std::size_t matched = 0; matched <= kMostBalls; ++matched) {
        for (const bool bonus : {false, true}) {
            lookup[matched * 2 + (bonus ? 1 : 0)] = prizes.TierOf(static_cast<int>(matched), bonus);
        }
    }
    return lookup;
}

class WinTally final {
public:
    explicit WinTally(TicketCheck& check) : check_(check) {
        check_.summary.winsPerTier.assign(check_.prizes.tiers.size(), 0);
    }

    void Add(const EncodedTicket& ticket, int drawing, int date, int matched, bool bonus, int tier) {
        TicketSummary& summary = check_.summary;
        const TicketWin win{ticket.index, ticket.line, drawing, date, matched, bonus, tier};
        const PrizeTier& prize = check_.prizes.tiers[static_cast<std::size_t>(tier)];
        ++summary.wins;
        ++summary.winsPerTier[static_cast<std::size_t>(tier)];
        switch (prize.kind) {
        case PrizeKind::kFixed:
            summary.fixedDollars = SaturatingAdd(summary.fixedDollars, prize.dollars);
            break;
        case PrizeKind::kJackpot:
            if (summary.jackpots.size() < kMostWinsListed) {
                summary.jackpots.push_back(win);
            }
            break;
        case PrizeKind::kUnknown:
            ++summary.winsOfUnknownAmount;
            break;
        }
        if (check_.wins.size() < kMostWinsListed) {
            check_.wins.push_back(win);
        } else {
            ++summary.winsNotListed;
        }
    }

private:
    TicketCheck& check_;
};

std::string RefusalOf(const TicketGame& game, const DrawingsToCheck& history, const CheckScope& scope) {
    if (history.gameType != game.gameType) {
        return "These are " + std::string(TicketGameTitle(game.gameType)) +
               " tickets; the history is of the " + std::string(TicketGameTitle(history.gameType)) + " game.";
    }
    if (scope.since != kNoDate && !history.dated) {
        return "The undated history has no dates: tickets are checked since " + TypedDateText(scope.since) +
               " only against the dated history.";
    }
    return {};
}

// Compares every ticket in its validity with every drawing in the scope.
template <typename Compare>
void CheckDrawings(const std::vector<EncodedTicket>& tickets, const DrawingsToCheck& history,
                   const CheckScope& scope, TicketSummary& summary, Compare compare) {
    const int count = static_cast<int>(history.drawings.size());
    for (int index = std::clamp(scope.fromDrawing, 0, count); index < count; ++index) {
        const DrawingToCheck& drawing = history.drawings[static_cast<std::size_t>(index)];
        if (scope.since != kNoDate && drawing.date < scope.since) {
            continue;
        }
        ++summary.drawings;
        for (const EncodedTicket& ticket : tickets) {
            if (drawing.date < ticket.from || drawing.date > ticket.to) {
                continue;
            }
            ++summary.plays;
            compare(ticket, drawing, index);
        }
    }
}

} // namespace

TicketCheck CheckTickets(const TicketGame& game, const std::vector<Ticket>& tickets,
                         const DrawingsToCheck& history, const PrizeTable& prizes, const CheckScope& scope) {
    TicketCheck check;
    check.game = game;
    check.dated = history.dated;
    check.tickets = tickets;
    check.prizes = prizes;
    WinTally tally(check);
    check.refusal = RefusalOf(game, history, scope);
    if (!check.refusal.empty()) {
        return check;
    }
    std::vector<EncodedTicket> encoded;
    encoded.reserve(tickets.size());
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        if (!history.dated && tickets[i].limited()) {
            ++check.summary.ticketsLeftOut;
            continue;
        }
        encoded.push_back(Encode(tickets[i], static_cast<int>(i), history.dated, prizes, game));
    }
    check.summary.tickets = static_cast<int>(encoded.size());
    if (game.digitGame()) {
        const int digits = game.mainCount;
        CheckDrawings(encoded, history, scope, check.summary,
                      [&](const EncodedTicket& ticket, const DrawingToCheck& drawing, int index) {
                          const bool won = ticket.box ? drawing.sortedDigits == ticket.sortedDigits
                                                      : drawing.number == ticket.number;
                          if (won && ticket.digitTier >= 0) {
                              tally.Add(ticket, index, drawing.date, digits, false, ticket.digitTier);
                          }
                      });
    } else {
        const BallTierLookup lookup = LookupOf(prizes);
        CheckDrawings(encoded, history, scope, check.summary,
                      [&](const EncodedTicket& ticket, const DrawingToCheck& drawing, int index) {
                          const int matched = std::popcount(ticket.low & drawing.low) +
                                              std::popcount(ticket.high & drawing.high);
                          const bool bonus = ticket.bonus != 0 && ticket.bonus == drawing.bonus;
                          const std::size_t slot =
                              static_cast<std::size_t>(std::min(matched, static_cast<int>(kMostBalls))) * 2 +
                              (bonus ? 1 : 0);
                          if (const int tier = lookup[slot]; tier >= 0) {
                              tally.Add(ticket, index, drawing.date, matched, bonus, tier);
                          }
                      });
    }
    if (prizes.ticketCents) {
        check.summary.spentCents = SaturatingProduct(*prizes.ticketCents, check.summary.plays);
    }
    return check;
}

WinRecord RecordOf(const TicketCheck& check, const TicketWin& win) {
    const PrizeTier& tier = check.prizes.tiers[static_cast<std::size_t>(win.tier)];
    WinRecord record;
    record.line = win.line;
    record.ticket = check.tickets[static_cast<std::size_t>(win.ticket)].text;
    record.drawing = win.drawing;
    record.date = IsoDateText(win.date);
    record.matched = win.matched;
    record.bonus = win.bonus;
    record.tier = tier.label;
    if (tier.kind == PrizeKind::kFixed) {
        record.prize = tier.dollars;
    }
    record.jackpot = tier.kind == PrizeKind::kJackpot;
    return record;
}

} // namespace vantorel
