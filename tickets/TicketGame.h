// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameCatalogue.h"
#include "platform/GameSettings.h"
#include "store/HistoryFile.h"

#include <string_view>

namespace vantorel {

// What a ticket of one game holds, taken from the game settings when the tickets are read: how many
// numbers, from which range, and whether a second-group ball follows.
struct TicketGame {
    int gameType = 0;     // kThreeNumber .. kPowerball
    int mainCount = 0;    // first-group balls (5BC and 6BC games: 5 and 6; Power Ball: PBM); digits: 3 or 4
    int mainMaximum = 0;  // highest first-group ball (5BC, 6BC, PBC); 9 for a digit
    int bonusMaximum = 0; // highest second-group ball (PBB); 0 for games without one

    bool digitGame() const { return IsDigitGame(gameType); }
    bool hasBonus() const { return bonusMaximum > 0; }
    bool operator==(const TicketGame&) const = default;
};

// The ticket shape of `gameType` under `settings`, which must hold the keys that SettingsOfGame names
// (ReadGameSettings checks them).
TicketGame TicketGameOf(int gameType, const GameSettings& settings);

} // namespace vantorel
