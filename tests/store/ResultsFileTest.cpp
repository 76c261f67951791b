// The reader of results files as lotteries publish them: each case is a small file and either the
// drawings it gives (as a dated section line writes them, oldest first) or the problem it names.

#include "store/ResultsFile.h"

#include "platform/GameSettings.h"
#include "store/DataImport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

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
        Refuses("a year before the stored form's century window", kFiveNumber, "12/31/1983 1 2 3 4 5\n",
                "Line 1: the year 1983 is outside 1984 to 2083,\nthe years that a history can hold."),
        Refuses("a year after it", kFiveNumber, "09/26/2020 1 2 3 4 5\n2084-01-01 1 2 3 4 5\n",
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
    for (const ReaderCase& c : cases) {
        const ResultsReading reading = ReadResultsText(c.text, c.gameType, kSettings, c.column);
        Lines drawings;
        for (const ResultsDrawing& drawing : reading.drawings) {
            drawings.push_back(SectionTextOf(drawing, NumbersPerDrawing(c.gameType, kSettings)));
        }
        EXPECT_EQ(drawings, c.drawings) << c.what;
        EXPECT_EQ(reading.problem, c.problem) << c.what;
        EXPECT_EQ(reading.repeatedLines, c.repeatedLines) << c.what;
    }
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
    for (const ReaderCase& c : cases) {
        const ResultsReading reading = ReadResultsText(c.text, c.gameType, kSettings, c.column);
        EXPECT_TRUE(reading.drawings.empty()) << c.what;
        EXPECT_EQ(reading.problem, c.problem) << c.what;
    }
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

} // namespace
} // namespace vantorel::test
