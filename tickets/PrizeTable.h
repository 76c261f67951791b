// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

struct TicketGame;

// What a tier pays: a fixed amount, the jackpot (which changes from drawing to drawing), or an amount the
// table does not know.
enum class PrizeKind { kFixed, kJackpot, kUnknown };

// Which kind of result a tier is: balls matched (lotto and Power Ball), a straight or a box digit play.
enum class TierShape { kBalls, kStraight, kBox };

// One way a ticket wins: for lotto and Power Ball tickets how many first-group balls it matched and
// whether it matched the second-group ball; for digit tickets straight (this order) or box (any order).
struct PrizeTier {
    std::string label; // "5+1", "4+0" (Power Ball), "4" (games without a second group), "straight", "box-6"
    TierShape shape = TierShape::kBalls;
    int matched = 0;    // kBalls: first-group balls matched
    bool bonus = false; // kBalls: the second-group ball matched
    int boxWays = 0;    // kBox: in how many orders the number can be drawn (6, 3; 24, 12, 6, 4)
    PrizeKind kind = PrizeKind::kUnknown;
    std::int64_t dollars = 0; // kFixed: the prize in whole dollars

    bool operator==(const PrizeTier&) const = default;
};

// The tiers a game pays, highest first, and what one play costs.
struct PrizeTable {
    // Whose prizes these are: a preset's title ("Powerball"), "prizes.txt", or empty for the tiers a game
    // of its shape usually pays.
    std::string name;
    // How the wins line names the second-group ball ("Powerball", "Mega Ball"); empty without one.
    std::string bonusBall;
    // Said once under the summary when the amounts need a word (the least a multiplier pays).
    std::string note;
    std::vector<PrizeTier> tiers;
    std::optional<std::int64_t> ticketCents; // the price of one play; nothing when not known

    // The index of the tier a lotto or Power Ball result wins, or -1 when it wins none.
    int TierOf(int matched, bool bonus) const;
    // The index of the straight tier, or of the box tier of a number drawable in `ways` orders; -1 when
    // the table pays none.
    int StraightTier() const;
    int BoxTier(int ways) const;
};

inline constexpr std::string_view kStraightTier = "straight";

// "4+1" and "4+0" for a game with a second-group ball, "4" for one without.
std::string BallTierLabel(int matched, bool bonus, bool gameHasBonus);
// "box-6": the box tier of numbers drawable in six orders.
std::string BoxTierLabel(int ways);
// In how many orders a digit game can draw these digits: 6 or 3 (3 digits), 24, 12, 6 or 4 (4 digits),
// 1 when every digit is the same.
int BoxWaysOf(const std::vector<int>& digits);

// The orders a box of a game with `digits` digits (3 or 4) can be drawn in, the fewest (the highest
// prize) first: 3, 6 and 4, 6, 12, 24.
std::span<const int> BoxWaysOfGame(int digits);

// A tier of a table: a fixed amount, the jackpot, or an amount not known.
PrizeTier BallTier(int matched, bool bonus, bool gameHasBonus, PrizeKind kind, std::int64_t dollars = 0);
PrizeTier StraightTier(PrizeKind kind, std::int64_t dollars = 0);
PrizeTier BoxTier(int ways, PrizeKind kind, std::int64_t dollars = 0);

// Orders tiers highest first: more balls matched, then the second-group ball; straight, then boxes of
// fewer orders (which pay more) first.
void SortTiers(std::vector<PrizeTier>& tiers);

} // namespace vantorel
