// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ResultsDates.h"

#include "store/CalendarDates.h"

#include <algorithm>
#include <array>
#include <string>

namespace vantorel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

std::string LowerCased(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::optional<int> DigitsValue(std::string_view text, std::size_t shortest, std::size_t longest) {
    if (text.size() < shortest || text.size() > longest || !IsAllDigits(text)) {
        return std::nullopt;
    }
    int value = 0;
    for (const char digit : text) {
        value = value * 10 + (digit - '0');
    }
    return value;
}

// The three fields of a word between two `separator`s; nothing when it has fewer than two.
std::optional<std::array<std::string_view, 3>> ThreeFields(std::string_view word, char separator) {
    const std::size_t first = word.find(separator);
    const std::size_t second = first == std::string_view::npos ? first : word.find(separator, first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    return std::array{word.substr(0, first), word.substr(first + 1, second - first - 1),
                      word.substr(second + 1)};
}

// A year of two or four digits, a two-digit one through the century window.
std::optional<int> YearOfDigits(std::string_view text) {
    const std::optional<int> year = DigitsValue(text, 2, 4);
    if (!year || text.size() == 3) {
        return std::nullopt;
    }
    return text.size() == 2 ? CenturyWindowYear(*year) : *year;
}

// mm/dd/yyyy, m/d/yyyy and mm/dd/yy (month and day of one or two digits).
std::optional<ResultsDay> SlashDate(std::string_view word) {
    const auto fields = ThreeFields(word, '/');
    if (!fields) {
        return std::nullopt;
    }
    const std::optional<int> month = DigitsValue((*fields)[0], 1, 2);
    const std::optional<int> day = DigitsValue((*fields)[1], 1, 2);
    const std::optional<int> year = YearOfDigits((*fields)[2]);
    if (!month || !day || !year) {
        return std::nullopt;
    }
    return ResultsDay{*year, *month, *day};
}

// d-Mon-yyyy and d-Mon-yy.
std::optional<ResultsDay> MonthNameDate(std::string_view word) {
    const auto fields = ThreeFields(word, '-');
    const std::optional<int> month = fields ? MonthOfName((*fields)[1]) : std::nullopt;
    if (!month) {
        return std::nullopt;
    }
    const std::optional<int> day = DigitsValue((*fields)[0], 1, 2);
    const std::optional<int> year = YearOfDigits((*fields)[2]);
    if (!day || !year) {
        return std::nullopt;
    }
    return ResultsDay{*year, *month, *day};
}

// yyyy-mm-dd (month and day of one or two digits), also with a time after a "T".
std::optional<ResultsDay> DashDate(std::string_view word) {
    const auto fields = ThreeFields(word.substr(0, word.find('T')), '-');
    if (!fields) {
        return std::nullopt;
    }
    const std::optional<int> year = DigitsValue((*fields)[0], 4, 4);
    const std::optional<int> month = DigitsValue((*fields)[1], 1, 2);
    const std::optional<int> day = DigitsValue((*fields)[2], 1, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    return ResultsDay{*year, *month, *day};
}

} // namespace

std::optional<ResultsDay> DateOfWord(std::string_view word) {
    // The shortest dates are m/d/yy and d-Mon-yy.
    if (word.size() < 6 || !IsDigit(word.front())) {
        return std::nullopt;
    }
    if (word.find('/') != std::string_view::npos) {
        return SlashDate(word);
    }
    if (word.find('-') == std::string_view::npos) {
        return std::nullopt;
    }
    if (std::optional<ResultsDay> date = MonthNameDate(word)) {
        return date;
    }
    return DashDate(word);
}

std::optional<int> MonthOfName(std::string_view word) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    if (!word.empty() && word.back() == '.') {
        word.remove_suffix(1);
    }
    if (word.size() < 3 || word.size() > 9) { // "may" .. "september"
        return std::nullopt;
    }
    const std::string name = LowerCased(word);
    for (std::size_t month = 0; month < kMonths.size(); ++month) {
        const std::string_view full = kMonths[month];
        if (name == full || name == full.substr(0, 3) || (month == 8 && name == "sept")) {
            return static_cast<int>(month) + 1;
        }
    }
    return std::nullopt;
}

std::optional<int> MonthOfWord(std::string_view word) {
    if (const std::optional<int> month = DigitsValue(word, 1, 2)) {
        return month;
    }
    return MonthOfName(word);
}

std::optional<int> DayOfMonthOfWord(std::string_view word) {
    std::size_t digits = 0;
    while (digits < word.size() && IsDigit(word[digits])) {
        ++digits;
    }
    const std::string suffix = LowerCased(word.substr(digits));
    if (!suffix.empty() && suffix != "st" && suffix != "nd" && suffix != "rd" && suffix != "th") {
        return std::nullopt;
    }
    return DigitsValue(word.substr(0, digits), 1, 2);
}

std::optional<int> FullYearOfWord(std::string_view word) {
    return DigitsValue(word, 4, 4);
}

bool IsWeekdayName(std::string_view word) {
    static constexpr std::array<std::string_view, 7> kWeekdays = {
        "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};
    if (word.size() < 3 || word.size() > 9) { // "mon" .. "wednesday"
        return false;
    }
    const std::string name = LowerCased(word);
    return std::any_of(kWeekdays.begin(), kWeekdays.end(), [&name](std::string_view weekday) {
        return name == weekday || name == weekday.substr(0, 3);
    });
}

bool IsCalendarDay(const ResultsDay& date) {
    return IsGregorianDay(date.year, date.month, date.day);
}

} // namespace vantorel
