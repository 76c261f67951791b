// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/lotto/LottoTestTables.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using namespace test;

const std::string kWinner = "We MAY have a WINNER here !\n";
const std::string kNoMatches = "Sorry...No Matches Were Found.\n";
const std::string kTooMany =
    "Too many numbers in the file you specified.\nOnly the first 1000 entries will be searched.";

class LottoPickComparison : public ::testing::Test {
protected:
    // The report; the messages of every comparison are kept in `messages`.
    template <typename Table> std::string Compare(const Table& table, const std::string& picks) {
        WriteFile("picks.txt", picks);
        const Outcome<std::string> compared = table.ComparePicks("picks.txt");
        const Lines told = TextsOf(compared.notices());
        messages.insert(messages.end(), told.begin(), told.end());
        return compared.value();
    }

    TempWorkingDir directory;
    Lines messages;
};

TEST_F(LottoPickComparison, ReportsEachVariantWithItsLine) {
    struct Case {
        std::string name;
        std::string report;
        std::string expected;
    };
    const LottoDrawTable five = MakeLottoTable(4, {{40, 31, 22, 15, 3}, {1, 9, 17, 28, 36}});
    const std::vector<Case> cases = {
        {"5 undated", Compare(five, "3 15 22 31 40\r\n"), kWinner + "40 31 22 15 3 was found.\n"},
        // Only the first five numbers of a line count; a pick found twice is reported twice.
        {"5 twice", Compare(five, "3 15 22 31 40 41 42\n\n40 31 22 15 3\n"),
         kWinner + "40 31 22 15 3 was found.\n40 31 22 15 3 was found.\n"},
        // Two picks that together hold the drawing's numbers never add up to a match.
        {"5 two halves", Compare(five, "3 15 22 1 2\n31 40 5 6 7\n"), kNoMatches},
        // A repeated number is not a different one.
        {"5 repeated", Compare(MakeLottoTable(4, {{5, 12, 33, 40, 41}}), "5 5 12 33 40\n"), kNoMatches},
        {"5 empty file", Compare(five, ""), kNoMatches},
        {"6 undated", Compare(MakeLottoTable(6, {{1, 2, 3, 4, 5, 6}}), "6 5 4 3 2 1"),
         kWinner + "1 2 3 4 5 6 was found !\n"},
        {"6 dated",
         Compare(MakeDatedLottoTable(7, {{"06/03/11", {4, 9, 13, 29, 31, 36}}}), "4 9 13 29 31 36\n"),
         kWinner + "4 9 13 29 31 36 was found on 03/11/06\n"},
        {"pb undated, 4 balls",
         Compare(MakePowerballTable(4, {{"", {5, 12, 23, 34, 17}}}, false), "5 12 23 34 17\n"),
         kWinner + "5 12 23 34 with Powerball 17 was found in the Undated Data.\n"},
        // The pick's Power Ball may stand for a first-group ball.
        {"pb any order",
         Compare(MakePowerballTable(5, {{"", {5, 12, 23, 34, 41, 17}}}, false), "17 12 23 34 41 5\n"),
         kWinner + "5 12 23 34 41 with Powerball 17 was found in the Undated Data.\n"},
        // A Power Ball equal to a first-group ball still matches the same pick.
        {"pb repeated ball",
         Compare(MakePowerballTable(5, {{"", {5, 12, 23, 34, 41, 12}}}, false), "5 12 23 34 41 12\n"),
         kWinner + "5 12 23 34 41 with Powerball 12 was found in the Undated Data.\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.report, c.expected) << c.name;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(LottoPickComparison, ComparesAtMostTheFirst1000Picks) {
    const LottoDrawTable table = MakeLottoTable(4, {{1, 2, 3, 4, 5}});
    const auto fileWithMatchAt = [](int matchLine, int lines) {
        std::string text;
        for (int line = 1; line <= lines; ++line) {
            text += line == matchLine ? "1 2 3 4 5\n" : "6 7 8 9 10\n";
        }
        return text;
    };
    EXPECT_EQ(Compare(table, fileWithMatchAt(1000, 1000)), kWinner + "1 2 3 4 5 was found.\n");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Compare(table, fileWithMatchAt(1000, 1200)), kWinner + "1 2 3 4 5 was found.\n");
    EXPECT_EQ(Compare(table, fileWithMatchAt(1100, 1200)), kNoMatches);
    EXPECT_EQ(messages, (Lines{kTooMany, kTooMany}));
}

} // namespace
} // namespace vantorel
