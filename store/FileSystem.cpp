#include "store/FileSystem.h"

#include "store/FileDescriptor.h"
#include "store/HistoryFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vantorel {

namespace {

// Symbolic links followed to the file they name; a longer chain is taken for a loop.
constexpr int kMostLinkHops = 40;
constexpr int kWorkFileNameTries = 100;
constexpr std::chrono::milliseconds kLockRetryPause{5};

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
    static constexpr std::string_view kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::string suffix(8, ' ');
    for (char& c : suffix) {
        c = kAlphabet[pick(device)];
    }
    return suffix;
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

class RealWritableFile final : public WritableFile {
public:
    explicit RealWritableFile(FileDescriptor file) : file_(std::move(file)) {}

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
};

class RealWriterLock final : public WriterLock {
public:
    explicit RealWriterLock(FileDescriptor file) : file_(std::move(file)) {}

private:
    FileDescriptor file_; // closing it releases the lock
};

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
        // Private until it carries the target's permissions; a new file gets the usual ones.
        const mode_t mode = targetExists ? S_IRUSR | S_IWUSR : 0666;
        FileDescriptor created;
        for (int attempt = 0; attempt < kWorkFileNameTries && !created.valid(); ++attempt) {
            work.path = FolderOf(work.target) / (std::string(kWorkFilePrefix) + RandomSuffix());
            created = FileDescriptor(
                ::open(work.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
            if (!created.valid() && errno != EEXIST) {
                break;
            }
        }
        if (!created.valid()) {
            work.fault = FaultOfError(errno);
            work.path.clear();
            return work;
        }
        if (targetExists) {
            if (::fchown(created.get(), target.st_uid, target.st_gid) != 0) {
                // Only the administrator may give a file away; the writer then owns the new history.
            }
            if (::fchmod(created.get(), target.st_mode & 07777) != 0) {
                work.fault = FaultOfError(errno);
                created.Reset();
                ::unlink(work.path.c_str());
                work.path.clear();
                return work;
            }
        }
        work.file = std::make_unique<RealWritableFile>(std::move(created));
        return work;
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
};

} // namespace

std::unique_ptr<WriterLock> LockFileExclusively(const std::filesystem::path& lockFile,
                                                std::chrono::milliseconds wait, FileFault& fault) {
    FileDescriptor lock(::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                               S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH));
    if (!lock.valid()) {
        fault = FaultOfError(errno);
        return nullptr;
    }
    struct stat status {};
    if (::fstat(lock.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        fault = FileFault::kNotAFile;
        return nullptr;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            fault = FaultOfError(errno);
            return nullptr;
        }
        std::this_thread::sleep_for(kLockRetryPause);
    }
    fault = FileFault::kNone;
    return std::make_unique<RealWriterLock>(std::move(lock));
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

namespace {

class FaultInjectingWritableFile final : public WritableFile {
public:
    FaultInjectingWritableFile(FaultInjectingFileSystem& owner, std::unique_ptr<WritableFile> inner)
        : owner_(owner), inner_(std::move(inner)) {}

    FileFault Write(std::string_view text) override {
        if (const FileFault fault = owner_.Fails(FileOperation::kWrite); fault != FileFault::kNone) {
            return fault;
        }
        std::size_t fitting = 0;
        if (!owner_.TakeDiskSpace(text.size(), fitting)) {
            inner_->Write(text.substr(0, fitting));
            return FileFault::kNoSpace;
        }
        return inner_->Write(text);
    }
    FileFault Flush() override {
        const FileFault fault = owner_.Fails(FileOperation::kFlush);
        return fault != FileFault::kNone ? fault : inner_->Flush();
    }
    FileFault Close() override {
        // A failed close still releases the file, as the operating system does.
        const FileFault closed = inner_->Close();
        const FileFault fault = owner_.Fails(FileOperation::kClose);
        return fault != FileFault::kNone ? fault : closed;
    }

private:
    FaultInjectingFileSystem& owner_;
    std::unique_ptr<WritableFile> inner_;
};

} // namespace

void FaultInjectingFileSystem::FailOperation(FileOperation operation, int occurrence, FileFault fault) {
    failing_ = true;
    failingOperation_ = operation;
    failingOccurrence_ = occurrence;
    failingFault_ = fault;
}

FileFault FaultInjectingFileSystem::Fails(FileOperation operation) {
    const int occurrence = counts_[static_cast<std::size_t>(operation)]++;
    const bool fails = failing_ && operation == failingOperation_ && occurrence == failingOccurrence_;
    return fails ? failingFault_ : FileFault::kNone;
}

bool FaultInjectingFileSystem::TakeDiskSpace(std::size_t bytes, std::size_t& fitting) {
    if (bytes <= diskSpace_) {
        diskSpace_ -= bytes;
        fitting = bytes;
        return true;
    }
    fitting = diskSpace_;
    diskSpace_ = 0;
    return false;
}

ReadStatus FaultInjectingFileSystem::ReadWhole(const std::filesystem::path& file, std::string& content,
                                               std::size_t limit) {
    if (Fails(FileOperation::kOpenForReading) != FileFault::kNone) {
        content.clear();
        return ReadStatus::kNotOpened;
    }
    const ReadStatus status = inner_.ReadWhole(file, content, limit);
    if (status != ReadStatus::kRead) {
        return status;
    }
    if (Fails(FileOperation::kRead) != FileFault::kNone) {
        content.clear();
        return ReadStatus::kReadFailed;
    }
    return status;
}

WorkFile FaultInjectingFileSystem::CreateWorkFile(const std::filesystem::path& file) {
    if (const FileFault fault = Fails(FileOperation::kCreate); fault != FileFault::kNone) {
        WorkFile refused;
        refused.target = file;
        refused.fault = fault;
        return refused;
    }
    WorkFile work = inner_.CreateWorkFile(file);
    if (work.file) {
        work.file = std::make_unique<FaultInjectingWritableFile>(*this, std::move(work.file));
    }
    return work;
}

FileFault FaultInjectingFileSystem::Rename(const std::filesystem::path& from,
                                           const std::filesystem::path& to) {
    const FileFault fault = Fails(FileOperation::kRename);
    return fault != FileFault::kNone ? fault : inner_.Rename(from, to);
}

FileFault FaultInjectingFileSystem::Remove(const std::filesystem::path& file) {
    const FileFault fault = Fails(FileOperation::kRemove);
    return fault != FileFault::kNone ? fault : inner_.Remove(file);
}

std::unique_ptr<WriterLock> FaultInjectingFileSystem::LockWriters(const std::filesystem::path& file,
                                                                  std::chrono::milliseconds wait,
                                                                  FileFault& fault) {
    fault = Fails(FileOperation::kLock);
    return fault != FileFault::kNone ? nullptr : inner_.LockWriters(file, wait, fault);
}

} // namespace vantorel
