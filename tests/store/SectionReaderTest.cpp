// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SectionReader.h"
#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "store/TextLines.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vantorel {
namespace {

using test::SectionLine;
using test::TempWorkingDir;
using test::WriteFile;

// Loads one section of vtrmain.dat into its table (Power Ball with five first-group balls): the result
// and the number of drawings loaded.
std::pair<int, int> LoadSection(int section) {
    if (section <= 3) {
        DigitDrawTable table(section);
        return {table.Load(), table.count()};
    }
    if (section >= 8) {
        PowerballDrawTable table(section == 9);
        return {table.Load(5), table.count()};
    }
    LottoDrawTable table(section);
    return {table.Load(), table.count()};
}

TEST(SectionReader, ResultsForFoundAbsentAndMissingSections) {
    const struct {
        const char* file;
        int section;
        int expectedResult;
        int expectedCount;
    } cases[] = {
        {"5 0\r\n", 5, 1, 0},  // present and empty
        {"5 0\r\n", 0, -1, 0}, // a greater section comes first
        {"5 0\r\n", 4, -1, 0},
        {"5 0\r\n", 6, -1, 0}, // end of file reached
        {"5 0\r\n", 9, -1, 0},
        {"", 0, -1, 0},                                      // empty file
        {"   \r\n\r\n \t \n", 1, -1, 0},                     // blanks only
        {"0 1 5\r\n\r\n\r\n1 1 98/01/02 7\r\n", 1, 1, 1},    // blank lines between sections
        {"0 1 5\n1 2 98/01/02 7 98/01/03 8\n", 1, 1, 2},     // bare line feeds
        {"0 1 5\r1 2 98/01/02 7 98/01/03 8\r", 1, 1, 2},     // bare carriage returns
        {"0 2 5\r6\n1 1 98/01/02 7", 0, 1, 1},               // a carriage return ends the line
        {"1 -4 98/01/02 7\r\n", 1, 1, 0},                    // negative count: empty
        {"1 99999999999999999999 98/01/02 7\r\n", 1, -1, 0}, // 20-digit count: over capacity
        {"1 x 98/01/02 7\r\n", 1, -1, 0},                    // no count
        {"junk line\r\n1 1 98/01/02 7\r\n", 1, 1, 1},        // a line without a number is passed over
        {"1 3 98/01/02 7\r\n2 1 5\r\n", 1, 1, 1}, // fewer drawings than the count: stop at the line end
        {"1 2 98/01/02 7 98/01/03\r\n", 1, 1, 1}, // an incomplete last drawing is not counted
        {"1 2 98/01/02 7 98/01/03 x\r\n", 1, 1, 1},
    };
    for (const auto& c : cases) {
        TempWorkingDir dir;
        WriteFile("vtrmain.dat", c.file);
        SectionContent content;
        const int result = ReadSection("vtrmain.dat", {c.section, 1, 3649, c.section % 2 == 1}, content);
        EXPECT_EQ(result, c.expectedResult) << c.file << " section " << c.section;
        EXPECT_EQ(content.count, c.expectedCount) << c.file << " section " << c.section;
    }
}

TEST(SectionReader, OneReadOfTheFileServesEverySection) {
    TempWorkingDir dir;
    WriteFile("vtrmain.dat", "1 3 98/01/02 123 98/01/03 7 98/01/05 45\n4 2 3 15 22 31 40 1 9 17 28 36\r"
                             "9 1 98/01/07 5 12 23 34 41 17");
    const HistoryText history = ReadHistoryText("vtrmain.dat");
    ASSERT_TRUE(history.read());
    // What was read stays as it was, whatever happens to the file afterwards.
    WriteFile("vtrmain.dat", "");
    DigitDrawTable digits(1);
    ASSERT_EQ(digits.Load(history), kSectionLoaded);
    EXPECT_EQ(digits.numbers, (std::vector<int>{123, 7, 45}));
    EXPECT_EQ(digits.dates, (std::vector<std::string>{"98/01/02", "98/01/03", "98/01/05"}));

    LottoDrawTable lotto(4);
    ASSERT_EQ(lotto.Load(history), kSectionLoaded);
    ASSERT_EQ(lotto.count(), 2);
    EXPECT_EQ(lotto.numbers[1], (LottoRow{1, 9, 17, 28, 36, 0}));
    EXPECT_TRUE(lotto.dates.empty());

    PowerballDrawTable powerball(true);
    ASSERT_EQ(powerball.Load(5, history), kSectionLoaded);
    ASSERT_EQ(powerball.count(), 1);
    EXPECT_EQ(powerball.numbers[0], (PowerballRow{5, 12, 23, 34, 41, 0}));
    EXPECT_EQ(powerball.powerBalls[0], 17);
    EXPECT_EQ(powerball.dates[0], "98/01/07");

    DigitDrawTable undated(0);
    EXPECT_EQ(undated.Load(history), kSectionRefused);
    EXPECT_EQ(undated.count(), 0);
    LottoDrawTable sixNumber(6);
    EXPECT_EQ(sixNumber.Load(history), kSectionRefused);

    const HistoryText missing = ReadHistoryText("missing.dat");
    EXPECT_EQ(missing.status, ReadStatus::kMissing);
    EXPECT_EQ(digits.Load(missing), kHistoryNotOpened);
    EXPECT_EQ(digits.count(), 0);
    EXPECT_EQ(ReadHistoryText(dir.path()).status, ReadStatus::kNotAFile);
}

TEST(SectionReader, CapacityLimitsOfEveryTable) {
    TempWorkingDir dir;
    const struct {
        int section;
        int capacity;
        const char* drawing;
    } limits[] = {{1, 3649, "98/01/02 123"},
                  {3, 3649, "98/01/02 1234"},
                  {5, 2599, "98/01/02 1 2 3 4 5"},
                  {7, 1039, "98/01/02 1 2 3 4 5 6"},
                  {9, 2079, "98/01/02 1 2 3 4 5 6"}};
    for (const auto& limit : limits) {
        for (const int count : {limit.capacity, limit.capacity + 1}) {
            WriteFile("vtrmain.dat", SectionLine(limit.section, count, limit.drawing));
            const bool fits = count <= limit.capacity;
            EXPECT_EQ(LoadSection(limit.section), std::pair(fits ? 1 : -1, fits ? count : 0))
                << "section " << limit.section << " count " << count;
        }
    }
}

TEST(SectionReader, LeadingZerosAndPowerballWidth) {
    TempWorkingDir dir;
    WriteFile("vtrmain.dat", "0 2 007 7\r\n8 2 1 2 3 4 9 5 6 7 8 10\r\n");
    DigitDrawTable digits(0);
    ASSERT_EQ(digits.Load(), 1);
    EXPECT_EQ(digits.numbers, (std::vector<int>{7, 7}));

    // With four first-group balls a drawing is five numbers.
    PowerballDrawTable four(false);
    ASSERT_EQ(four.Load(4), 1);
    ASSERT_EQ(four.count(), 2);
    EXPECT_EQ(four.numbers[1], (PowerballRow{5, 6, 7, 8, 0, 0}));
    EXPECT_EQ(four.powerBalls, (std::vector<int>{9, 10}));

    // With five the same line holds one whole drawing and an incomplete one.
    PowerballDrawTable five(false);
    ASSERT_EQ(five.Load(5), 1);
    ASSERT_EQ(five.count(), 1);
    EXPECT_EQ(five.powerBalls[0], 5);
}

TEST(SectionReader, DigitTableSectionNumbers) {
    for (const auto& [given, expected] : {std::pair{1, 1}, {2, 2}, {3, 3}, {0, 0}, {7, 0}, {-1, 0}}) {
        const DigitDrawTable table(given);
        EXPECT_EQ(table.section, expected);
        EXPECT_EQ(table.dated, expected % 2 == 1);
    }
}

TEST(SectionReader, ALineFarLongerThanAFullSectionLoadsTheCapacity) {
    TempWorkingDir dir;
    std::string hugeLine = "0 3649";
    hugeLine.reserve(kLargestHistoryFile);
    while (hugeLine.size() + 4 < kLargestHistoryFile - 20) {
        hugeLine += " 123";
    }
    WriteFile("vtrmain.dat", hugeLine + "\r\n1 1 98/01/02 5\r\n");
    EXPECT_EQ(LoadSection(0), std::pair(1, 3649));
    EXPECT_EQ(LoadSection(1), std::pair(1, 1));
}

TEST(SectionReader, TheSampleHistoryLoadsEverySection) {
    TempWorkingDir dir;
    std::filesystem::copy_file(test::TestDataPath("shared/sample-vtrmain.dat"), "vtrmain.dat");
    for (const int section : {0, 1, 2, 3, 4, 5, 6, 7}) {
        const auto [result, count] = LoadSection(section);
        EXPECT_EQ(result, 1) << section;
        EXPECT_GT(count, 0) << section;
    }
    EXPECT_EQ(LoadSection(9), std::pair(1, 300));
}

// Binary noise and seeded random mutations of a valid file: every reader ends with a defined result within
// its capacity. The libFuzzer harness in fuzz/ does the same without bounds.
TEST(SectionReader, BinaryAndRandomInputsGiveDefinedResults) {
    TempWorkingDir dir;
    const auto check = [](const std::string& input) {
        WriteFile("vtrmain.dat", input);
        for (int section = 0; section < 4; ++section) {
            DigitDrawTable table(section);
            const int result = table.Load();
            ASSERT_TRUE(result == 1 || result == -1) << input;
            ASSERT_LE(table.count(), DigitDrawTable::kCapacity);
        }
        LottoDrawTable lotto(4);
        ASSERT_NE(lotto.Load(), 0);
        PowerballDrawTable powerball(true);
        ASSERT_NE(powerball.Load(5), 0);
        ASSERT_EQ(powerball.powerBalls.size(), powerball.numbers.size());
    };
    std::string binary;
    for (int i = 0; i < 100000; ++i) {
        binary += static_cast<char>((i * 7919) % 256);
    }
    check(binary);

    const std::string valid = "1 3 98/01/02 123 98/01/03 7 98/01/05 45\r\n4 2 3 15 22 31 40 1 9 17 28 36\r\n"
                              "9 1 98/01/07 5 12 23 34 41 17\r\n";
    const std::string alphabet = "0123456789 /\r\n\t-+x";
    std::mt19937 random(20261206);
    for (int round = 0; round < 2000 && !::testing::Test::HasFatalFailure(); ++round) {
        std::string input = valid;
        const int edits = static_cast<int>(random() % 12) + 1;
        for (int e = 0; e < edits && !input.empty(); ++e) {
            const std::size_t at = random() % input.size();
            switch (random() % 3) {
            case 0:
                input[at] = alphabet[random() % alphabet.size()];
                break;
            case 1:
                input.insert(at, 1, alphabet[random() % alphabet.size()]);
                break;
            default:
                input.erase(at, 1);
                break;
            }
        }
        check(input);
    }
}

} // namespace
} // namespace vantorel

namespace vantorel::test {
namespace {

// A pick file's lines end with LF, CR LF or a bare CR, as the file came: each line end ends exactly one
// line, so a blank line is one line (the pick 0) and never two, and the last line needs no end.
TEST(PickFiles, EveryKindOfLineEndEndsOneLine) {
    const TempWorkingDir directory;
    const std::vector<std::string> expected = {"7", "", "8 9", "10"};
    for (const std::string& text :
         {std::string("7\n\n8 9\n10\n"), std::string("7\r\n\r\n8 9\r\n10\r\n"), std::string("7\r\r8 9\r10\r"),
          std::string("7\r\n\n8 9\r10"), std::string("7\n\r\n8 9\r\n10")}) {
        WriteFile("picks.txt", text);
        const PickFileLines read = ReadPickFile("picks.txt", 100);
        EXPECT_TRUE(read.opened);
        EXPECT_EQ(read.lines, expected) << std::string(text.begin(), text.end());
        EXPECT_FALSE(read.moreLines);
        EXPECT_EQ(ReadPickFile("picks.txt", 3).lines.size(), 3U);
        EXPECT_TRUE(ReadPickFile("picks.txt", 3).moreLines);
    }
}

} // namespace
} // namespace vantorel::test
