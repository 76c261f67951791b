// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileSystem.h"

#include <cstddef>

namespace vantorel {

// The operations that a fault can be injected into.
enum class FileOperation { kOpenForReading, kRead, kCreate, kWrite, kFlush, kClose, kRename, kRemove, kLock };
inline constexpr int kFileOperationCount = 9;

// Passes every operation to another file system and counts them by kind. When told to, it makes the
// n-th operation of one kind fail (0 is the first) with the given fault, without passing it on, and it
// can play a full disk: a write that would pass a byte budget writes only what fits and fails.
class FaultInjectingFileSystem final : public FileSystem {
public:
    explicit FaultInjectingFileSystem(FileSystem& inner) : inner_(inner) {}

    void FailOperation(FileOperation operation, int occurrence, FileFault fault = FileFault::kOther);
    void LimitDiskSpace(std::size_t bytes) { diskSpace_ = bytes; }
    int Count(FileOperation operation) const { return counts_[static_cast<std::size_t>(operation)]; }

    ReadStatus ReadWhole(const std::filesystem::path& file, std::string& content, std::size_t limit) override;
    WorkFile CreateWorkFile(const std::filesystem::path& file) override;
    std::filesystem::path FollowLinks(const std::filesystem::path& file) override {
        return inner_.FollowLinks(file);
    }
    FileFault Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    FileFault Remove(const std::filesystem::path& file) override;
    bool Exists(const std::filesystem::path& file) override { return inner_.Exists(file); }
    std::unique_ptr<WriterLock> LockWriters(const std::filesystem::path& file, std::chrono::milliseconds wait,
                                            FileFault& fault) override;

    // Counts the operation; the fault it must fail with, or kNone.
    FileFault Fails(FileOperation operation);
    // Takes `bytes` from the disk space; false when they do not fit (then the space is used up).
    bool TakeDiskSpace(std::size_t bytes, std::size_t& fitting);

private:
    FileSystem& inner_;
    int counts_[kFileOperationCount] = {};
    bool failing_ = false;
    FileOperation failingOperation_ = FileOperation::kRead;
    int failingOccurrence_ = 0;
    FileFault failingFault_ = FileFault::kOther;
    std::size_t diskSpace_ = static_cast<std::size_t>(-1);
};

} // namespace vantorel
