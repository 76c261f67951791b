// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace vantorel {

// Why a file operation failed, in the terms a message names to the user.
enum class FileFault {
    kNone,
    kMissing,          // there is no such file (or folder on the way to it)
    kNotAFile,         // a folder, device, pipe or link stands where a file belongs
    kTooLarge,         // larger than the operation allows
    kPermissionDenied, // the user may not read or change it (or it is marked read-only)
    kNoSpace,          // the disk or the user's quota is full
    kInUse,            // another Vantorel program is changing the history
    kOther,            // any other failure the system reported
};

// A file opened for writing. Every call reports whether it worked; a file that is destroyed without
// Close() is closed quietly.
class WritableFile {
public:
    virtual ~WritableFile() = default;
    virtual FileFault Write(std::string_view text) = 0;
    // Pushes everything written so far to the disk.
    virtual FileFault Flush() = 0;
    virtual FileFault Close() = 0;
};

enum class ReadStatus {
    kRead,       // the whole file was read
    kMissing,    // there is no such file
    kNotOpened,  // the file is there but could not be opened
    kNotAFile,   // a folder, device or pipe stands where the file belongs
    kLinkLoop,   // symbolic links that lead round in a circle stand where the file belongs
    kTooLarge,   // the file holds more than the reader allows; nothing was read
    kReadFailed, // it was opened, but reading it failed
};

// A fresh work file, made for replacing `target` in one step.
struct WorkFile {
    std::unique_ptr<WritableFile> file; // nothing when it could not be made; `fault` says why
    std::filesystem::path path;         // the work file, beside the target
    std::filesystem::path target;       // the file to replace: the one named, after symbolic links
    FileFault fault = FileFault::kNone;
};

// Held by one writer of a history at a time; released when destroyed.
class WriterLock {
public:
    virtual ~WriterLock() = default;
};

// The file operations through which the history file, its backup and their work files are read and
// rewritten. The program uses the real file system; tests put a failing one in its place to show that
// no failure at any step damages a file.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Reads a whole regular file of at most `limit` bytes into `content` (emptied first).
    virtual ReadStatus ReadWhole(const std::filesystem::path& file, std::string& content,
                                 std::size_t limit) = 0;
    // Makes a work file for replacing `file`: under a name nobody uses yet, in the folder of the file that
    // `file` names after symbolic links, never through a link, with that file's permissions and extended
    // attributes. Refuses a target that is not a regular file or that the user may not change.
    virtual WorkFile CreateWorkFile(const std::filesystem::path& file) = 0;
    // The file that `file` names after following symbolic links (`file` itself when it is no link).
    virtual std::filesystem::path FollowLinks(const std::filesystem::path& file) = 0;
    // Moves `from` over `to` in one step: afterwards `to` is either the old or the new file.
    virtual FileFault Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Removes a file; a file that is not there counts as removed.
    virtual FileFault Remove(const std::filesystem::path& file) = 0;
    // Whether there is anything by that name, readable or not.
    virtual bool Exists(const std::filesystem::path& file) = 0;
    // Takes the lock that writers of `file` share (one lock per folder that holds the file after symbolic
    // links), waiting at most `wait` for another writer to finish; nothing and kInUse when it does not.
    virtual std::unique_ptr<WriterLock> LockWriters(const std::filesystem::path& file,
                                                    std::chrono::milliseconds wait, FileFault& fault) = 0;
};

// The operating system's files. Work files are created exclusively, flushed to the disk before they
// replace a file, and the folder is flushed after the rename. A writer keeps its work file locked while it
// lives; making one first removes the work files that writers killed before they finished left in that
// folder (see RemoveAbandonedWorkFiles). The writers' lock is LockFileExclusively on the file
// "vtrmain.lck", which is created once beside the history and never removed, because the file that is
// replaced changes with every rename.
FileSystem& RealFileSystem();

// Takes an exclusive lock on the folder of `lockFile` and on `lockFile` itself (created when missing,
// never removed, never through a link), waiting at most `wait` for their holder; nothing and the fault
// (kInUse after the wait) when it cannot. The folder's lock holds when someone deletes or replaces the
// lock file while it is held; the lock file's lock keeps out writers that lock only the file. A lock
// file deleted or replaced while this writer waited for it is locked again where it now stands.
std::unique_ptr<WriterLock> LockFileExclusively(const std::filesystem::path& lockFile,
                                                std::chrono::milliseconds wait, FileFault& fault);

// Removes from `folder` the work files of writers that were killed before they finished: regular files
// of this user named as this program names its work files, that no writer holds locked. Links, folders,
// other users' files and other names stay.
void RemoveAbandonedWorkFiles(const std::filesystem::path& folder);

// Files kept in memory by path: fast and deterministic, for tests and fuzzing. Links, permissions and
// locks do not exist there.
class MemoryFileSystem final : public FileSystem {
public:
    ReadStatus ReadWhole(const std::filesystem::path& file, std::string& content, std::size_t limit) override;
    WorkFile CreateWorkFile(const std::filesystem::path& file) override;
    std::filesystem::path FollowLinks(const std::filesystem::path& file) override { return file; }
    FileFault Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    FileFault Remove(const std::filesystem::path& file) override;
    bool Exists(const std::filesystem::path& file) override { return files_.count(file) != 0; }
    std::unique_ptr<WriterLock> LockWriters(const std::filesystem::path& file, std::chrono::milliseconds wait,
                                            FileFault& fault) override;

    const std::map<std::filesystem::path, std::string>& files() const { return files_; }
    void Put(const std::filesystem::path& file, std::string_view content) { files_[file] = content; }

private:
    friend class MemoryWritableFile;
    std::map<std::filesystem::path, std::string> files_;
    int workFilesMade_ = 0;
};

} // namespace vantorel
