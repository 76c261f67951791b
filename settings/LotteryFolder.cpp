// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/LotteryFolder.h"

#include "platform/GameCatalogue.h"
#include "platform/GameSettings.h"
#include "settings/FolderProfileStore.h"
#include "settings/IniProfileStore.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"

#include <algorithm>
#include <system_error>

namespace vantorel {

namespace {

std::string RecentKey(std::size_t index) {
    return "Recent" + std::to_string(index + 1);
}

std::vector<std::string_view> RecentKeys(std::vector<std::string>& names) {
    names.clear();
    for (std::size_t i = 0; i < kRecentFolderCount; ++i) {
        names.push_back(RecentKey(i));
    }
    return {names.begin(), names.end()};
}

bool IsPresent(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(file, error);
    return error ? error != std::errc::no_such_file_or_directory : std::filesystem::exists(status);
}

bool IsFolder(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder, error);
}

// How to fill a game's new history: from the lottery's results on the web when the preset names a source,
// from a results file otherwise.
std::string FillLine(const std::filesystem::path& folder, const GamePreset& preset, FillWords words) {
    const int game = static_cast<int>(preset.game);
    const std::string cliWord(GameOf(game).cliWord);
    if (words == FillWords::kDesktop) {
        return "  " + std::string(GameTitleOf(game)) +
               ": the Data File page's \"Results Import (UPDATE)\" with " +
               (preset.sourceUrl.empty() ? "the results file the lottery publishes"
                                         : "the file published at\n    " + std::string(preset.sourceUrl));
    }
    const std::string dir = "vantorel-cli --dir \"" + folder.string() + "\" ";
    std::string line = "  " + dir;
    if (!preset.sourceUrl.empty()) {
        line += "update " + cliWord + "\n  or " + dir;
    }
    return line + "import " + cliWord + " --dated FILE --results";
}

std::string MadeMessage(const std::filesystem::path& folder, const std::vector<const GamePreset*>& presets,
                        FillWords words) {
    std::string message = "Lottery folder " + folder.string() + " made for";
    for (const GamePreset* preset : presets) {
        const std::string assignments = PresetAssignments(*preset);
        message += (preset == presets.front() ? " " : ", ") + std::string(preset->title) + " (" +
                   (assignments.empty() ? std::string(preset->name) : assignments) + ")";
    }
    message += ".\nIts history is empty. To fill it:";
    for (const GamePreset* preset : presets) {
        message += '\n' + FillLine(folder, *preset, words);
    }
    return message;
}

std::string FolderNotMadeMessage(const std::filesystem::path& folder, std::string_view cause) {
    const bool ended = !cause.empty() && cause.back() == '.';
    return "The lottery folder " + folder.string() + " was not made:\n" + std::string(cause) +
           (ended ? "" : ".");
}

} // namespace

std::vector<std::filesystem::path> ReadRecentFolders(const ProfileStore& user) {
    std::vector<std::string> names;
    std::vector<std::filesystem::path> folders;
    for (const std::string& text : user.GetStrings(kFoldersSection, RecentKeys(names))) {
        if (!text.empty() && std::find(folders.begin(), folders.end(), text) == folders.end()) {
            folders.emplace_back(text);
        }
    }
    return folders;
}

bool RememberRecentFolder(ProfileStore& user, const std::filesystem::path& folder) {
    return user.Update([&folder](ProfileValues& values) {
        std::vector<std::string> list{folder.string()};
        for (std::size_t i = 0; i < kRecentFolderCount; ++i) {
            const std::string text = values.Get(kFoldersSection, RecentKey(i)).value_or(std::string());
            if (!text.empty() && std::find(list.begin(), list.end(), text) == list.end()) {
                list.push_back(text);
            }
        }
        list.resize(kRecentFolderCount);
        for (std::size_t i = 0; i < kRecentFolderCount; ++i) {
            if (!list[i].empty() || values.Get(kFoldersSection, RecentKey(i))) {
                values.Set(kFoldersSection, RecentKey(i), list[i]);
            }
        }
    });
}

HistoryFolderChoice ChooseHistoryFolder(const std::optional<std::filesystem::path>& named,
                                        const std::filesystem::path& current, const ProfileStore& user,
                                        const std::filesystem::path& userData) {
    if (named) {
        return {(current / *named).lexically_normal(), FolderSource::kNamed};
    }
    if (IsPresent(current / std::string(kHistoryFileName))) {
        return {current, FolderSource::kCurrent};
    }
    const std::vector<std::filesystem::path> recent = ReadRecentFolders(user);
    if (!recent.empty() && recent.front().is_absolute() && IsFolder(recent.front())) {
        return {recent.front(), FolderSource::kLast};
    }
    return {userData, FolderSource::kUserData};
}

