// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of results files as lotteries publish them: each case is a small file and either the
// drawings it gives (as a dated section line writes them, oldest first) or the problem it names.

#include "store/ResultsFile.h"

#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "store/DataImport.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

// The presets number their games as the history does.
static_assert(static_cast<int>(PresetGame::kThreeNumber) == kThreeNumber &&
              static_cast<int>(PresetGame::kFourNumber) == kFourNumber &&
              static_cast<int>(PresetGame::kFiveNumber) == kFiveNumber &&
              static_cast<int>(PresetGame::kSixNumber) == kSixNumber &&
              static_cast<int>(PresetGame::kPowerball) == kPowerball);

// 5 of 39, 6 of 59, Power Ball 5 of 69 + 1 of 26.
const GameSettings kSettings{39, 59, 69, 26, 5};

struct ReaderCase {
    const char* what;
    int gameType;
    std::string text;
    Lines drawings;          // empty: `problem` is expected
    std::string problem;     // the problem named, when nothing is read
    std::string column = {}; // --column
    int repeatedLines = 0;
};

ReaderCase Reads(const char* what, int gameType, std::string text, Lines drawings, std::string column = {},
                 int repeatedLines = 0) {
    return {what, gameType, std::move(text), std::move(drawings), {}, std::move(column), repeatedLines};
}

ReaderCase Refuses(const char* what, int gameType, std::string text, std::string problem,
                   std::string column = {}) {
    return {what, gameType, std::move(text), {}, std::move(problem), std::move(column)};
}

// The drawings read, as a dated section line writes them.
Lines DrawingsOf(const ResultsReading& reading, int gameType, const GameSettings& settings = kSettings) {
    Lines drawings;
    for (const ResultsDrawing& drawing : reading.drawings) {
        drawings.push_back(SectionTextOf(drawing, NumbersPerDrawing(gameType, settings)));
    }
    return drawings;
}

void ExpectReadings(const std::vector<ReaderCase>& cases) {
    for (const ReaderCase& c : cases) {
        const ResultsReading reading = ReadResultsText(c.text, c.gameType, kSettings, c.column);
        EXPECT_EQ(DrawingsOf(reading, c.gameType), c.drawings) << c.what;
        EXPECT_EQ(reading.problem, c.problem) << c.what;
        EXPECT_EQ(reading.repeatedLines, c.repeatedLines) << c.what;
    }
}

