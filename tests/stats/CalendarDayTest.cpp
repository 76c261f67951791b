// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/CalendarDay.h"
#include "stats/TimeOrder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {
namespace {

// Stored dates (yy/mm/dd) and the day each names in ISO form and in the display form, or nothing.
TEST(CalendarDayTest, ReadsStoredDatesThroughTheCenturyWindowAndRefusesImpossibleDays) {
    struct Case {
        std::string_view stored;
        std::optional<std::string> iso;
        std::optional<std::string> display;
    };
    const Case cases[] = {
        {"24/02/29", "2024-02-29", "02/29/24"}, // a leap day
        {"00/02/29", "2000-02-29", "02/29/00"}, // 2000 is a leap year
        {"83/12/31", "2083-12-31", "12/31/83"}, // the last year of the window's 2000s
        {"84/01/01", "1984-01-01", "01/01/84"}, // the first of its 1900s
        {"25/04/30", "2025-04-30", "04/30/25"},
        {"23/02/29", std::nullopt, std::nullopt}, // no leap day in 2023
        {"25/04/31", std::nullopt, std::nullopt},
        {"25/13/01", std::nullopt, std::nullopt},
        {"25/00/10", std::nullopt, std::nullopt},
        {"25/01/00", std::nullopt, std::nullopt},
        {"25/1/01", std::nullopt, std::nullopt},
        {"2a/01/01", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.stored));
        const std::optional<CalendarDay> day = CalendarDay::FromStored(c.stored);
        ASSERT_EQ(day.has_value(), c.iso.has_value());
        if (day) {
            EXPECT_EQ(day->Iso(), *c.iso);
            EXPECT_EQ(day->Display(), *c.display);
        }
    }
}

// Rows in time order: by date through the century window, one day's drawings in file order.
TEST(CalendarDayTest, TimeOrderKeepsOneDaysDrawingsInFileOrder) {
    struct Case {
        const char* what;
        int count;
        std::vector<std::string> dates;
        std::vector<int> order;
    };
    const Case cases[] = {
        {"oldest first", 3, {"24/01/01", "24/01/01", "24/01/02"}, {0, 1, 2}},
        {"newest first", 5, {"24/01/03", "24/01/02", "24/01/02", "99/12/31", "99/12/31"}, {3, 4, 1, 2, 0}},
        {"mixed", 4, {"24/01/02", "84/01/01", "24/01/02", "83/12/31"}, {1, 0, 2, 3}},
        {"an unreadable date is the earliest", 3, {"24/01/02", "xx", "24/01/01"}, {1, 2, 0}},
        {"undated", 3, {}, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TimeOrder(c.count, c.dates), c.order);
    }
}

} // namespace
} // namespace vantorel
