// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/StatsTexts.h"

#include "platform/GameCatalogue.h"

namespace vantorel {

std::string MaximumTooSmallText(std::string_view key, int maximum, int balls, int gameType) {
    return std::string(key) + " is " + std::to_string(maximum) + ": fewer balls than the " +
           std::to_string(balls) + " a " + std::string(GameOf(gameType).name) + " drawing takes.";
}

} // namespace vantorel
