// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"

#include <string>
#include <string_view>

namespace vantorel {

// Dates are 8 characters: the display form mm/dd/yy (typed and shown) and the stored form yy/mm/dd (in
// the history file). The conversions move characters by position only.

inline constexpr std::string_view kDateLengthError = "Date Length Error";
inline constexpr std::string_view kDateLengthErrorAt = "Date Length Error at ";
// A date search whose date is missing or not in the display form.
inline constexpr std::string_view kNoDateEntered =
    "No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)";

// Display form to stored form. A text that is not 8 characters long is refused with "Date Length Error".
Outcome<std::string> ToStoredDate(std::string_view displayDate);

// Stored form to display form. Success remembers the result as the last good date; a wrong length is
// refused with "Date Length Error at " followed by the last good date.
Outcome<std::string> ToDisplayDate(std::string_view storedDate);

// The last date that ToDisplayDate converted in this run of the program (empty at start).
const std::string& LastGoodDate();
void ResetLastGoodDate();

// Whether `day` of `month` of `year` is a day of the Gregorian calendar: month 1..12, day 1 to the month's
// last (29 February in leap years: every fourth year, not centuries unless divisible by 400).
bool IsGregorianDay(int year, int month, int day);

// False when a stored-form date is plausible: 8 characters, month 1..12, day 1..31, at most 29 in
// February, at most 30 in April, June, September and November. The year is not checked.
bool DateHasError(std::string_view storedDate);

// The decimal values of characters 1-2, 4-5 and 7-8 (non-digits give 0). A shorter text gives 0 for the
// fields it does not hold.
void SplitDate(std::string_view date, int& first, int& second, int& third);

// Weekday of a date, 1 = Sunday .. 7 = Saturday, the year written with four digits. Leap years are 1984 +
// 4k for k = 0..24. An impossible month or day is refused with its message, so the caller can abandon its
// operation.
Outcome<int> DayOfWeek(int year, int month, int day);

// The full year of a two-digit year by the century window: below 84 is 20yy, the others 19yy.
int CenturyWindowYear(int twoDigitYear);

// Orders two stored-form dates in time through the century window: negative when `a` is earlier, 0 when
// they are the same day, positive when `a` is later.
int CompareStoredDates(std::string_view a, std::string_view b);

} // namespace vantorel
