#pragma once

#include "store/FileSystem.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

// The line end of every line the program writes, on every platform.
inline constexpr std::string_view kLineEnd = "\r\n";

// How the files are named in messages.
inline constexpr std::string_view kHistoryLabel = "VTRMAIN.DAT";
inline constexpr std::string_view kBackupLabel = "MAINDAT.BAK";

// Messages shared by the operations that rewrite the history file.
inline constexpr std::string_view kUnableToOpenHistory = "Unable to open VTRMAIN.DAT";
inline constexpr std::string_view kNoCurrentEntry =
    "There is no current entry\nin the data file for\nthe APPEND operation\n"
    "that you have requested.\n(Please See Help)\n\nOPERATION ABORTED";
// "This history is full.\nIt can hold at most %d drawings.\n\nOPERATION ABORTED" with the capacity.
std::string HistoryFullMessage(int capacity);

// The causes that a failed rewrite names.
inline constexpr std::string_view kCauseNoSpace = "there is no space left on the disk";
inline constexpr std::string_view kCausePermissionDenied = "permission denied";
inline constexpr std::string_view kCauseInUse = "it is in use by another Vantorel program";
inline constexpr std::string_view kCauseNotAFile = "it is not a file";
inline constexpr std::string_view kCauseTooLarge = "it would grow larger than any history can be";
inline constexpr std::string_view kCauseMissing = "its folder is missing";
inline constexpr std::string_view kCauseOther = "the system reported an error";
inline constexpr std::string_view kNothingChanged = "Nothing was changed.\n\nOPERATION ABORTED";

// The cause a message names for a fault ("permission denied", ...).
std::string_view CauseOf(FileFault fault);
// "<label> could not be written:\n<cause>.\nNothing was changed.\n\nOPERATION ABORTED".
std::string NotWrittenMessage(std::string_view label, FileFault fault);
// "<label> could not be read.\nNothing was changed.\n\nOPERATION ABORTED".
std::string NotReadMessage(std::string_view label);
// "<label> is too large to be a Vantorel history\n(more than N bytes).\nNothing was changed.\n\n..."
std::string TooLargeMessage(std::string_view label);

// Reads a history file (or its backup), refusing one larger than any history can be.
ReadStatus ReadHistoryFile(FileSystem& files, const std::filesystem::path& file, std::string& content);
// Shows why a history file (or backup) was not read: `notOpened` when it is missing, cannot be opened or
// is not a file, otherwise the too-large or could-not-be-read message.
void ShowReadFailure(ReadStatus status, std::string_view label, std::string_view notOpened);

// How long a writer waits for another one to finish before it gives up.
inline constexpr std::chrono::milliseconds kWriterWait{2000};
// Takes the lock that one writer of the history holds for its whole read, change and replace. Shows the
// message naming the cause (`label` names the file the operation writes) and returns nothing when the
// lock cannot be had.
std::unique_ptr<WriterLock> LockHistoryOrExplain(FileSystem& files, std::string_view label);

// The section number of a history line, read as the section readers read it: the line's first word as a
// whole number. Nothing for a line that does not start with a number (a blank line, say): such lines are
// passed over and copied unchanged.
std::optional<int> SectionOfLine(std::string_view line);

// A section line cut around its count: `head` (the section number and the blanks after it), `count`
// (digits only) and `rest` (everything after the count: the drawings with their leading blank).
struct SectionLineParts {
    std::string_view head;
    std::string_view count;
    std::string_view rest;
};
// Nothing when the line has no count made of digits.
std::optional<SectionLineParts> SplitSectionLine(std::string_view line);
// The value of a count made of digits; counts too large for an int saturate.
int CountValue(std::string_view count);

// The history with `sectionLine` (without line end) placed before the first line of the same or a greater
// section; a line of the same section stays, behind the new one. Every line ends with the program's line
// end.
std::string InsertSectionLine(std::string_view history, int section, std::string_view sectionLine);
// The history with its first line of `section` replaced by `sectionLine` (without line end), or with
// `sectionLine` inserted where InsertSectionLine puts it when the section is absent. Every line ends with
// the program's line end.
std::string ReplaceSectionLine(std::string_view history, int section, std::string_view sectionLine);
// The line that the section readers take for `section`: the first one that starts with its number, as
// long as no line of a greater section comes first. Nothing when the section is absent.
std::optional<std::string_view> FindSectionLine(std::string_view history, int section);

enum class AppendPlan { kPlanned, kSectionAbsent, kFull };
// The history with `drawings` (drawings separated by blanks, no leading blank) added at the end of the
// first line of `section`, whose count grows by `added`, into `newHistory`. Refused when the section is
// absent, or when the new count would pass `capacity`.
AppendPlan AppendToSection(std::string_view history, int section, int added, std::string_view drawings,
                           int capacity, std::string& newHistory);
// AppendToSection that tells the user why an append is refused ("no current entry" or "history full");
// true when `newHistory` holds the new file.
bool PlanAppendOrExplain(std::string_view history, int section, int added, std::string_view drawings,
                         int capacity, std::string& newHistory);

// What a change of the history decided, given the history as it is.
enum class HistoryChange {
    kReplace,   // the new content is to replace the history
    kUnchanged, // nothing to write; the operation is done
    kRefused,   // the operation stops (after its message)
};
// The course of every change of the history file: takes the writers' lock, reads the history (a missing
// file reads as empty when `missingIsEmpty`, otherwise it is "Unable to open VTRMAIN.DAT"), lets `plan`
// decide on the new content and replaces the history with it, all under the lock. True when the history
// was replaced or left unchanged by the plan; false after a message.
using HistoryPlan = std::function<HistoryChange(std::string_view history, std::string& newHistory)>;
bool ChangeHistory(FileSystem& files, bool missingIsEmpty, const HistoryPlan& plan);

// Every line of `content` followed by the program's line end; a last line without a line end gets one.
std::string WithLineEnds(std::string_view content);

// Writes `content` to a fresh work file beside the file that `file` names (after symbolic links), flushes
// it to the disk, closes it and renames it over that file in one step, keeping its permissions. A link
// stays a link; a hard link to the old file keeps the old content, since only a new file can replace the
// old one in one step. On any failure the work file is removed and the file is untouched.
FileFault ReplaceFile(FileSystem& files, const std::filesystem::path& file, std::string_view content);
// ReplaceFile that shows the message naming the cause when it fails; true when replaced.
bool ReplaceFileOrExplain(FileSystem& files, const std::filesystem::path& file, std::string_view label,
                          std::string_view content);

} // namespace vantorel
