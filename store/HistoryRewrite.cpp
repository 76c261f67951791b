// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryRewrite.h"

#include "store/HistoryFile.h"
#include "store/TextLines.h"
#include "store/TokenCursor.h"

#include <algorithm>
#include <climits>

namespace vantorel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLineBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t SkipLineBlanks(std::string_view text, std::size_t position) {
    while (position < text.size() && IsLineBlank(text[position])) {
        ++position;
    }
    return position;
}

void AppendLine(std::string& content, std::string_view line) {
    content += line;
    content += kLineEnd;
}

} // namespace

std::string_view CauseOf(FileFault fault) {
    switch (fault) {
    case FileFault::kNoSpace:
        return kCauseNoSpace;
    case FileFault::kPermissionDenied:
        return kCausePermissionDenied;
    case FileFault::kInUse:
        return kCauseInUse;
    case FileFault::kNotAFile:
        return kCauseNotAFile;
    case FileFault::kTooLarge:
        return kCauseTooLarge;
    case FileFault::kMissing:
        return kCauseMissing;
    case FileFault::kNone:
    case FileFault::kOther:
        break;
    }
    return kCauseOther;
}

std::string HistoryFullMessage(int capacity) {
    return "This history is full.\nIt can hold at most " + std::to_string(capacity) +
           " drawings.\n\nOPERATION ABORTED";
}

std::string NotWrittenMessage(std::string_view label, FileFault fault) {
    std::string message(label);
    message.append(" could not be written:\n").append(CauseOf(fault)).append(".\n").append(kNothingChanged);
    return message;
}

std::string NotReadMessage(std::string_view label) {
    std::string message(label);
    message.append(" could not be read.\n").append(kNothingChanged);
    return message;
}

std::string TooLargeMessage(std::string_view label) {
    std::string message(label);
    message.append(" is too large to be a Vantorel history\n(more than ")
        .append(std::to_string(kLargestHistoryFile))
        .append(" bytes).\n")
        .append(kNothingChanged);
    return message;
}

ReadStatus ReadHistoryFile(FileSystem& files, const std::filesystem::path& file, std::string& content) {
    return files.ReadWhole(file, content, kLargestHistoryFile);
}

std::string ReadFailureMessage(ReadStatus status, std::string_view label, std::string_view notOpened) {
    switch (status) {
    case ReadStatus::kRead:
        return {};
    case ReadStatus::kTooLarge:
        return TooLargeMessage(label);
    case ReadStatus::kReadFailed:
        return NotReadMessage(label);
    case ReadStatus::kLinkLoop:
        return std::string(notOpened).append("\n\n").append(kLinkLoopCause);
    case ReadStatus::kMissing:
    case ReadStatus::kNotOpened:
    case ReadStatus::kNotAFile:
        break;
    }
    return std::string(notOpened);
}

std::string LockFileMessage(FileFault fault) {
    std::string message("The lock file ");
    message.append(kLockFileName).append(" could not be used:\n").append(CauseOf(fault)).append(".\n");
    return message.append(kNothingChanged);
}

Outcome<std::unique_ptr<WriterLock>> LockHistory(FileSystem& files, std::string_view label) {
    FileFault fault = FileFault::kNone;
    std::unique_ptr<WriterLock> lock =
        files.LockWriters(std::filesystem::path(kHistoryFileName), kWriterWait, fault);
    if (!lock) {
        return Refusal{fault == FileFault::kInUse ? NotWrittenMessage(label, fault) : LockFileMessage(fault)};
    }
    return lock;
}

std::optional<int> SectionOfLine(std::string_view line) {
    TokenCursor words(line);
    return LeadingWholeNumber(words.NextWord());
}

