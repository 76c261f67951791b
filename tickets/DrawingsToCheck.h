// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace vantorel {

class DigitDrawTable;
class LottoDrawTable;
class PowerballDrawTable;

// One drawing as tickets are compared with it.
struct DrawingToCheck {
    // The first-group balls as bits: ball b is bit b - 64 * (b / 64) of low (b < 64) or high. Balls
    // outside 1 to 127 (a history edited by hand) match no ticket.
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    int bonus = 0;         // the second-group ball; 0 for games without one
    int number = -1;       // digit games: the number drawn; -1 when it lies outside the game's range
    int sortedDigits = -1; // digit games: its digits in ascending order read as a number (321 gives 123)
    int date = 0;          // the day as a date key (TicketDates.h); kNoDate when undated or not a day
};

// A history's drawings in table order (oldest first), ready for checking tickets.
struct DrawingsToCheck {
    int gameType = 0;
    bool dated = false;
    std::vector<DrawingToCheck> drawings;
};

DrawingsToCheck DrawingsOf(const LottoDrawTable& table);
DrawingsToCheck DrawingsOf(const PowerballDrawTable& table);
DrawingsToCheck DrawingsOf(const DigitDrawTable& table);

// The same key as DrawingToCheck::sortedDigits for the digits of a ticket.
int SortedDigitsKey(std::vector<int> digits);

} // namespace vantorel