TEST(ResultsFile, ReadsPublishedLayoutsOrNamesTheLineThatBreaksTheRules) {
    const std::vector<ReaderCase> cases = {
        Reads(
            "every date form, in any order", kFiveNumber,
            "09/26/2020 1 2 3 4 5\n9/2/2020 6 7 8 9 10\n2020-10-07 11 12 13 14 15\n10/03/20 16 17 18 19 20\n"
            "2020-1-5T00:00:00.000 21 22 23 24 25\n12/31/83 1 2 3 4 5\n01/01/84 1 2 3 4 5\n",
            {"84/01/01 1 2 3 4 5", "20/01/05 21 22 23 24 25", "20/09/02 6 7 8 9 10", "20/09/26 1 2 3 4 5",
             "20/10/03 16 17 18 19 20", "20/10/07 11 12 13 14 15", "83/12/31 1 2 3 4 5"}),
        Reads("every separator, quotes and line end", kFiveNumber,
              "09/26/2020,01,02,03,04,05\r\n09/27/2020\t1\t2\t3\t4\t5\r09/28/2020|1|2|3|4|5\n"
              "09/29/2020;1;2;3;4;5\n\"09/30/2020\",\"01,02,03,04,05\",\"$1,000,000\"",
              {"20/09/26 1 2 3 4 5", "20/09/27 1 2 3 4 5", "20/09/28 1 2 3 4 5", "20/09/29 1 2 3 4 5",
               "20/09/30 1 2 3 4 5"}),
        Reads("header, notes, a draw number before the date, words and extra columns after", kSixNumber,
              "Draw Date,Winning Numbers,Bonus #,Extra #\nResults as of 10/12/2025\n\n"
              "2041,09/26/2020,14 19 20 23 55 57,22,\n2042,09/30/2020 Wed,08 13 25 38 41 48,42,3X,$2000000\n",
              {"20/09/26 14 19 20 23 55 57", "20/09/30 8 13 25 38 41 48"}),
        Reads("Power Ball: first group between bars, the power ball, the multiplier", kPowerball,
              "date,white_balls,red_ball,power_play\n11/05/1997,2|19|24|28|69,26,0X\n"
              "11/01/1997,22|25|28|33|37,20,2X\n",
              {"97/11/01 22 25 28 33 37 20", "97/11/05 2 19 24 28 69 26"}),
        Reads("the same drawing twice is kept once", kFiveNumber,
              "09/26/2020 1 2 3 4 5\n09/27/2020 1 2 3 4 5\n2020-09-26 01 02 03 04 05\n",
              {"20/09/26 1 2 3 4 5", "20/09/27 1 2 3 4 5"}, {}, 1),
        Reads("digit games: one number, or its digits", kThreeNumber,
              "09/26/2020 007\n09/27/2020 0 0 7\n09/28/2020,4,5,6,2X\n09/29/2020 7 12\n09/30/2020 999\n",
              {"20/09/26 7", "20/09/27 7", "20/09/28 456", "20/09/29 7", "20/09/30 999"}),
        Reads("4 Number digit by digit", kFourNumber, "09/26/2020,1,2,3,4,7\n09/27/2020 0123\n",
              {"20/09/26 1234", "20/09/27 123"}),
        Reads("a column chosen by its header name", kThreeNumber,
              "Draw Date,Midday Daily,Evening Daily\n09/26/2020,123,456\n09/27/2020,,789\n", {"20/09/26 123"},
              "midday daily"),
        Reads("the column of the other game", kThreeNumber,
              "Draw Date,Midday Daily,Evening Daily\n09/26/2020,123,456\n09/27/2020,,789\n",
              {"20/09/26 456", "20/09/27 789"}, " \"EVENING DAILY\" "),
        Reads("a column of games side by side, digit by digit", kFourNumber,
              "Date;Pick 3;Pick 4\n09/26/2020;1 2 3;4 5 6 7\n", {"20/09/26 4567"}, "Pick 4"),
        Reads("blank-separated columns", kFiveNumber, "Date Draw N1 N2 N3 N4 N5\n09/26/2020 77 1 2 3 4 5\n",
              {"20/09/26 1 2 3 4 5"}, "n1"),
        Refuses("a number above the game's maximum", kSixNumber,
                "Draw Date,Winning Numbers\n09/26/2020,14 19 20 23 55 57\n09/30/2020,14 19 20 23 55 60\n",
                "Line 3: the number 60 is outside 1 to 59 (setting 6BC)."),
        Refuses("a ball 0", kFiveNumber, "09/26/2020 00 1 2 3 4\n",
                "Line 1: the number 00 is outside 1 to 39 (setting 5BC)."),
        Refuses("a power ball above PBB", kPowerball, "\n11/01/1997,22|25|28|33|37,27,2X\n",
                "Line 2: the power ball 27 is outside 1 to 26 (setting PBB)."),
        Refuses("a first-group ball above PBC", kPowerball, "11/01/1997 70 25 28 33 37 20\n",
                "Line 1: the number 70 is outside 1 to 69 (setting PBC)."),
        Refuses("a digit-game number too wide", kThreeNumber, "header\n09/26/2020 1234\n",
                "Line 2: the number 1234 is outside 0 to 999."),
        Refuses("too few numbers", kSixNumber, "09/26/2020 1 2 3 4 5 6\n09/27/2020,1 2 3 4 5,,2X\n",
                "Line 2 holds a date but only 5 of the 6 numbers of a drawing."),
        Refuses("a year after the stored form's century window", kFiveNumber,
                "09/26/2020 1 2 3 4 5\n2084-01-01 1 2 3 4 5\n",
                "Line 2: the year 2084 is outside 1984 to 2083,\nthe years that a history can hold."),
        Refuses("a day that is not in the calendar", kFiveNumber,
                "02/29/2020 1 2 3 4 5\n02/29/2021 1 2 3 4 5\n",
                "Line 2: 02/29/2021 is not a day of the calendar."),
        Refuses("day and month the other way round", kFiveNumber, "26/09/2020 1 2 3 4 5\n",
                "Line 1: 26/09/2020 is not a day of the calendar."),
        Refuses("two lines, one date, two drawings", kFiveNumber,
                "Date,Numbers\n09/26/2020 1 2 3 4 5\n09/27/2020 1 2 3 4 5\n2020-09-26 1 2 3 4 6\n",
                "Lines 2 and 4 give different drawings for 09/26/2020."),
        Refuses("a column the file does not have", kThreeNumber, "Draw Date,Midday Daily\n09/26/2020,123\n",
                "No line of the results file has a column named \"Night\".", "Night"),
        Refuses("no drawing at all", kFiveNumber, "Draw Date,Winning Numbers\nno drawings yet 12/25/2020\n",
                "The results file holds no drawing:\nno line has a date followed by the game's numbers."),
    };
    ExpectReadings(cases);
}

