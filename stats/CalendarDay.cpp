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

// Writes a value of 0 .. 99 as two digits at `at`.
void PutTwoDigits(std::array<char, 8>& text, std::size_t at, int value) {
    text[at] = static_cast<char>('0' + value / 10);
    text[at + 1] = static_cast<char>('0' + value % 10);
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
    const int year = CenturyWindowYear(TwoDigitsAt(storedDate, 0));
    const int month = TwoDigitsAt(storedDate, 3);
    const int day = TwoDigitsAt(storedDate, 6);
    if (!IsGregorianDay(year, month, day)) {
        return std::nullopt;
    }
    return CalendarDay{static_cast<std::int16_t>(year), static_cast<std::int8_t>(month),
                       static_cast<std::int8_t>(day)};
}

std::string CalendarDay::Iso() const {
    return Padded(year, 4) + '-' + Padded(month, 2) + '-' + Padded(day, 2);
}

std::string CalendarDay::Display() const {
    const std::array<char, 8> characters = DisplayCharacters();
    return {characters.begin(), characters.end()};
}

std::array<char, 8> CalendarDay::DisplayCharacters() const {
    std::array<char, 8> text{};
    PutTwoDigits(text, 0, month);
    text[2] = '/';
    PutTwoDigits(text, 3, day);
    text[5] = '/';
    PutTwoDigits(text, 6, year % 100);
    return text;
}

} // namespace vantorel
