// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/TicketCheck.h"

#include "platform/GameCatalogue.h"
#include "tickets/TicketDates.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <iterator>
#include <limits>
#include <span>
#include <utility>

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

// A ticket as the check compares it.
struct EncodedTicket {
    std::span<const int> balls; // lotto and Power Ball: the first-group balls, in the ticket checked
    int bonus = 0;
    int number = -1;       // digit games: the number
    int sortedDigits = -1; // digit games: the key of its digits in any order
    bool box = false;
    int digitTier = -1; // digit games: the tier the ticket wins, -1 when the table pays none for it
    int from = kEarliest;
    int to = kLatest;
    int index = 0; // in the tickets given

    bool PlaysOn(int date) const { return from <= date && date <= to; }
};

EncodedTicket Encode(const Ticket& ticket, int index, bool dated, const PrizeTable& prizes,
                     const TicketGame& game) {
    EncodedTicket encoded;
    encoded.index = index;
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
        encoded.balls = std::span<const int>(ticket.numbers);
        encoded.bonus = ticket.bonus;
    }
    if (dated && ticket.limited()) {
        // A drawing without a good date (kNoDate) lies before every limited ticket's first day.
        encoded.from = ticket.validFrom != kNoDate ? ticket.validFrom : kNoDate + 1;
        encoded.to = ticket.validTo != kNoDate ? ticket.validTo : kLatest;
    }
    return encoded;
}

// The tickets that hold each key (a ball, a Power Ball, a digit number), in ticket order, all in one array.
class TicketIndex final {
public:
    // `keysOf(ticket, add)` calls add(key) for every key of the ticket; keys outside 0..`highestKey` are
    // passed over.
    template <typename KeysOf>
    TicketIndex(const std::vector<EncodedTicket>& tickets, int highestKey, KeysOf keysOf)
        : starts_(static_cast<std::size_t>(highestKey) + 2, 0) {
        const auto each = [&](auto use) {
            for (std::size_t t = 0; t < tickets.size(); ++t) {
                keysOf(tickets[t], [&](int key) {
                    if (key >= 0 && key <= highestKey) {
                        use(static_cast<std::size_t>(key), static_cast<int>(t));
                    }
                });
            }
        };
        each([&](std::size_t key, int) { ++starts_[key + 1]; });
        for (std::size_t key = 1; key < starts_.size(); ++key) {
            starts_[key] += starts_[key - 1];
        }
        tickets_.resize(static_cast<std::size_t>(starts_.back()));
        std::vector<int> next(starts_.begin(), starts_.end() - 1);
        each([&](std::size_t key, int ticket) { tickets_[static_cast<std::size_t>(next[key]++)] = ticket; });
    }

    std::span<const int> Of(int key) const {
        if (key < 0 || static_cast<std::size_t>(key) + 1 >= starts_.size()) {
            return {};
        }
        const auto first = static_cast<std::size_t>(starts_[static_cast<std::size_t>(key)]);
        const auto last = static_cast<std::size_t>(starts_[static_cast<std::size_t>(key) + 1]);
        return std::span<const int>(tickets_).subspan(first, last - first);
    }

private:
    std::vector<int> starts_;
    std::vector<int> tickets_;
};

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

// The fewest balls a win without the second-group ball needs; beyond every count when no tier pays one.
// A tier of no ball and no second-group ball is a loss, never a win.
int FewestBallsWithoutBonus(const BallTierLookup& lookup) {
    for (std::size_t matched = 1; matched <= kMostBalls; ++matched) {
        if (lookup[matched * 2] >= 0) {
            return static_cast<int>(matched);
        }
    }
    return static_cast<int>(kMostBalls) + 1;
}

// Keeps the wins and counts them per tier; the amounts are added up once at the end.
class WinTally final {
public:
    explicit WinTally(TicketCheck& check) : check_(check) {
        check_.summary.winsPerTier.assign(check_.prizes.tiers.size(), 0);
        for (const PrizeTier& tier : check_.prizes.tiers) {
            jackpot_.push_back(tier.kind == PrizeKind::kJackpot);
        }
    }

