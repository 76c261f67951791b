// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DrawingCheck.h"

#include "platform/GameCatalogue.h"
#include "platform/GameSettings.h"
#include "store/CalendarDates.h"
#include "store/ResultsDates.h"

#include <algorithm>
#include <climits>

namespace vantorel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of two digits at `at`, or -1 when they are not digits.
int TwoDigits(std::string_view text, std::size_t at) {
    if (at + 2 > text.size() || !IsDigit(text[at]) || !IsDigit(text[at + 1])) {
        return -1;
    }
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

} // namespace

NumberLimits LimitsOfNumber(int gameType, int position, int numbers, const GameSettings& settings) {
    switch (gameType) {
    case kFiveNumber:
        return {1, settings.fiveNumberMax, kKey5BC};
    case kSixNumber:
        return {1, settings.sixNumberMax, kKey6BC};
    case kPowerball:
        if (position == numbers - 1) {
            return {1, settings.powerballGroup2Max, kKeyPBB, "power ball"};
        }
        return {1, settings.powerballGroup1Max, kKeyPBC};
    case kFourNumber:
        return {0, 9999, {}};
    default:
        return {0, 999, {}};
    }
}

std::string OutOfRangeText(std::string_view written, const NumberLimits& limits) {
    std::string text = "the " + std::string(limits.what) + ' ' + std::string(written) + " is outside " +
                       std::to_string(limits.lowest) + " to " + std::to_string(limits.highest);
    if (!limits.setting.empty()) {
        text.append(" (setting ").append(limits.setting).append(")");
    }
    return text;
}

std::string RepeatedNumberText(std::string_view written) {
    return "the number " + std::string(written) + " is there twice";
}

bool WholeNumberOf(std::string_view written, int& value) {
    if (written.empty()) {
        return false;
    }
    long long whole = 0;
    for (const char c : written) {
        if (!IsDigit(c)) {
            return false;
        }
        whole = std::min<long long>(whole * 10 + (c - '0'), INT_MAX);
    }
    value = static_cast<int>(whole);
    return true;
}

NumbersCheck CheckNumbers(int gameType, const std::vector<std::string_view>& written,
                          const GameSettings& settings) {
    const int numbers = static_cast<int>(written.size());
    std::vector<int> values(written.size());
    for (int i = 0; i < numbers; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!WholeNumberOf(written[at], values[at])) {
            return {NumbersFault::kNotANumber, "\"" + std::string(written[at]) + "\" is not a number"};
        }
        const NumberLimits limits = LimitsOfNumber(gameType, i, numbers, settings);
        if (values[at] < limits.lowest || values[at] > limits.highest) {
            return {NumbersFault::kOutOfRange, OutOfRangeText(written[at], limits)};
        }
    }
    if (IsDigitGame(gameType)) {
        return {};
    }
    // The balls of one group are drawn without putting them back; a Power Ball's power ball is a group
    // of its own.
    const int group = gameType == kPowerball ? numbers - 1 : numbers;
    for (int i = 1; i < group; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (std::find(values.begin(), values.begin() + i, values[at]) != values.begin() + i) {
            return {NumbersFault::kRepeated, RepeatedNumberText(written[at])};
        }
    }
    return {};
}

std::string NumbersProblem(int gameType, const std::vector<std::string_view>& written,
                           const GameSettings& settings) {
    return CheckNumbers(gameType, written, settings).text;
}

bool IsStoredCalendarDate(std::string_view storedDate) {
    if (storedDate.size() != 8 || storedDate[2] != '/' || storedDate[5] != '/') {
        return false;
    }
    const int year = TwoDigits(storedDate, 0);
    const int month = TwoDigits(storedDate, 3);
    const int day = TwoDigits(storedDate, 6);
    if (year < 0 || month < 0 || day < 0) {
        return false;
    }
    return IsCalendarDay(ResultsDay{CenturyWindowYear(year), month, day});
}

} // namespace vantorel
