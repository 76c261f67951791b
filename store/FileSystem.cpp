// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileSystem.h"

#include "store/FileDescriptor.h"
#include "store/HistoryFile.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

namespace vantorel {

namespace {

// Symbolic links followed to the file they name; a longer chain is taken for a loop.
constexpr int kMostLinkHops = 40;
constexpr int kWorkFileNameTries = 100;
constexpr std::chrono::milliseconds kLockRetryPause{5};
constexpr std::string_view kNameAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kWorkFileSuffixLength = 8;

// The file that `file` names after following symbolic links (itself when it is none, or when a link
// cannot be read).
std::filesystem::path ResolveLinks(std::filesystem::path file) {
    for (int hop = 0; hop < kMostLinkHops; ++hop) {
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::symlink_status(file, error);
        if (error || !std::filesystem::is_symlink(status)) {
            return file;
        }
        const std::filesystem::path link = std::filesystem::read_symlink(file, error);
        if (error) {
            return file;
        }
        file = link.is_absolute() ? link : file.parent_path() / link;
    }
    return file;
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// Eight random letters and digits for a work file's name.
std::string RandomSuffix() {
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, kNameAlphabet.size() - 1);
    std::string suffix(kWorkFileSuffixLength, ' ');
    for (char& c : suffix) {
        c = kNameAlphabet[pick(device)];
    }
    return suffix;
}

// Whether a name is one that this program gives its work files: the prefix and eight letters or digits.
bool IsWorkFileName(std::string_view name) {
    if (name.size() != kWorkFilePrefix.size() + kWorkFileSuffixLength || !name.starts_with(kWorkFilePrefix)) {
        return false;
    }
    name.remove_prefix(kWorkFilePrefix.size());
    return name.find_first_not_of(kNameAlphabet) == std::string_view::npos;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `name` (in the folder `folder`, without following a link) is still the file open as `file`.
bool StillNamed(int folder, const char* name, int file) {
    struct stat named {};
    struct stat opened {};
    return ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(file, &opened) == 0 &&
           SameFile(named, opened);
}

// Whether the user may change a regular file. The administrator may write anything, so for him a file
// counts as writable only while it carries a write permission: a history marked read-only stays alone.
bool MayChange(const std::filesystem::path& file, const struct stat& status) {
    if (::geteuid() == 0) {
        return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    }
    return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

void SyncFolder(const std::filesystem::path& folder) {
    const FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid()) {
        ::fsync(directory.get());
    }
}

// Attributes of the namespaces that only the system may set: copied where it allows, otherwise left to
// the system's defaults for a new file.
bool SystemMaySetAttribute(std::string_view name) {
    return name.starts_with("security.") || name.starts_with("trusted.");
}

// The names of the extended attributes of `file` (not through a link), separated by NUL characters.
std::optional<std::string> AttributeNames(const std::filesystem::path& file, FileFault& fault) {
    std::string names;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::llistxattr(file.c_str(), nullptr, 0);
        if (size < 0) {
            fault = errno == ENOTSUP ? FileFault::kNone : FaultOfError(errno);
            return std::nullopt;
        }
        names.resize(static_cast<std::size_t>(size));
        const ssize_t listed = size == 0 ? 0 : ::llistxattr(file.c_str(), names.data(), names.size());
        if (listed >= 0) {
            names.resize(static_cast<std::size_t>(listed));
            return names;
        }
        if (errno != ERANGE) { // ERANGE: an attribute was added meanwhile
            fault = FaultOfError(errno);
            return std::nullopt;
        }
    }
    fault = FileFault::kOther;
    return std::nullopt;
}

// Gives the open file `to` the extended attributes of `from` (its access control lists among them), so
// that a rewrite keeps them.
FileFault CopyExtendedAttributes(const std::filesystem::path& from, int to) {
    FileFault fault = FileFault::kNone;
    const std::optional<std::string> names = AttributeNames(from, fault);
    if (!names) {
        return fault;
    }
    std::string value;
    for (std::size_t start = 0; start < names->size();) {
        const std::size_t end = names->find('\0', start);
        const std::string name = names->substr(start, end - start);
        start = end == std::string::npos ? names->size() : end + 1;
        const ssize_t size = ::lgetxattr(from.c_str(), name.c_str(), nullptr, 0);
        if (size >= 0) {
            value.resize(static_cast<std::size_t>(size));
        }
        const ssize_t read =
            size < 0 ? -1 : ::lgetxattr(from.c_str(), name.c_str(), value.data(), value.size());
        if (read < 0) {
            if (errno == ENODATA) {
                continue; // removed meanwhile
            }
            return FaultOfError(errno);
        }
        if (::fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(read), 0) != 0 &&
            !SystemMaySetAttribute(name)) {
            return FaultOfError(errno);
        }
    }
    return FileFault::kNone;
}

class RealWritableFile final : public WritableFile {
public:
    // `hold` is a second descriptor of the same open file, which keeps the file's lock until this object
    // is destroyed, after the file has been closed and renamed.
    RealWritableFile(FileDescriptor file, FileDescriptor hold)
        : file_(std::move(file)), hold_(std::move(hold)) {}

