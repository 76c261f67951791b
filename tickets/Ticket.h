// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantorel {

// One ticket of the player's tickets file.
struct Ticket {
    int line = 0;     // its line in the file, counted from 1
    std::string text; // as the reports write it: "3 11 17 21 24", "3 11 17 21 24 + 7", "123", "123 box"
    // Lotto and Power Ball: the first-group balls in the order written. Digit games: the digits, highest
    // position first.
    std::vector<int> numbers;
    int bonus = 0;    // the Power Ball; 0 for the other games
    bool box = false; // digit games: played as a box (any order) instead of straight (this order)
    // The first and last days of the drawings the ticket was played for, as date keys (TicketDates.h);
    // kNoDate where the line leaves that end open.
    int validFrom = 0;
    int validTo = 0;

    bool limited() const { return validFrom != 0 || validTo != 0; }
};

// What is wrong with a line of a tickets file or a prize table.
enum class TicketFault {
    kNotANumber,   // a word where a number belongs
    kWrongCount,   // too few or too many numbers, or no Power Ball after "+"
    kOutOfRange,   // a number outside the game's range
    kRepeated,     // a number written twice
    kBadPlay,      // a digit ticket's play is neither "box" nor "straight", or a box of one digit
    kBadValidity,  // the part after ";" is not "from DATE to DATE", or its dates are the wrong way round
    kBadDate,      // a validity date that is not a day of the calendar in MM/DD/YYYY
    kTooMany,      // the file holds more tickets than are read
    kBadPrizeLine, // a prize table line that is not "TIER AMOUNT" or "ticket PRICE"
    kRepeatedTier, // a prize table names a tier twice
    kNotATier,     // a prize table names a tier that the game does not have
};

// One line that was not taken, and why, as a sentence: "Line 4: 70 is outside 1 to 69".
struct TicketProblem {
    int line = 0;
    TicketFault fault = TicketFault::kNotANumber;
    std::string text;
};

} // namespace vantorel
