// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GamePresets.h"

#include "platform/ProfileStore.h"

namespace vantorel {

namespace {

constexpr std::array<std::string_view, 5> kGameTitles = {"3 Number game", "4 Number game", "5 Number game",
                                                         "6 Number game", "Power Ball game"};
constexpr std::array<std::string_view, 5> kPresetKeys = {"3Number", "4Number", "5Number", "6Number",
                                                         "PowerBall"};

bool IsGame(int gameType) {
    return gameType >= 0 && static_cast<std::size_t>(gameType) < kGameTitles.size();
}

int GameTypeOf(const GamePreset& preset) {
    return static_cast<int>(preset.game);
}

// The name without the characters that do not matter, in lower case.
std::string NameKey(std::string_view name) {
    std::string key;
    for (const char c : FoldCase(name)) {
        if (c != ' ' && c != '-' && c != '_' && c != '/') {
            key += c;
        }
    }
    return key;
}

void AppendPadded(std::string& line, std::string_view text, std::size_t width) {
    line += text;
    line.append(text.size() < width ? width - text.size() : 1, ' ');
}

// Whether the stored texts of the five keys hold every value the preset sets.
bool KeysHoldPreset(const GameSettingTexts& texts, const GamePreset& preset) {
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        if (preset.values[i] && WholeNumberOf(texts[i]) != preset.values[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

const GamePreset* FindGamePreset(std::string_view name) {
    const std::string wanted = NameKey(name);
    for (const GamePreset& preset : kGamePresets) {
        if (!wanted.empty() && NameKey(preset.name) == wanted) {
            return &preset;
        }
    }
    return nullptr;
}

std::string_view GameOfPreset(const GamePreset& preset) {
    return GameTitleOf(GameTypeOf(preset));
}

std::string_view GameTitleOf(int gameType) {
    return IsGame(gameType) ? kGameTitles[static_cast<std::size_t>(gameType)] : std::string_view{};
}

std::string PresetAssignments(const GamePreset& preset) {
    std::string assignments;
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        if (preset.values[i]) {
            if (!assignments.empty()) {
                assignments += ' ';
            }
            assignments.append(kGameSettingRules[i].key)
                .append("=")
                .append(std::to_string(*preset.values[i]));
        }
    }
    return assignments;
}

std::string PresetListLine(const GamePreset& preset) {
    std::string line;
    AppendPadded(line, preset.name, 15);
    AppendPadded(line, preset.title, 15);
    AppendPadded(line, preset.matrix, 19);
    AppendPadded(line, GameOfPreset(preset), 17);
    const std::string assignments = PresetAssignments(preset);
    return line + (assignments.empty() ? "(no settings)" : assignments);
}

std::string UnknownPresetMessage(std::string_view name) {
    std::string message = "There is no preset named \"" + std::string(name) + "\".\nThe presets are:";
    for (const GamePreset& preset : kGamePresets) {
        message += ' ' + std::string(preset.name) + (&preset == &kGamePresets.back() ? "." : ",");
    }
    return message + "\nvantorel-cli settings --presets lists them with their games.";
}

std::string_view PresetKeyOf(int gameType) {
    return IsGame(gameType) ? kPresetKeys[static_cast<std::size_t>(gameType)] : std::string_view{};
}

bool UseGamePreset(ProfileStore& store, const GamePreset& preset) {
    return store.Update([&preset](ProfileValues& values) {
        for (std::size_t i = 0; i < kGameSettingCount; ++i) {
            if (preset.values[i]) {
                values.Set(kSettingsSection, kGameSettingRules[i].key, std::to_string(*preset.values[i]));
            }
        }
        values.Set(kPresetsSection, PresetKeyOf(GameTypeOf(preset)), preset.name);
    });
}

const GamePreset* PresetInForce(const ProfileStore& store, int gameType) {
    if (!IsGame(gameType)) {
        return nullptr;
    }
    const GamePreset* preset = FindGamePreset(store.GetString(kPresetsSection, PresetKeyOf(gameType)));
    if (preset == nullptr || GameTypeOf(*preset) != gameType ||
        !KeysHoldPreset(ReadGameSettingTexts(store), *preset)) {
        return nullptr;
    }
    return preset;
}

int EraInForce(const ProfileStore& store, int gameType) {
    const GamePreset* preset = PresetInForce(store, gameType);
    return preset == nullptr ? 0 : preset->eraStart;
}

} // namespace vantorel