// A drawing is read from its own fields only: a garbled number, a field of another kind or an empty field
// refuses the file with the line, instead of taking numbers from the fields that follow.
TEST(ResultsFile, GarbledDrawingFieldsRefuseTheFileWithTheirLine) {
    const std::string nyHeader = "Draw Date,Winning Numbers,Bonus #,Extra #\n";
    const std::string pbHeader = "date,white_balls,red_ball,power_play\n";
    const std::string numbersHeader = "Draw Date,Midday Daily,Evening Daily\n";
    const std::vector<ReaderCase> cases = {
        Refuses("a letter O for a nought", kSixNumber, nyHeader + "09/26/2020,14 19 2O 23 55 57,22,\n",
                "Line 2: \"2O\" is not a ball number."),
        Refuses("a negative number", kSixNumber, nyHeader + "09/26/2020,14 19 -20 23 55 57,22,\n",
                "Line 2: \"-20\" is not a ball number."),
        Refuses("a decimal number", kSixNumber, nyHeader + "09/26/2020,14 19 20.5 23 55 57,22,\n",
                "Line 2: \"20.5\" is not a ball number."),
        Refuses("too few balls, the bonus column never read", kSixNumber,
                nyHeader + "09/26/2020,14 19 20 23 55,22,\n",
                "Line 2 holds a date but only 5 of the 6 numbers of a drawing."),
        Refuses("an empty power ball before the power play", kPowerball,
                pbHeader + "10/12/2002,22|25|28|33|37,,3\n",
                "Line 2 holds a date but only 5 of the 6 numbers of a drawing."),
        Refuses("the power play column named as such", kPowerball,
                "date,white_balls,power_play\n10/12/2002,22|25|28|33|37,3\n",
                "Line 2 holds a date but only 5 of the 6 numbers of a drawing."),
        Refuses("an empty power ball, no header", kPowerball, "10/12/2002,22|25|28|33|37,,3\n",
                "Line 1 holds a date but only 5 of the 6 numbers of a drawing."),
        Refuses("a garbled power ball", kPowerball, pbHeader + "10/12/2002,22|25|28|33|37,2O,3\n",
                "Line 2: \"2O\" is not a ball number."),
        Refuses("too few digits, the other game's column never read", kThreeNumber,
                numbersHeader + "09/25/2020,123,456\n09/26/2020,1 2,4 5 6\n",
                "Line 3 holds a date but only 2 of the 3 digits of a drawing."),
        Refuses("the same, with its column named", kThreeNumber, numbersHeader + "09/26/2020,1 2,4 5 6\n",
                "Line 2 holds a date but only 2 of the 3 digits of a drawing.", "Midday Daily"),
        Refuses("a garbled number in the column named", kThreeNumber, numbersHeader + "09/26/2020,123,4O6\n",
                "Line 2: \"4O6\" is not a ball number.", "Evening Daily"),
        Refuses("more digits than the game has", kThreeNumber, "09/26/2020,1 2 3 4\n",
                "Line 1: \"1 2 3 4\" is neither one number nor its digits one by one."),
        Refuses("a 4 Number drawing of garbled digits", kFourNumber, "09/26/2020;1 2 x 4\n",
                "Line 1: \"x\" is not a ball number."),
        Refuses("a lotto column named, a word among the balls", kFiveNumber,
                "Date;Numbers;Bonus\n09/26/2020;1 2 3 4 x;7\n", "Line 2: \"x\" is not a ball number.",
                "Numbers"),
        Refuses("blank-separated, a garbled ball", kFiveNumber, "09/26/2020 1 2 3O 4 5\n",
                "Line 1: \"3O\" is not a ball number."),
    };
    ExpectReadings(cases);
}

