#pragma once

#include "platform/GameSettings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

// A common current game whose maximums the settings can take in one step. It sets only the keys of the
// Vantorel game it is played as.
struct GamePreset {
    std::string_view name;   // what vantorel-cli settings --preset takes
    std::string_view title;  // the game's own name
    std::string_view matrix; // the balls drawn, as players say it
    GameSettingChanges values;
};

inline constexpr std::array<GamePreset, 7> kGamePresets = {{
    {"powerball", "Powerball", "5 of 69 + 1 of 26", {std::nullopt, std::nullopt, 69, 26, 5}},
    {"mega-millions", "Mega Millions", "5 of 70 + 1 of 24", {std::nullopt, std::nullopt, 70, 24, 5}},
    {"lotto-america", "Lotto America", "5 of 52 + 1 of 10", {std::nullopt, std::nullopt, 52, 10, 5}},
    {"cash4life", "Cash4Life", "5 of 60 + 1 of 4", {std::nullopt, std::nullopt, 60, 4, 5}},
    {"lotto-6-59", "6 of 59 lotto", "6 of 59", {std::nullopt, 59, std::nullopt, std::nullopt, std::nullopt}},
    {"lotto-6-49", "6 of 49 lotto", "6 of 49", {std::nullopt, 49, std::nullopt, std::nullopt, std::nullopt}},
    {"lotto-5-39", "5 of 39 game", "5 of 39", {39, std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
}};

constexpr bool PresetsFitTheRules() {
    for (const GamePreset& preset : kGamePresets) {
        for (std::size_t i = 0; i < kGameSettingCount; ++i) {
            const std::optional<int>& value = preset.values[i];
            if (value && (*value < kGameSettingRules[i].lowest || *value > kGameSettingRules[i].highest)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(PresetsFitTheRules(), "every preset holds values that its keys accept");

// The preset called `name`: case, blanks, "-", "_" and "/" do not matter ("Mega Millions", "megamillions").
const GamePreset* FindGamePreset(std::string_view name);

// "Power Ball game", "6 Number game" or "5 Number game": the Vantorel game the preset is played as.
std::string_view GameOfPreset(const GamePreset& preset);

// "PBC=69 PBB=26 PBM=5": the values the preset sets, in key order.
std::string PresetAssignments(const GamePreset& preset);

// One line of the list of presets: name, title, matrix, game and values in columns.
std::string PresetListLine(const GamePreset& preset);

} // namespace vantorel
