// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProfileStore.h"
#include "settings/IniProfileStore.h"
#include "store/FileSystem.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The settings file a lottery folder may hold beside its history.
inline constexpr std::string_view kFolderSettingsFileName = "vantorel.ini";

// The settings of one lottery folder laid over the user's own. The game settings and the presets in force
// (the sections a lottery folder keeps, its game; the results sources follow from the presets) are read
// from the folder's vantorel.ini when it holds them and from the user's settings otherwise, and an update
// writes them to the folder's file when there is one, with the same lock, atomic replace and checks as the
// user's file (the user's file is written first, then the folder's, each in one step). Everything else (the
// window's place, the recent folders, the first-run marker) is the user's alone. A folder file that cannot be
// read is never passed over: its keys read as empty and Problem() names it, so that every operation reading
// them is refused.
class FolderProfileStore final : public ProfileStore {
public:
    // `folder` empty: the working directory, looked up at every access, so that the store follows the
    // program into another lottery folder.
    explicit FolderProfileStore(ProfileStore& user, std::filesystem::path folder = {},
                                FileSystem& files = RealFileSystem(),
                                std::chrono::milliseconds lockWait = kProfileLockWait);

    std::string GetString(std::string_view section, std::string_view key) const override;
    std::vector<std::string> GetStrings(std::string_view section,
                                        const std::vector<std::string_view>& keys) const override;
    // The user's settings: the first run is theirs.
    bool IsEmpty() const override { return user_.IsEmpty(); }
    bool Update(const std::function<void(ProfileValues&)>& change) override;
    std::string Problem() const override;
    ProfileStore& UserSettings() override { return user_; }
    std::string GameSettingsFile() const override;

    // The folder's settings file (absolute), whether or not it is there.
    std::filesystem::path FolderFile() const;
    // Whether the folder holds a settings file (a link that leads nowhere counts: it cannot be read).
    bool HasFolderFile() const;
    // Why the folder's settings file cannot be read; empty when it is missing or reads well.
    std::string FolderFileProblem() const;

    // Whether a lottery folder's file keeps the keys of `section`.
    static bool IsFolderSection(std::string_view section);

private:
    IniProfileStore FolderStore() const;
    std::string DanglingLinkProblem() const;

    ProfileStore& user_;
    std::filesystem::path folder_;
    FileSystem& files_;
    std::chrono::milliseconds lockWait_;
    mutable std::string problem_;
};

} // namespace vantorel