// Lines that hold digits but give no drawing are counted; blank lines, lines without digits and the
// header are not.
TEST(ResultsFile, CountsTheLinesItPassesOver) {
    const struct {
        const char* what;
        int gameType;
        std::string text;
        std::size_t drawings;
        int passedOver;
        int first;
        std::string column = {};
    } cases[] = {
        {"unreadable dates", kFiveNumber,
         "Draw Date,Winning Numbers\n09/26/2020,1 2 3 4 5\n09/26/202,1 2 3 4 5\n\nno digits\n"
         "26.09.2020,1 2 3 4 5\n09/30/2020,1 2 3 4 5\n",
         2, 2, 3},
        {"a note with a date, a header with digits", kThreeNumber,
         "Date;Pick 3;Pick 4\nResults as of 10/12/2025\n09/26/2020;1 2 3;4 5 6 7\n", 1, 1, 2},
        {"an empty field of the chosen column", kThreeNumber,
         "Draw Date,Midday Daily,Evening Daily\n09/26/2020,123,456\n09/27/2020,,789\n", 1, 1, 3,
         "Midday Daily"},
        {"nothing passed over", kFiveNumber, "\n09/26/2020 1 2 3 4 5\n\n", 1, 0, 0},
    };
    for (const auto& c : cases) {
        const ResultsReading reading = ReadResultsText(c.text, c.gameType, kSettings, c.column);
        EXPECT_EQ(reading.problem, "") << c.what;
        EXPECT_EQ(reading.drawings.size(), c.drawings) << c.what;
        EXPECT_EQ(reading.passedOverLines, c.passedOver) << c.what;
        EXPECT_EQ(reading.firstPassedOverLine, c.first) << c.what;
    }
}

// With PBM 4, a Power Ball drawing is four first-group balls and the power ball.
TEST(ResultsFile, PowerBallWidthFollowsPbm) {
    GameSettings fourBalls = kSettings;
    fourBalls.powerballBalls = 4;
    const ResultsReading reading = ReadResultsText("11/01/1997 1 2 3 4 26 9X\n", kPowerball, fourBalls);
    ASSERT_EQ(reading.drawings.size(), 1u);
    EXPECT_EQ(SectionTextOf(reading.drawings.front(), 5), "97/11/01 1 2 3 4 26");
    EXPECT_EQ(reading.drawings.front().line, 1);
}

// The layouts lotteries publish, each in a small hand-made file of its own like the lottery's.
struct FixtureCase {
    const char* file;
    int gameType;
    std::string column;
    Lines drawings;
    int beforeStorableYears = 0;
    int beforeEra = 0;
    int passedOver = 0;
    GameSettings settings = kSettings;
    int eraStart = 0;
};

FixtureCase Fixture(const char* file, int gameType, std::string column, Lines drawings,
                    int beforeStorableYears = 0, int beforeEra = 0, int passedOver = 0,
                    GameSettings settings = kSettings, int eraStart = 0) {
    return {file,       gameType, std::move(column), std::move(drawings), beforeStorableYears, beforeEra,
            passedOver, settings, eraStart};
}

