// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Operations.h"
#include "platform/Outcome.h"
#include "store/HistoryFile.h"

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

class Clock;
struct HistoryText;
class RandomSource;
class SetupChoices;

// The restricted prediction's result after a refused day or month number or an impossible stored date.
inline constexpr std::string_view kRestrictedPickError = "ERROR";

// Two counts of one analysis: even and odd (Even - Odd), or high and low (High - Low).
struct CountPair {
    int first = 0;
    int second = 0;
    bool operator==(const CountPair&) const = default;
};

// One digit-game history (3 Number: sections 0 and 1, 4 Number: sections 2 and 3) in memory, oldest
// drawing first. `numbers` and `dates` hold exactly count() entries (`dates` only for a dated table).
//
// Values come from a file a user may have edited: a number may lie outside the game's range. Such a
// number counts as a whole number where only its value matters (parity, high or low, deciles, equality)
// and is passed over where it would be split into digits or tallied per number.
class DigitDrawTable {
public:
    static constexpr int kCapacity = kDigitCapacity;

    // An empty table for the section (1, 2 and 3 are taken as such, anything else as 0).
    explicit DigitDrawTable(int section);

    // Reads the table's section from the history file; returns and keeps the reader's result in
    // `loadStatus`.
    int Load(const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));
    // The same from a history file already read, which serves every table taken from it.
    int Load(const HistoryText& history);

    int count() const { return static_cast<int>(numbers.size()); }
    // 3 for the 3 Number game, 4 for the 4 Number game.
    int digitPositions() const { return section < 2 ? 3 : 4; }
    // gameType: 0 for the 3 Number game, 1 for the 4 Number game.
    int game() const { return section < 2 ? kThreeNumber : kFourNumber; }
    // 1000 or 10000: how many numbers the game can draw.
    int numberRange() const { return digitPositions() == 3 ? 1000 : 10000; }

    // Analyses (operations 0 to 5).
    CountPair CountEvenOdd(const SetupChoices& choices) const; // {even, odd}
    CountPair CountHighLow(const SetupChoices& choices) const; // {high, low}
    // How often each whole number 0 .. numberRange() - 1 was drawn.
    std::vector<int> CountTotals() const;
    // Both add to the counts they are given; they do not clear them.
    void CountDeciles(std::array<int, 10>& deciles, double rangeSize) const;
    void CountDigits(std::array<int, 10>& digitCounts) const;
    // Hottest or overdue digit per position, with tie lists.
    std::string PickByPosition(PickMode mode) const;
    // Hottest or overdue whole number; ties are listed, each followed by "\n".
    std::string PickByNumber(PickMode mode) const;

    // Searches: indexes of matching entries in table order, at most kMatchListLimit of them.
    // Dates are in the stored form yy/mm/dd.
    std::vector<int> FindDate(std::string_view storedDate) const;
    std::vector<int> FindDateRange(std::string_view fromStoredDate, std::string_view toStoredDate) const;
    std::vector<int> FindNumber(int number, const SetupChoices& choices) const;
    std::vector<int> FindNumberRange(int low, int high) const;

    // Overdue or Hottest digits per position restricted to one weekday, one month or
    // one date range of this dated table, as the "Predictions" choice says. Leaves its messages in
    // `notices`; gives "ERROR" after a bad day or month number or a stored date the weekday calculation
    // rejects, and the empty text after "Date Error".
    std::string RestrictedPick(PickMode mode, std::string_view numberText, std::string_view fromText,
                               std::string_view toText, const SetupChoices& choices, Notices& notices) const;

    // The "Best Guess" number by the strategy that the choices name. `random` must be freshly seeded
    // (with the clock: the planted seed is not used here).
    int BestGuess(const SetupChoices& choices, RandomSource& random) const;

    bool dated = false;
    int loadStatus = 0;
    std::vector<int> numbers;
    int section = 0;
    std::vector<std::string> dates;
};

// Reads both histories of a digit game with one read of the history file.
void LoadDigitGame(DigitDrawTable& undated, DigitDrawTable& dated,
                   const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));

// PickByPosition over any list of numbers of a game with `positions` digits (3 or 4).
std::string PickByPosition(std::span<const int> numbers, int positions, PickMode mode);

// `digits` random digits: the last decimal digit of one generator value each.
std::string RandomDigits(int digits, RandomSource& random);
// The same with the generator seeded by `seed`, or by the clock's seconds when `seed` is 0.
std::string RandomDigits(int digits, int seed, const Clock& clock);

} // namespace vantorel
