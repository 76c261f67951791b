// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameCatalogue.h"

#include <cstddef>
#include <string_view>

namespace vantorel {

// The files of the working directory.
inline constexpr std::string_view kHistoryFileName = "vtrmain.dat";
inline constexpr std::string_view kBackupFileName = "maindat.bak";
// Work files are named with this prefix and a suffix of their own, beside the file they replace.
inline constexpr std::string_view kWorkFilePrefix = "~tmp.~";
// The file whose lock a writer of the history holds; made once beside the history and left there.
inline constexpr std::string_view kLockFileName = "vtrmain.lck";

inline constexpr int kSectionCount = 2 * kGameCount;

// Drawings a section may hold (from the game catalogue); a count above this is refused by the readers.
inline constexpr int kDigitCapacity = CapacityOfGame(kThreeNumber);
inline constexpr int kFiveNumberCapacity = CapacityOfGame(kFiveNumber);
inline constexpr int kSixNumberCapacity = CapacityOfGame(kSixNumber);
inline constexpr int kPowerballCapacity = CapacityOfGame(kPowerball);

// Section number of a game's history: 2 x gameType + dated.
constexpr int SectionNumber(int gameType, bool dated) {
    return 2 * gameType + (dated ? 1 : 0);
}
constexpr int GameOfSection(int section) {
    return section / 2;
}
constexpr bool IsDatedSection(int section) {
    return section % 2 == 1;
}

// The widest first group that a Power Ball table row holds.
inline constexpr int kMaxPowerballBalls = 6;

// How many whole-number words one drawing of a section has at most: its numbers (the widest Power Ball
// drawing for Power Ball) and its date.
constexpr int LongestDrawingWords(int section) {
    const int perDrawing = GameOf(GameOfSection(section)).numbersPerDrawing;
    const int numbers = perDrawing > 0 ? perDrawing : kMaxPowerballBalls + 1;
    return numbers + (IsDatedSection(section) ? 1 : 0);
}

// A word of a section line has at most 11 characters (a date has 8, a number fewer); a longer one is
// outside the file's format.
inline constexpr std::size_t kLongestWord = 11;

// The longest line a full section can have: its number, its count (at most 10 digits), every drawing's
// words at their longest, each after one blank, and the line end.
constexpr std::size_t LongestSectionLine(int section) {
    const auto words = static_cast<std::size_t>(CapacityOfGame(GameOfSection(section))) *
                       static_cast<std::size_t>(LongestDrawingWords(section));
    return 2 + 10 + words * (1 + kLongestWord) + 2;
}

constexpr std::size_t LongestOfAllSectionLines() {
    std::size_t longest = 0;
    for (int section = 0; section < kSectionCount; ++section) {
        longest = LongestSectionLine(section) > longest ? LongestSectionLine(section) : longest;
    }
    return longest;
}
inline constexpr std::size_t kLongestSectionLine = LongestOfAllSectionLines();

// The largest history file the program reads or writes: every section full, at its longest, four times
// over (a new import of a section leaves the old line behind, so a file kept for years may hold some
// sections more than once). About 4.6 MB; anything larger is refused before it is read.
constexpr std::size_t LargestHistoryFile() {
    constexpr std::size_t kLinesPerSection = 4;
    std::size_t total = 0;
    for (int section = 0; section < kSectionCount; ++section) {
        total += LongestSectionLine(section);
    }
    return total * kLinesPerSection;
}
inline constexpr std::size_t kLargestHistoryFile = LargestHistoryFile();

} // namespace vantorel
