// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"
#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

class ProfileStore;

// Where the settings live: the profile location and the application title name the store (on Linux the
// INI file $XDG_CONFIG_HOME/Nulvex.Mark/Vantorel.conf), and the game settings are one section of it.
inline constexpr std::string_view kProfileOrganization = "Nulvex.Mark";
inline constexpr std::string_view kProfileApplication = "Vantorel";
inline constexpr std::string_view kSettingsSection = "Settings";

// The five game settings, in the order in which they are written and listed.
enum class GameSettingKey : int {
    FiveNumberMax,      // "5BC": highest ball of the 5 Number game
    SixNumberMax,       // "6BC": highest ball of the 6 Number game
    PowerballGroup1Max, // "PBC": highest ball of the first Power Ball group
    PowerballGroup2Max, // "PBB": highest Power Ball
    PowerballBalls,     // "PBM": how many first-group balls a Power Ball drawing has
};
inline constexpr std::size_t kGameSettingCount = 5;

// What one key is: its name in the store, what it means (for messages), the value the first run writes,
// and the values it accepts.
struct GameSettingRule {
    std::string_view key;
    std::string_view meaning;
    std::string_view firstRunValue;
    int lowest;
    int highest;
};

// One row per key, in key order. The lotto maximums accept the Setup list's 19 to 59 and the two entries
// below them (60 and 61), which the Setup page records for any target. The Power Ball groups reach today's
// games: up to 99 balls in group 1 (Powerball 69, Mega Millions 70) and 1 to 99 in group 2 (Cash4Life 4).
inline constexpr std::array<GameSettingRule, kGameSettingCount> kGameSettingRules = {{
    {"5BC", "the highest ball of the 5 Number game", "26", 19, 61},
    {"6BC", "the highest ball of the 6 Number game", "49", 19, 61},
    {"PBC", "the highest ball of Powerball group 1", "49", 19, 99},
    {"PBB", "the highest ball of Powerball group 2", "42", 1, 99},
    {"PBM", "how many balls a drawing takes from Powerball group 1", "5", 4, 5},
}};

constexpr const GameSettingRule& RuleOf(GameSettingKey key) {
    return kGameSettingRules[static_cast<std::size_t>(key)];
}

// The highest ball number any maximum accepts: tallies never need more slots than this.
inline constexpr int kHighestBallSetting = [] {
    int highest = 0;
    for (std::size_t i = 0; i + 1 < kGameSettingCount; ++i) {
        highest = kGameSettingRules[i].highest > highest ? kGameSettingRules[i].highest : highest;
    }
    return highest;
}();

// A set of the five keys: the ones an operation reads.
class GameSettingKeys final {
public:
    constexpr GameSettingKeys() = default;
    constexpr GameSettingKeys(std::initializer_list<GameSettingKey> keys) {
        for (const GameSettingKey key : keys) {
            bits_ |= Bit(key);
        }
    }
    static constexpr GameSettingKeys All() {
        return {GameSettingKey::FiveNumberMax, GameSettingKey::SixNumberMax,
                GameSettingKey::PowerballGroup1Max, GameSettingKey::PowerballGroup2Max,
                GameSettingKey::PowerballBalls};
    }

    constexpr bool Contains(GameSettingKey key) const { return (bits_ & Bit(key)) != 0; }
    constexpr GameSettingKeys operator|(GameSettingKeys other) const {
        GameSettingKeys both;
        both.bits_ = bits_ | other.bits_;
        return both;
    }
    constexpr bool operator==(const GameSettingKeys&) const = default;

private:
    static constexpr unsigned Bit(GameSettingKey key) { return 1U << static_cast<unsigned>(key); }
    unsigned bits_ = 0;
};

inline constexpr std::string_view kKey5BC = RuleOf(GameSettingKey::FiveNumberMax).key;
inline constexpr std::string_view kKey6BC = RuleOf(GameSettingKey::SixNumberMax).key;
inline constexpr std::string_view kKeyPBC = RuleOf(GameSettingKey::PowerballGroup1Max).key;
inline constexpr std::string_view kKeyPBB = RuleOf(GameSettingKey::PowerballGroup2Max).key;
inline constexpr std::string_view kKeyPBM = RuleOf(GameSettingKey::PowerballBalls).key;