TEST(ResultsFile, ReadsEachPublishedLayoutFromItsFixture) {
    const std::vector<FixtureCase> cases = {
        // No header; game, month, day, year, five balls, the power ball, the multiplier.
        Fixture("texas-powerball.csv", kPowerball, "",
                {"26/07/04 1 2 3 4 5 6", "26/07/18 3 12 33 47 60 9", "26/07/20 11 29 30 41 68 26",
                 "26/07/22 50 58 5 4 22 1"}),
        // dd-Mon-yyyy, newest first, balls in columns, the bonus ball, ball set, machine and draw number.
        Fixture("uk-lotto.csv", kSixNumber, "",
                {"20/09/26 5 11 19 31 44 52", "20/09/30 12 22 30 40 49 59", "20/10/03 4 14 26 38 45 56"}),
        // Draw number, weekday, month name, day and year in fields of their own.
        Fixture("archive-month-names.csv", kFiveNumber, "",
                {"20/02/08 1 2 19 24 30", "20/02/12 9 14 20 33 39", "20/02/15 3 11 17 28 36"}),
        // The Mega Ball in its own column; the drawing before the 5/70 + 1/24 game is left out.
        Fixture("ny-mega-millions.csv", kPowerball, "",
                {"25/04/08 12 22 29 45 63 13", "25/04/11 1 9 28 55 61 4", "25/04/15 6 17 33 40 70 24"}, 0, 1,
                0, GameSettings{39, 59, 70, 24, 5}, DateKeyOf(2025, 4, 8)),
        Fixture("ny-powerball.json", kPowerball, "",
                {"22/11/16 19 22 31 37 54 18", "22/11/19 28 32 37 52 56 10", "22/11/21 7 13 22 37 51 24"}),
        // Both games, both drawings, back to 1980: the years before 1984 are left out.
        Fixture("ny-numbers-win4.csv", kThreeNumber, "Evening Daily #",
                {"84/01/01 377", "84/01/02 184", "25/09/27 503", "25/09/28 991", "25/09/29 82"}, 4),
        Fixture("ny-numbers-win4.csv", kThreeNumber, "Midday Daily #", {"25/09/28 730", "25/09/29 417"}, 0, 0,
                7),
        // Win 4 began after the file's first lines: those are passed over.
        Fixture("ny-numbers-win4.csv", kFourNumber, "Evening Win 4 #",
                {"84/01/01 6120", "84/01/02 9051", "25/09/27 2216", "25/09/28 7", "25/09/29 3318"}, 2, 0, 2),
    };
    for (const FixtureCase& c : cases) {
        const std::string what = std::string(c.file) + " " + c.column;
        const ResultsReading reading =
            ReadResultsText(ReadFile(TestDataPath(std::string("results/") + c.file)), c.gameType, c.settings,
                            c.column, c.eraStart);
        EXPECT_EQ(reading.problem, "") << what;
        EXPECT_EQ(DrawingsOf(reading, c.gameType, c.settings), c.drawings) << what;
        EXPECT_EQ(reading.leftOutBeforeStorableYears, c.beforeStorableYears) << what;
        EXPECT_EQ(reading.leftOutBeforeEra, c.beforeEra) << what;
        EXPECT_EQ(reading.passedOverLines, c.passedOver) << what;
    }
}

// The rules of each layout: where the date and the numbers are found, and what is never a ball.
TEST(ResultsFile, FindsDatesInFieldsAndBallsByTheirColumnNames) {
    const std::string jsonLotto =
        "[{\"draw_date\": \"2020-09-26T00:00:00.000\", \"winning_numbers\": \"1 2 3 4 5\"},\n"
        " {\"draw_date\": \"2020-09-27T00:00:00.000\", \"winning_numbers\": \"1 2 3 4 50\"}]";
    const std::vector<ReaderCase> cases = {
        Reads("month names before or after the day, with a weekday and an ordinal", kFiveNumber,
              "Sat 15 Feb 2020 3 11 17 28 36\nWednesday, February 12th, 2020, 9, 14, 20, 33, 39\n",
              {"20/02/12 9 14 20 33 39", "20/02/15 3 11 17 28 36"}),
        Reads("day, month and year named by the header, the day first", kFiveNumber,
              "Day,Month,Year,N1,N2,N3,N4,N5\n3,2,2020,1,2,3,4,5\n", {"20/02/03 1 2 3 4 5"}),
        Reads("dd-Mon-yy in capitals", kFiveNumber, "26-SEPT-20 1 2 3 4 5\n01-OCT-2020 6 7 8 9 10\n",
              {"20/09/26 1 2 3 4 5", "20/10/01 6 7 8 9 10"}),
        Reads("a weekday column after the date", kFiveNumber,
              "Draw Date,Day,Numbers\n09/26/2020,Sat,1 2 3 4 5\n", {"20/09/26 1 2 3 4 5"}),
        Reads("ball set and machine before the balls", kSixNumber,
              "DrawDate,Ball Set,Machine,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball "
              "6\n26-Sep-2020,5,2,1,2,3,4,5,6\n",
              {"20/09/26 1 2 3 4 5 6"}),
        Reads("the power ball named, apart from the first group", kPowerball,
              "Date,Powerball,White Balls,Power Play\n09/26/2020,7,1 2 3 4 5,2\n", {"20/09/26 1 2 3 4 5 7"}),
        Reads("a bonus ball is a Power Ball game's second group", kPowerball,
              "Date,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Bonus Ball,Jackpot\n09/26/2020,1,2,3,4,5,6,9000000\n",
              {"20/09/26 1 2 3 4 5 6"}),
        Reads("and no ball of a lotto game", kFiveNumber,
              "Date,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Bonus Ball\n09/26/2020,1,2,3,4,5,6\n",
              {"20/09/26 1 2 3 4 5"}),
        Reads("JSON numbers and arrays", kFiveNumber,
              "[{\"date\": \"2020-09-26\", \"numbers\": [1, 2, 3, 4, 5], \"jackpot\": 1.5e6, \"winners\": "
              "null}]",
              {"20/09/26 1 2 3 4 5"}),
        Reads("JSON, a column chosen by its name", kThreeNumber,
              "[{\"draw_date\": \"2020-09-26\", \"midday_daily\": \"123\", \"evening_daily\": \"045\"}]",
              {"20/09/26 45"}, "evening_daily"),
        Reads("a heading in brackets is no JSON", kFiveNumber, "[Results]\n09/26/2020 1 2 3 4 5\n",
              {"20/09/26 1 2 3 4 5"}),
        Refuses("broken JSON, with its line", kFiveNumber,
                "[{\"date\": \"2020-09-26\",\n\"numbers\": \"1 2 3 4 5\"\n,}]",
                "Line 3: the results file is not valid JSON."),
        Refuses("a JSON drawing out of range, with its line", kFiveNumber, jsonLotto,
                "Line 2: the number 50 is outside 1 to 39 (setting 5BC)."),
        Refuses(
            "a first group that holds the power ball too, and a power ball column", kPowerball,
            "Date,Numbers,Powerball\n09/26/2020,1 2 3 4 5 6,7\n",
            "Line 2: \"1 2 3 4 5 6\" holds more than the 5 first-group numbers,\nand the power ball has a "
            "column of its own."),
        Refuses("an empty power ball column", kPowerball, "Date,Numbers,Mega Ball\n09/26/2020,1 2 3 4 5,\n",
                "Line 2 holds a date but only 5 of the 6 numbers of a drawing."),
        Refuses("month and day after a game's name, that fit only the other way round", kFiveNumber,
                "Lotto,26,9,2020,1,2,3,4,5\n", "Line 1: 26,9,2020 is not a day of the calendar."),
    };
    ExpectReadings(cases);
}

