// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CalendarDates.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

class CalendarDates : public ::testing::Test {
protected:
    void SetUp() override { ResetLastGoodDate(); }
};

TEST_F(CalendarDates, ConversionsMoveCharactersByPosition) {
    const struct {
        const char* display;
        const char* stored;
    } cases[] = {{"01/02/98", "98/01/02"}, {"12/31/03", "03/12/31"}, {"01-02-98", "98/01/02"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ToStoredDate(c.display).value(), c.stored);
    }
    EXPECT_EQ(ToDisplayDate("98/01/02").value(), "01/02/98");
    EXPECT_EQ(LastGoodDate(), "01/02/98");
}

TEST_F(CalendarDates, WrongLengthsAreRefusedWithTheirMessages) {
    const Outcome<std::string> shortDate = ToStoredDate("1/2/98");
    ASSERT_TRUE(shortDate.refused());
    EXPECT_EQ(shortDate.refusal(), (Notice{"Date Length Error", NoticeKind::Error}));

    ASSERT_FALSE(ToDisplayDate("98/03/14").refused());
    const Outcome<std::string> bad = ToDisplayDate("98/3/14");
    ASSERT_TRUE(bad.refused());
    EXPECT_EQ(bad.refusal(), (Notice{"Date Length Error at 03/14/98", NoticeKind::Error}));
    EXPECT_EQ(LastGoodDate(), "03/14/98");
}

TEST_F(CalendarDates, DateHasErrorChecksMonthAndDay) {
    const struct {
        const char* date;
        bool error;
    } cases[] = {
        {"98/02/29", false}, {"98/02/30", true}, {"98/04/31", true},  {"98/13/01", true},
        {"98/00/10", true},  {"98/01/0", true},  {"98/12/31", false}, {"98/06/30", false},
        {"98/xx/10", true},  {"98/01/00", true}, {"98/11/31", true},  {"", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateHasError(c.date), c.error) << c.date;
    }
}

TEST_F(CalendarDates, GregorianDaysByMonthLengthAndLeapYear) {
    const struct {
        int year;
        int month;
        int day;
        bool valid;
    } cases[] = {
        {2024, 2, 29, true}, {2023, 2, 29, false}, {1900, 2, 29, false}, {2000, 2, 29, true},
        {2025, 4, 30, true}, {2025, 4, 31, false}, {2025, 12, 31, true}, {2025, 13, 1, false},
        {2025, 0, 1, false}, {2025, 1, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsGregorianDay(c.year, c.month, c.day), c.valid)
            << c.year << '-' << c.month << '-' << c.day;
    }
}

TEST_F(CalendarDates, SplitDateReadsTheThreeFields) {
    int first = -1;
    int second = -1;
    int third = -1;
    SplitDate("01/02/98", first, second, third);
    EXPECT_EQ(std::tuple(first, second, third), std::tuple(1, 2, 98));
    SplitDate("a1/0b/  ", first, second, third);
    EXPECT_EQ(std::tuple(first, second, third), std::tuple(0, 0, 0));
    SplitDate("98", first, second, third);
    EXPECT_EQ(std::tuple(first, second, third), std::tuple(98, 0, 0));
}

TEST_F(CalendarDates, DayOfWeekByTheAnchorDayRule) {
    const struct {
        int year, month, day, weekday;
    } cases[] = {
        {1998, 1, 2, 6},  {2000, 2, 29, 3},  {1984, 1, 1, 1}, {2024, 2, 29, 5},
        {2025, 9, 29, 2}, {1999, 12, 31, 6}, {2000, 1, 1, 7}, {2016, 1, 1, 6},
        {1998, 3, 1, 1},  {2019, 7, 4, 5},   {2000, 1, 0, 6}, // days below 1 are not checked
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayOfWeek(c.year, c.month, c.day).value(), c.weekday)
            << c.year << '-' << c.month << '-' << c.day;
    }
}

TEST_F(CalendarDates, ImpossibleDatesAreRefusedWithTheirMessage) {
    const struct {
        int year, month, day;
        const char* message;
    } cases[] = {
        {1998, 13, 1, "MONTH > 12!"},       {1998, 0, 1, "MONTH > 12!"},
        {1998, 1, 32, "JAN date > 31!"},    {2000, 2, 30, "FEB LEAPYEAR > 29 "},
        {1998, 2, 29, "FEB !LEAPYR > 28 "}, {1900, 2, 29, "FEB !LEAPYR > 28 "},
        {2100, 2, 29, "FEB !LEAPYR > 28 "}, {1998, 3, 32, "MAR date > 31!"},
        {1998, 4, 31, "APR date > 30!"},    {1998, 5, 32, "MAY date > 31!"},
        {1998, 6, 31, "JUNE date > 30!"},   {1998, 7, 32, "JULY date > 31!"},
        {1998, 8, 32, "AUG date > 31!"},    {1998, 9, 31, "SEPT date > 30!"},
        {1998, 10, 32, "OCT date > 31!"},   {1998, 11, 31, "NOV date > 30!"},
        {1998, 12, 32, "DEC date > 31!"},
    };
    for (const auto& c : cases) {
        const Outcome<int> weekday = DayOfWeek(c.year, c.month, c.day);
        ASSERT_TRUE(weekday.refused()) << c.message;
        EXPECT_EQ(weekday.notices(), (Notices{{c.message, NoticeKind::Error}}));
    }
}

} // namespace
} // namespace vantorel
