// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GamePresets.h"
#include "tickets/PrizeTable.h"

#include <optional>
#include <string_view>

namespace vantorel {

struct TicketGame;

// The prize tables the program knows, by preset name (platform/GamePresets.h):
// - powerball: 5+1 Jackpot, 5+0 $1,000,000, 4+1 $50,000, 4+0 $100, 3+1 $100, 3+0 $7, 2+1 $7, 1+1 $4,
//   0+1 $4; a play costs $2 (Power Play not included).
// - mega-millions (the game since 04/08/2025): a play costs $5 and every prize but the jackpot is
//   multiplied by 2, 3, 4, 5 or 10, which the history does not hold; the table gives the least each tier
//   pays (twice the base prize) and says so in its note: 5+0 $2,000,000, 4+1 $20,000, 4+0 $1,000,
//   3+1 $400, 3+0 $20, 2+1 $20, 1+1 $14, 0+1 $10.
// - lotto-america ($1), cash4life ($2) and lotto-6-59 (New York Lotto, $1 for two plays): their tiers
//   and prices, the amounts not known. Cash4Life's top two prizes are paid for life: 5+1 is taken as its
//   jackpot, 5+0 as an amount not known; it pays 2+0 and not 0+1.
// Every other preset and game pays the tiers of PayingTiersOf, amounts not known.

// The built-in table of the preset named `presetName` (FindGamePreset's spelling rules) when the preset
// is played as the ticket's game with the same maximums; nothing otherwise.
std::optional<PrizeTable> BuiltInPrizeTable(std::string_view presetName, const TicketGame& game);

// The tiers a game of the ticket's shape usually pays, no amount known, no price: 6 Number 6 (the
// jackpot), 5, 4, 3; 5 Number 5 (the jackpot), 4, 3, 2; Power Ball every count of balls with the
// second-group ball, and 3 or more without it, all of them with the jackpot; digit games straight and
// every box.
PrizeTable PayingTiersOf(const TicketGame& game);

// The preset whose maximums are those of the ticket's game (powerball for PBC=69 PBB=26 PBM=5); nothing
// when none is.
const GamePreset* PresetOfGame(const TicketGame& game);

// The table a check uses when the folder holds no prizes.txt: the built-in table of the named preset;
// without a name (or when the named one does not fit), of the preset the game's maximums are; else the
// paying tiers.
PrizeTable PrizeTableFor(const TicketGame& game, std::string_view presetName = {});

} // namespace vantorel
