#pragma once

#include "store/FileSystem.h"

#include <string_view>

namespace vantorel {

inline constexpr std::string_view kMainFileNotFound = "Main data file\nVTRMAIN.DAT\nnot found.";
inline constexpr std::string_view kBackupFileNotFound = "Backup data file\nMAINDAT.BAK\nnot found.";
inline constexpr std::string_view kReplaceBackupQuestion = "Replace current backup copy?";
inline constexpr std::string_view kRestoreQuestion =
    "Are you certain you wish to\nreplace the current datafile\nwith the backup copy?";
inline constexpr std::string_view kBackupCompleted = "Backup completed.";
inline constexpr std::string_view kRestoreCompleted = "Restore completed.";

// How a backup or restore ended. The backup dialog closes after kCompleted and kCancelled and stays open
// otherwise.
enum class BackupOutcome { kCompleted, kCancelled, kNotFound, kFailed };

// Whether the history file and the backup can be read: the dialog enables "Backup Datafile" and
// "Restore Datafile" by them.
bool HistoryFileReadable(FileSystem& files = RealFileSystem());
bool BackupFileReadable(FileSystem& files = RealFileSystem());

// Copies the history file line by line into "maindat.bak" (every line ends with "\r\n"), asking first
// whether to replace a backup that is already there. The copy is written to the work file and renamed
// over the backup in one step, so an old backup stays whole until the new one is complete.
BackupOutcome BackupHistoryFile(FileSystem& files = RealFileSystem());

// After confirmation, makes the history file a line-by-line copy of the backup, through the work file and
// one rename, so that there is never a moment without a complete history file.
BackupOutcome RestoreHistoryFile(FileSystem& files = RealFileSystem());

} // namespace vantorel
