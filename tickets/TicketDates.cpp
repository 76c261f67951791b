// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/TicketDates.h"

#include "store/CalendarDates.h"

#include <array>
#include <cstddef>

namespace vantorel {

namespace {

// The value of a field of `least` to `most` decimal digits taken from the front of `text`; nothing when
// the front holds fewer or more digits.
std::optional<int> TakeField(std::string_view& text, std::size_t least, std::size_t most) {
    std::size_t length = 0;
    int value = 0;
    while (length < text.size() && text[length] >= '0' && text[length] <= '9') {
        if (++length > most) {
            return std::nullopt;
        }
        value = value * 10 + (text[length - 1] - '0');
    }
    if (length < least) {
        return std::nullopt;
    }
    text.remove_prefix(length);
    return value;
}

bool TakeSlash(std::string_view& text) {
    if (text.empty() || text.front() != '/') {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

std::string Padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

} // namespace

std::optional<int> DateKeyOfTyped(std::string_view text) {
    const std::optional<int> month = TakeField(text, 1, 2);
    if (!month || !TakeSlash(text)) {
        return std::nullopt;
    }
    const std::optional<int> day = TakeField(text, 1, 2);
    if (!day || !TakeSlash(text)) {
        return std::nullopt;
    }
    const std::optional<int> year = TakeField(text, 4, 4);
    if (!year || !text.empty() || *year < 1000 || !IsGregorianDay(*year, *month, *day)) {
        return std::nullopt;
    }
    return *year * 10000 + *month * 100 + *day;
}

int DateKeyOfStored(std::string_view storedDate) {
    std::string_view text = storedDate;
    const std::optional<int> year = TakeField(text, 2, 2);
    if (!year || !TakeSlash(text)) {
        return kNoDate;
    }
    const std::optional<int> month = TakeField(text, 2, 2);
    if (!month || !TakeSlash(text)) {
        return kNoDate;
    }
    const std::optional<int> day = TakeField(text, 2, 2);
    const int fullYear = CenturyWindowYear(year.value());
    if (!day || !text.empty() || !IsGregorianDay(fullYear, *month, *day)) {
        return kNoDate;
    }
    return fullYear * 10000 + *month * 100 + *day;
}

std::string IsoDateText(int dateKey) {
    if (dateKey == kNoDate) {
        return {};
    }
    return Padded(dateKey / 10000, 4) + '-' + Padded(dateKey / 100 % 100, 2) + '-' + Padded(dateKey % 100, 2);
}

std::string TypedDateText(int dateKey) {
    if (dateKey == kNoDate) {
        return {};
    }
    return Padded(dateKey / 100 % 100, 2) + '/' + Padded(dateKey % 100, 2) + '/' + Padded(dateKey / 10000, 4);
}

} // namespace vantorel
