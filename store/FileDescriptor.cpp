// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel {

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        Reset();
        descriptor_ = other.Release();
    }
    return *this;
}

int FileDescriptor::Release() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return descriptor;
}

bool FileDescriptor::Reset() {
    if (descriptor_ < 0) {
        return true;
    }
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    return closed;
}

FileFault FaultOfError(int error) {
    switch (error) {
    case 0:
        return FileFault::kNone;
    case ENOENT:
        return FileFault::kMissing;
    case EISDIR:
    case ENOTDIR:
    case ELOOP:
    case ENXIO:
    case ETXTBSY:
        return FileFault::kNotAFile;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileFault::kPermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileFault::kNoSpace;
    case EWOULDBLOCK:
        return FileFault::kInUse;
    default:
        return FileFault::kOther;
    }
}

OpenedForReading OpenRegularFile(const std::filesystem::path& path) {
    OpenedForReading opened;
    // Without O_NONBLOCK, opening a pipe would wait for a writer that may never come.
    opened.file = FileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!opened.file.valid()) {
        const int error = errno;
        opened.status = error == ENOENT                               ? ReadStatus::kMissing
                        : error == ELOOP                              ? ReadStatus::kLinkLoop
                        : FaultOfError(error) == FileFault::kNotAFile ? ReadStatus::kNotAFile
                                                                      : ReadStatus::kNotOpened;
        return opened;
    }
    struct stat status {};
    if (::fstat(opened.file.get(), &status) != 0) {
        opened.status = ReadStatus::kReadFailed;
        return opened;
    }
    if (!S_ISREG(status.st_mode)) {
        opened.status = ReadStatus::kNotAFile;
        return opened;
    }
    opened.status = ReadStatus::kRead;
    opened.size = static_cast<std::uint64_t>(status.st_size);
    return opened;
}

long long ReadFully(int descriptor, char* buffer, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t read = ::read(descriptor, buffer + filled, size - filled);
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read < 0) {
            return -1;
        }
        if (read == 0) {
            break;
        }
        filled += static_cast<std::size_t>(read);
    }
    return static_cast<long long>(filled);
}

} // namespace vantorel
