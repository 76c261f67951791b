// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniProfileStore.h"

#include "platform/GameSettings.h"
#include "settings/IniFile.h"
#include "store/HistoryRewrite.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace vantorel {

namespace {

// The values of an update: the file's content, and whether the update changed it.
class IniValues final : public ProfileValues {
public:
    explicit IniValues(IniFile& file) : file_(file) {}

    std::optional<std::string> Get(std::string_view section, std::string_view key) const override {
        return file_.Get(section, key);
    }
    void Set(std::string_view section, std::string_view key, std::string_view value) override {
        if (file_.Get(section, key) != value) {
            file_.Set(section, key, value);
            changed_ = true;
        }
    }
    bool IsEmpty() const override { return file_.HasNoEntries(); }
    bool changed() const { return changed_; }

private:
    IniFile& file_;
    bool changed_ = false;
};

std::string_view ReadCause(ReadStatus status) {
    switch (status) {
    case ReadStatus::kNotAFile:
        return kCauseNotAFile;
    case ReadStatus::kLinkLoop:
        return "it is a symbolic link that leads round in a circle";
    case ReadStatus::kTooLarge:
        return "it is larger than a settings file can be";
    case ReadStatus::kNotOpened:
        return "it cannot be opened";
    case ReadStatus::kRead:
    case ReadStatus::kMissing:
    case ReadStatus::kReadFailed:
        break;
    }
    return "the system reported an error";
}

// A settings file that QSettings and this store can read is ASCII or UTF-8 text: a byte order mark of
// UTF-16 or UTF-32, or a NUL byte, marks one written in another encoding, which a rewrite would damage.
bool IsUtf8OrAscii(std::string_view text) {
    const bool utf16Mark = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
    return !utf16Mark && text.find('\0') == std::string_view::npos;
}
constexpr std::string_view kNotUtf8 = "it is not written in UTF-8 or ASCII";

std::string FileProblem(const std::filesystem::path& file, std::string_view what, std::string_view cause) {
    return "The settings file " + file.string() + " could not be " + std::string(what) + ": " +
           std::string(cause) + '.';
}

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return "/";
}

} // namespace

std::filesystem::path UserProfileFile() {
    std::filesystem::path configHome;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        std::error_code error;
        configHome = std::filesystem::absolute(xdg, error);
        if (error) {
            configHome = xdg;
        }
    } else {
        configHome = HomeFolder() / ".config";
    }
    return configHome / std::string(kProfileOrganization) / (std::string(kProfileApplication) + ".conf");
}

std::filesystem::path UserDataFolderPath() {
    std::filesystem::path dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
        std::error_code error;
        dataHome = std::filesystem::absolute(xdg, error);
        if (error) {
            dataHome = xdg;
        }
    } else {
        dataHome = HomeFolder() / ".local" / "share";
    }
    return dataHome / std::string(kProfileOrganization) / std::string(kProfileApplication);
}

IniProfileStore::IniProfileStore() : IniProfileStore(UserProfileFile()) {}

IniProfileStore::IniProfileStore(std::filesystem::path file, FileSystem& files,
                                 std::chrono::milliseconds lockWait)
    : file_(std::move(file)), files_(files), lockWait_(lockWait) {}

bool IniProfileStore::Fail(std::string problem) const {
    problem_ = std::move(problem);
    return false;
}

std::optional<IniFile> IniProfileStore::Read(bool forWriting) const {
    std::string content;
    const ReadStatus status = files_.ReadWhole(file_, content, kLargestProfileFile);
    if (status != ReadStatus::kRead && status != ReadStatus::kMissing) {
        Fail(FileProblem(file_, "read", ReadCause(status)));
        return std::nullopt;
    }
    if (!IsUtf8OrAscii(content)) {
        Fail(forWriting
                 ? FileProblem(file_, "written", std::string(kNotUtf8) + ", and rewriting it would damage it")
                 : FileProblem(file_, "read", kNotUtf8));
        return std::nullopt;
    }
    problem_.clear();
    return IniFile::Parse(std::move(content));
}

std::string IniProfileStore::GetString(std::string_view section, std::string_view key) const {
    const std::optional<IniFile> content = Read();
    return content ? content->Get(section, key).value_or(std::string()) : std::string();
}

std::vector<std::string> IniProfileStore::GetStrings(std::string_view section,
                                                     const std::vector<std::string_view>& keys) const {
    const std::optional<IniFile> content = Read();
    std::vector<std::string> texts;
    texts.reserve(keys.size());
    for (const std::string_view key : keys) {
        texts.push_back(content ? content->Get(section, key).value_or(std::string()) : std::string());
    }
    return texts;
}

std::optional<std::vector<std::optional<std::string>>>
IniProfileStore::Lookup(std::string_view section, const std::vector<std::string_view>& keys) const {
    const std::optional<IniFile> content = Read();
    if (!content) {
        return std::nullopt;
    }
    std::vector<std::optional<std::string>> values;
    values.reserve(keys.size());
    for (const std::string_view key : keys) {
        values.push_back(content->Get(section, key));
    }
    return values;
}

bool IniProfileStore::IsEmpty() const {
    // A file that cannot be read is a trace of an earlier run: the first run must not write over it.
    const std::optional<IniFile> content = Read();
    return content && content->HasNoEntries();
}

bool IniProfileStore::Update(const std::function<void(ProfileValues&)>& change) {
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    if (error) {
        return Fail(FileProblem(file_, "written", "its folder cannot be made (" + error.message() + ")"));
    }
    FileFault fault = FileFault::kNone;
    const std::filesystem::path lockFile = file_.parent_path() / (file_.filename().string() + ".lck");
    const std::unique_ptr<WriterLock> lock = LockFileExclusively(lockFile, lockWait_, fault);
    if (!lock) {
        return Fail(FileProblem(file_, "written",
                                fault == FileFault::kInUse
                                    ? std::string(CauseOf(fault))
                                    : "its lock file " + lockFile.string() + " cannot be used (" +
                                          std::string(CauseOf(fault)) + ")"));
    }
    std::optional<IniFile> content = Read(true);
    if (!content) {
        return false;
    }
    IniValues values(*content);
    change(values);
    if (!values.changed()) {
        return true;
    }
    fault = ReplaceFile(files_, file_, content->Text());
    if (fault != FileFault::kNone) {
        return Fail(FileProblem(file_, "written", CauseOf(fault)));
    }
    return true;
}

} // namespace vantorel