std::optional<SectionLineParts> SplitSectionLine(std::string_view line) {
    std::size_t position = SkipLineBlanks(line, 0);
    while (position < line.size() && !IsLineBlank(line[position])) {
        ++position;
    }
    const std::size_t countStart = SkipLineBlanks(line, position);
    std::size_t countEnd = countStart;
    while (countEnd < line.size() && IsDigit(line[countEnd])) {
        ++countEnd;
    }
    const bool countEndsWord = countEnd == line.size() || IsLineBlank(line[countEnd]);
    if (countEnd == countStart || !countEndsWord) {
        return std::nullopt;
    }
    return SectionLineParts{line.substr(0, countStart), line.substr(countStart, countEnd - countStart),
                            line.substr(countEnd)};
}

int CountValue(std::string_view count) {
    long long value = 0;
    for (const char digit : count) {
        value = value * 10 + (digit - '0');
        if (value > INT_MAX) {
            return INT_MAX;
        }
    }
    return static_cast<int>(value);
}

namespace {

// The history with `sectionLine` placed before the first line of the same or a greater section; the first
// line of the same section is left out when `replacing`.
std::string PlaceSectionLine(std::string_view history, int section, std::string_view sectionLine,
                             bool replacing) {
    std::string content;
    content.reserve(history.size() + sectionLine.size() + kLineEnd.size());
    bool placed = false;
    LineCursor lines(history);
    for (std::string_view line; lines.Next(line);) {
        if (!placed) {
            const std::optional<int> lineSection = SectionOfLine(line);
            if (lineSection && *lineSection >= section) {
                AppendLine(content, sectionLine);
                placed = true;
                if (replacing && *lineSection == section) {
                    continue;
                }
            }
        }
        AppendLine(content, line);
    }
    if (!placed) {
        AppendLine(content, sectionLine);
    }
    return content;
}

} // namespace

std::string InsertSectionLine(std::string_view history, int section, std::string_view sectionLine) {
    return PlaceSectionLine(history, section, sectionLine, false);
}

std::string ReplaceSectionLine(std::string_view history, int section, std::string_view sectionLine) {
    return PlaceSectionLine(history, section, sectionLine, true);
}

std::optional<std::string_view> FindSectionLine(std::string_view history, int section) {
    LineCursor lines(history);
    for (std::string_view line; lines.Next(line);) {
        const std::optional<int> lineSection = SectionOfLine(line);
        if (lineSection && *lineSection >= section) {
            return *lineSection == section ? std::optional(line) : std::nullopt;
        }
    }
    return std::nullopt;
}

AppendPlan AppendToSection(std::string_view history, int section, int added, std::string_view drawings,
                           int capacity, std::string& newHistory) {
    newHistory.clear();
    LineCursor lines(history);
    std::string_view line;
    std::optional<SectionLineParts> parts;
    while (!parts) {
        if (!lines.Next(line)) {
            return AppendPlan::kSectionAbsent;
        }
        const std::optional<int> lineSection = SectionOfLine(line);
        if (lineSection && *lineSection > section) {
            return AppendPlan::kSectionAbsent;
        }
        if (lineSection && *lineSection == section) {
            parts = SplitSectionLine(line);
            if (!parts) {
                return AppendPlan::kSectionAbsent;
            }
        } else {
            AppendLine(newHistory, line);
        }
    }
    const long long newCount = static_cast<long long>(CountValue(parts->count)) + added;
    if (newCount > capacity) {
        return AppendPlan::kFull;
    }
    newHistory.reserve(history.size() + drawings.size() + 16);
    newHistory.append(parts->head).append(std::to_string(newCount)).append(parts->rest);
    newHistory.append(1, ' ').append(drawings).append(kLineEnd);
    while (lines.Next(line)) {
        AppendLine(newHistory, line);
    }
    return AppendPlan::kPlanned;
}

HistoryChange PlanAppend(std::string_view history, int section, int added, std::string_view drawings,
                         int capacity, ChangeNotes& notes, std::string& newHistory) {
    switch (AppendToSection(history, section, added, drawings, capacity, newHistory)) {
    case AppendPlan::kSectionAbsent:
        return notes.Refuse(std::string(kNoCurrentEntry));
    case AppendPlan::kFull:
        return notes.Refuse(HistoryFullMessage(capacity));
    case AppendPlan::kPlanned:
        break;
    }
    return HistoryChange::kReplace;
}

