#include "cli/Commands.h"

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"

#include <charconv>
#include <map>
#include <optional>
#include <ostream>
#include <string>

namespace vantorel {

namespace {

constexpr std::string_view kInvalidPowerballMax = "Invalid Selection for Powerball Max.\nPlease select 4 "
                                                  "balls or 5 balls.\n\n[Settings at the bottom of the list]";
constexpr std::string_view kSettingsSaved = "Settings Have Been Saved";
constexpr int kLowestMaximum = 19;
constexpr int kHighestMaximum = 61; // the Setup list's 19..59, then the two ball-count entries

std::optional<std::size_t> KeyIndex(std::string_view key) {
    for (std::size_t i = 0; i < kGameSettingKeys.size(); ++i) {
        if (FoldCase(key) == FoldCase(kGameSettingKeys[i])) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || text.front() == '-') {
        return std::nullopt;
    }
    return value;
}

// Shows why a value is refused and returns false, as the Setup page would.
bool ValueAccepted(std::string_view key, std::optional<int> value) {
    if (key == kKeyPBM) {
        if (value == 4 || value == 5) {
            return true;
        }
        MessageBox(kInvalidPowerballMax, MessageIcon::None);
        return false;
    }
    if (value && *value >= kLowestMaximum && *value <= kHighestMaximum) {
        return true;
    }
    MessageBox(std::string(key) + " must be a whole number from 19 to 61.", MessageIcon::Stop);
    return false;
}

void PrintSettings(const ProfileStore& profile, std::ostream& out) {
    for (const std::string_view key : kGameSettingKeys) {
        out << key << '=' << profile.GetString(kSettingsSection, key) << '\n';
    }
}

} // namespace

int RunSettings(const CommandLine& line, CliContext& context) {
    if (line.assignments.empty()) {
        PrintSettings(context.profile, context.out);
        return kExitDone;
    }
    // Validate every assignment before anything is written, so a refusal changes nothing.
    std::map<std::size_t, int> newValues;
    for (const std::string& assignment : line.assignments) {
        const auto equals = assignment.find('=');
        const std::optional<std::size_t> index =
            equals == std::string::npos ? std::nullopt
                                        : KeyIndex(std::string_view(assignment).substr(0, equals));
        if (!index) {
            return kExitUsage;
        }
        const std::optional<int> value = WholeNumber(std::string_view(assignment).substr(equals + 1));
        if (!ValueAccepted(kGameSettingKeys[*index], value)) {
            return kExitRefused;
        }
        newValues[*index] = *value;
    }
    for (const auto& [index, value] : newValues) {
        if (!context.profile.WriteString(kSettingsSection, kGameSettingKeys[index], std::to_string(value))) {
            MessageBox("The settings could not be saved.", MessageIcon::Stop);
            return kExitRefused;
        }
    }
    MessageBox(kSettingsSaved, MessageIcon::None);
    return kExitDone;
}

} // namespace vantorel