    FileFault Write(std::string_view text) override {
        while (!text.empty()) {
            const ssize_t written = ::write(file_.get(), text.data(), text.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return written < 0 ? FaultOfError(errno) : FileFault::kNoSpace;
            }
            text.remove_prefix(static_cast<std::size_t>(written));
        }
        return FileFault::kNone;
    }
    FileFault Flush() override { return ::fsync(file_.get()) == 0 ? FileFault::kNone : FaultOfError(errno); }
    FileFault Close() override {
        if (!file_.valid()) {
            return FileFault::kOther;
        }
        return file_.Reset() ? FileFault::kNone : FaultOfError(errno);
    }

private:
    FileDescriptor file_;
    FileDescriptor hold_;
};

class RealWriterLock final : public WriterLock {
public:
    RealWriterLock(FileDescriptor folder, FileDescriptor file)
        : folder_(std::move(folder)), file_(std::move(file)) {}

private:
    // Closing them releases the locks.
    FileDescriptor folder_;
    FileDescriptor file_;
};

// A fresh work file in `folder`, created exclusively and never through a link, locked at once so that no
// other writer takes it for abandoned. Nothing, with the fault, when it cannot be made.
FileDescriptor CreateLockedWorkFile(const std::filesystem::path& folder, mode_t mode,
                                    std::filesystem::path& path, FileFault& fault) {
    // Names are looked up in the folder opened once; a folder that may be written but not read is named
    // by its path instead.
    const FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const int in = directory.valid() ? directory.get() : AT_FDCWD;
    for (int attempt = 0; attempt < kWorkFileNameTries; ++attempt) {
        const std::filesystem::path candidate = folder / (std::string(kWorkFilePrefix) + RandomSuffix());
        const std::string name = directory.valid() ? candidate.filename().string() : candidate.string();
        FileDescriptor created(
            ::openat(in, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!created.valid()) {
            if (errno == EEXIST) {
                continue;
            }
            fault = FaultOfError(errno);
            return FileDescriptor();
        }
        // Another writer that removed it as abandoned in the moment before it was locked took the name
        // away: it is tried again under another name. Where files cannot be locked at all, no writer can
        // take a work file for abandoned either.
        const bool lockedOrUnlockable =
            ::flock(created.get(), LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
        if (lockedOrUnlockable && StillNamed(in, name.c_str(), created.get())) {
            path = candidate;
            return created;
        }
    }
    fault = FileFault::kOther;
    return FileDescriptor();
}

class RealFileSystemImpl final : public FileSystem {
public:
    ReadStatus ReadWhole(const std::filesystem::path& file, std::string& content,
                         std::size_t limit) override {
        content.clear();
        OpenedForReading opened = OpenRegularFile(file);
        if (opened.status != ReadStatus::kRead) {
            return opened.status;
        }
        if (opened.size > limit) {
            return ReadStatus::kTooLarge;
        }
        // One byte more than the size, to notice a file that grew meanwhile.
        content.resize(static_cast<std::size_t>(opened.size) + 1);
        const long long read = ReadFully(opened.file.get(), content.data(), content.size());
        if (read < 0) {
            content.clear();
            return ReadStatus::kReadFailed;
        }
        content.resize(static_cast<std::size_t>(read));
        if (content.size() > limit) {
            content.clear();
            return ReadStatus::kTooLarge;
        }
        return ReadStatus::kRead;
    }

    WorkFile CreateWorkFile(const std::filesystem::path& file) override {
        WorkFile work;
        work.target = ResolveLinks(file);
        struct stat target {};
        const bool targetExists = ::lstat(work.target.c_str(), &target) == 0;
        if (!targetExists && errno != ENOENT) {
            work.fault = FaultOfError(errno);
            return work;
        }
        if (targetExists && !S_ISREG(target.st_mode)) {
            work.fault = FileFault::kNotAFile;
            return work;
        }
        if (targetExists && !MayChange(work.target, target)) {
            work.fault = FileFault::kPermissionDenied;
            return work;
        }
        const std::filesystem::path folder = FolderOf(work.target);
        RemoveAbandonedWorkFiles(folder);
        // Private until it carries the target's permissions; a new file gets the usual ones.
        const mode_t mode = targetExists ? S_IRUSR | S_IWUSR : 0666;
        FileDescriptor created = CreateLockedWorkFile(folder, mode, work.path, work.fault);
        if (!created.valid()) {
            return work;
        }
        if (targetExists) {
            work.fault = TakeOverTarget(work.target, target, created.get());
            if (work.fault != FileFault::kNone) {
                created.Reset();
                ::unlink(work.path.c_str());
                work.path.clear();
                return work;
            }
        }
        FileDescriptor hold(::dup(created.get()));
        work.file = std::make_unique<RealWritableFile>(std::move(created), std::move(hold));
        return work;
    }

    std::filesystem::path FollowLinks(const std::filesystem::path& file) override {
        return ResolveLinks(file);
    }

    FileFault Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0) {
            return FaultOfError(errno);
        }
        SyncFolder(FolderOf(to));
        return FileFault::kNone;
    }

    FileFault Remove(const std::filesystem::path& file) override {
        return ::unlink(file.c_str()) == 0 || errno == ENOENT ? FileFault::kNone : FaultOfError(errno);
    }

    bool Exists(const std::filesystem::path& file) override {
        struct stat status {};
        return ::lstat(file.c_str(), &status) == 0 || errno != ENOENT;
    }

    std::unique_ptr<WriterLock> LockWriters(const std::filesystem::path& file, std::chrono::milliseconds wait,
                                            FileFault& fault) override {
        return LockFileExclusively(FolderOf(ResolveLinks(file)) / std::string(kLockFileName), wait, fault);
    }

private:
    // Gives the work file the owner, permissions and extended attributes of the file it replaces.
    static FileFault TakeOverTarget(const std::filesystem::path& path, const struct stat& target, int work) {
        if (::fchown(work, target.st_uid, target.st_gid) != 0) {
            // Only the administrator may give a file away; the writer then owns the new history.
        }
        if (::fchmod(work, target.st_mode & 07777) != 0) {
            return FaultOfError(errno);
        }
        return CopyExtendedAttributes(path, work);
    }
};

enum class LockResult { kLocked, kBusy, kFailed };

// Waits until `file` is locked or `deadline` has passed; `fault` says why it failed.
LockResult LockUntil(int file, std::chrono::steady_clock::time_point deadline, FileFault& fault) {
    while (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            fault = FaultOfError(errno);
            return LockResult::kFailed;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            fault = FileFault::kInUse;
            return LockResult::kBusy;
        }
        std::this_thread::sleep_for(kLockRetryPause);
    }
    return LockResult::kLocked;
}

