#include "store/HistoryRewrite.h"

#include "platform/MessageBox.h"
#include "store/HistoryFile.h"
#include "store/TextLines.h"
#include "store/TokenCursor.h"

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

void ShowReadFailure(ReadStatus status, std::string_view label, std::string_view notOpened) {
    switch (status) {
    case ReadStatus::kRead:
        return;
    case ReadStatus::kTooLarge:
        MessageBox(TooLargeMessage(label), MessageIcon::Stop);
        return;
    case ReadStatus::kReadFailed:
        MessageBox(NotReadMessage(label), MessageIcon::Stop);
        return;
    case ReadStatus::kMissing:
    case ReadStatus::kNotOpened:
    case ReadStatus::kNotAFile:
        break;
    }
    MessageBox(notOpened, MessageIcon::Stop);
}

std::unique_ptr<WriterLock> LockHistoryOrExplain(FileSystem& files, std::string_view label) {
    FileFault fault = FileFault::kNone;
    std::unique_ptr<WriterLock> lock =
        files.LockWriters(std::filesystem::path(kHistoryFileName), kWriterWait, fault);
    if (!lock) {
        MessageBox(NotWrittenMessage(label, fault), MessageIcon::Stop);
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

bool PlanAppendOrExplain(std::string_view history, int section, int added, std::string_view drawings,
                         int capacity, std::string& newHistory) {
    switch (AppendToSection(history, section, added, drawings, capacity, newHistory)) {
    case AppendPlan::kSectionAbsent:
        MessageBox(kNoCurrentEntry, MessageIcon::Stop);
        return false;
    case AppendPlan::kFull:
        MessageBox(HistoryFullMessage(capacity), MessageIcon::Stop);
        return false;
    case AppendPlan::kPlanned:
        break;
    }
    return true;
}

bool ChangeHistory(FileSystem& files, bool missingIsEmpty, const HistoryPlan& plan) {
    const std::unique_ptr<WriterLock> lock = LockHistoryOrExplain(files, kHistoryLabel);
    if (!lock) {
        return false;
    }
    const std::filesystem::path historyFile(kHistoryFileName);
    std::string history;
    const ReadStatus read = ReadHistoryFile(files, historyFile, history);
    if (read != ReadStatus::kRead && !(read == ReadStatus::kMissing && missingIsEmpty)) {
        ShowReadFailure(read, kHistoryLabel, kUnableToOpenHistory);
        return false;
    }
    std::string newHistory;
    switch (plan(history, newHistory)) {
    case HistoryChange::kReplace:
        break;
    case HistoryChange::kUnchanged:
        return true;
    case HistoryChange::kRefused:
        return false;
    }
    return ReplaceFileOrExplain(files, historyFile, kHistoryLabel, newHistory);
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
    WorkFile work = files.CreateWorkFile(file);
    if (!work.file) {
        return work.fault == FileFault::kNone ? FileFault::kOther : work.fault;
    }
    FileFault fault = work.file->Write(content);
    if (fault == FileFault::kNone) {
        fault = work.file->Flush();
    }
    // Closed in every case, so that the work file can be removed.
    const FileFault closed = work.file->Close();
    fault = fault == FileFault::kNone ? closed : fault;
    work.file.reset();
    if (fault == FileFault::kNone) {
        fault = files.Rename(work.path, work.target);
    }
    if (fault != FileFault::kNone) {
        files.Remove(work.path);
    }
    return fault;
}

bool ReplaceFileOrExplain(FileSystem& files, const std::filesystem::path& file, std::string_view label,
                          std::string_view content) {
    const FileFault fault = ReplaceFile(files, file, content);
    if (fault != FileFault::kNone) {
        MessageBox(NotWrittenMessage(label, fault), MessageIcon::Stop);
        return false;
    }
    return true;
}

} // namespace vantorel
