// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryBackup.h"

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

// Reads a file that a backup or restore copies from; when it cannot, refuses through `notes` with
// `notFound` (or why it could not be read).
bool ReadSource(FileSystem& files, const std::filesystem::path& file, std::string_view label,
                std::string_view notFound, std::string& content, ChangeNotes& notes) {
    const ReadStatus status = ReadHistoryFile(files, file, content);
    if (status == ReadStatus::kRead) {
        return true;
    }
    notes.Refuse(ReadFailureMessage(status, label, notFound));
    return false;
}

ChangeQuestion Confirmation(const AskQuestion& ask, std::string_view question) {
    return AskedThrough(ask, Question{std::string(question), QuestionButtons::OkCancel});
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

Outcome<BackupOutcome> Finish(const Outcome<ChangeOutcome>& change, std::string_view completed) {
    if (change.refused()) {
        return RefusedAs<BackupOutcome>(change);
    }
    if (*change == ChangeOutcome::kDeclined) {
        return BackupOutcome::kCancelled;
    }
    Outcome<BackupOutcome> done(BackupOutcome::kCompleted);
    done.Tell({std::string(completed), NoticeKind::Information});
    return done;
}

} // namespace

bool HistoryFileReadable(FileSystem& files) {
    return Readable(files, kHistoryPath);
}

bool BackupFileReadable(FileSystem& files) {
    return Readable(files, kBackupPath);
}

Outcome<BackupOutcome> BackupHistoryFile(const GameSettings& settings, const AskQuestion& ask,
                                         FileSystem& files) {
    const Outcome<ChangeOutcome> change =
        ChangeFile(files, kBackupPath, kBackupLabel, [&](ChangeNotes& notes, std::string& newBackup) {
            std::string history;
            if (!ReadSource(files, kHistoryPath, kHistoryLabel, kMainFileNotFound, history, notes)) {
                return HistoryChange::kRefused;
            }
            if (files.Exists(kBackupPath) &&
                !notes.Agreed(Confirmation(ask, ReplaceBackupQuestion(files, history, settings)))) {
                return HistoryChange::kAsk;
            }
            newBackup = WithLineEnds(history);
            return HistoryChange::kReplace;
        });
    return Finish(change, kBackupCompleted);
}

Outcome<BackupOutcome> RestoreHistoryFile(const GameSettings& settings, const AskQuestion& ask,
                                          FileSystem& files) {
    const Outcome<ChangeOutcome> change =
        ChangeFile(files, kHistoryPath, kHistoryLabel, [&](ChangeNotes& notes, std::string& newHistory) {
            notes.Describe("restore of the backup copy");
            std::string content;
            if (!ReadSource(files, kHistoryPath, kHistoryLabel, kMainFileNotFound, content, notes) ||
                !ReadSource(files, kBackupPath, kBackupLabel, kBackupFileNotFound, content, notes)) {
                return HistoryChange::kRefused;
            }
            if (!ReadsAsWholeHistory(content, settings)) {
                return notes.Refuse(std::string(kBackupNotAHistory));
            }
            if (!notes.Agreed(Confirmation(ask, kRestoreQuestion))) {
                return HistoryChange::kAsk;
            }
            newHistory = WithLineEnds(content);
            return HistoryChange::kReplace;
        });
    return Finish(change, kRestoreCompleted);
}

} // namespace vantorel
