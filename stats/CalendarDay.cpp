// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/CalendarDay.h"

#include "store/CalendarDates.h"

#include <cctype>

namespace vantorel {

namespace {

bool IsDigitAt(std::string_view text, std::size_t index) {
    return std::isdigit(static_cast<unsigned char>(text[index])) != 0;
}

// Two digits, a separator, two digits, a separator, two digits.
bool HasStoredShape(std::string_view date) {
    if (date.size() != 8) {
        return false;
    }
    for (const std::size_t index : {0U, 1U, 3U, 4U, 6U, 7U}) {
        if (!IsDigitAt(date, index)) {
            return false;
        }
    }
    return true;
}

// A value written with at least `width` digits, zeros in front.
std::string Padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

} // namespace

std::optional<CalendarDay> CalendarDay::FromStored(std::string_view storedDate) {
    if (!HasStoredShape(storedDate) || DateHasError(storedDate)) {
        return std::nullopt;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    SplitDate(storedDate, year, month, day);
    const int fullYear = CenturyWindowYear(year);
    const bool leapYear = fullYear % 4 == 0 && (fullYear % 100 != 0 || fullYear % 400 == 0);
    if (month == 2 && day == 29 && !leapYear) {
        return std::nullopt;
    }
    return CalendarDay{fullYear, month, day};
}

std::string CalendarDay::Iso() const {
    return Padded(year, 4) + '-' + Padded(month, 2) + '-' + Padded(day, 2);
}

std::string CalendarDay::Display() const {
    return Padded(month, 2) + '/' + Padded(day, 2) + '/' + Padded(year % 100, 2);
}

} // namespace vantorel
