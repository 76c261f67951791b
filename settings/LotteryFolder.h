// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GamePresets.h"
#include "platform/Outcome.h"
#include "platform/ProfileStore.h"
#include "store/FileSystem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// A lottery folder holds one lottery's history (vtrmain.dat) and, beside it, the settings of its games
// (vantorel.ini, see FolderProfileStore). The user's settings remember the folders the desktop program
// worked in last, newest first, as keys Recent1 .. Recent5 of this section.
inline constexpr std::string_view kFoldersSection = "Folders";
inline constexpr std::size_t kRecentFolderCount = 5;

// The folders the desktop program worked in, newest first; entries that are empty are left out.
std::vector<std::filesystem::path> ReadRecentFolders(const ProfileStore& user);
// Puts `folder` first in the list (once), keeping the newest kRecentFolderCount; false when the settings
// could not keep it.
bool RememberRecentFolder(ProfileStore& user, const std::filesystem::path& folder);

// Where a program works when no folder is named, from the first that applies.
enum class FolderSource {
    kNamed,    // named on the command line
    kCurrent,  // the current folder holds a history
    kLast,     // the folder the desktop program worked in last (it still exists)
    kUserData, // the per-user data folder
};
struct HistoryFolderChoice {
    std::filesystem::path folder; // absolute
    FolderSource source = FolderSource::kUserData;
};
// The folder of the history: `named` when given (relative to `current`), else `current` when it holds a
// history file, else the desktop program's last folder when it still exists, else `userData`.
HistoryFolderChoice ChooseHistoryFolder(const std::optional<std::filesystem::path>& named,
                                        const std::filesystem::path& current, const ProfileStore& user,
                                        const std::filesystem::path& userData);

// What to tell when a command needs the history and `historyFile` is missing: the file looked for and how
// to start one.
std::string MissingHistoryMessage(const std::filesystem::path& historyFile,
                                  const std::filesystem::path& userData);

// A new lottery folder, as MakeLotteryFolder left it.
struct LotteryFolderMade {
    std::filesystem::path folder;           // absolute
    std::vector<const GamePreset*> presets; // in the order given
    std::string message;                    // what was made and how to fill the history
};

// The presets of the names given: refused when a name is unknown, when none is given, or when two are for
// the same game (a folder keeps one preset a game).
Outcome<std::vector<const GamePreset*>> PresetsOfNames(const std::vector<std::string>& names);

// Makes a lottery folder: `folder` (made when missing) with vantorel.ini holding the presets' keys, each
// remembered as its game's preset, and an empty history (every section present, without drawings).
// Refused when the folder already holds a history or a settings file, or when a file cannot be written;
// a refusal leaves no settings file or history of its own behind. `words` chooses how the closing message
// says to fill each game: with vantorel-cli's commands or on the desktop program's Data File page.
enum class FillWords { kCommandLine, kDesktop };
Outcome<LotteryFolderMade> MakeLotteryFolder(const std::filesystem::path& folder,
                                             const std::vector<const GamePreset*>& presets,
                                             FillWords words = FillWords::kCommandLine,
                                             FileSystem& files = RealFileSystem());

// The history file with no drawing: one line per section, each with a count of 0.
std::string EmptyHistoryText();

} // namespace vantorel