std::string MissingHistoryMessage(const std::filesystem::path& historyFile,
                                  const std::filesystem::path& userData) {
    return "There is no history file " + historyFile.string() +
           ".\nTo start one, make a lottery folder:  vantorel-cli new DIR --preset NAME\n"
           "bring in drawings from a file:        vantorel-cli import GAME --dated FILE --results\n"
           "or start the desktop program vantorel once: it copies the sample history to\n" +
           userData.string();
}

Outcome<std::vector<const GamePreset*>> PresetsOfNames(const std::vector<std::string>& names) {
    if (names.empty()) {
        return Refusal{"Name at least one preset for the lottery folder (--preset NAME)."};
    }
    std::vector<const GamePreset*> presets;
    for (const std::string& name : names) {
        const GamePreset* preset = FindGamePreset(name);
        if (preset == nullptr) {
            return Refusal{UnknownPresetMessage(name)};
        }
        const auto sameGame = std::find_if(presets.begin(), presets.end(), [preset](const GamePreset* other) {
            return other->game == preset->game;
        });
        if (sameGame != presets.end() && *sameGame != preset) {
            return Refusal{"The presets " + std::string((*sameGame)->name) + " and " +
                           std::string(preset->name) + " are both played as the " +
                           std::string(GameOfPreset(*preset)) +
                           ".\nA lottery folder keeps one preset a game."};
        }
        if (sameGame == presets.end()) {
            presets.push_back(preset);
        }
    }
    return presets;
}

std::string EmptyHistoryText() {
    std::string text;
    for (int section = 0; section < kSectionCount; ++section) {
        text += std::to_string(section) + " 0 " + std::string(kLineEnd);
    }
    return text;
}

Outcome<LotteryFolderMade> MakeLotteryFolder(const std::filesystem::path& folder,
                                             const std::vector<const GamePreset*>& presets, FillWords words,
                                             FileSystem& files) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error).lexically_normal();
    if (error) {
        return Refusal{FolderNotMadeMessage(folder, error.message())};
    }
    const std::filesystem::path history = absolute / std::string(kHistoryFileName);
    const std::filesystem::path settingsFile = absolute / std::string(kFolderSettingsFileName);
    if (IsPresent(absolute) && !IsFolder(absolute)) {
        return Refusal{FolderNotMadeMessage(absolute, "it is not a folder")};
    }
    if (IsPresent(history) || IsPresent(settingsFile)) {
        return Refusal{FolderNotMadeMessage(
            absolute, "it already holds " +
                          std::string(IsPresent(history) ? kHistoryFileName : kFolderSettingsFileName))};
    }
    std::filesystem::create_directories(absolute, error);
    if (error) {
        return Refusal{FolderNotMadeMessage(absolute, "it cannot be made (" + error.message() + ")")};
    }
    // The settings file first, under its own lock (which locks the folder, as the writers' lock does: the
    // two are never held together).
    IniProfileStore settings(settingsFile, files);
    bool madeMeanwhile = false;
    const bool settingsKept = settings.Update([&presets, &madeMeanwhile](ProfileValues& values) {
        if (!values.IsEmpty()) {
            madeMeanwhile = true;
            return;
        }
        for (const GamePreset* preset : presets) {
            for (std::size_t i = 0; i < kGameSettingCount; ++i) {
                if (preset->values[i]) {
                    values.Set(kSettingsSection, kGameSettingRules[i].key,
                               std::to_string(*preset->values[i]));
                }
            }
            values.Set(kPresetsSection, PresetKeyOf(static_cast<int>(preset->game)), preset->name);
        }
    });
    if (madeMeanwhile) {
        return Refusal{FolderNotMadeMessage(absolute, "another program made it meanwhile")};
    }
    if (!settingsKept) {
        files.Remove(settingsFile);
        return Refusal{FolderNotMadeMessage(absolute, settings.Problem())};
    }
    const auto undo = [&](std::string cause) {
        files.Remove(settingsFile);
        return Outcome<LotteryFolderMade>(Refusal{FolderNotMadeMessage(absolute, cause)});
    };
    FileFault fault = FileFault::kNone;
    const std::unique_ptr<WriterLock> lock = files.LockWriters(history, kWriterWait, fault);
    if (!lock) {
        return undo(std::string(CauseOf(fault)));
    }
    // Looked at again under the writers' lock: another program may have started a history meanwhile.
    if (IsPresent(history)) {
        return undo("another program made it meanwhile");
    }
    fault = ReplaceFile(files, history, EmptyHistoryText());
    if (fault != FileFault::kNone) {
        return undo(std::string(kHistoryFileName) + " could not be written: " + std::string(CauseOf(fault)));
    }
    return LotteryFolderMade{absolute, presets, MadeMessage(absolute, presets, words)};
}

} // namespace vantorel
