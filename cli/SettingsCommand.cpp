#include "cli/Commands.h"

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"

#include <optional>
#include <ostream>
#include <string>

namespace vantorel {

namespace {

void PrintSettings(const ProfileStore& profile, std::ostream& out) {
    const GameSettingTexts texts = ReadGameSettingTexts(profile);
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        out << kGameSettingRules[i].key << '=' << texts[i] << '\n';
    }
}

} // namespace

int RunSettings(const CommandLine& line, CliContext& context) {
    if (line.assignments.empty()) {
        PrintSettings(context.profile, context.out);
        return kExitDone;
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
        if (!AcceptGameSetting(*key, value)) {
            return kExitRefused;
        }
        changes[static_cast<std::size_t>(*key)] = value;
    }
    if (!WriteGameSettings(context.profile, changes)) {
        MessageBox(SettingsNotSavedMessage(context.profile), MessageIcon::Stop);
        return kExitRefused;
    }
    MessageBox(kSettingsSaved, MessageIcon::None);
    return kExitDone;
}

} // namespace vantorel
