// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/TicketGame.h"

#include "platform/GameCatalogue.h"
#include "store/HistoryFile.h"

namespace vantorel {

TicketGame TicketGameOf(int gameType, const GameSettings& settings) {
    switch (gameType) {
    case kThreeNumber:
        return {kThreeNumber, 3, 9, 0};
    case kFourNumber:
        return {kFourNumber, 4, 9, 0};
    case kFiveNumber:
        return {kFiveNumber, 5, settings.fiveNumberMax, 0};
    case kSixNumber:
        return {kSixNumber, 6, settings.sixNumberMax, 0};
    default:
        return {kPowerball, settings.powerballBalls, settings.powerballGroup1Max,
                settings.powerballGroup2Max};
    }
}

} // namespace vantorel
