// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

struct GameSettings;

// The checks that every way a drawing comes into the history shares (a results file, a typed drawing, an
// import file), and that the file analysis names drawings by.

// The range one number of a drawing may take, and the setting its highest value comes from.
struct NumberLimits {
    int lowest = 1;
    int highest = 0;
    std::string_view setting; // empty for the fixed digit-game ranges
    std::string_view what = "number";
};
// The limits of the number at `position` (0 first) of a drawing of `numbers` numbers of the game: 0 to 999
// or 0 to 9999 for the digit games, 1 to the game's maximum (5BC, 6BC, PBC; PBB for the power ball, the
// last number of a Power Ball drawing) for the others.
NumberLimits LimitsOfNumber(int gameType, int position, int numbers, const GameSettings& settings);

// "the number 31 is outside 1 to 26 (setting 5BC)", with the number as it is written.
std::string OutOfRangeText(std::string_view written, const NumberLimits& limits);
// "the number 15 is there twice".
std::string RepeatedNumberText(std::string_view written);

// The value of a number as it is written (digits only); values too large for an int saturate. Nothing for
// a word that is not all digits.
bool WholeNumberOf(std::string_view written, int& value);

// What is wrong with the numbers of one drawing of the game, written as words: the first word that is no
// number, the first number out of its range, the first ball drawn twice within its group (the first
// Power Ball group, the power ball alone; no such rule for the digit games). Empty when they are right.
// The count of words is not checked here.
enum class NumbersFault { kNone, kNotANumber, kOutOfRange, kRepeated };
struct NumbersCheck {
    NumbersFault fault = NumbersFault::kNone;
    std::string text;
};
NumbersCheck CheckNumbers(int gameType, const std::vector<std::string_view>& written,
                          const GameSettings& settings);
// The text of CheckNumbers alone.
std::string NumbersProblem(int gameType, const std::vector<std::string_view>& written,
                           const GameSettings& settings);

// Whether a date in the stored form yy/mm/dd is a day of the calendar: digits where they belong, month 1 to
// 12 and a day that month has (29 February only in a leap year, the year taken through the century window).
bool IsStoredCalendarDate(std::string_view storedDate);

} // namespace vantorel
