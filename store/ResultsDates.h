// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace vantorel {

// A day as a results file writes it, whether or not it is a day of the calendar; the year with four digits.
struct ResultsDay {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The date a word is written as: mm/dd/yyyy, m/d/yyyy, mm/dd/yy, yyyy-mm-dd (also with a time after a "T"),
// and d-Mon-yyyy or d-Mon-yy with an English month name (26-Sep-2020). Nothing for other words. Two-digit
// years are taken through the history's century window.
std::optional<ResultsDay> DateOfWord(std::string_view word);

// The month an English month name stands for, 1 to 12: the full name, its first three letters or "Sept",
// in any case, with a dot after an abbreviation. Nothing for other words.
std::optional<int> MonthOfName(std::string_view word);
// A month written as its number (1 or 2 digits) or its name.
std::optional<int> MonthOfWord(std::string_view word);
// A day of the month as a word: 1 or 2 digits, also with "st", "nd", "rd" or "th" after them.
std::optional<int> DayOfMonthOfWord(std::string_view word);
// A year written with four digits.
std::optional<int> FullYearOfWord(std::string_view word);
// Whether a word is an English weekday name, in full or its first three letters, in any case.
bool IsWeekdayName(std::string_view word);

bool IsCalendarDay(const ResultsDay& date);

} // namespace vantorel
