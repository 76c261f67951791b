#include "stats/TimeOrder.h"

#include "stats/CalendarDay.h"

#include <algorithm>
#include <numeric>

namespace vantorel {

namespace {

int DateOrderKey(const std::string& storedDate) {
    const std::optional<CalendarDay> day = CalendarDay::FromStored(storedDate);
    return day ? day->year * 10000 + day->month * 100 + day->day : 0;
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
    std::stable_sort(rows.begin(), rows.end(), [&keys](int a, int b) {
        return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
    });
    return rows;
}

} // namespace vantorel
