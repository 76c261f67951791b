// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"
#include "store/FileSystem.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
// Why a history file (or backup) was not read: `notOpened` when it is missing, cannot be opened or is not
// a file (with the cause when links lead round in a circle), otherwise the too-large or could-not-be-read
// message.
std::string ReadFailureMessage(ReadStatus status, std::string_view label, std::string_view notOpened);
inline constexpr std::string_view kLinkLoopCause = "It is a symbolic link that leads round in a circle.";

// How long a writer waits for another one to finish before it gives up.
inline constexpr std::chrono::milliseconds kWriterWait{2000};
// "The lock file vtrmain.lck could not be used:\n<cause>.\nNothing was changed.\n\nOPERATION ABORTED".
std::string LockFileMessage(FileFault fault);
// Takes the lock that one writer of the history holds for its whole read, change and replace. Refused
// with the message naming the cause when the lock cannot be had: another writer holding it (`label` names
// the file the operation writes), or a lock file that cannot be used.
Outcome<std::unique_ptr<WriterLock>> LockHistory(FileSystem& files, std::string_view label);

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

// What a change of the history (or its backup) decided, given the files as they are.
enum class HistoryChange {
    kReplace,   // the new content is to replace the file
    kUnchanged, // nothing to write; the operation is done
    kRefused,   // the operation stops (ChangeNotes::Refuse gives its message)
    kAsk,       // a question must be answered first (ChangeNotes::Agreed)
};

// A question that a change asks before it writes, with no lock held. Once it is agreed to, the change
// takes the lock, reads its files again and plans again, and writes only while its new plan asks no
// question that was not agreed to: a file that changed meanwhile so that the question reads differently
// is asked about anew.
struct ChangeQuestion {
    std::string text;          // what is asked; an answer holds for this text only
    std::function<bool()> ask; // asks it; true to go on
};
// A question answered by the caller's `ask` (no answer from an empty one: the cautious answer).
ChangeQuestion AskedThrough(const AskQuestion& ask, Question question);

// What a plan leaves for the user, who sees it only once the writers' lock is free again: a question to
// ask before it can go on, or the message of a refusal.
class ChangeNotes final {
public:
    ChangeNotes() = default;
    // Questions (their texts) that were agreed to before the change began.
    explicit ChangeNotes(std::vector<std::string> agreed) : agreed_(std::move(agreed)) {}

    // True when the user has agreed to `question` already; otherwise it is kept to be asked, and the plan
    // returns kAsk.
    bool Agreed(ChangeQuestion question);
    // Keeps `message` for the caller, who shows it once the lock is free; returns kRefused for the plan to
    // return.
    HistoryChange Refuse(std::string message, NoticeKind kind = NoticeKind::Error);
    // Names the change for the undo file that a change of the history leaves ("manual entry of a drawing
    // into 5 Number Dated").
    void Describe(std::string change) { description_ = std::move(change); }

private:
    friend class FileChangeRun;
    std::vector<std::string> agreed_;
    std::optional<ChangeQuestion> question_;
    std::optional<Refusal> refusal_;
    std::string description_;
};

// Every change of the history file keeps the file it replaced beside it as the undo file, whose first line
// names the change ("Vantorel undo: results import of 12 drawings into 6 Number Dated"); the next change
// replaces it. It is written like every rewrite (a fresh work file with the history's permissions, renamed
// in one step) before the history is replaced, and put back as it was when the history cannot be.
inline constexpr std::string_view kUndoFileName = "vtrmain.undo";
inline constexpr std::string_view kUndoLabel = "VTRMAIN.UNDO";
inline constexpr std::string_view kUndoHeading = "Vantorel undo: ";
// What a change that did not name itself is called.
inline constexpr std::string_view kUnnamedChange = "the last change";

// The content of an undo file: its heading line naming `change`, then the replaced history as it was.
std::string UndoFileContent(std::string_view change, std::string_view replacedHistory);
// The change an undo file names and the history it keeps; nothing when `content` is no undo file.
struct KeptUndo {
    std::string change;
    std::string history;
};
std::optional<KeptUndo> ReadUndoContent(std::string_view content);

// How a change of a file ended, when it was not refused.
enum class ChangeOutcome {
    kReplaced,  // the file holds the new content
    kUnchanged, // the plan found nothing to write
    kDeclined,  // the user did not agree to a question; nothing was written
};

// The course of every change of the history file or its backup: takes the writers' lock, lets `plan`
// read what it needs and decide the new content of `file`, and replaces `file` with it, all under the
// lock; then releases the lock and answers, refused with the plan's refusal or the failure (`label` names
// the file) when nothing was written. A question of the plan is asked with the lock released, and the
// course starts again when it is agreed to. A file that is a symbolic link is replaced only when the file
// it leads to is missing, empty or looks like a history (LooksLikeHistory); otherwise the change is refused
// with LinkRefusalMessage.
using FilePlan = std::function<HistoryChange(ChangeNotes& notes, std::string& newContent)>;
Outcome<ChangeOutcome> ChangeFile(FileSystem& files, const std::filesystem::path& file,
                                  std::string_view label, const FilePlan& plan, ChangeNotes notes = {});

// ChangeFile of the history file: `plan` is given the history as it is (a missing file reads as empty
// when `missingIsEmpty`, otherwise it is "Unable to open VTRMAIN.DAT").
using HistoryPlan =
    std::function<HistoryChange(std::string_view history, ChangeNotes& notes, std::string& newHistory)>;
Outcome<ChangeOutcome> ChangeHistory(FileSystem& files, bool missingIsEmpty, const HistoryPlan& plan,
                                     ChangeNotes notes = {});

// The plan of an append: AppendToSection, refused ("no current entry" or "history full") through `notes`.
HistoryChange PlanAppend(std::string_view history, int section, int added, std::string_view drawings,
                         int capacity, ChangeNotes& notes, std::string& newHistory);

// Whether every line of a text that is not blank starts as a section line: a section number 0 to 9 as its
// own word, then a count. A file a rewrite through a link may replace (see ChangeFile).
bool LooksLikeHistory(std::string_view content);
// "<label> is a symbolic link to\n<target>,\na file that is neither empty nor a Vantorel history.\n
// Nothing was changed.\n\nOPERATION ABORTED"
std::string LinkRefusalMessage(std::string_view label, const std::filesystem::path& target);

// Every line of `content` followed by the program's line end; a last line without a line end gets one.
std::string WithLineEnds(std::string_view content);

// Writes `content` to a fresh work file beside the file that `file` names (after symbolic links), flushes
// it to the disk, closes it and renames it over that file in one step, keeping its permissions. A link
// stays a link; a hard link to the old file keeps the old content, since only a new file can replace the
// old one in one step. On any failure the work file is removed and the file is untouched.
FileFault ReplaceFile(FileSystem& files, const std::filesystem::path& file, std::string_view content);
} // namespace vantorel
