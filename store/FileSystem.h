#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace vantorel {

// A file opened for writing. Every call reports whether it worked; a file that is destroyed without
// Close() is closed quietly.
class WritableFile {
public:
    virtual ~WritableFile() = default;
    virtual bool Write(std::string_view text) = 0;
    // Pushes everything written so far to the disk.
    virtual bool Flush() = 0;
    virtual bool Close() = 0;
};

enum class ReadStatus {
    kRead,       // the whole file was read
    kMissing,    // there is no such file
    kNotOpened,  // the file is there but could not be opened
    kReadFailed, // it was opened, but reading it failed
};

// The file operations through which the history file, its backup and their work files are read and
// rewritten. The program uses the real file system; tests put a failing one in its place to show that
// no failure at any step damages a file.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Reads a whole file as bytes into `content` (emptied first).
    virtual ReadStatus ReadWhole(const std::filesystem::path& file, std::string& content) = 0;
    // Creates or empties a file for writing; nothing when it cannot be created.
    virtual std::unique_ptr<WritableFile> Create(const std::filesystem::path& file) = 0;
    // Moves `from` over `to` in one step: afterwards `to` is either the old or the new file.
    virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Removes a file; a file that is not there counts as removed.
    virtual bool Remove(const std::filesystem::path& file) = 0;
    // Whether there is a file by that name, readable or not.
    virtual bool Exists(const std::filesystem::path& file) = 0;
};

// The operating system's files. Flush() writes through to the disk. The directory is not synced after a
// rename: a power cut right after it may undo the rename, which leaves the old file, whole.
FileSystem& RealFileSystem();

// Files kept in memory by path: fast and deterministic, for tests and fuzzing.
class MemoryFileSystem final : public FileSystem {
public:
    ReadStatus ReadWhole(const std::filesystem::path& file, std::string& content) override;
    std::unique_ptr<WritableFile> Create(const std::filesystem::path& file) override;
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool Remove(const std::filesystem::path& file) override;
    bool Exists(const std::filesystem::path& file) override { return files_.count(file) != 0; }

    const std::map<std::filesystem::path, std::string>& files() const { return files_; }
    void Put(const std::filesystem::path& file, std::string_view content) { files_[file] = content; }

private:
    friend class MemoryWritableFile;
    std::map<std::filesystem::path, std::string> files_;
};

// The operations that a fault can be injected into.
enum class FileOperation { kOpenForReading, kRead, kCreate, kWrite, kFlush, kClose, kRename, kRemove };
inline constexpr int kFileOperationCount = 8;

// Passes every operation to another file system and counts them by kind. When told to, it makes the
// n-th operation of one kind fail (0 is the first) without passing it on, and it can play a full disk:
// a write that would pass a byte budget writes only what fits and fails.
class FaultInjectingFileSystem final : public FileSystem {
public:
    explicit FaultInjectingFileSystem(FileSystem& inner) : inner_(inner) {}

    void FailOperation(FileOperation operation, int occurrence);
    void LimitDiskSpace(std::size_t bytes) { diskSpace_ = bytes; }
    int Count(FileOperation operation) const { return counts_[static_cast<std::size_t>(operation)]; }

    ReadStatus ReadWhole(const std::filesystem::path& file, std::string& content) override;
    std::unique_ptr<WritableFile> Create(const std::filesystem::path& file) override;
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool Remove(const std::filesystem::path& file) override;
    bool Exists(const std::filesystem::path& file) override { return inner_.Exists(file); }

    // Counts the operation and tells whether it is the one that must fail.
    bool Fails(FileOperation operation);
    // Takes `bytes` from the disk space; false when they do not fit (then the space is used up).
    bool TakeDiskSpace(std::size_t bytes, std::size_t& fitting);

private:
    FileSystem& inner_;
    int counts_[kFileOperationCount] = {};
    bool failing_ = false;
    FileOperation failingOperation_ = FileOperation::kRead;
    int failingOccurrence_ = 0;
    std::size_t diskSpace_ = static_cast<std::size_t>(-1);
};

} // namespace vantorel
