// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"

#include <optional>
#include <ostream>
#include <string>

namespace vantorel {

namespace {

// Lists the five keys; refused, with the reason, when the settings file cannot be read.
int PrintSettings(const ProfileStore& profile, std::ostream& out) {
    const GameSettingTexts texts = ReadGameSettingTexts(profile);
    if (const std::string problem = profile.Problem(); !problem.empty()) {
        MessageBox(problem, MessageIcon::Stop);
        return kExitRefused;
    }
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        out << kGameSettingRules[i].key << '=' << ShownSettingText(texts[i]) << '\n';
    }
    return kExitDone;
}

// Writes the changes, or the preset's values with the preset remembered as its game's.
int SaveSettings(ProfileStore& profile, const GameSettingChanges& changes,
                 const GamePreset* preset = nullptr) {
    const bool saved =
        preset != nullptr ? UseGamePreset(profile, *preset) : WriteGameSettings(profile, changes);
    if (!saved) {
        MessageBox(SettingsNotSavedMessage(profile), MessageIcon::Stop);
        return kExitRefused;
    }
    MessageBox(SettingsSavedMessage(profile), MessageIcon::None);
    return kExitDone;
}

int UsePreset(std::string_view name, CliContext& context) {
    const GamePreset* preset = FindGamePreset(name);
    if (preset == nullptr) {
        MessageBox(UnknownPresetMessage(name), MessageIcon::Stop);
        return kExitRefused;
    }
    return SaveSettings(context.profile, preset->values, preset);
}

} // namespace

int RunSettings(const CommandLine& line, CliContext& context) {
    if (line.listPresets) {
        for (const GamePreset& preset : kGamePresets) {
            const bool inForce = PresetInForce(context.profile, static_cast<int>(preset.game)) == &preset;
            context.out << PresetListLine(preset) << (inForce ? "  (in force)" : "") << '\n';
        }
        return kExitDone;
    }
    if (line.preset) {
        return UsePreset(*line.preset, context);
    }
    if (line.assignments.empty()) {
        return PrintSettings(context.profile, context.out);
    }
    // Validate every assignment before anything is written, so a refusal changes nothing.
    GameSettingChanges changes;
    for (const std::string& assignment : line.assignments) {
        const auto equals = assignment.find('=');
        const std::optional<GameSettingKey> key =
            equals == std::string::npos ? std::nullopt
                                        : FindGameSettingKey(std::string_view(assignment).substr(0, equals));
        if (!key) {
            return kExitUsage;
        }
        const std::optional<int> value = WholeNumberOf(std::string_view(assignment).substr(equals + 1));
        if (!ShowOutcome(AcceptGameSetting(*key, value))) {
            return kExitRefused;
        }
        changes[static_cast<std::size_t>(*key)] = value;
    }
    return SaveSettings(context.profile, changes);
}

} // namespace vantorel
