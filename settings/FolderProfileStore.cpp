// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/FolderProfileStore.h"

#include "platform/GamePresets.h"
#include "platform/GameSettings.h"

#include <map>
#include <optional>
#include <system_error>
#include <utility>

namespace vantorel {

namespace {

// The values one update sees: the folder's keys (as its file holds them) over the user's. The user's are
// changed in place; the folder's changes wait until the user's file is written, so that a failed write of
// the user's file leaves the folder's file as it was.
class LayeredValues final : public ProfileValues {
public:
    LayeredValues(const IniProfileStore& folder, ProfileValues& user) : folder_(folder), user_(user) {}

    std::optional<std::string> Get(std::string_view section, std::string_view key) const override {
        if (!FolderProfileStore::IsFolderSection(section)) {
            return user_.Get(section, key);
        }
        if (const auto pending = pending_.find(Name(section, key)); pending != pending_.end()) {
            return pending->second.value;
        }
        const auto found = folder_.Lookup(section, {key});
        return found && found->front() ? found->front() : user_.Get(section, key);
    }
    void Set(std::string_view section, std::string_view key, std::string_view value) override {
        if (!FolderProfileStore::IsFolderSection(section)) {
            user_.Set(section, key, value);
            return;
        }
        pending_[Name(section, key)] = {std::string(section), std::string(key), std::string(value)};
    }
    bool IsEmpty() const override { return user_.IsEmpty(); }

    bool HasFolderChanges() const { return !pending_.empty(); }
    void WriteFolderChanges(ProfileValues& folder) const {
        for (const auto& [name, change] : pending_) {
            folder.Set(change.section, change.key, change.value);
        }
    }

private:
    struct Change {
        std::string section;
        std::string key;
        std::string value;
    };
    static std::string Name(std::string_view section, std::string_view key) {
        return FoldCase(section) + '/' + FoldCase(key);
    }

    const IniProfileStore& folder_;
    ProfileValues& user_;
    std::map<std::string, Change> pending_;
};

} // namespace

FolderProfileStore::FolderProfileStore(ProfileStore& user, std::filesystem::path folder, FileSystem& files,
                                       std::chrono::milliseconds lockWait)
    : user_(user), folder_(std::move(folder)), files_(files), lockWait_(lockWait) {}

bool FolderProfileStore::IsFolderSection(std::string_view section) {
    const std::string folded = FoldCase(section);
    return folded == FoldCase(kSettingsSection) || folded == FoldCase(kPresetsSection);
}

std::filesystem::path FolderProfileStore::FolderFile() const {
    std::error_code error;
    const std::filesystem::path folder = folder_.empty() ? std::filesystem::current_path(error) : folder_;
    return std::filesystem::absolute(folder / std::string(kFolderSettingsFileName), error);
}

bool FolderProfileStore::HasFolderFile() const {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(FolderFile(), error);
    // A file whose presence cannot be told (a folder that cannot be searched) is taken as there, so that
    // reading it fails and says so.
    return error ? error != std::errc::no_such_file_or_directory : std::filesystem::exists(status);
}

std::string FolderProfileStore::FolderFileProblem() const {
    if (!HasFolderFile()) {
        return {};
    }
    const IniProfileStore folder = FolderStore();
    return folder.Lookup(kSettingsSection, {}) ? DanglingLinkProblem() : folder.Problem();
}

// A link that leads nowhere would read as an empty file: the folder's settings would silently be the
// user's.
std::string FolderProfileStore::DanglingLinkProblem() const {
    std::error_code error;
    const std::filesystem::path file = FolderFile();
    if (std::filesystem::exists(std::filesystem::status(file, error)) || !HasFolderFile()) {
        return {};
    }
    return "The settings file " + file.string() + " could not be read: it is a symbolic link to " +
           std::filesystem::read_symlink(file, error).string() + ", which is not there.";
}

IniProfileStore FolderProfileStore::FolderStore() const {
    return IniProfileStore(FolderFile(), files_, lockWait_);
}

std::string FolderProfileStore::GetString(std::string_view section, std::string_view key) const {
    return GetStrings(section, {key}).front();
}

std::vector<std::string> FolderProfileStore::GetStrings(std::string_view section,
                                                        const std::vector<std::string_view>& keys) const {
    problem_.clear();
    if (!IsFolderSection(section) || !HasFolderFile()) {
        return user_.GetStrings(section, keys);
    }
    const IniProfileStore folder = FolderStore();
    const std::optional<std::vector<std::optional<std::string>>> found = folder.Lookup(section, keys);
    problem_ = found ? DanglingLinkProblem() : folder.Problem();
    if (!problem_.empty()) {
        return std::vector<std::string>(keys.size());
    }
    std::vector<std::string_view> lacking;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!(*found)[i]) {
            lacking.push_back(keys[i]);
        }
    }
    std::vector<std::string> fromUser =
        lacking.empty() ? std::vector<std::string>{} : user_.GetStrings(section, lacking);
    std::vector<std::string> texts;
    texts.reserve(keys.size());
    std::size_t nextFromUser = 0;
    for (const std::optional<std::string>& value : *found) {
        texts.push_back(value ? *value : std::move(fromUser[nextFromUser++]));
    }
    return texts;
}

bool FolderProfileStore::Update(const std::function<void(ProfileValues&)>& change) {
    problem_.clear();
    if (!HasFolderFile()) {
        return user_.Update(change);
    }
    if (problem_ = FolderFileProblem(); !problem_.empty()) {
        return false;
    }
    // The user's file first, then the folder's: the two locks are never held together (both lock their
    // folder, which may be one and the same).
    IniProfileStore folder = FolderStore();
    std::optional<LayeredValues> layered;
    if (!user_.Update([&](ProfileValues& userValues) {
            layered.emplace(folder, userValues);
            change(*layered);
        })) {
        return false;
    }
    if (!layered || !layered->HasFolderChanges()) {
        return true;
    }
    if (!folder.Update(
            [&layered](ProfileValues& folderValues) { layered->WriteFolderChanges(folderValues); })) {
        problem_ = folder.Problem();
        return false;
    }
    return true;
}

std::string FolderProfileStore::Problem() const {
    return problem_.empty() ? user_.Problem() : problem_;
}

std::string FolderProfileStore::GameSettingsFile() const {
    return HasFolderFile() ? FolderFile().string() : std::string();
}

} // namespace vantorel
