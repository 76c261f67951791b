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
    content.numbers.reserve(static_cast<std::size_t>(wanted) * perDrawing);
    if (shape.dated) {
        content.dates.reserve(static_cast<std::size_t>(wanted));
    }
    std::vector<int> drawing(perDrawing);
    while (content.count < wanted) {
        std::string_view date;
        if (shape.dated) {
            date = words.NextWord();
            if (date.empty()) {
                return;
            }
        }
        for (int& number : drawing) {
            const std::optional<int> value = LeadingWholeNumber(words.NextWord());
            if (!value) {
                return;
            }
            number = *value;
        }
        if (shape.dated) {
            content.dates.emplace_back(date);
        }
        content.numbers.insert(content.numbers.end(), drawing.begin(), drawing.end());
        ++content.count;
    }
}

} // namespace

int ReadSection(const std::filesystem::path& historyFile, const SectionShape& shape,
                SectionContent& content) {
    content = SectionContent{};
    // Lines are read in pieces and kept up to the longest a section can have, so that no file, however
    // large, is held in memory.
    FileLineReader file(historyFile, kLongestSectionLine);
    if (file.status() != ReadStatus::kRead) {
        return kHistoryNotOpened;
    }
    std::string line;
    while (file.Next(line)) {
        if (file.cut()) {
            // Only whole words count: a full section's drawings always fit in what was kept.
            line.resize(line.find_last_of(" \t") == std::string::npos ? 0 : line.find_last_of(" \t"));
        }
        TokenCursor words(line);
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
    return file.failed() ? kHistoryNotOpened : kSectionRefused;
}

} // namespace vantorel