// The lock file opened and locked, as long as it still stands at its path once locked.
FileDescriptor LockTheLockFile(const std::filesystem::path& lockFile,
                               std::chrono::steady_clock::time_point deadline, FileFault& fault) {
    for (;;) {
        FileDescriptor lock(::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                                   S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH));
        if (!lock.valid()) {
            fault = FaultOfError(errno);
            return FileDescriptor();
        }
        struct stat status {};
        if (::fstat(lock.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
            fault = FileFault::kNotAFile;
            return FileDescriptor();
        }
        if (LockUntil(lock.get(), deadline, fault) != LockResult::kLocked) {
            return FileDescriptor();
        }
        struct stat named {};
        if (::lstat(lockFile.c_str(), &named) == 0 && SameFile(named, status)) {
            return lock;
        }
        // Deleted or replaced while this writer waited: the file that stands there now is locked instead.
    }
}

} // namespace

std::unique_ptr<WriterLock> LockFileExclusively(const std::filesystem::path& lockFile,
                                                std::chrono::milliseconds wait, FileFault& fault) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    fault = FileFault::kNone;
    FileDescriptor folder(::open(FolderOf(lockFile).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) {
        switch (LockUntil(folder.get(), deadline, fault)) {
        case LockResult::kLocked:
            break;
        case LockResult::kBusy:
            return nullptr;
        case LockResult::kFailed:
            // A file system that cannot lock folders: the lock file alone keeps writers apart.
            folder.Reset();
            fault = FileFault::kNone;
            break;
        }
    }
    FileDescriptor file = LockTheLockFile(lockFile, deadline, fault);
    if (!file.valid()) {
        return nullptr;
    }
    return std::make_unique<RealWriterLock>(std::move(folder), std::move(file));
}

