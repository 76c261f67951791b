#include "digit/DigitPattern.h"
#include "digit/DigitReports.h"
#include "platform/MessageBox.h"
#include "tests/digit/DigitTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::UndatedTable;

TEST(DigitPattern, FindsThePatternInTheWrittenNumbers) {
    const struct {
        int game;
        std::vector<int> numbers;
        std::string pattern;
        bool strict;
        std::string expected;
    } cases[] = {
        {0, {7, 170, 777, 123}, "7", true, "The pattern 7 was found in 3 draws:\n007 170 777 "},
        {0, {470, 74, 147, 407}, "47", false, "The pattern 47 or 74 was found in 3 draws:\n470 074 147 "},
        {0, {470, 74, 147, 407}, "47", true, "The pattern 47 was found in 2 draws:\n470 147 "},
        {0, {7, 17}, "7", false, "The pattern 7 was found in 2 draws:\n007 017 "},
        {0, {5, 100, 50}, "00", true, "The pattern 00 was found in 2 draws:\n005 100 "},
        {1,
         {1234, 4321, 3210, 1324, 123},
         "123",
         false,
         "The pattern 123 or 321 was found in 4 draws:\n1234 4321 3210 0123 "},
        {1, {47}, "47", true, "The pattern 47 was found in 1 draws:\n0047 "},
        {0, {123}, "9", true, "NO HITS for 9"},
        {0, {123}, "98", false, "NO HITS for 98 or 89"},
        {0, {123}, "a", true, "NO HITS for a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindPattern(UndatedTable(c.game, c.numbers), c.pattern, c.game, c.strict), c.expected)
            << c.pattern << " game " << c.game;
    }
}

TEST(DigitPattern, RefusesAPatternTooLongForTheGame) {
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    EXPECT_EQ(FindPattern(UndatedTable(0, {123}), "123", 0, true), "");
    EXPECT_EQ(FindPattern(UndatedTable(1, {1234}), "1234", 1, false), "");
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{
                                "Too many digits...\n\nMust be 1 or 2 digits\nfor a 3 number game.",
                                "Too many digits...\n\nMust be 1 to 3 digits\nfor a 4 number game.",
                            }));
}

TEST(DigitPattern, ReportPutsTwelveHitsToALineAfterTheHeading) {
    std::vector<int> thirteen;
    for (int i = 0; i < 13; ++i) {
        thirteen.push_back(i * 10 + 7);
    }
    const PatternReport report = ReportPattern(FindPattern(UndatedTable(0, thirteen), "7", 0, true));
    EXPECT_TRUE(report.clearList);
    EXPECT_EQ(report.lines, (std::vector<std::string>{
                                "The pattern 7 was found in 13 draws:",
                                "007  017  027  037  047  057  067  077  087  097  107  117  ",
                                "127  ",
                            }));

    const PatternReport fourNumber = ReportPattern("The pattern 47 was found in 1 draws:\n0047 ");
    EXPECT_EQ(fourNumber.lines, (std::vector<std::string>{"The pattern 47 was found in 1 draws:", "0047  "}));

    std::vector<int> twelve(thirteen.begin(), thirteen.end() - 1);
    EXPECT_EQ(ReportPattern(FindPattern(UndatedTable(0, twelve), "7", 0, true)).lines.size(), 2u);
}

TEST(DigitPattern, NoHitsIsOneLineAndKeepsTheList) {
    const PatternReport report = ReportPattern("NO HITS for 47 or 74");
    EXPECT_FALSE(report.clearList);
    EXPECT_EQ(report.lines, std::vector<std::string>{"NO HITS for 47 or 74"});
    EXPECT_TRUE(ReportPattern("").lines.empty());
}

} // namespace
} // namespace vantorel
