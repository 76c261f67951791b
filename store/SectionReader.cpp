// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SectionReader.h"

#include "store/HistoryFile.h"
#include "store/TextLines.h"
#include "store/TokenCursor.h"

namespace vantorel {

namespace {

// Reads the drawings that follow the count on the section's line, stopping at the line end, at a word
// that is not a number where a number belongs, or when `wanted` drawings have been read.
void ReadDrawings(TokenCursor& words, const SectionShape& shape, int wanted, SectionContent& content) {
    const auto perDrawing = static_cast<std::size_t>(shape.numbersPerDrawing);
    content.numbers.resize(static_cast<std::size_t>(wanted) * perDrawing);
    if (shape.dated) {
        content.dates.reserve(static_cast<std::size_t>(wanted));
    }
    int* next = content.numbers.data();
    while (content.count < wanted) {
        std::string_view date;
        if (shape.dated) {
            date = words.NextWord();
            if (date.empty()) {
                break;
            }
        }
        // The drawing is written in place and counted only when it is complete.
        bool complete = true;
        for (std::size_t number = 0; number < perDrawing && complete; ++number) {
            const std::optional<int> value = LeadingWholeNumber(words.NextWord());
            complete = value.has_value();
            next[number] = complete ? *value : 0;
        }
        if (!complete) {
            break;
        }
        if (shape.dated) {
            content.dates.emplace_back(date);
        }
        next += perDrawing;
        ++content.count;
    }
    content.numbers.resize(static_cast<std::size_t>(content.count) * perDrawing);
}

// A section line as the reader takes it: a line longer than a full section can be is cut to that length
// and then to its last whole word, since a full section's drawings always fit in what is kept.
std::string_view KeptPart(std::string_view line) {
    if (line.size() <= kLongestSectionLine) {
        return line;
    }
    line = line.substr(0, kLongestSectionLine);
    const std::size_t lastBlank = line.find_last_of(" \t");
    return line.substr(0, lastBlank == std::string_view::npos ? 0 : lastBlank);
}

} // namespace

HistoryText ReadHistoryText(const std::filesystem::path& historyFile) {
    HistoryText history;
    history.status = RealFileSystem().ReadWhole(historyFile, history.text, kLargestHistoryFile);
    return history;
}

int ParseSection(const HistoryText& history, const SectionShape& shape, SectionContent& content) {
    content = SectionContent{};
    if (!history.read()) {
        return kHistoryNotOpened;
    }
    LineCursor lines(history.text);
    std::string_view line;
    while (lines.Next(line)) {
        TokenCursor words(KeptPart(line));
        // A line that does not start with a number cannot be compared and is passed over.
        const std::optional<int> lineSection = LeadingWholeNumber(words.NextWord());
        if (!lineSection || *lineSection < shape.section) {
            continue;
        }
        if (*lineSection > shape.section) {
            return kSectionRefused;
        }
        const std::optional<int> count = LeadingWholeNumber(words.NextWord());
        if (!count || *count > shape.capacity) {
            return kSectionRefused;
        }
        if (*count > 0 && shape.numbersPerDrawing > 0) {
            ReadDrawings(words, shape, *count, content);
        }
        return kSectionLoaded;
    }
    return kSectionRefused;
}

int ReadSection(const std::filesystem::path& historyFile, const SectionShape& shape,
                SectionContent& content) {
    return ParseSection(ReadHistoryText(historyFile), shape, content);
}

} // namespace vantorel
