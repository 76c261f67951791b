// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileSystem.h"

#include <cstdint>
#include <filesystem>

namespace vantorel {

// Owns an operating-system file descriptor and closes it when destroyed.
class FileDescriptor final {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() { Reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : descriptor_(other.Release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return descriptor_; }
    bool valid() const { return descriptor_ >= 0; }
    int Release();
    // Closes the descriptor; false when closing reported an error (the descriptor is gone all the same).
    bool Reset();

private:
    int descriptor_ = -1;
};

// The fault that an operating-system error number stands for.
FileFault FaultOfError(int error);

// An existing file opened for reading. `status` is kRead for a regular file; a folder, device or pipe is
// kNotAFile (and is opened without waiting for a pipe's writer).
struct OpenedForReading {
    FileDescriptor file;
    ReadStatus status = ReadStatus::kNotOpened;
    std::uint64_t size = 0;
};
OpenedForReading OpenRegularFile(const std::filesystem::path& path);

// Reads up to `size` bytes, going on after interruptions and short reads; the count read (less at the end
// of the file), or -1 on a read error.
long long ReadFully(int descriptor, char* buffer, std::size_t size);

} // namespace vantorel