void RemoveAbandonedWorkFiles(const std::filesystem::path& folder) {
    const FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.valid()) {
        return;
    }
    const int listed = ::dup(directory.get());
    DIR* listing = listed < 0 ? nullptr : ::fdopendir(listed);
    if (listing == nullptr) {
        if (listed >= 0) {
            ::close(listed);
        }
        return;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> closing(listing, ::closedir);
    while (const dirent* entry = ::readdir(listing)) {
        const char* name = entry->d_name;
        struct stat status {};
        if (!IsWorkFileName(name) || ::fstatat(directory.get(), name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
            continue;
        }
        const FileDescriptor file(
            ::openat(directory.get(), name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        // A work file that a living writer holds is locked; only one nobody holds is abandoned.
        if (file.valid() && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0 &&
            StillNamed(directory.get(), name, file.get())) {
            ::unlinkat(directory.get(), name, 0);
        }
    }
}

FileSystem& RealFileSystem() {
    static RealFileSystemImpl fileSystem;
    return fileSystem;
}

// Writes into the owning MemoryFileSystem's entry for the path, looked up at each call, so that a file
// renamed or removed while open is never written through a stale reference.
class MemoryWritableFile final : public WritableFile {
public:
    MemoryWritableFile(MemoryFileSystem& owner, std::filesystem::path file)
        : owner_(owner), file_(std::move(file)) {}

    FileFault Write(std::string_view text) override {
        const auto found = owner_.files_.find(file_);
        if (closed_ || found == owner_.files_.end()) {
            return FileFault::kOther;
        }
        found->second.append(text);
        return FileFault::kNone;
    }
    FileFault Flush() override { return closed_ ? FileFault::kOther : FileFault::kNone; }
    FileFault Close() override {
        const bool wasOpen = !closed_;
        closed_ = true;
        return wasOpen ? FileFault::kNone : FileFault::kOther;
    }

private:
    MemoryFileSystem& owner_;
    std::filesystem::path file_;
    bool closed_ = false;
};

ReadStatus MemoryFileSystem::ReadWhole(const std::filesystem::path& file, std::string& content,
                                       std::size_t limit) {
    content.clear();
    const auto found = files_.find(file);
    if (found == files_.end()) {
        return ReadStatus::kMissing;
    }
    if (found->second.size() > limit) {
        return ReadStatus::kTooLarge;
    }
    content = found->second;
    return ReadStatus::kRead;
}

WorkFile MemoryFileSystem::CreateWorkFile(const std::filesystem::path& file) {
    WorkFile work;
    work.target = file;
    do {
        work.path = FolderOf(file) / (std::string(kWorkFilePrefix) + std::to_string(workFilesMade_++));
    } while (files_.count(work.path) != 0);
    files_[work.path].clear();
    work.file = std::make_unique<MemoryWritableFile>(*this, work.path);
    return work;
}

FileFault MemoryFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    auto found = files_.find(from);
    if (found == files_.end()) {
        return FileFault::kMissing;
    }
    std::string content = std::move(found->second);
    files_.erase(found);
    files_[to] = std::move(content);
    return FileFault::kNone;
}

FileFault MemoryFileSystem::Remove(const std::filesystem::path& file) {
    files_.erase(file);
    return FileFault::kNone;
}

std::unique_ptr<WriterLock> MemoryFileSystem::LockWriters(const std::filesystem::path&,
                                                          std::chrono::milliseconds, FileFault& fault) {
    fault = FileFault::kNone;
    return std::make_unique<WriterLock>();
}

} // namespace vantorel
