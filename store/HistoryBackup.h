// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"
#include "store/FileSystem.h"

#include <string_view>

namespace vantorel {

struct GameSettings;

inline constexpr std::string_view kMainFileNotFound = "Main data file\nVTRMAIN.DAT\nnot found.";
inline constexpr std::string_view kBackupFileNotFound = "Backup data file\nMAINDAT.BAK\nnot found.";
inline constexpr std::string_view kReplaceBackupQuestion = "Replace current backup copy?";
inline constexpr std::string_view kRestoreQuestion =
    "Are you certain you wish to\nreplace the current datafile\nwith the backup copy?";
inline constexpr std::string_view kBackupCompleted = "Backup completed.";
inline constexpr std::string_view kRestoreCompleted = "Restore completed.";
inline constexpr std::string_view kReplaceWholeBackupQuestion =
    "VTRMAIN.DAT does not read as a whole Vantorel history,\nbut the backup copy MAINDAT.BAK does.\n\n"
    "Replace the backup copy all the same?";
inline constexpr std::string_view kBackupNotAHistory =
    "Backup data file\nMAINDAT.BAK\nis not a Vantorel history.\nNothing was changed.\n\nOPERATION ABORTED";

// How a backup or restore ended when it was not refused (then the backup dialog stays open): completed
// (with the kBackupCompleted or kRestoreCompleted message), or cancelled at its question.
enum class BackupOutcome { kCompleted, kCancelled };

// Whether the history file and the backup can be read: the dialog enables "Backup Datafile" and
// "Restore Datafile" by them.
bool HistoryFileReadable(FileSystem& files = RealFileSystem());
bool BackupFileReadable(FileSystem& files = RealFileSystem());

// Copies the history file line by line into "maindat.bak" (every line ends with "\r\n"), asking first
// (through `ask`) whether to replace a backup that is already there: with kReplaceWholeBackupQuestion when
// the backup reads as a whole history and the history file does not (see ReadsAsWholeHistory; a PBM of 0 in
// `settings` accepts either Power Ball width). The copy is written to a work file and renamed over the backup
// in one step, so an old backup stays whole until the new one is complete. The history is locked against
// other writers while it is copied, not while a question or a message is shown. Refused with
// kMainFileNotFound when there is no history file to copy, or with why it could not be written.
Outcome<BackupOutcome> BackupHistoryFile(const GameSettings& settings, const AskQuestion& ask,
                                         FileSystem& files = RealFileSystem());

// After confirmation (through `ask`), makes the history file a line-by-line copy of the backup, through a
// work file and one rename, so that there is never a moment without a complete history file. A backup that
// does not read as a whole history with the settings' PBM (ReadsAsWholeHistory: an empty or blank one
// neither) is refused with kBackupNotAHistory.
Outcome<BackupOutcome> RestoreHistoryFile(const GameSettings& settings, const AskQuestion& ask,
                                          FileSystem& files = RealFileSystem());

} // namespace vantorel
