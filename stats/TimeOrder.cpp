// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/TimeOrder.h"

#include "store/CalendarDates.h"

#include <algorithm>
#include <numeric>

namespace vantorel {

namespace {

// Two digits of a text as a number; -1 when either is no digit.
int TwoDigitsAt(const std::string& text, std::size_t index) {
    const auto digit = [&text](std::size_t at) {
        return text[at] >= '0' && text[at] <= '9' ? text[at] - '0' : -100;
    };
    const int value = digit(index) * 10 + digit(index + 1);
    return value < 0 ? -1 : value;
}

// yyyymmdd of a stored date yy/mm/dd (the year through the century window); 0, the earliest, for a text
// that is not one.
int DateOrderKey(const std::string& storedDate) {
    if (storedDate.size() != 8) {
        return 0;
    }
    const int year = TwoDigitsAt(storedDate, 0);
    const int month = TwoDigitsAt(storedDate, 3);
    const int day = TwoDigitsAt(storedDate, 6);
    if (year < 0 || month < 0 || day < 0) {
        return 0;
    }
    return CenturyWindowYear(year) * 10000 + month * 100 + day;
}

// The rows of dates in descending order (keys non-increasing) put in time order: the days from the last
// row to the first, each day's rows in file order.
std::vector<int> NewestFirstReversed(const std::vector<int>& keys) {
    std::vector<int> rows;
    rows.reserve(keys.size());
    for (std::size_t end = keys.size(); end > 0;) {
        std::size_t start = end - 1;
        while (start > 0 && keys[start - 1] == keys[end - 1]) {
            --start;
        }
        for (std::size_t row = start; row < end; ++row) {
            rows.push_back(static_cast<int>(row));
        }
        end = start;
    }
    return rows;
}

} // namespace

std::vector<int> TimeOrder(int count, const std::vector<std::string>& dates) {
    std::vector<int> rows(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(rows.begin(), rows.end(), 0);
    if (dates.size() < rows.size()) {
        return rows;
    }
    std::vector<int> keys(rows.size());
    std::transform(rows.begin(), rows.end(), keys.begin(),
                   [&dates](int row) { return DateOrderKey(dates[static_cast<std::size_t>(row)]); });
    if (std::is_sorted(keys.begin(), keys.end())) {
        return rows;
    }
    // A history kept newest first (the usual file): its days in reverse, the drawings of one day in file
    // order, without a sort.
    if (std::is_sorted(keys.rbegin(), keys.rend())) {
        return NewestFirstReversed(keys);
    }
    std::stable_sort(rows.begin(), rows.end(), [&keys](int a, int b) {
        return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
    });
    return rows;
}

} // namespace vantorel
