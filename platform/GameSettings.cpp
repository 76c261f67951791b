// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GameSettings.h"

#include "platform/GamePresets.h"
#include "platform/ProfileStore.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace vantorel {

namespace {

constexpr std::string_view kProgramSection = "Program";
constexpr std::string_view kInstalledKey = "Installed";

// A stored text longer than this is shown cut in a message.
constexpr std::size_t kLongestShownValue = 24;

// The snapshot's field of each key, in key order.
constexpr std::array<int GameSettings::*, kGameSettingCount> kSettingFields = {
    &GameSettings::fiveNumberMax, &GameSettings::sixNumberMax, &GameSettings::powerballGroup1Max,
    &GameSettings::powerballGroup2Max, &GameSettings::powerballBalls};

constexpr GameSettingKey KeyAt(std::size_t index) {
    return static_cast<GameSettingKey>(index);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The value when `text` is one the key accepts.
std::optional<int> AcceptedValue(const GameSettingRule& rule, std::string_view text) {
    const std::optional<int> value = WholeNumberOf(text);
    return value && *value >= rule.lowest && *value <= rule.highest ? value : std::nullopt;
}

// "from 19 to 99", or "4 or 5" for two values.
std::string RangeText(const GameSettingRule& rule) {
    const std::string lowest = std::to_string(rule.lowest);
    const std::string highest = std::to_string(rule.highest);
    return rule.highest == rule.lowest + 1 ? lowest + " or " + highest : "from " + lowest + " to " + highest;
}

// What is wrong with the stored text of a key, and what it should be.
std::string KeyProblem(const GameSettingRule& rule, std::string_view text) {
    std::string problem = "The setting " + std::string(rule.key);
    if (text.empty()) {
        problem += " is not set.";
    } else {
        const bool cut = text.size() > kLongestShownValue;
        problem +=
            " holds \"" + ShownSettingText(text.substr(0, kLongestShownValue)) + (cut ? "...\"" : "\"");
        problem += WholeNumberOf(text) ? ", which is out of range." : ", which is not a whole number.";
    }
    return problem + '\n' + std::string(rule.key) + ", " + std::string(rule.meaning) + ", is " +
           (rule.highest == rule.lowest + 1 ? "" : "a whole number ") + RangeText(rule) + '.';
}

// The message of a refused read: every bad key, then how to set them.
std::string BadSettingsMessage(const std::vector<std::size_t>& badKeys, const GameSettingTexts& texts,
                               const std::string& storeProblem) {
    std::string message = storeProblem.empty() ? "" : storeProblem + "\n\n";
    std::string command = "vantorel-cli settings";
    for (const std::size_t i : badKeys) {
        message += KeyProblem(kGameSettingRules[i], texts[i]) + "\n\n";
        command += ' ' + std::string(kGameSettingRules[i].key) + "=<value>";
    }
    message += badKeys.size() == 1 ? "Set it" : "Set them";
    return message + " on the Setup page, or with\n" + command + "\n\nOPERATION ABORTED";
}

// The game whose maximums or drawing shape the key holds.
PresetGame GameOfKey(GameSettingKey key) {
    switch (key) {
    case GameSettingKey::FiveNumberMax:
        return PresetGame::kFiveNumber;
    case GameSettingKey::SixNumberMax:
        return PresetGame::kSixNumber;
    case GameSettingKey::PowerballGroup1Max:
    case GameSettingKey::PowerballGroup2Max:
    case GameSettingKey::PowerballBalls:
        break;
    }
    return PresetGame::kPowerball;
}

// A key changed by hand ends the preset its game used: the game is no longer the preset's.
void ForgetPresetOfKey(ProfileValues& values, GameSettingKey key) {
    const std::string_view presetKey = PresetKeyOf(static_cast<int>(GameOfKey(key)));
    const std::optional<std::string> remembered = values.Get(kPresetsSection, presetKey);
    if (remembered && !remembered->empty()) {
        values.Set(kPresetsSection, presetKey, "");
    }
}

} // namespace

std::optional<int> WholeNumberOf(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || text.front() == '-') {
        return std::nullopt;
    }
    return value;
}

Outcome<GameSettings> ReadGameSettings(const ProfileStore& store, GameSettingKeys needed) {
    const GameSettingTexts texts = ReadGameSettingTexts(store);
    GameSettings settings;
    std::vector<std::size_t> badKeys;
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        const std::optional<int> value = AcceptedValue(kGameSettingRules[i], texts[i]);
        settings.*kSettingFields[i] = value.value_or(0);
        if (!value && needed.Contains(KeyAt(i))) {
            badKeys.push_back(i);
        }
    }
    if (badKeys.empty()) {
        return settings;
    }
    return Refusal{BadSettingsMessage(badKeys, texts, store.Problem())};
}

GameSettingTexts ReadGameSettingTexts(const ProfileStore& store) {
    std::vector<std::string_view> keys;
    for (const GameSettingRule& rule : kGameSettingRules) {
        keys.push_back(rule.key);
    }
    const std::vector<std::string> read = store.GetStrings(kSettingsSection, keys);
    GameSettingTexts texts;
    std::copy_n(read.begin(), std::min(read.size(), texts.size()), texts.begin());
    return texts;
}