bool LooksLikeHistory(std::string_view content) {
    LineCursor lines(content);
    for (std::string_view line; lines.Next(line);) {
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            continue;
        }
        const std::optional<SectionLineParts> parts = SplitSectionLine(line);
        const std::optional<int> section = SectionOfLine(line);
        if (!parts || !section || *section < 0 || *section >= kSectionCount ||
            parts->head.find_first_not_of("0123456789 \t") != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

std::string LinkRefusalMessage(std::string_view label, const std::filesystem::path& target) {
    std::string message(label);
    message.append(" is a symbolic link to\n")
        .append(target.string())
        .append(",\na file that is neither empty nor a Vantorel history.\n");
    return message.append(kNothingChanged);
}

ChangeQuestion AskedThrough(const AskQuestion& ask, Question question) {
    ChangeQuestion asked{question.text, {}};
    asked.ask = [ask, question = std::move(question)] {
        return ask && ask(question);
    };
    return asked;
}

bool ChangeNotes::Agreed(ChangeQuestion question) {
    if (std::find(agreed_.begin(), agreed_.end(), question.text) != agreed_.end()) {
        return true;
    }
    question_ = std::move(question);
    return false;
}

HistoryChange ChangeNotes::Refuse(std::string message, NoticeKind kind) {
    refusal_ = Refusal{std::move(message), kind};
    return HistoryChange::kRefused;
}

namespace {

// More rounds than any change needs, unless other writers keep changing the files between the questions.
constexpr int kMostChangeRounds = 8;

// The refusal of a rewrite through a symbolic link whose target is neither missing, nor empty, nor a
// history: such a link may lead to any file of the user's.
std::optional<std::string> LinkRefusal(FileSystem& files, const std::filesystem::path& file,
                                       std::string_view label) {
    const std::filesystem::path target = files.FollowLinks(file);
    if (target == file) {
        return std::nullopt;
    }
    std::string content;
    const ReadStatus read = ReadHistoryFile(files, file, content);
    if (read == ReadStatus::kMissing || (read == ReadStatus::kRead && LooksLikeHistory(content))) {
        return std::nullopt;
    }
    // A target that cannot be read is left to the write, which names its cause.
    if (read != ReadStatus::kRead && read != ReadStatus::kTooLarge) {
        return std::nullopt;
    }
    std::error_code error;
    const std::filesystem::path shown = std::filesystem::absolute(target, error);
    return LinkRefusalMessage(label, error ? target : shown);
}

// The undo file beside the history that `history` names (after symbolic links).
std::filesystem::path UndoPathBeside(FileSystem& files, const std::filesystem::path& history) {
    return files.FollowLinks(history).parent_path() / std::string(kUndoFileName);
}

// An undo file holds a history and its heading line.
constexpr std::size_t kLargestUndoFile = kLargestHistoryFile + 4096;

// Writes `content` through a fresh work file made beside `model` (so that it carries the model's
// permissions) and renames it in one step onto `destination`, or onto the file the model names when there
// is none. The work file is removed when any step fails.
FileFault WriteThroughWorkFile(FileSystem& files, const std::filesystem::path& model,
                               const std::optional<std::filesystem::path>& destination,
                               std::string_view content) {
    WorkFile work = files.CreateWorkFile(model);
    if (!work.file) {
        return work.fault == FileFault::kNone ? FileFault::kOther : work.fault;
    }
    FileFault fault = work.file->Write(content);
    if (fault == FileFault::kNone) {
        fault = work.file->Flush();
    }
    // Closed in every case, so that the work file can be removed; the object lives on until the work file
    // is renamed or removed, so that no other writer takes it for abandoned before.
    const FileFault closed = work.file->Close();
    fault = fault == FileFault::kNone ? closed : fault;
    if (fault == FileFault::kNone) {
        fault = files.Rename(work.path, destination.value_or(work.target));
    }
    if (fault != FileFault::kNone) {
        files.Remove(work.path);
    }
    work.file.reset();
    return fault;
}

// Writes `content` to `destination` through a work file made for `history`, so that it carries the
// history's permissions.
FileFault WriteLikeHistory(FileSystem& files, const std::filesystem::path& history,
                           const std::filesystem::path& destination, std::string_view content) {
    if (content.size() > kLargestUndoFile) {
        return FileFault::kTooLarge;
    }
    return WriteThroughWorkFile(files, history, destination, content);
}

} // namespace

std::string UndoFileContent(std::string_view change, std::string_view replacedHistory) {
    std::string content(kUndoHeading);
    content.append(change).append(kLineEnd).append(replacedHistory);
    return content;
}

std::optional<KeptUndo> ReadUndoContent(std::string_view content) {
    if (content.substr(0, kUndoHeading.size()) != kUndoHeading) {
        return std::nullopt;
    }
    const std::size_t end = content.find('\n');
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view change = content.substr(kUndoHeading.size(), end - kUndoHeading.size());
    if (!change.empty() && change.back() == '\r') {
        change.remove_suffix(1);
    }
    return KeptUndo{std::string(change), std::string(content.substr(end + 1))};
}

// One change of a file, round after round until it is done: see ChangeFile.
class FileChangeRun final {
public:
    FileChangeRun(FileSystem& files, const std::filesystem::path& file, std::string_view label,
                  const FilePlan& plan, ChangeNotes notes)
        : files_(files), file_(file), label_(label), plan_(plan), notes_(std::move(notes)) {}

    Outcome<ChangeOutcome> Run() {
        for (int round = 0; round < kMostChangeRounds; ++round) {
            std::optional<Outcome<ChangeOutcome>> outcome;
            {
                const Outcome<std::unique_ptr<WriterLock>> lock = LockHistory(files_, label_);
                if (lock.refused()) {
                    return RefusedAs<ChangeOutcome>(lock);
                }
                outcome = RoundUnderLock();
            }
            if (outcome) {
                return std::move(*outcome);
            }
            const ChangeQuestion question = std::move(*notes_.question_);
            notes_.question_.reset();
            if (!question.ask()) {
                return ChangeOutcome::kDeclined;
            }
            notes_.agreed_.push_back(question.text);
        }
        return Refusal{NotWrittenMessage(label_, FileFault::kInUse)};
    }

private:
    // Plans and writes; nothing when a question must be asked first.
    std::optional<Outcome<ChangeOutcome>> RoundUnderLock() {
        if (std::optional<std::string> refusal = LinkRefusal(files_, file_, label_)) {
            return Outcome<ChangeOutcome>(Refusal{std::move(*refusal)});
        }
        std::string content;
        switch (plan_(notes_, content)) {
        case HistoryChange::kAsk:
            if (notes_.question_) {
                return std::nullopt;
            }
            return Refused();
        case HistoryChange::kRefused:
            return Refused();
        case HistoryChange::kUnchanged:
            return ChangeOutcome::kUnchanged;
        case HistoryChange::kReplace:
            break;
        }
        if (!KeepsUndo()) {
            const FileFault fault = ReplaceFile(files_, file_, content);
            if (fault != FileFault::kNone) {
                return Outcome<ChangeOutcome>(Refusal{NotWrittenMessage(label_, fault)});
            }
            return ChangeOutcome::kReplaced;
        }
        return ReplaceKeepingUndo(content);
    }

    bool KeepsUndo() const { return file_ == std::filesystem::path(kHistoryFileName); }

    // Writes the undo file from the history as it is, then the history; when the history cannot be
    // written, the undo file is put back as it was.
    Outcome<ChangeOutcome> ReplaceKeepingUndo(std::string_view content) {
        const std::filesystem::path undoFile = UndoPathBeside(files_, file_);
        std::string replaced;
        const ReadStatus read = ReadHistoryFile(files_, file_, replaced);
        if (read != ReadStatus::kRead && read != ReadStatus::kMissing) {
            return Outcome<ChangeOutcome>(Refusal{ReadFailureMessage(read, label_, kUnableToOpenHistory)});
        }
        std::string previousUndo;
        // The undo file it replaces is put back when the history cannot be written, so it must be read.
        const ReadStatus readUndo = files_.ReadWhole(undoFile, previousUndo, kLargestUndoFile);
        if (readUndo != ReadStatus::kRead && readUndo != ReadStatus::kMissing) {
            return Outcome<ChangeOutcome>(Refusal{NotReadMessage(kUndoLabel)});
        }
        const bool hadUndo = readUndo == ReadStatus::kRead;
        const std::string_view change = notes_.description_.empty() ? kUnnamedChange : notes_.description_;
        // A failure to keep the undo file stops the change: it is told as the history's, which stays as it
        // was.
        FileFault fault = WriteLikeHistory(files_, file_, undoFile, UndoFileContent(change, replaced));
        if (fault != FileFault::kNone) {
            return Outcome<ChangeOutcome>(Refusal{NotWrittenMessage(label_, fault)});
        }
        fault = ReplaceFile(files_, file_, content);
        if (fault != FileFault::kNone) {
            if (hadUndo) {
                WriteLikeHistory(files_, file_, undoFile, previousUndo);
            } else {
                files_.Remove(undoFile);
            }
            return Outcome<ChangeOutcome>(Refusal{NotWrittenMessage(label_, fault)});
        }
        return ChangeOutcome::kReplaced;
    }

    // The refusal the plan gave; a plan that refused without one is told as a failed write.
    Outcome<ChangeOutcome> Refused() {
        if (notes_.refusal_) {
            return Outcome<ChangeOutcome>(std::move(*notes_.refusal_));
        }
        return Outcome<ChangeOutcome>(Refusal{std::string(kNothingChanged)});
    }

    FileSystem& files_;
    const std::filesystem::path& file_;
    std::string_view label_;
    const FilePlan& plan_;
    ChangeNotes notes_;
};

Outcome<ChangeOutcome> ChangeFile(FileSystem& files, const std::filesystem::path& file,
                                  std::string_view label, const FilePlan& plan, ChangeNotes notes) {
    return FileChangeRun(files, file, label, plan, std::move(notes)).Run();
}

Outcome<ChangeOutcome> ChangeHistory(FileSystem& files, bool missingIsEmpty, const HistoryPlan& plan,
                                     ChangeNotes notes) {
    const std::filesystem::path historyFile(kHistoryFileName);
    return ChangeFile(
        files, historyFile, kHistoryLabel,
        [&](ChangeNotes& planNotes, std::string& newHistory) {
            std::string history;
            const ReadStatus read = ReadHistoryFile(files, historyFile, history);
            if (read != ReadStatus::kRead && !(read == ReadStatus::kMissing && missingIsEmpty)) {
                return planNotes.Refuse(ReadFailureMessage(read, kHistoryLabel, kUnableToOpenHistory));
            }
            return plan(history, planNotes, newHistory);
        },
        std::move(notes));
}

std::string WithLineEnds(std::string_view content) {
    std::string copy;
    copy.reserve(content.size() + kLineEnd.size());
    LineCursor lines(content);
    for (std::string_view line; lines.Next(line);) {
        AppendLine(copy, line);
    }
    return copy;
}

FileFault ReplaceFile(FileSystem& files, const std::filesystem::path& file, std::string_view content) {
    if (content.size() > kLargestHistoryFile) {
        return FileFault::kTooLarge;
    }
    return WriteThroughWorkFile(files, file, std::nullopt, content);
}

} // namespace vantorel
