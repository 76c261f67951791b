#include "store/HistoryRewrite.h"

#include "platform/MessageBox.h"
#include "store/HistoryFile.h"
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

std::string LineWithEnd(const TextLine& line) {
    std::string piece(line.text);
    piece += line.ending.empty() ? kLineEnd : line.ending;
    return piece;
}

} // namespace

std::string HistoryFullMessage(int capacity) {
    return "This history is full.\nIt can hold at most " + std::to_string(capacity) +
           " drawings.\n\nOPERATION ABORTED";
}

std::vector<TextLine> SplitLines(std::string_view content) {
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t feed = content.find('\n', start);
        if (feed == std::string_view::npos) {
            lines.push_back({content.substr(start), {}});
            break;
        }
        std::size_t textEnd = feed;
        if (textEnd > start && content[textEnd - 1] == '\r') {
            --textEnd;
        }
        lines.push_back(
            {content.substr(start, textEnd - start), content.substr(textEnd, feed + 1 - textEnd)});
        start = feed + 1;
    }
    return lines;
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
    const bool countEndsWord =
        countEnd == line.size() || IsLineBlank(line[countEnd]) || line[countEnd] == '\r';
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

FilePieces InsertSectionLine(std::string_view history, int section, std::string_view sectionLine) {
    FilePieces pieces;
    bool inserted = false;
    for (const TextLine& line : SplitLines(history)) {
        if (!inserted) {
            const std::optional<int> lineSection = SectionOfLine(line.text);
            if (lineSection && *lineSection >= section) {
                pieces.emplace_back(sectionLine);
                inserted = true;
            }
        }
        pieces.push_back(LineWithEnd(line));
    }
    if (!inserted) {
        pieces.emplace_back(sectionLine);
    }
    return pieces;
}

AppendPlan AppendToSection(std::string_view history, int section, int added, std::string_view drawings,
                           int capacity, FilePieces& pieces) {
    pieces.clear();
    const std::vector<TextLine> lines = SplitLines(history);
    std::size_t index = 0;
    for (; index < lines.size(); ++index) {
        const std::optional<int> lineSection = SectionOfLine(lines[index].text);
        if (lineSection && *lineSection > section) {
            return AppendPlan::kNothingToAppendTo;
        }
        if (lineSection && *lineSection == section) {
            break;
        }
        pieces.push_back(LineWithEnd(lines[index]));
    }
    if (index == lines.size()) {
        return AppendPlan::kNothingToAppendTo;
    }
    const std::optional<SectionLineParts> parts = SplitSectionLine(lines[index].text);
    if (!parts) {
        return AppendPlan::kNothingToAppendTo;
    }
    const long long newCount = static_cast<long long>(CountValue(parts->count)) + added;
    if (newCount > capacity) {
        return AppendPlan::kFull;
    }
    std::string changed(parts->head);
    changed += std::to_string(newCount);
    changed += parts->rest;
    changed += ' ';
    changed += drawings;
    changed += kLineEnd;
    pieces.push_back(std::move(changed));
    for (++index; index < lines.size(); ++index) {
        pieces.push_back(LineWithEnd(lines[index]));
    }
    return AppendPlan::kPlanned;
}

bool PlanAppendOrExplain(std::string_view history, int section, int added, std::string_view drawings,
                         int capacity, FilePieces& pieces) {
    switch (AppendToSection(history, section, added, drawings, capacity, pieces)) {
    case AppendPlan::kNothingToAppendTo:
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

FilePieces LinesWithLineEnds(std::string_view content) {
    FilePieces pieces;
    for (const TextLine& line : SplitLines(content)) {
        std::string piece(line.text);
        piece += kLineEnd;
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

ReplaceResult ReplaceFile(FileSystem& files, const std::filesystem::path& target, const FilePieces& pieces) {
    const std::filesystem::path workFile(kWorkFileName);
    std::unique_ptr<WritableFile> file = files.Create(workFile);
    if (!file) {
        files.Remove(workFile);
        return ReplaceResult::kWorkFileNotCreated;
    }
    bool written = true;
    for (const std::string& piece : pieces) {
        if (!file->Write(piece)) {
            written = false;
            break;
        }
    }
    written = written && file->Flush();
    // Closed in every case, so that the work file can be removed.
    written = file->Close() && written;
    file.reset();
    if (!written || !files.Rename(workFile, target)) {
        files.Remove(workFile);
        return ReplaceResult::kFailed;
    }
    return ReplaceResult::kReplaced;
}

bool RewriteHistoryFile(FileSystem& files, const FilePieces& pieces, std::string_view notCreatedMessage) {
    switch (ReplaceFile(files, std::filesystem::path(kHistoryFileName), pieces)) {
    case ReplaceResult::kReplaced:
        return true;
    case ReplaceResult::kWorkFileNotCreated:
        MessageBox(notCreatedMessage, MessageIcon::Stop);
        return false;
    case ReplaceResult::kFailed:
        break;
    }
    MessageBox(kUnknownError, MessageIcon::Stop);
    return false;
}

} // namespace vantorel
