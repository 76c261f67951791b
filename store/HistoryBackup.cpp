#include "store/HistoryBackup.h"

#include "platform/MessageBox.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"

#include <string>

namespace vantorel {

namespace {

const std::filesystem::path kHistoryPath{std::string(kHistoryFileName)};
const std::filesystem::path kBackupPath{std::string(kBackupFileName)};

bool Readable(FileSystem& files, const std::filesystem::path& file) {
    std::string content;
    return files.ReadWhole(file, content) == ReadStatus::kRead;
}

// Reads a file for copying; a file that is missing or cannot be opened shows `notFound`, a read error
// "Unknown Error".
BackupOutcome ReadSource(FileSystem& files, const std::filesystem::path& file, std::string_view notFound,
                         std::string& content) {
    switch (files.ReadWhole(file, content)) {
    case ReadStatus::kRead:
        return BackupOutcome::kCompleted;
    case ReadStatus::kMissing:
    case ReadStatus::kNotOpened:
        MessageBox(notFound, MessageIcon::Stop);
        return BackupOutcome::kNotFound;
    case ReadStatus::kReadFailed:
        break;
    }
    MessageBox(kUnknownError, MessageIcon::Stop);
    return BackupOutcome::kFailed;
}

bool Confirmed(std::string_view question) {
    return MessageBox(question, MessageIcon::Question, MessageButtons::OkCancel) == MessageAnswer::Ok;
}

BackupOutcome CopyInto(FileSystem& files, const std::filesystem::path& target, std::string_view source,
                       std::string_view completed) {
    if (ReplaceFile(files, target, LinesWithLineEnds(source)) != ReplaceResult::kReplaced) {
        MessageBox(kUnknownError, MessageIcon::Stop);
        return BackupOutcome::kFailed;
    }
    MessageBox(completed, MessageIcon::Information);
    return BackupOutcome::kCompleted;
}

} // namespace

bool HistoryFileReadable(FileSystem& files) {
    return Readable(files, kHistoryPath);
}

bool BackupFileReadable(FileSystem& files) {
    return Readable(files, kBackupPath);
}

BackupOutcome BackupHistoryFile(FileSystem& files) {
    std::string history;
    const BackupOutcome read = ReadSource(files, kHistoryPath, kMainFileNotFound, history);
    if (read != BackupOutcome::kCompleted) {
        return read;
    }
    if (files.Exists(kBackupPath) && !Confirmed(kReplaceBackupQuestion)) {
        return BackupOutcome::kCancelled;
    }
    return CopyInto(files, kBackupPath, history, kBackupCompleted);
}

BackupOutcome RestoreHistoryFile(FileSystem& files) {
    std::string history;
    BackupOutcome read = ReadSource(files, kHistoryPath, kMainFileNotFound, history);
    if (read != BackupOutcome::kCompleted) {
        return read;
    }
    std::string backup;
    read = ReadSource(files, kBackupPath, kBackupFileNotFound, backup);
    if (read != BackupOutcome::kCompleted) {
        return read;
    }
    if (!Confirmed(kRestoreQuestion)) {
        return BackupOutcome::kCancelled;
    }
    return CopyInto(files, kHistoryPath, backup, kRestoreCompleted);
}

} // namespace vantorel
