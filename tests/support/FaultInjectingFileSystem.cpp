// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/FaultInjectingFileSystem.h"

namespace vantorel {

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