// Drawings before 1984 and before the era are left out before their numbers are checked (the games had
// other maximums), counted once a day; a file that holds nothing else is no problem.
TEST(ResultsFile, LeavesOutDrawingsBeforeTheStorableYearsAndBeforeTheEra) {
    const std::string text = "Draw Date,Winning Numbers\n10/08/2015,1 2 3 4 5 26\n10/07/2015,1 2 3 4 69 1\n"
                             "10/03/2015,1 2 3 4 59 35\n10/03/2015,1 2 3 4 59 35\n09/30/2015,1 2 3 4 5 42\n"
                             "12/31/1983,1 2 3 4 5 99\n11/01/1980,1 2 3 4 5 6\n";
    const ResultsReading withEra = ReadResultsText(text, kPowerball, kSettings, {}, DateKeyOf(2015, 10, 7));
    EXPECT_EQ(withEra.problem, "");
    EXPECT_EQ(withEra.drawings.size(), 2u);
    EXPECT_EQ(withEra.leftOutBeforeEra, 2);
    EXPECT_EQ(withEra.leftOutBeforeStorableYears, 2);
    EXPECT_EQ(ReadResultsText(text, kPowerball, kSettings).problem,
              "Line 4: the power ball 35 is outside 1 to 26 (setting PBB).");
    const ResultsReading onlyEarlier =
        ReadResultsText("09/30/2015,1 2 3 4 5 42\n", kPowerball, kSettings, {}, DateKeyOf(2015, 10, 7));
    EXPECT_EQ(onlyEarlier.problem, "");
    EXPECT_TRUE(onlyEarlier.drawings.empty());
    EXPECT_EQ(onlyEarlier.leftOutBeforeEra, 1);
    const ResultsReading onlyBefore1984 = ReadResultsText("12/31/1983,1 2 3 4 5 6\n", kPowerball, kSettings);
    EXPECT_EQ(onlyBefore1984.problem, "");
    EXPECT_EQ(onlyBefore1984.leftOutBeforeStorableYears, 1);
    EXPECT_EQ(ReadResultsText("02/30/1983 1 2 3 4 5\n", kFiveNumber, kSettings).problem,
              "Line 1: 02/30/1983 is not a day of the calendar.");
}

} // namespace
} // namespace vantorel::test