    void Add(const EncodedTicket& ticket, int drawing, int tier) {
        const TicketWin win{ticket.index, static_cast<std::uint16_t>(drawing),
                            static_cast<std::uint16_t>(tier)};
        const auto slot = static_cast<std::size_t>(tier);
        ++check_.summary.winsPerTier[slot];
        if (jackpot_[slot] && check_.summary.jackpots.size() < kMostWinsListed) {
            check_.summary.jackpots.push_back(win);
        }
        if (check_.wins.size() < kMostWinsListed) {
            check_.wins.push_back(win);
        }
    }

    // The totals of the summary from the counts per tier.
    void Close() {
        TicketSummary& summary = check_.summary;
        for (std::size_t i = 0; i < summary.winsPerTier.size(); ++i) {
            const std::int64_t wins = summary.winsPerTier[i];
            const PrizeTier& tier = check_.prizes.tiers[i];
            summary.wins += wins;
            if (tier.kind == PrizeKind::kFixed) {
                summary.fixedDollars =
                    SaturatingAdd(summary.fixedDollars, SaturatingProduct(tier.dollars, wins));
            } else if (tier.kind == PrizeKind::kUnknown) {
                summary.winsOfUnknownAmount += wins;
            }
        }
        summary.winsNotListed = summary.wins - static_cast<std::int64_t>(check_.wins.size());
    }

private:
    TicketCheck& check_;
    std::vector<bool> jackpot_; // per tier
};

std::string RefusalOf(const TicketGame& game, const DrawingsToCheck& history, const CheckScope& scope) {
    if (history.gameType != game.gameType) {
        return "These are " + std::string(GameOf(game.gameType).title) + " tickets; the history is of the " +
               std::string(GameOf(history.gameType).title) + " game.";
    }
    if (history.drawings.size() > kMostDrawingsChecked) {
        return "The history holds more than " + std::to_string(kMostDrawingsChecked) + " drawings.";
    }
    if (scope.since != kNoDate && !history.dated) {
        return "The undated history has no dates: tickets are checked since " + TypedDateText(scope.since) +
               " only against the dated history.";
    }
    return {};
}

// Walks the drawings in the scope, counting them and the plays (each ticket in its days), and hands
// each one to `check` with its index.
template <typename CheckDrawing>
void ForEachDrawing(const std::vector<EncodedTicket>& tickets, const DrawingsToCheck& history,
                    const CheckScope& scope, TicketSummary& summary, CheckDrawing check) {
    std::vector<const EncodedTicket*> limited;
    for (const EncodedTicket& ticket : tickets) {
        if (ticket.from != kEarliest || ticket.to != kLatest) {
            limited.push_back(&ticket);
        }
    }
    const auto unlimited = static_cast<std::int64_t>(tickets.size() - limited.size());
    const int count = static_cast<int>(history.drawings.size());
    for (int index = std::clamp(scope.fromDrawing, 0, count); index < count; ++index) {
        const DrawingToCheck& drawing = history.drawings[static_cast<std::size_t>(index)];
        if (scope.since != kNoDate && drawing.date < scope.since) {
            continue;
        }
        ++summary.drawings;
        summary.plays += unlimited;
        for (const EncodedTicket* ticket : limited) {
            summary.plays += ticket->PlaysOn(drawing.date) ? 1 : 0;
        }
        check(drawing, index);
    }
}

// For every key (a ball, a second-group ball), the set of tickets that hold it: one bit per ticket, in
// words of 64 tickets, the words of one key side by side.
class TicketBits final {
public:
    template <typename KeysOf>
    TicketBits(const std::vector<EncodedTicket>& tickets, KeysOf keysOf)
        : words_((tickets.size() + 63) / 64) {
        for (std::size_t t = 0; t < tickets.size(); ++t) {
            keysOf(tickets[t], [&](int key) {
                const auto slot = static_cast<std::size_t>(key);
                if (slot >= keys_) {
                    keys_ = slot + 1;
                    bits_.resize(keys_ * words_, 0);
                }
                bits_[slot * words_ + t / 64] |= std::uint64_t{1} << (t % 64);
            });
        }
    }