inline constexpr std::string_view kFirstRunMessage =
    "VanTorel comes preconfigured for the\nsample data file included with the program.\n\nPlease read the "
    "help file to learn\nmore about configuring VanTorel to\nmeet your game specific requirements.";
inline constexpr std::string_view kNotConfiguredMessage =
    "Vantorel is not yet configured.\nSome features will be unavailable..\n\nPlease see help for "
    "information\non how to enter game-specific settings.";
inline constexpr std::string_view kInvalidPowerballBalls =
    "Invalid Selection for Powerball Max.\nPlease select 4 balls or 5 balls.\n\n[Settings at the bottom of "
    "the list]";
inline constexpr std::string_view kNoNewMaximums = "No New Game Maximums Entered!";
inline constexpr std::string_view kSettingsCancelled = "The Operation Has Been Cancelled";
inline constexpr std::string_view kSettingsSaved = "Settings Have Been Saved";
inline constexpr std::string_view kSettingsNotSaved = "The settings could not be saved.";

// The five game settings as they stand at the start of one operation. A snapshot made by ReadGameSettings
// holds only checked values: a key the operation does not need is 0 when its stored value is not one the
// key accepts.
struct GameSettings {
    int fiveNumberMax = 0;
    int sixNumberMax = 0;
    int powerballGroup1Max = 0;
    int powerballGroup2Max = 0;
    int powerballBalls = 0;
};

// The one way engines and pages get their settings: reads the five keys at the start of an operation and
// checks every key in `needed`. A needed key that is missing, not a whole number, or outside its range
// refuses the operation: its message names each such key with its value, its range and how to set it.
Outcome<GameSettings> ReadGameSettings(const ProfileStore& store, GameSettingKeys needed);

// A whole number written with digits only (blanks around it allowed); nothing for any other text.
std::optional<int> WholeNumberOf(std::string_view text);

// The stored texts of the five keys, in key order, as they are (a missing key is the empty text).
using GameSettingTexts = std::array<std::string, kGameSettingCount>;
GameSettingTexts ReadGameSettingTexts(const ProfileStore& store);

// New values for some of the keys; a key without a value keeps what the store holds.
using GameSettingChanges = std::array<std::optional<int>, kGameSettingCount>;

// The texts the five keys hold once `changes` are written.
GameSettingTexts TextsAfterChanges(const GameSettingTexts& stored, const GameSettingChanges& changes);

// Writes the changed keys, in key order; false when the store could not keep one of them. A key whose value
// changes ends the preset its game used (GamePresets.h).
bool WriteGameSettings(ProfileStore& store, const GameSettingChanges& changes);

// The key named `name`, compared without regard to case.
std::optional<GameSettingKey> FindGameSettingKey(std::string_view name);

// Whether `value` can be stored for the key; refused with why not. `value` is empty when the text given
// was no whole number. The Power Ball ball count is refused with the Setup page's message, a maximum with
// one that names the key and its range.
Outcome<Done> AcceptGameSetting(GameSettingKey key, std::optional<int> value);

// "The settings could not be saved." and, when the store knows it, why.
std::string SettingsNotSavedMessage(const ProfileStore& store);
// "Settings Have Been Saved", and where when they went to a lottery folder's settings file.
std::string SettingsSavedMessage(const ProfileStore& store);

// A stored text as messages and listings show it: control characters as the escapes of the settings file
// ("\0", "\x1F"), so that nothing after them is hidden.
std::string ShownSettingText(std::string_view text);

// The Setup page's confirmation before saving, showing the texts the keys will hold.
std::string SaveConfirmationText(const GameSettingTexts& texts);
// The Setup page's "Current Settings" text for the stored texts.
std::string CurrentSettingsText(const GameSettingTexts& texts);

// An empty "5BC" is what the operations sheet takes as "not yet configured".
bool IsConfigured(const ProfileStore& store);

// The first-run step, on the user's own settings (store.UserSettings()): when they hold no trace of an
// earlier run, writes the five defaults in order (and a marker, so that deleting a key by hand is not taken
// for a first run) and tells the first-run message, followed by `followUp` (after a blank line) when it is
// not empty. True when it did so; refused with why when the defaults cannot be written (a full disk, say).
// The check and the writing are one update of the store, and only absent keys are written, so a first run of
// another program at the same time never overwrites a value that was set meanwhile, and only one of them
// tells the message.
Outcome<bool> RunFirstTimeSetup(ProfileStore& store, std::string_view followUp = {});

} // namespace vantorel
