// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

class ProfileStore;

// The Vantorel game a preset is played as, numbered as the history file numbers its games (gameType).
enum class PresetGame : int {
    kThreeNumber = 0,
    kFourNumber = 1,
    kFiveNumber = 2,
    kSixNumber = 3,
    kPowerball = 4
};

// A day as one number, year * 10000 + month * 100 + day (the year with four digits): days in this form
// compare in time order.
constexpr int DateKeyOf(int year, int month, int day) {
    return year * 10000 + month * 100 + day;
}

// A common current game whose maximums the settings can take in one step. It sets only the keys of the
// Vantorel game it is played as.
struct GamePreset {
    std::string_view name;   // what vantorel-cli settings --preset takes
    std::string_view title;  // the game's own name
    std::string_view matrix; // the balls drawn, as players say it
    GameSettingChanges values;
    PresetGame game;
    // The day of the first drawing with this matrix: a drawing of a results file before it belongs to an
    // earlier game with other maximums, and is left out. 0 for the digit games, whose drawings never change.
    int eraStart = 0;
    // Where the lottery publishes the game's results, and the column of that file where the numbers of this
    // drawing start (empty: the field after the date). No address when no source is known.
    std::string_view sourceUrl = {};
    std::string_view sourceColumn = {};
};

// The sources are the CSV files of New York's open-data portal.
inline constexpr std::array<GamePreset, 11> kGamePresets = {{
    {"powerball",
     "Powerball",
     "5 of 69 + 1 of 26",
     {std::nullopt, std::nullopt, 69, 26, 5},
     PresetGame::kPowerball,
     DateKeyOf(2015, 10, 7),
     "https://data.ny.gov/api/views/d6yy-54nr/rows.csv?accessType=DOWNLOAD"},
    {"mega-millions",
     "Mega Millions",
     "5 of 70 + 1 of 24",
     {std::nullopt, std::nullopt, 70, 24, 5},
     PresetGame::kPowerball,
     DateKeyOf(2025, 4, 8),
     "https://data.ny.gov/api/views/5xaw-6ayf/rows.csv?accessType=DOWNLOAD"},
    {"lotto-america",
     "Lotto America",
     "5 of 52 + 1 of 10",
     {std::nullopt, std::nullopt, 52, 10, 5},
     PresetGame::kPowerball,
     DateKeyOf(2017, 11, 12)},
    {"cash4life",
     "Cash4Life",
     "5 of 60 + 1 of 4",
     {std::nullopt, std::nullopt, 60, 4, 5},
     PresetGame::kPowerball,
     DateKeyOf(2014, 6, 16),
     "https://data.ny.gov/api/views/kwxv-fwze/rows.csv?accessType=DOWNLOAD"},
    // New York Lotto, whose results the portal keeps from its first 6 of 59 drawing on.
    {"lotto-6-59",
     "6 of 59 lotto",
     "6 of 59",
     {std::nullopt, 59, std::nullopt, std::nullopt, std::nullopt},
     PresetGame::kSixNumber,
     DateKeyOf(2001, 9, 12),
     "https://data.ny.gov/api/views/6nbc-h7bj/rows.csv?accessType=DOWNLOAD"},
    // Canada's Lotto 6/49, the first of the 6 of 49 games: before the years a history can hold.
    {"lotto-6-49",
     "6 of 49 lotto",
     "6 of 49",
     {std::nullopt, 49, std::nullopt, std::nullopt, std::nullopt},
     PresetGame::kSixNumber,
     DateKeyOf(1982, 6, 12)},
    // New York's Take 5.
    {"lotto-5-39",
     "5 of 39 game",
     "5 of 39",
     {39, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
     PresetGame::kFiveNumber,
     DateKeyOf(1992, 1, 17),
     "https://data.ny.gov/api/views/dg63-4siq/rows.csv?accessType=DOWNLOAD"},
    // New York's Numbers and Win 4, both drawings of both games in one file.
    {"ny-numbers-eve",
     "NY Numbers",
     "3 digits, evening",
     {},
     PresetGame::kThreeNumber,
     0,
     "https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD",
     "Evening Daily #"},
    {"ny-numbers-mid",
     "NY Numbers",
     "3 digits, midday",
     {},
     PresetGame::kThreeNumber,
     0,
     "https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD",
     "Midday Daily #"},
    {"ny-win4-eve",
     "NY Win 4",
     "4 digits, evening",
     {},
     PresetGame::kFourNumber,
     0,
     "https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD",
     "Evening Win 4 #"},
    {"ny-win4-mid",
     "NY Win 4",
     "4 digits, midday",
     {},
     PresetGame::kFourNumber,
     0,
     "https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD",
     "Midday Win 4 #"},
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

// "There is no preset named ..." with the names of every preset.
std::string UnknownPresetMessage(std::string_view name);

// "Power Ball game", "6 Number game", ... "3 Number game": the Vantorel game the preset is played as.
std::string_view GameOfPreset(const GamePreset& preset);
// The same for a game by its number.
std::string_view GameTitleOf(int gameType);

// "PBC=69 PBB=26 PBM=5": the values the preset sets, in key order.
std::string PresetAssignments(const GamePreset& preset);

// One line of the list of presets: name, title, matrix, game and values in columns.
std::string PresetListLine(const GamePreset& preset);

// The settings remember which preset each game uses, one key of this section a game, holding the
// preset's name.
inline constexpr std::string_view kPresetsSection = "Presets";
// "3Number", "4Number", "5Number", "6Number" or "PowerBall".
std::string_view PresetKeyOf(int gameType);

// Sets the preset's keys and remembers it as its game's preset, in one update of the store. False when the
// store could not keep them.
bool UseGamePreset(ProfileStore& store, const GamePreset& preset);

// The preset the game uses: the one remembered for it while the game's keys still hold the preset's
// values (a key changed by hand, even in the file, ends it). Nothing when there is none.
const GamePreset* PresetInForce(const ProfileStore& store, int gameType);

// The first day of the rules of the preset the game uses (see GamePreset::eraStart); 0 when none holds.
int EraInForce(const ProfileStore& store, int gameType);

} // namespace vantorel
