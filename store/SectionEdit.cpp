// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SectionEdit.h"

#include "platform/GameCatalogue.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/TokenCursor.h"

#include <algorithm>

namespace vantorel {

std::vector<std::string_view> DrawingsOfLine(std::string_view line, int wordsPerDrawing) {
    std::vector<std::string_view> drawings;
    const std::optional<SectionLineParts> parts = SplitSectionLine(line);
    if (!parts || wordsPerDrawing < 1) {
        return drawings;
    }
    const std::string_view rest = parts->rest;
    TokenCursor words(rest);
    int inDrawing = 0;
    const char* start = nullptr;
    const char* end = nullptr;
    for (std::string_view word = words.NextWord(); !word.empty(); word = words.NextWord()) {
        if (inDrawing == 0) {
            start = word.data();
        }
        end = word.data() + word.size();
        if (++inDrawing == wordsPerDrawing) {
            drawings.emplace_back(start, static_cast<std::size_t>(end - start));
            inDrawing = 0;
        }
    }
    if (inDrawing > 0) {
        drawings.emplace_back(start, static_cast<std::size_t>(end - start));
    }
    return drawings;
}

std::optional<std::string> LineWithoutDrawings(std::string_view line, int wordsPerDrawing,
                                               const std::vector<int>& positions) {
    const std::optional<int> section = SectionOfLine(line);
    if (!section || !SplitSectionLine(line)) {
        return std::nullopt;
    }
    const std::vector<std::string_view> drawings = DrawingsOfLine(line, wordsPerDrawing);
    std::size_t words = 0;
    for (TokenCursor cursor(SplitSectionLine(line)->rest); !cursor.NextWord().empty();) {
        ++words;
    }
    const bool lastIsShort = words % static_cast<std::size_t>(wordsPerDrawing) != 0;
    std::string kept;
    int whole = 0;
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        if (std::find(positions.begin(), positions.end(), position) != positions.end()) {
            continue;
        }
        kept.append(1, ' ').append(drawings[i]);
        // A short drawing at the end is kept as it was, but not counted.
        whole += lastIsShort && i + 1 == drawings.size() ? 0 : 1;
    }
    return std::to_string(*section) + ' ' + std::to_string(whole) + kept;
}

std::string HistoryName(int section) {
    return std::string(GameOf(GameOfSection(section)).name) +
           (IsDatedSection(section) ? " Dated" : " Undated");
}

} // namespace vantorel
