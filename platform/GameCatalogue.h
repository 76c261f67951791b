// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"

#include <array>
#include <optional>
#include <string_view>

namespace vantorel {

// Games by number (gameType); the history file keeps game g in sections 2g (undated) and 2g + 1 (dated).
enum GameType : int { kThreeNumber = 0, kFourNumber = 1, kFiveNumber = 2, kSixNumber = 3, kPowerball = 4 };
inline constexpr int kGameCount = 5;

// The kinds of game, each with an engine of its own: one drawn number of 3 or 4 digits, a set of balls
// from one group, or a set from a first group and a Power Ball from a second.
enum class GameFamily { kDigit, kLotto, kPowerball };

// What one game is: the row of the catalogue that every part of the program reads.
struct GameEntry {
    GameType game;
    GameFamily family;
    std::string_view title;       // the page's tab: "3 Number" ... "Power Ball"
    std::string_view cliWord;     // vantorel-cli's GAME: "3" ... "pb"
    std::string_view name;        // in printed headings and on the Data File page: "3 Number" ... "Powerball"
    std::string_view pageObject;  // the game page's object name
    int capacity;                 // drawings one history may hold
    int numbersPerDrawing;        // numbers of a drawing (after its date); 0: the PBM setting and one more
    int digits;                   // digits of a drawn number (digit games), 0 for the others
    GameSettingKeys maximums;     // the settings that bound its numbers
    GameSettingKeys drawingShape; // the settings that tell the shape of a drawing
    std::string_view noDataStatus; // the page's status text when neither history is there
};

inline constexpr std::array<GameEntry, kGameCount> kGameCatalogue = {{
    {kThreeNumber,
     GameFamily::kDigit,
     "3 Number",
     "3",
     "3 Number",
     "threeNumberPage",
     3649,
     1,
     3,
     {},
     {},
     "No 3 Number Game Data Available"},
    {kFourNumber,
     GameFamily::kDigit,
     "4 Number",
     "4",
     "4 Number",
     "fourNumberPage",
     3649,
     1,
     4,
     {},
     {},
     "No 4 Number Game Data Available"},
    {kFiveNumber,
     GameFamily::kLotto,
     "5 Number",
     "5",
     "5 Number",
     "fiveNumberPage",
     2599,
     5,
     0,
     {GameSettingKey::FiveNumberMax},
     {},
     "No 5 Number Game Data Available"},
    {kSixNumber,
     GameFamily::kLotto,
     "6 Number",
     "6",
     "6 Number",
     "sixNumberPage",
     1039,
     6,
     0,
     {GameSettingKey::SixNumberMax},
     {},
     "No 6 Number Game Data Available"},
    {kPowerball,
     GameFamily::kPowerball,
     "Power Ball",
     "pb",
     "Powerball",
     "powerballPage",
     2079,
     0,
     0,
     {GameSettingKey::PowerballGroup1Max, GameSettingKey::PowerballGroup2Max},
     {GameSettingKey::PowerballBalls},
     "No Powerball Game Data Available"},
}};

constexpr bool IsGame(int game) {
    return game >= 0 && game < kGameCount;
}
// The catalogue row of a game; the 3 Number game's for a number that is no game.
constexpr const GameEntry& GameOf(int game) {
    return kGameCatalogue[static_cast<std::size_t>(IsGame(game) ? game : 0)];
}
constexpr bool IsDigitGame(int game) {
    return IsGame(game) && GameOf(game).family == GameFamily::kDigit;
}
// 5 Number, 6 Number and Power Ball: the games of the lotto pages.
constexpr bool IsLottoGame(int game) {
    return IsGame(game) && GameOf(game).family != GameFamily::kDigit;
}
constexpr int CapacityOfGame(int game) {
    return GameOf(game).capacity;
}
// The settings a game's drawings need: those that bound its numbers and those that shape a drawing.
constexpr GameSettingKeys SettingsOfGame(int game) {
    return GameOf(game).maximums | GameOf(game).drawingShape;
}

// The game vantorel-cli names by `word`; nothing for another word.
constexpr std::optional<GameType> GameOfCliWord(std::string_view word) {
    for (const GameEntry& entry : kGameCatalogue) {
        if (entry.cliWord == word) {
            return entry.game;
        }
    }
    return std::nullopt;
}

} // namespace vantorel