    std::size_t words() const { return words_; }
    // The tickets holding `key`, or nothing when no ticket does.
    const std::uint64_t* Of(int key) const {
        return key >= 0 && static_cast<std::size_t>(key) < keys_
                   ? &bits_[static_cast<std::size_t>(key) * words_]
                   : nullptr;
    }

private:
    std::size_t words_;
    std::size_t keys_ = 0;
    std::vector<std::uint64_t> bits_;
};

// The tickets (bits) whose count of matched balls, held in three bit planes (ones, twos, fours), is at
// least `fewest`.
std::uint64_t AtLeast(int fewest, std::uint64_t ones, std::uint64_t twos, std::uint64_t fours) {
    switch (fewest) {
    case 1:
        return ones | twos | fours;
    case 2:
        return twos | fours;
    case 3:
        return fours | (twos & ones);
    case 4:
        return fours;
    case 5:
        return fours & (twos | ones);
    case 6:
        return fours & twos;
    case 7:
        return fours & twos & ones;
    default:
        return 0;
    }
}

// Lotto and Power Ball: per drawing and per word of 64 tickets, the sets of tickets holding each of its
// balls are added up in bit planes; the tickets that reach the fewest balls a tier pays, and those holding
// its second-group ball, are looked up in the prize table. The wins come out in ticket order.
void CheckBallTickets(const std::vector<EncodedTicket>& tickets, const DrawingsToCheck& history,
                      const CheckScope& scope, const PrizeTable& prizes, TicketCheck& check,
                      WinTally& tally) {
    const TicketBits byBall(tickets, [](const EncodedTicket& ticket, auto add) {
        for (const int ball : ticket.balls) {
            add(ball);
        }
    });
    const TicketBits byBonus(tickets, [](const EncodedTicket& ticket, auto add) {
        if (ticket.bonus > 0) {
            add(ticket.bonus);
        }
    });
    const BallTierLookup lookup = LookupOf(prizes);
    const int fewest = FewestBallsWithoutBonus(lookup);
    std::vector<const std::uint64_t*> ballSets;
    ForEachDrawing(tickets, history, scope, check.summary, [&](const DrawingToCheck& drawing, int index) {
        ballSets.clear();
        const auto addBalls = [&](std::uint64_t bits, int offset) {
            for (; bits != 0; bits &= bits - 1) {
                if (const std::uint64_t* set = byBall.Of(offset + std::countr_zero(bits))) {
                    ballSets.push_back(set);
                }
            }
        };
        addBalls(drawing.low, 0);
        addBalls(drawing.high, 64);
        const std::uint64_t* bonusSet = byBonus.Of(drawing.bonus);
        for (std::size_t word = 0; word < byBall.words(); ++word) {
            std::uint64_t ones = 0;
            std::uint64_t twos = 0;
            std::uint64_t fours = 0;
            for (const std::uint64_t* set : ballSets) {
                const std::uint64_t carryOne = ones & set[word];
                ones ^= set[word];
                const std::uint64_t carryTwo = twos & carryOne;
                twos ^= carryOne;
                fours ^= carryTwo;
            }
            const std::uint64_t bonusBits = bonusSet != nullptr ? bonusSet[word] : 0;
            for (std::uint64_t won = AtLeast(fewest, ones, twos, fours) | bonusBits; won != 0;
                 won &= won - 1) {
                const int bit = std::countr_zero(won);
                const int matched = static_cast<int>((ones >> bit) & 1U) +
                                    2 * static_cast<int>((twos >> bit) & 1U) +
                                    4 * static_cast<int>((fours >> bit) & 1U);
                const bool bonus = ((bonusBits >> bit) & 1U) != 0;
                const int tier = lookup[static_cast<std::size_t>(matched) * 2 + (bonus ? 1 : 0)];
                const EncodedTicket& ticket = tickets[word * 64 + static_cast<std::size_t>(bit)];
                if (tier >= 0 && ticket.PlaysOn(drawing.date)) {
                    tally.Add(ticket, index, tier);
                }
            }
        }
    });
}

