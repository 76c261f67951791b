// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CalendarDates.h"

#include "platform/PlainDecimal.h"

#include <array>

namespace vantorel {

namespace {

constexpr std::size_t kDateLength = 8;

std::string lastGoodDate;

int FieldValue(std::string_view date, std::size_t position) {
    if (position + 2 > date.size()) {
        return 0;
    }
    return PlainDecimal(date.substr(position, 2));
}

bool IsLeapYear(int year) {
    return year >= 1984 && year <= 2080 && (year - 1984) % 4 == 0;
}

struct MonthRule {
    int lastDay;
    std::string_view message;
};

// The calendar check of each month: the last valid day and the message for a day beyond it.
constexpr std::array<MonthRule, 12> kMonthRules = {{
    {31, "JAN date > 31!"},
    {29, ""}, // February depends on the year; see FebruaryRule.
    {31, "MAR date > 31!"},
    {30, "APR date > 30!"},
    {31, "MAY date > 31!"},
    {30, "JUNE date > 30!"},
    {31, "JULY date > 31!"},
    {31, "AUG date > 31!"},
    {30, "SEPT date > 30!"},
    {31, "OCT date > 31!"},
    {30, "NOV date > 30!"},
    {31, "DEC date > 31!"},
}};

MonthRule FebruaryRule(bool leapYear) {
    return leapYear ? MonthRule{29, "FEB LEAPYEAR > 29 "} : MonthRule{28, "FEB !LEAPYR > 28 "};
}

// The day of each month that falls on the year's anchor weekday.
int MonthAnchorDay(int month, bool leapYear) {
    constexpr std::array<int, 12> kAnchorDays = {3, 28, 7, 4, 9, 6, 11, 8, 5, 10, 7, 12};
    if (leapYear && (month == 1 || month == 2)) {
        return kAnchorDays[static_cast<std::size_t>(month - 1)] + 1;
    }
    return kAnchorDays[static_cast<std::size_t>(month - 1)];
}

int YearAnchor(int year) {
    const int y = year % 100;
    const int a = y / 12;
    const int b = y % 12;
    const int c = b / 4;
    return (a + b + c + (year < 2000 ? 3 : 2)) % 7;
}

} // namespace

Outcome<std::string> ToStoredDate(std::string_view date) {
    if (date.size() != kDateLength) {
        return Refusal{std::string(kDateLengthError)};
    }
    std::string stored;
    stored.append(date.substr(6, 2)).append(1, '/').append(date.substr(0, 2)).append(1, '/');
    return stored.append(date.substr(3, 2));
}

Outcome<std::string> ToDisplayDate(std::string_view date) {
    if (date.size() != kDateLength) {
        return Refusal{std::string(kDateLengthErrorAt) + lastGoodDate};
    }
    std::string display;
    display.append(date.substr(3, 2)).append(1, '/').append(date.substr(6, 2)).append(1, '/');
    lastGoodDate = display.append(date.substr(0, 2));
    return display;
}

const std::string& LastGoodDate() {
    return lastGoodDate;
}

void ResetLastGoodDate() {
    lastGoodDate.clear();
}

bool IsGregorianDay(int year, int month, int day) {
    constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1) {
        return false;
    }
    const bool leapYear = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDaysInMonth[static_cast<std::size_t>(month - 1)] + (month == 2 && leapYear ? 1 : 0);
}

bool DateHasError(std::string_view storedDate) {
    if (storedDate.size() != kDateLength) {
        return true;
    }
    const int month = FieldValue(storedDate, 3);
    const int day = FieldValue(storedDate, 6);
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return true;
    }
    if (month == 2) {
        return day > 29;
    }
    return (month == 4 || month == 6 || month == 9 || month == 11) && day > 30;
}

void SplitDate(std::string_view date, int& first, int& second, int& third) {
    first = FieldValue(date, 0);
    second = FieldValue(date, 3);
    third = FieldValue(date, 6);
}

Outcome<int> DayOfWeek(int year, int month, int day) {
    if (month < 1 || month > 12) {
        return Refusal{"MONTH > 12!"};
    }
    const bool leapYear = IsLeapYear(year);
    const MonthRule rule =
        month == 2 ? FebruaryRule(leapYear) : kMonthRules[static_cast<std::size_t>(month - 1)];
    if (day > rule.lastDay) {
        return Refusal{std::string(rule.message)};
    }
    const int offset = (YearAnchor(year) + day - MonthAnchorDay(month, leapYear)) % 7;
    return (offset + 7) % 7 + 1;
}

int CenturyWindowYear(int twoDigitYear) {
    return twoDigitYear < 84 ? 2000 + twoDigitYear : 1900 + twoDigitYear;
}

int CompareStoredDates(std::string_view a, std::string_view b) {
    const auto key = [](std::string_view date) {
        int year = 0;
        int month = 0;
        int day = 0;
        SplitDate(date, year, month, day);
        return CenturyWindowYear(year) * 10000 + month * 100 + day;
    };
    const int keyA = key(a);
    const int keyB = key(b);
    return keyA < keyB ? -1 : (keyA > keyB ? 1 : 0);
}

} // namespace vantorel
