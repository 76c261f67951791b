// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/CalendarDay.h"

#include "store/CalendarDates.h"

#include <array>
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

// The two-digit value at `index` of a text whose digits there were checked.
int TwoDigitsAt(std::string_view text, std::size_t index) {
    return (text[index] - '0') * 10 + (text[index + 1] - '0');
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leapYear = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return month == 2 && leapYear ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Appends a value of 0 .. 99 as two digits.
void AppendTwoDigits(std::string& text, int value) {
    text += static_cast<char>('0' + value / 10);
    text += static_cast<char>('0' + value % 10);
}

// A value written with at least `width` digits, zeros in front.
std::string Padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

} // namespace

std::optional<CalendarDay> CalendarDay::FromStored(std::string_view storedDate) {
    if (!HasStoredShape(storedDate)) {
        return std::nullopt;
    }
    const CalendarDay day{CenturyWindowYear(TwoDigitsAt(storedDate, 0)), TwoDigitsAt(storedDate, 3),
                          TwoDigitsAt(storedDate, 6)};
    if (day.month < 1 || day.month > 12 || day.day < 1 || day.day > DaysInMonth(day.year, day.month)) {
        return std::nullopt;
    }
    return day;
}

std::string CalendarDay::Iso() const {
    return Padded(year, 4) + '-' + Padded(month, 2) + '-' + Padded(day, 2);
}

std::string CalendarDay::Display() const {
    std::string text;
    AppendDisplay(text);
    return text;
}

void CalendarDay::AppendDisplay(std::string& text) const {
    AppendTwoDigits(text, month);
    text += '/';
    AppendTwoDigits(text, day);
    text += '/';
    AppendTwoDigits(text, year % 100);
}

} // namespace vantorel
