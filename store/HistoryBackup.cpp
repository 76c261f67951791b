#include "store/HistoryBackup.h"

#include "platform/MessageBox.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/TextLines.h"

#include <optional>
#include <string>

namespace vantorel {

namespace {

const std::filesystem::path kHistoryPath{std::string(kHistoryFileName)};
const std::filesystem::path kBackupPath{std::string(kBackupFileName)};

bool Readable(FileSystem& files, const std::filesystem::path& file) {
    std::string content;
    return ReadHistoryFile(files, file, content) == ReadStatus::kRead;
}

// Reads a file for copying; shows `notFound` when it is missing, cannot be opened or is not a file.
BackupOutcome ReadSource(FileSystem& files, const std::filesystem::path& file, std::string_view label,
                         std::string_view notFound, std::string& content) {
    const ReadStatus status = ReadHistoryFile(files, file, content);
    ShowReadFailure(status, label, notFound);
    switch (status) {
    case ReadStatus::kRead:
        return BackupOutcome::kCompleted;
    case ReadStatus::kMissing:
    case ReadStatus::kNotOpened:
    case ReadStatus::kNotAFile:
        return BackupOutcome::kNotFound;
    case ReadStatus::kTooLarge:
    case ReadStatus::kReadFailed:
        break;
    }
    return BackupOutcome::kFailed;
}

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Whether every line that is not blank is a section line: a section number 0 to 9 as its own word, then
// a count that the section can hold.
bool ReadsAsHistory(std::string_view content) {
    LineCursor lines(content);
    for (std::string_view line; lines.Next(line);) {
        if (IsBlankLine(line)) {
            continue;
        }
        const std::optional<SectionLineParts> parts = SplitSectionLine(line);
        const std::optional<int> section = SectionOfLine(line);
        if (!parts || !section || *section < 0 || *section >= kSectionCount ||
            parts->head.find_first_not_of("0123456789 \t") != std::string_view::npos ||
            CountValue(parts->count) > CapacityOfGame(GameOfSection(*section))) {
            return false;
        }
    }
    return true;
}

bool Confirmed(std::string_view question) {
    return MessageBox(question, MessageIcon::Question, MessageButtons::OkCancel) == MessageAnswer::Ok;
}

// Under the writers' lock, reads `source` again (it may have changed while the user was asked) and
// replaces `target` with its lines.
BackupOutcome CopyInto(FileSystem& files, const std::filesystem::path& source, std::string_view sourceLabel,
                       std::string_view notFound, const std::filesystem::path& target,
                       std::string_view targetLabel, std::string_view completed) {
    const std::unique_ptr<WriterLock> lock = LockHistoryOrExplain(files, targetLabel);
    if (!lock) {
        return BackupOutcome::kFailed;
    }
    std::string content;
    const BackupOutcome read = ReadSource(files, source, sourceLabel, notFound, content);
    if (read != BackupOutcome::kCompleted) {
        return read;
    }
    if (target == kHistoryPath && !ReadsAsHistory(content)) {
        MessageBox(kBackupNotAHistory, MessageIcon::Stop);
        return BackupOutcome::kFailed;
    }
    if (!ReplaceFileOrExplain(files, target, targetLabel, WithLineEnds(content))) {
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
    const BackupOutcome read = ReadSource(files, kHistoryPath, kHistoryLabel, kMainFileNotFound, history);
    if (read != BackupOutcome::kCompleted) {
        return read;
    }
    if (files.Exists(kBackupPath) && !Confirmed(kReplaceBackupQuestion)) {
        return BackupOutcome::kCancelled;
    }
    return CopyInto(files, kHistoryPath, kHistoryLabel, kMainFileNotFound, kBackupPath, kBackupLabel,
                    kBackupCompleted);
}

BackupOutcome RestoreHistoryFile(FileSystem& files) {
    std::string content;
    BackupOutcome read = ReadSource(files, kHistoryPath, kHistoryLabel, kMainFileNotFound, content);
    if (read != BackupOutcome::kCompleted) {
        return read;
    }
    read = ReadSource(files, kBackupPath, kBackupLabel, kBackupFileNotFound, content);
    if (read != BackupOutcome::kCompleted) {
        return read;
    }
    if (!ReadsAsHistory(content)) {
        MessageBox(kBackupNotAHistory, MessageIcon::Stop);
        return BackupOutcome::kFailed;
    }
    if (!Confirmed(kRestoreQuestion)) {
        return BackupOutcome::kCancelled;
    }
    return CopyInto(files, kBackupPath, kBackupLabel, kBackupFileNotFound, kHistoryPath, kHistoryLabel,
                    kRestoreCompleted);
}

} // namespace vantorel