GameSettingTexts TextsAfterChanges(const GameSettingTexts& stored, const GameSettingChanges& changes) {
    GameSettingTexts texts = stored;
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        if (changes[i]) {
            texts[i] = std::to_string(*changes[i]);
        }
    }
    return texts;
}

bool WriteGameSettings(ProfileStore& store, const GameSettingChanges& changes) {
    return store.Update([&changes](ProfileValues& values) {
        for (std::size_t i = 0; i < kGameSettingCount; ++i) {
            if (!changes[i]) {
                continue;
            }
            const std::optional<std::string> stored = values.Get(kSettingsSection, kGameSettingRules[i].key);
            if (!stored || WholeNumberOf(*stored) != changes[i]) {
                ForgetPresetOfKey(values, KeyAt(i));
            }
            values.Set(kSettingsSection, kGameSettingRules[i].key, std::to_string(*changes[i]));
        }
    });
}

std::optional<GameSettingKey> FindGameSettingKey(std::string_view name) {
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        if (FoldCase(name) == FoldCase(kGameSettingRules[i].key)) {
            return KeyAt(i);
        }
    }
    return std::nullopt;
}

Outcome<Done> AcceptGameSetting(GameSettingKey key, std::optional<int> value) {
    const GameSettingRule& rule = RuleOf(key);
    if (value && *value >= rule.lowest && *value <= rule.highest) {
        return Done{};
    }
    if (key == GameSettingKey::PowerballBalls) {
        return Refusal{std::string(kInvalidPowerballBalls), NoticeKind::Plain};
    }
    return Refusal{std::string(rule.key) + " must be a whole number " + RangeText(rule) + "."};
}

std::string SettingsNotSavedMessage(const ProfileStore& store) {
    const std::string problem = store.Problem();
    return std::string(kSettingsNotSaved) + (problem.empty() ? "" : "\n" + problem);
}

std::string SettingsSavedMessage(const ProfileStore& store) {
    const std::string file = store.GameSettingsFile();
    return std::string(kSettingsSaved) +
           (file.empty() ? "" : "\nin the lottery folder's settings file\n" + file);
}

std::string ShownSettingText(std::string_view text) {
    static constexpr std::string_view kHexDigits = "0123456789ABCDEF";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            shown += "\\0";
        } else if (byte < 0x20 || byte == 0x7F) {
            shown.append("\\x").append(1, kHexDigits[byte >> 4]).append(1, kHexDigits[byte & 0xF]);
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string SaveConfirmationText(const GameSettingTexts& stored) {
    GameSettingTexts texts;
    std::transform(stored.begin(), stored.end(), texts.begin(), ShownSettingText);
    return "   Save Settings:\n5 Number Game:  " + texts[0] + "\n6 Number Game:  " + texts[1] +
           "\nPowerball Grp 1:   " + texts[2] + "\nPowerball Grp 2:   " + texts[3] +
           "\nPowerball Max  :   " + texts[4] + " ?";
}

std::string CurrentSettingsText(const GameSettingTexts& stored) {
    GameSettingTexts texts;
    std::transform(stored.begin(), stored.end(), texts.begin(), ShownSettingText);
    return "5 Number Game is set to " + texts[0] + " numbers.\n6 Number Game is set to " + texts[1] +
           " numbers.\nPowerball Group One is " + texts[2] + " numbers.\nPowerball Group Two is " + texts[3] +
           " numbers.\n" + texts[4] + " balls are drawn from Powerball Group 1.";
}

bool IsConfigured(const ProfileStore& store) {
    return !store.GetString(kSettingsSection, kKey5BC).empty();
}

Outcome<bool> RunFirstTimeSetup(ProfileStore& settings, std::string_view followUp) {
    // A lottery folder's settings never take the defaults: the keys it lacks come from the user's.
    ProfileStore& store = settings.UserSettings();
    if (!store.IsEmpty()) {
        return false;
    }
    bool firstRun = false;
    const bool kept = store.Update([&firstRun](ProfileValues& values) {
        // Looked at again under the store's lock: another program may have started meanwhile.
        if (!values.IsEmpty()) {
            return;
        }
        for (const GameSettingRule& rule : kGameSettingRules) {
            if (!values.Get(kSettingsSection, rule.key)) {
                values.Set(kSettingsSection, rule.key, rule.firstRunValue);
            }
        }
        values.Set(kProgramSection, kInstalledKey, "1");
        firstRun = true;
    });
    if (!kept) {
        return Refusal{SettingsNotSavedMessage(store)};
    }
    if (!firstRun) {
        return false;
    }
    const std::string message = followUp.empty()
                                    ? std::string(kFirstRunMessage)
                                    : std::string(kFirstRunMessage) + "\n\n" + std::string(followUp);
    Outcome<bool> done(true);
    done.Tell({message, NoticeKind::Plain});
    return done;
}

} // namespace vantorel
