// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/TimeOrder.h"

#include "store/CalendarDates.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string_view>

namespace vantorel {

namespace {

// yyyymmdd of a stored date yy/mm/dd (the year through the century window); 0, the earliest, for a text
// that is not one.
int DateOrderKey(std::string_view storedDate) {
    if (storedDate.size() != 8) {
        return 0;
    }
    // Each digit checked by one unsigned comparison: thousands of dates are ordered at each analysis.
    std::array<unsigned, 6> digits{};
    unsigned anyNotDigit = 0;
    constexpr std::array<std::size_t, 6> kDigitAt = {0, 1, 3, 4, 6, 7};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        digits[i] = static_cast<unsigned char>(storedDate[kDigitAt[i]]) - unsigned{'0'};
        anyNotDigit |= digits[i] > 9 ? 1U : 0U;
    }
    if (anyNotDigit != 0) {
        return 0;
    }
    const auto twoDigits = [&digits](std::size_t first) {
        return static_cast<int>(digits[first] * 10 + digits[first + 1]);
    };
    return CenturyWindowYear(twoDigits(0)) * 10000 + twoDigits(2) * 100 + twoDigits(4);
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
