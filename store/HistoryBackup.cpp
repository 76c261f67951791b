#include "store/HistoryBackup.h"

#include "platform/MessageBox.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/WholeHistory.h"

#include <string>

namespace vantorel {

namespace {

const std::filesystem::path kHistoryPath{std::string(kHistoryFileName)};
const std::filesystem::path kBackupPath{std::string(kBackupFileName)};

bool Readable(FileSystem& files, const std::filesystem::path& file) {
    std::string content;
    return ReadHistoryFile(files, file, content) == ReadStatus::kRead;
}

// How a backup or restore ends when its source cannot be read.
BackupOutcome OutcomeOfReadFailure(ReadStatus status) {
    switch (status) {
    case ReadStatus::kMissing:
    case ReadStatus::kNotOpened:
    case ReadStatus::kNotAFile:
    case ReadStatus::kLinkLoop:
        return BackupOutcome::kNotFound;
    case ReadStatus::kRead:
    case ReadStatus::kTooLarge:
    case ReadStatus::kReadFailed:
        break;
    }
    return BackupOutcome::kFailed;
}

// Reads a file that a backup or restore copies from; when it cannot, refuses through `notes` with
// `notFound` (or why it could not be read) and notes the outcome in `refused`.
bool ReadSource(FileSystem& files, const std::filesystem::path& file, std::string_view label,
                std::string_view notFound, std::string& content, ChangeNotes& notes, BackupOutcome& refused) {
    const ReadStatus status = ReadHistoryFile(files, file, content);
    if (status == ReadStatus::kRead) {
        return true;
    }
    refused = OutcomeOfReadFailure(status);
    notes.Refuse(ReadFailureMessage(status, label, notFound));
    return false;
}

ChangeQuestion Confirmation(std::string_view question) {
    return MessageQuestion(std::string(question), MessageIcon::Question, MessageButtons::OkCancel);
}

// The question a backup asks before it replaces the backup that is there.
std::string_view ReplaceBackupQuestion(FileSystem& files, std::string_view history,
                                       const GameSettings& settings) {
    std::string backup;
    const bool backupWhole = ReadHistoryFile(files, kBackupPath, backup) == ReadStatus::kRead &&
                             ReadsAsWholeHistory(backup, settings);
    return backupWhole && !ReadsAsWholeHistory(history, settings) ? kReplaceWholeBackupQuestion
                                                                  : kReplaceBackupQuestion;
}

BackupOutcome Finish(ChangeOutcome outcome, BackupOutcome refused, std::string_view completed) {
    switch (outcome) {
    case ChangeOutcome::kReplaced:
    case ChangeOutcome::kUnchanged:
        MessageBox(completed, MessageIcon::Information);
        return BackupOutcome::kCompleted;
    case ChangeOutcome::kDeclined:
        return BackupOutcome::kCancelled;
    case ChangeOutcome::kRefused:
        break;
    }
    return refused;
}

} // namespace

bool HistoryFileReadable(FileSystem& files) {
    return Readable(files, kHistoryPath);
}

bool BackupFileReadable(FileSystem& files) {
    return Readable(files, kBackupPath);
}

BackupOutcome BackupHistoryFile(const GameSettings& settings, FileSystem& files) {
    BackupOutcome refused = BackupOutcome::kFailed;
    const ChangeOutcome outcome =
        ChangeFile(files, kBackupPath, kBackupLabel, [&](ChangeNotes& notes, std::string& newBackup) {
            std::string history;
            if (!ReadSource(files, kHistoryPath, kHistoryLabel, kMainFileNotFound, history, notes, refused)) {
                return HistoryChange::kRefused;
            }
            if (files.Exists(kBackupPath) &&
                !notes.Agreed(Confirmation(ReplaceBackupQuestion(files, history, settings)))) {
                return HistoryChange::kAsk;
            }
            newBackup = WithLineEnds(history);
            return HistoryChange::kReplace;
        });
    return Finish(outcome, refused, kBackupCompleted);
}

BackupOutcome RestoreHistoryFile(const GameSettings& settings, FileSystem& files) {
    BackupOutcome refused = BackupOutcome::kFailed;
    const ChangeOutcome outcome =
        ChangeFile(files, kHistoryPath, kHistoryLabel, [&](ChangeNotes& notes, std::string& newHistory) {
            std::string content;
            if (!ReadSource(files, kHistoryPath, kHistoryLabel, kMainFileNotFound, content, notes, refused) ||
                !ReadSource(files, kBackupPath, kBackupLabel, kBackupFileNotFound, content, notes, refused)) {
                return HistoryChange::kRefused;
            }
            if (!ReadsAsWholeHistory(content, settings)) {
                refused = BackupOutcome::kFailed;
                return notes.Refuse(std::string(kBackupNotAHistory));
            }
            if (!notes.Agreed(Confirmation(kRestoreQuestion))) {
                return HistoryChange::kAsk;
            }
            newHistory = WithLineEnds(content);
            return HistoryChange::kReplace;
        });
    return Finish(outcome, refused, kRestoreCompleted);
}

} // namespace vantorel
