#include "platform/GamePresets.h"

#include "platform/ProfileStore.h"

namespace vantorel {

namespace {

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
    if (preset.values[static_cast<std::size_t>(GameSettingKey::FiveNumberMax)]) {
        return "5 Number game";
    }
    if (preset.values[static_cast<std::size_t>(GameSettingKey::SixNumberMax)]) {
        return "6 Number game";
    }
    return "Power Ball game";
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
    return line + PresetAssignments(preset);
}

} // namespace vantorel
