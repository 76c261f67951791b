// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/WholeHistory.h"

#include "platform/GameSettings.h"
#include "store/DataImport.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/TextLines.h"
#include "store/TokenCursor.h"

#include <algorithm>
#include <optional>

namespace vantorel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits only; a word longer than any number a history holds is none.
bool IsNumberWord(std::string_view word) {
    return !word.empty() && word.size() <= kLongestWord && std::all_of(word.begin(), word.end(), IsDigit);
}

// yy/mm/dd.
bool IsStoredDateWord(std::string_view word) {
    if (word.size() != 8 || word[2] != '/' || word[5] != '/') {
        return false;
    }
    return std::all_of(word.begin(), word.end(), [](char c) { return c == '/' || IsDigit(c); });
}

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The section number of a line whose first word is one: 0 to 9 written with digits only.
std::optional<int> SectionNumberOf(std::string_view line) {
    TokenCursor words(line);
    const std::string_view first = words.NextWord();
    if (!IsNumberWord(first)) {
        return std::nullopt;
    }
    const int section = CountValue(first);
    return section < kSectionCount ? std::optional(section) : std::nullopt;
}

// Whether a section line holds exactly the drawings its count announces, `numbers` numbers each.
bool DrawingsMatchCount(std::string_view line, int section, int numbers) {
    TokenCursor words(line);
    words.NextWord(); // the section number
    const std::string_view countWord = words.NextWord();
    if (!IsNumberWord(countWord) || CountValue(countWord) > CapacityOfGame(GameOfSection(section))) {
        return false;
    }
    const bool dated = IsDatedSection(section);
    const auto perDrawing = static_cast<std::size_t>(numbers) + (dated ? 1 : 0);
    const std::size_t wanted = static_cast<std::size_t>(CountValue(countWord)) * perDrawing;
    std::size_t found = 0;
    for (std::string_view word = words.NextWord(); !word.empty(); word = words.NextWord()) {
        const bool isDate = dated && found % perDrawing == 0;
        if (found == wanted || !(isDate ? IsStoredDateWord(word) : IsNumberWord(word))) {
            return false;
        }
        ++found;
    }
    return found == wanted;
}

bool SectionLineReadsWhole(std::string_view line, int section, const GameSettings& settings) {
    const int gameType = GameOfSection(section);
    if (gameType != kPowerball || settings.powerballBalls != 0) {
        return DrawingsMatchCount(line, section, NumbersPerDrawing(gameType, settings));
    }
    const GameSettingRule& rule = RuleOf(GameSettingKey::PowerballBalls);
    for (int balls = rule.lowest; balls <= rule.highest; ++balls) {
        if (DrawingsMatchCount(line, section, balls + 1)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool ReadsAsWholeHistory(std::string_view content, const GameSettings& settings) {
    int lastSection = -1;
    LineCursor lines(content);
    for (std::string_view line; lines.Next(line);) {
        if (IsBlankLine(line)) {
            continue;
        }
        const std::optional<int> section = SectionNumberOf(line);
        if (!section || *section < lastSection || !SectionLineReadsWhole(line, *section, settings)) {
            return false;
        }
        lastSection = *section;
    }
    return lastSection >= 0;
}

} // namespace vantorel
