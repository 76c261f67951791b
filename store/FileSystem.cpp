#include "store/FileSystem.h"

#include <cstdio>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vantorel {

namespace {

constexpr std::size_t kReadChunk = 1 << 16;

// Makes the data of an open stream durable.
bool SyncToDisk(std::FILE* stream) {
#if defined(_WIN32)
    return _commit(_fileno(stream)) == 0;
#else
    return ::fsync(::fileno(stream)) == 0;
#endif
}

class RealWritableFile final : public WritableFile {
public:
    explicit RealWritableFile(std::FILE* stream) : stream_(stream) {}
    ~RealWritableFile() override {
        if (stream_ != nullptr) {
            std::fclose(stream_);
        }
    }
    RealWritableFile(const RealWritableFile&) = delete;
    RealWritableFile& operator=(const RealWritableFile&) = delete;

    bool Write(std::string_view text) override {
        return stream_ != nullptr && std::fwrite(text.data(), 1, text.size(), stream_) == text.size();
    }
    bool Flush() override { return stream_ != nullptr && std::fflush(stream_) == 0 && SyncToDisk(stream_); }
    bool Close() override {
        if (stream_ == nullptr) {
            return false;
        }
        const bool closed = std::fclose(stream_) == 0;
        stream_ = nullptr;
        return closed;
    }

private:
    std::FILE* stream_;
};

class RealFileSystemImpl final : public FileSystem {
public:
    ReadStatus ReadWhole(const std::filesystem::path& file, std::string& content) override {
        content.clear();
        std::FILE* stream = std::fopen(file.string().c_str(), "rb");
        if (stream == nullptr) {
            std::error_code error;
            return std::filesystem::exists(file, error) || error ? ReadStatus::kNotOpened
                                                                 : ReadStatus::kMissing;
        }
        // Read in one go when the size is known, then on in chunks in case the file has grown meanwhile.
        std::size_t expected = kReadChunk;
        if (std::fseek(stream, 0, SEEK_END) == 0) {
            const long size = std::ftell(stream);
            expected = size > 0 ? static_cast<std::size_t>(size) + 1 : kReadChunk;
        }
        std::rewind(stream);
        content.resize(expected);
        std::size_t filled = std::fread(content.data(), 1, content.size(), stream);
        while (filled == content.size()) {
            content.resize(content.size() * 2);
            filled += std::fread(content.data() + filled, 1, content.size() - filled, stream);
        }
        content.resize(filled);
        const bool failed = std::ferror(stream) != 0;
        std::fclose(stream);
        return failed ? ReadStatus::kReadFailed : ReadStatus::kRead;
    }

    std::unique_ptr<WritableFile> Create(const std::filesystem::path& file) override {
        std::FILE* stream = std::fopen(file.string().c_str(), "wb");
        if (stream == nullptr) {
            return nullptr;
        }
        return std::make_unique<RealWritableFile>(stream);
    }

    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        std::error_code error;
        std::filesystem::rename(from, to, error);
        return !error;
    }

    bool Remove(const std::filesystem::path& file) override {
        std::error_code error;
        std::filesystem::remove(file, error);
        return !error;
    }

    bool Exists(const std::filesystem::path& file) override {
        std::error_code error;
        return std::filesystem::exists(file, error) || error;
    }
};

} // namespace

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

    bool Write(std::string_view text) override {
        const auto found = owner_.files_.find(file_);
        if (closed_ || found == owner_.files_.end()) {
            return false;
        }
        found->second.append(text);
        return true;
    }
    bool Flush() override { return !closed_; }
    bool Close() override {
        const bool wasOpen = !closed_;
        closed_ = true;
        return wasOpen;
    }

private:
    MemoryFileSystem& owner_;
    std::filesystem::path file_;
    bool closed_ = false;
};

ReadStatus MemoryFileSystem::ReadWhole(const std::filesystem::path& file, std::string& content) {
    const auto found = files_.find(file);
    if (found == files_.end()) {
        content.clear();
        return ReadStatus::kMissing;
    }
    content = found->second;
    return ReadStatus::kRead;
}

std::unique_ptr<WritableFile> MemoryFileSystem::Create(const std::filesystem::path& file) {
    files_[file].clear();
    return std::make_unique<MemoryWritableFile>(*this, file);
}

bool MemoryFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    auto found = files_.find(from);
    if (found == files_.end()) {
        return false;
    }
    std::string content = std::move(found->second);
    files_.erase(found);
    files_[to] = std::move(content);
    return true;
}

bool MemoryFileSystem::Remove(const std::filesystem::path& file) {
    files_.erase(file);
    return true;
}

namespace {

class FaultInjectingWritableFile final : public WritableFile {
public:
    FaultInjectingWritableFile(FaultInjectingFileSystem& owner, std::unique_ptr<WritableFile> inner)
        : owner_(owner), inner_(std::move(inner)) {}

    bool Write(std::string_view text) override {
        if (owner_.Fails(FileOperation::kWrite)) {
            return false;
        }
        std::size_t fitting = 0;
        if (!owner_.TakeDiskSpace(text.size(), fitting)) {
            inner_->Write(text.substr(0, fitting));
            return false;
        }
        return inner_->Write(text);
    }
    bool Flush() override { return !owner_.Fails(FileOperation::kFlush) && inner_->Flush(); }
    bool Close() override {
        // A failed close still releases the file, as the operating system does.
        const bool closed = inner_->Close();
        return !owner_.Fails(FileOperation::kClose) && closed;
    }

private:
    FaultInjectingFileSystem& owner_;
    std::unique_ptr<WritableFile> inner_;
};

} // namespace

void FaultInjectingFileSystem::FailOperation(FileOperation operation, int occurrence) {
    failing_ = true;
    failingOperation_ = operation;
    failingOccurrence_ = occurrence;
}

bool FaultInjectingFileSystem::Fails(FileOperation operation) {
    const int occurrence = counts_[static_cast<std::size_t>(operation)]++;
    return failing_ && operation == failingOperation_ && occurrence == failingOccurrence_;
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

ReadStatus FaultInjectingFileSystem::ReadWhole(const std::filesystem::path& file, std::string& content) {
    if (Fails(FileOperation::kOpenForReading)) {
        content.clear();
        return ReadStatus::kNotOpened;
    }
    const ReadStatus status = inner_.ReadWhole(file, content);
    if (status != ReadStatus::kRead) {
        return status;
    }
    if (Fails(FileOperation::kRead)) {
        content.clear();
        return ReadStatus::kReadFailed;
    }
    return status;
}

std::unique_ptr<WritableFile> FaultInjectingFileSystem::Create(const std::filesystem::path& file) {
    if (Fails(FileOperation::kCreate)) {
        return nullptr;
    }
    std::unique_ptr<WritableFile> inner = inner_.Create(file);
    if (!inner) {
        return nullptr;
    }
    return std::make_unique<FaultInjectingWritableFile>(*this, std::move(inner));
}

bool FaultInjectingFileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return !Fails(FileOperation::kRename) && inner_.Rename(from, to);
}

bool FaultInjectingFileSystem::Remove(const std::filesystem::path& file) {
    return !Fails(FileOperation::kRemove) && inner_.Remove(file);
}

} // namespace vantorel
