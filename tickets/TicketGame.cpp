// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/TicketGame.h"

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

GameSettingKeys SettingsNeededByTickets(int gameType) {
    switch (gameType) {
    case kFiveNumber:
        return {GameSettingKey::FiveNumberMax};
    case kSixNumber:
        return {GameSettingKey::SixNumberMax};
    case kPowerball:
        return {GameSettingKey::PowerballGroup1Max, GameSettingKey::PowerballGroup2Max,
                GameSettingKey::PowerballBalls};
    default:
        return {};
    }
}

std::string_view TicketGameTitle(int gameType) {
    switch (gameType) {
    case kThreeNumber:
        return "3 Number";
    case kFourNumber:
        return "4 Number";
    case kFiveNumber:
        return "5 Number";
    case kSixNumber:
        return "6 Number";
    default:
        return "Power Ball";
    }
}

} // namespace vantorel
