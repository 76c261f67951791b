// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

// Days as the tickets engine compares them: year * 10000 + month * 100 + day, the year with four digits,
// so that later days are larger numbers. 0 stands for no date (an undated history, or a stored date that
// is not a day of the calendar).
inline constexpr int kNoDate = 0;

// A day written MM/DD/YYYY (one-digit month and day allowed: 1/5/2026); nothing when the text is not
// a day of the Gregorian calendar between the years 1000 and 9999.
std::optional<int> DateKeyOfTyped(std::string_view text);

// A history date in the stored form yy/mm/dd, its year through the century window (below 84 is 20yy);
// kNoDate when it is not a day of the calendar.
int DateKeyOfStored(std::string_view storedDate);

// "2026-12-05"; the empty text for kNoDate.
std::string IsoDateText(int dateKey);
// "12/05/2026"; the empty text for kNoDate.
std::string TypedDateText(int dateKey);

} // namespace vantorel
