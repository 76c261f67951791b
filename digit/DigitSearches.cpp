// SPDX-License-Identifier: GPL-3.0-or-later
// The searches of DigitDrawTable (Date, Date Range, Number, Number Range) and the Overdue and Hottest
// prediction restricted to a weekday, a month or a date range.

#include "digit/DigitDrawTable.h"
#include "platform/Operations.h"
#include "platform/PlainDecimal.h"
#include "platform/SetupChoices.h"
#include "store/CalendarDates.h"

#include <algorithm>
#include <optional>

namespace vantorel {

namespace {

constexpr std::string_view kDateError = "Date Error";
constexpr std::string_view kBadDayNumber = "       Bad Day Number!\nUse 1 (Sunday) - 7 (Saturday)";
constexpr std::string_view kBadMonthNumber = "      Bad Month Number!\nUse 1 (January) - 12 (December)";

constexpr std::array<std::string_view, 8> kWeekdayNames = {
    "NULL_day ",    "(Sunday) ",   "(Monday) ", "(Tuesday) ",
    "(Wednesday) ", "(Thursday) ", "(Friday) ", "(Saturday) ",
};
constexpr std::array<std::string_view, 13> kMonthNames = {
    "NULL_uary ", "(Jan) ", "(Feb) ",  "(Mar) ", "(Apr) ", "(May) ", "(June) ",
    "(July) ",    "(Aug) ", "(Sept) ", "(Oct) ", "(Nov) ", "(Dec) ",
};

// Adds `index` to the matches; returns false once the list is full.
bool AddMatch(std::vector<int>& matches, std::size_t index) {
    matches.push_back(static_cast<int>(index));
    return matches.size() < static_cast<std::size_t>(kMatchListLimit);
}

// The digits of a number as the game's positions take them (hundreds = n / 100 ...), sorted, so that two
// numbers with the same digits in any order compare equal.
std::array<int, 4> SortedPositionDigits(int number, int positions) {
    std::array<int, 4> digits{};
    if (positions == 3) {
        digits = {number / 100, (number % 100) / 10, number % 10, 0};
    } else {
        digits = {number / 1000, (number / 100) % 10, (number / 10) % 10, number % 10};
    }
    std::sort(digits.begin(), digits.begin() + positions);
    return digits;
}

// A calendar day as one comparable value: year × 10000 + month × 100 + day.
long long DayKey(long long year, int month, int day) {
    return year * 10000 + month * 100 + day;
}

// The day of a stored date (yy/mm/dd), its year through the century window.
long long StoredDayKey(std::string_view storedDate) {
    int year = 0;
    int month = 0;
    int day = 0;
    SplitDate(storedDate, year, month, day);
    return DayKey(CenturyWindowYear(year), month, day);
}

// A typed date m/d/y (also with "\"): month 1..12, day 1..31, a two-digit year through the century
// window. A year typed with more digits is taken as written. Nothing when it cannot be read.
std::optional<long long> TypedDayKey(std::string_view text) {
    const auto firstSeparator = text.find_first_of("/\\");
    if (firstSeparator == std::string_view::npos) {
        return std::nullopt;
    }
    const auto secondSeparator = text.find_first_of("/\\", firstSeparator + 1);
    if (secondSeparator == std::string_view::npos) {
        return std::nullopt;
    }
    const int month = PlainDecimal(text.substr(0, firstSeparator));
    const int day = PlainDecimal(text.substr(firstSeparator + 1, secondSeparator - firstSeparator - 1));
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    const int year = PlainDecimal(text.substr(secondSeparator + 1));
    return DayKey(year < 100 ? CenturyWindowYear(year) : year, month, day);
}

// The entries that have both a number and a date.
std::size_t DatedEntries(const DigitDrawTable& table) {
    return std::min(table.numbers.size(), table.dates.size());
}

std::string PickOfCollected(const DigitDrawTable& table, const std::vector<int>& collected, PickMode mode) {
    return PickByPosition(collected, table.digitPositions(), mode);
}

std::string PickByDay(const DigitDrawTable& table, std::string_view dayText, PickMode mode,
                      Notices& notices) {
    const int day = PlainDecimal(dayText);
    if (day < 0 || day > 7) {
        notices.push_back({std::string(kBadDayNumber)});
        return std::string(kRestrictedPickError);
    }
    std::vector<int> collected;
    for (std::size_t i = 0; i < DatedEntries(table); ++i) {
        int year = 0;
        int month = 0;
        int dayOfMonth = 0;
        SplitDate(table.dates[i], year, month, dayOfMonth);
        const Outcome<int> weekday = DayOfWeek(CenturyWindowYear(year), month, dayOfMonth);
        if (weekday.refused()) {
            // The weekday calculation says why the stored date is impossible.
            AddNotices(notices, weekday.notices());
            return std::string(kRestrictedPickError);
        }
        if (*weekday == day) {
            collected.push_back(table.numbers[i]);
        }
    }
    const std::string_view name = kWeekdayNames[static_cast<std::size_t>(day)];
    if (collected.empty()) {
        return std::string("NO DAYS Matching ").append(name).append("found");
    }
    return std::string(name) + PickOfCollected(table, collected, mode);
}

std::string PickByMonth(const DigitDrawTable& table, std::string_view monthText, PickMode mode,
                        Notices& notices) {
    const int month = PlainDecimal(monthText);
    if (month < 0 || month > 12) {
        notices.push_back({std::string(kBadMonthNumber)});
        return std::string(kRestrictedPickError);
    }
    std::vector<int> collected;
    for (std::size_t i = 0; i < DatedEntries(table); ++i) {
        int year = 0;
        int storedMonth = 0;
        int day = 0;
        SplitDate(table.dates[i], year, storedMonth, day);
        if (storedMonth == month) {
            collected.push_back(table.numbers[i]);
        }
    }
    const std::string_view name = kMonthNames[static_cast<std::size_t>(month)];
    if (collected.empty()) {
        return std::string("NO MONTHS Matching ").append(name).append("found");
    }
    return std::string(name) + PickOfCollected(table, collected, mode);
}

std::string PickByDateRange(const DigitDrawTable& table, std::string_view fromText, std::string_view toText,
                            PickMode mode, Notices& notices) {
    const std::optional<long long> from = TypedDayKey(fromText);
    const std::optional<long long> to = TypedDayKey(toText);
    if (!from || !to) {
        notices.push_back({std::string(kDateError)});
        return {};
    }
    std::vector<int> collected;
    for (std::size_t i = 0; i < DatedEntries(table); ++i) {
        const long long key = StoredDayKey(table.dates[i]);
        if (key >= *from && key <= *to) {
            collected.push_back(table.numbers[i]);
        }
    }
    if (collected.empty()) {
        return "NO DATA in Specified Range Found";
    }
    return PickOfCollected(table, collected, mode);
}

} // namespace

std::vector<int> DigitDrawTable::FindDate(std::string_view storedDate) const {
    const auto found = std::find(dates.begin(), dates.end(), storedDate);
    if (found == dates.end() || found - dates.begin() >= count()) {
        return {};
    }
    return {static_cast<int>(found - dates.begin())};
}

std::vector<int> DigitDrawTable::FindDateRange(std::string_view fromStoredDate,
                                               std::string_view toStoredDate) const {
    std::vector<int> matches;
    const long long from = StoredDayKey(fromStoredDate);
    const long long to = StoredDayKey(toStoredDate);
    for (std::size_t i = 0; i < DatedEntries(*this); ++i) {
        const long long key = StoredDayKey(dates[i]);
        if (key >= from && key <= to && !AddMatch(matches, i)) {
            break;
        }
    }
    return matches;
}

std::vector<int> DigitDrawTable::FindNumber(int number, const SetupChoices& choices) const {
    std::vector<int> matches;
    const bool straight = choices[kSearchStraight];
    const auto wanted = SortedPositionDigits(number, digitPositions());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const bool match =
            straight ? numbers[i] == number : SortedPositionDigits(numbers[i], digitPositions()) == wanted;
        if (match && !AddMatch(matches, i)) {
            break;
        }
    }
    return matches;
}

std::vector<int> DigitDrawTable::FindNumberRange(int low, int high) const {
    std::vector<int> matches;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] >= low && numbers[i] <= high && !AddMatch(matches, i)) {
            break;
        }
    }
    return matches;
}

std::string DigitDrawTable::RestrictedPick(PickMode mode, std::string_view numberText,
                                           std::string_view fromText, std::string_view toText,
                                           const SetupChoices& choices, Notices& notices) const {
    if (choices[kPredictByDateRange]) {
        return PickByDateRange(*this, fromText, toText, mode, notices);
    }
    if (choices[kPredictByMonth]) {
        return PickByMonth(*this, numberText, mode, notices);
    }
    if (choices[kPredictByDay]) {
        return PickByDay(*this, numberText, mode, notices);
    }
    return std::string(kRestrictedPickError);
}

} // namespace vantorel
