// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProfileStore.h"
#include "store/FileSystem.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace vantorel {

class IniFile;

// How long an update waits for another program that is changing the settings file.
inline constexpr std::chrono::milliseconds kProfileLockWait{2000};
// A settings file larger than this is not read (ours holds a few hundred bytes).
inline constexpr std::size_t kLargestProfileFile = 1024 * 1024;

// The profile store in an INI file, the file that QSettings keeps for the profile location and application
// title of GameSettings.h. Every read takes the file as it is on the disk, so a change that another program
// made is seen at once. An update holds an exclusive lock on "<file>.lck" beside it for its read, change
// and write, and replaces the file in one step (a fresh work file, flushed, renamed over it, with the
// file's permissions; a symbolic link has its target replaced). Lines the update does not change stay as
// they were. A file that cannot be read, or that is not written in ASCII or UTF-8 (UTF-16, say), is never
// replaced. The lock holds while someone deletes or replaces the lock file (see LockFileExclusively).
class IniProfileStore final : public ProfileStore {
public:
    // The user's settings file (UserProfileFile()).
    IniProfileStore();
    explicit IniProfileStore(std::filesystem::path file, FileSystem& files = RealFileSystem(),
                             std::chrono::milliseconds lockWait = kProfileLockWait);

    std::string GetString(std::string_view section, std::string_view key) const override;
    std::vector<std::string> GetStrings(std::string_view section,
                                        const std::vector<std::string_view>& keys) const override;
    bool IsEmpty() const override;
    bool Update(const std::function<void(ProfileValues&)>& change) override;
    std::string Problem() const override { return problem_; }

    // The values of `keys` in `section` as the file holds them now, nothing for a key it lacks (an entry
    // with an empty value is there); nothing at all, with the problem noted, when the file cannot be read.
    std::optional<std::vector<std::optional<std::string>>>
    Lookup(std::string_view section, const std::vector<std::string_view>& keys) const;

    const std::filesystem::path& file() const { return file_; }

private:
    // The file as it is now (empty when there is none); nothing, with the problem noted, when it cannot be
    // read, or when it is not ASCII or UTF-8 text (which an update, `forWriting`, would damage).
    std::optional<IniFile> Read(bool forWriting = false) const;
    bool Fail(std::string problem) const;

    std::filesystem::path file_;
    FileSystem& files_;
    std::chrono::milliseconds lockWait_;
    mutable std::string problem_;
};

// Where QSettings keeps the settings of the profile location and application title on Linux:
// $XDG_CONFIG_HOME/Nulvex.Mark/Vantorel.conf, or ~/.config/Nulvex.Mark/Vantorel.conf when XDG_CONFIG_HOME
// is unset or empty. A relative XDG_CONFIG_HOME is taken from the current directory, as QSettings takes
// it; the home folder is $HOME, else the user's entry in the password database.
std::filesystem::path UserProfileFile();

// The per-user data folder, where the desktop program keeps the history when no folder is named (what
// QStandardPaths::AppDataLocation gives it on Linux): $XDG_DATA_HOME/Nulvex.Mark/Vantorel, or
// ~/.local/share/Nulvex.Mark/Vantorel when XDG_DATA_HOME is unset or empty.
std::filesystem::path UserDataFolderPath();

} // namespace vantorel