// Digit games: per drawing, the straight tickets of its number and the box tickets of its digits.
void CheckDigitTickets(const std::vector<EncodedTicket>& tickets, const DrawingsToCheck& history,
                       const CheckScope& scope, const TicketGame& game, TicketCheck& check, WinTally& tally) {
    const int highestNumber = game.mainCount == 3 ? 999 : 9999;
    const TicketIndex straight(tickets, highestNumber, [](const EncodedTicket& ticket, auto add) {
        if (!ticket.box) {
            add(ticket.number);
        }
    });
    const TicketIndex box(tickets, highestNumber, [](const EncodedTicket& ticket, auto add) {
        if (ticket.box) {
            add(ticket.sortedDigits);
        }
    });
    std::vector<int> winners;
    ForEachDrawing(tickets, history, scope, check.summary, [&](const DrawingToCheck& drawing, int index) {
        const std::span<const int> straightWins = straight.Of(drawing.number);
        const std::span<const int> boxWins = box.Of(drawing.sortedDigits);
        winners.clear();
        std::merge(straightWins.begin(), straightWins.end(), boxWins.begin(), boxWins.end(),
                   std::back_inserter(winners));
        for (const int t : winners) {
            const EncodedTicket& ticket = tickets[static_cast<std::size_t>(t)];
            if (ticket.digitTier >= 0 && ticket.PlaysOn(drawing.date)) {
                tally.Add(ticket, index, ticket.digitTier);
            }
        }
    });
}

} // namespace

Outcome<TicketCheck> CheckTickets(const TicketGame& game, std::vector<Ticket> tickets,
                                  const DrawingsToCheck& history, const PrizeTable& prizes,
                                  const CheckScope& scope) {
    if (std::string refusal = RefusalOf(game, history, scope); !refusal.empty()) {
        return Refusal{std::move(refusal)};
    }
    TicketCheck check;
    check.game = game;
    check.dated = history.dated;
    check.tickets = std::move(tickets);
    check.prizes = prizes;
    check.drawingDates.reserve(history.drawings.size());
    for (const DrawingToCheck& drawing : history.drawings) {
        check.drawingDates.push_back(drawing.date);
    }
    WinTally tally(check);
    std::vector<EncodedTicket> encoded;
    encoded.reserve(check.tickets.size());
    for (std::size_t i = 0; i < check.tickets.size(); ++i) {
        if (!history.dated && check.tickets[i].limited()) {
            ++check.summary.ticketsLeftOut;
            continue;
        }
        encoded.push_back(Encode(check.tickets[i], static_cast<int>(i), history.dated, prizes, game));
    }
    check.summary.tickets = static_cast<int>(encoded.size());
    // Room for every play to win, up to the wins listed: the memory is taken from the system only as the
    // wins fill it, and the list is never copied while it grows.
    const auto drawings = static_cast<std::size_t>(
        std::max<std::ptrdiff_t>(0, std::ssize(history.drawings) - std::max(scope.fromDrawing, 0)));
    check.wins.reserve(encoded.empty() || drawings > kMostWinsListed / encoded.size()
                           ? kMostWinsListed
                           : drawings * encoded.size());
    if (game.digitGame()) {
        CheckDigitTickets(encoded, history, scope, game, check, tally);
    } else {
        CheckBallTickets(encoded, history, scope, prizes, check, tally);
    }
    tally.Close();
    if (prizes.ticketCents) {
        check.summary.spentCents = SaturatingProduct(*prizes.ticketCents, check.summary.plays);
    }
    return check;
}

WinRecord RecordOf(const TicketCheck& check, const TicketWin& win) {
    const PrizeTier& tier = check.TierOf(win);
    WinRecord record;
    record.line = check.TicketOf(win).line;
    record.ticket = check.TicketOf(win).text;
    record.drawing = win.drawing;
    record.date = IsoDateText(check.DateOf(win));
    record.matched = check.MatchedOf(win);
    record.bonus = check.BonusOf(win);
    record.tier = tier.label;
    if (tier.kind == PrizeKind::kFixed) {
        record.prize = tier.dollars;
    }
    record.jackpot = tier.kind == PrizeKind::kJackpot;
    return record;
}

} // namespace vantorel
