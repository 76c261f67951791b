// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/WheelGame.h"

#include "platform/GameCatalogue.h"
#include "platform/GamePresets.h"
#include "tickets/BuiltInPrizeTables.h"
#include "tickets/PrizesFile.h"

#include <string>

namespace vantorel {

Outcome<WheelGame> WheelGameOf(const ProfileStore& profile, int gameType) {
    const int game = IsDigitGame(gameType) ? kSixNumber : gameType;
    const Outcome<GameSettings> settings = ReadGameSettings(profile, SettingsOfGame(game));
    if (settings.refused()) {
        return RefusedAs<WheelGame>(settings);
    }
    WheelGame wheelGame;
    wheelGame.ticket = TicketGameOf(game, *settings);
    const GamePreset* preset = PresetInForce(profile, game);
    const PrizeTable builtIn = PrizeTableFor(wheelGame.ticket, preset != nullptr ? preset->name : "");
    const PrizesReading own = ReadPrizesFile(std::string(kPrizesFileName), wheelGame.ticket, builtIn);
    wheelGame.ticketCents = own.failure.empty() ? own.table.ticketCents : builtIn.ticketCents;
    return wheelGame;
}

int DefaultWheelGame(const ProfileStore& profile) {
    int chosen = kSixNumber;
    int withPreset = 0;
    for (const int game : {kFiveNumber, kSixNumber, kPowerball}) {
        if (PresetInForce(profile, game) != nullptr) {
            chosen = game;
            ++withPreset;
        }
    }
    return withPreset == 1 ? chosen : kSixNumber;
}

} // namespace vantorel
