#include "store/SectionReader.h"
#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vantorel {
namespace {

using test::TempWorkingDir;
using test::WriteFile;

// A section line with `count` announced and `drawings` given, each drawing made by `makeDrawing(i)`.
template <typename MakeDrawing>
std::string SectionLine(int section, int count, int drawings, MakeDrawing makeDrawing) {
    std::string line = std::to_string(section) + ' ' + std::to_string(count);
    for (int i = 0; i < drawings; ++i) {
        line += ' ' + makeDrawing(i);
    }
    return line + "\r\n";
}

std::string DatedDigit(int i) {
    return "98/01/02 " + std::to_string(i % 1000);
}
std::string DatedLotto5(int) {
    return "98/01/02 1 2 3 4 5";
}
std::string DatedLotto6(int) {
    return "98/01/02 1 2 3 4 5 6";
}
std::string DatedPowerball(int) {
    return "98/01/02 1 2 3 4 5 6";
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
    WriteFile("vtrmain.dat", "0 2 5 6\r\n1 1 98/01/02 7\n4 1 1 2 3 4 5\r9 1 98/01/07 5 12 23 34 41 17");
    const HistoryText history = ReadHistoryText("vtrmain.dat");
    ASSERT_TRUE(history.read());
    // What was read stays as it was, whatever happens to the file afterwards.
    WriteFile("vtrmain.dat", "");
    DigitDrawTable undated(0);
    DigitDrawTable dated(1);
    LottoDrawTable fiveNumber(4);
    PowerballDrawTable powerball(true);
    EXPECT_EQ(undated.Load(history), kSectionLoaded);
    EXPECT_EQ(dated.Load(history), kSectionLoaded);
    EXPECT_EQ(fiveNumber.Load(history), kSectionLoaded);
    EXPECT_EQ(powerball.Load(5, history), kSectionLoaded);
    EXPECT_EQ(undated.numbers, (std::vector<int>{5, 6}));
    EXPECT_EQ(dated.dates, (std::vector<std::string>{"98/01/02"}));
    EXPECT_EQ(fiveNumber.numbers[0], (LottoRow{1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(powerball.powerBalls, (std::vector<int>{17}));
    LottoDrawTable sixNumber(6);
    EXPECT_EQ(sixNumber.Load(history), kSectionRefused);

    const HistoryText missing = ReadHistoryText("missing.dat");
    EXPECT_EQ(missing.status, ReadStatus::kMissing);
    EXPECT_EQ(undated.Load(missing), kHistoryNotOpened);
    EXPECT_EQ(undated.count(), 0);
    EXPECT_EQ(ReadHistoryText(dir.path()).status, ReadStatus::kNotAFile);
}

TEST(SectionReader, MissingFileGivesZero) {
    TempWorkingDir dir;
    SectionContent content;
    EXPECT_EQ(ReadSection("vtrmain.dat", {0, 1, 3649, false}, content), 0);
}

TEST(SectionReader, CapacityLimitsOfEveryTable) {
    TempWorkingDir dir;
    const struct {
        int capacity;
        std::string (*drawing)(int);
        int section;
    } limits[] = {
        {3649, DatedDigit, 1}, {3649, DatedDigit, 3}, {2599, DatedLotto5, 5}, {1039, DatedLotto6, 7}};
    for (const auto& limit : limits) {
        for (const int count : {limit.capacity, limit.capacity + 1}) {
            WriteFile("vtrmain.dat", SectionLine(limit.section, count, count, limit.drawing));
            int result = 0;
            int loaded = 0;
            if (limit.section <= 3) {
                DigitDrawTable table(limit.section);
                result = table.Load();
                loaded = table.count();
            } else {
                LottoDrawTable table(limit.section);
                result = table.Load();
                loaded = table.count();
            }
            const bool fits = count <= limit.capacity;
            EXPECT_EQ(result, fits ? 1 : -1) << "section " << limit.section << " count " << count;
            EXPECT_EQ(loaded, fits ? count : 0) << "section " << limit.section << " count " << count;
        }
    }
    for (const int count : {2079, 2080}) {
        WriteFile("vtrmain.dat", SectionLine(9, count, count, DatedPowerball));
        PowerballDrawTable table(true);
        EXPECT_EQ(table.Load(5), count == 2079 ? 1 : -1);
        EXPECT_EQ(table.count(), count == 2079 ? 2079 : 0);
    }
}

TEST(SectionReader, TheWorkedExampleFile) {
    TempWorkingDir dir;
    WriteFile("vtrmain.dat", "1 3 98/01/02 123 98/01/03 7 98/01/05 45\r\n4 2 3 15 22 31 40 1 9 17 28 36\r\n"
                             "9 1 98/01/07 5 12 23 34 41 17\r\n");
    DigitDrawTable digits(1);
    ASSERT_EQ(digits.Load(), 1);
    EXPECT_EQ(digits.numbers, (std::vector<int>{123, 7, 45}));
    EXPECT_EQ(digits.dates, (std::vector<std::string>{"98/01/02", "98/01/03", "98/01/05"}));

    LottoDrawTable lotto(4);
    ASSERT_EQ(lotto.Load(), 1);
    ASSERT_EQ(lotto.count(), 2);
    EXPECT_EQ(lotto.numbers[1], (LottoRow{1, 9, 17, 28, 36, 0}));
    EXPECT_TRUE(lotto.dates.empty());

    PowerballDrawTable powerball(true);
    ASSERT_EQ(powerball.Load(5), 1);
    ASSERT_EQ(powerball.count(), 1);
    EXPECT_EQ(powerball.numbers[0], (PowerballRow{5, 12, 23, 34, 41, 0}));
    EXPECT_EQ(powerball.powerBalls[0], 17);
    EXPECT_EQ(powerball.dates[0], "98/01/07");

    DigitDrawTable undated(0);
    EXPECT_EQ(undated.Load(), -1);
    EXPECT_EQ(undated.count(), 0);
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

TEST(SectionReader, HugeAndBinaryInputsEndWithADefinedResult) {
    TempWorkingDir dir;
    // A line far longer than a full section, in a file as large as a history can be.
    std::string hugeLine = "0 3649";
    hugeLine.reserve(kLargestHistoryFile);
    while (hugeLine.size() + 4 < kLargestHistoryFile - 20) {
        hugeLine += " 123";
    }
    WriteFile("vtrmain.dat", hugeLine + "\r\n1 1 98/01/02 5\r\n");
    DigitDrawTable undated(0);
    EXPECT_EQ(undated.Load(), 1);
    EXPECT_EQ(undated.count(), 3649);
    DigitDrawTable dated(1);
    EXPECT_EQ(dated.Load(), 1);
    EXPECT_EQ(dated.count(), 1);

    std::string binary;
    for (int i = 0; i < 100000; ++i) {
        binary += static_cast<char>((i * 7919) % 256);
    }
    WriteFile("vtrmain.dat", binary);
    for (int section = 0; section < 4; ++section) {
        DigitDrawTable table(section);
        const int result = table.Load();
        EXPECT_TRUE(result == 1 || result == -1);
        EXPECT_LE(table.count(), DigitDrawTable::kCapacity);
    }
}

TEST(SectionReader, TheSampleHistoryLoadsEverySection) {
    TempWorkingDir dir;
    std::filesystem::copy_file(test::TestDataPath("shared/sample-vtrmain.dat"), "vtrmain.dat");
    for (int section = 0; section <= 3; ++section) {
        DigitDrawTable table(section);
        EXPECT_EQ(table.Load(), 1) << section;
        EXPECT_GT(table.count(), 0) << section;
        EXPECT_EQ(table.dates.size(), table.dated ? static_cast<std::size_t>(table.count()) : 0u);
    }
    for (int section = 4; section <= 7; ++section) {
        LottoDrawTable table(section);
        EXPECT_EQ(table.Load(), 1) << section;
        EXPECT_GT(table.count(), 0) << section;
    }
    PowerballDrawTable powerball(true);
    EXPECT_EQ(powerball.Load(5), 1);
    EXPECT_EQ(powerball.count(), 300);
}

} // namespace
} // namespace vantorel

namespace vantorel {
namespace {

// Seeded random inputs (mutations of a valid file): every reader ends with a defined result within its
// capacity. The libFuzzer harness in fuzz/ does the same without bounds.
TEST(SectionReader, RandomInputsGiveDefinedResults) {
    test::TempWorkingDir dir;
    const std::string valid = "1 3 98/01/02 123 98/01/03 7 98/01/05 45\r\n4 2 3 15 22 31 40 1 9 17 28 36\r\n"
                              "9 1 98/01/07 5 12 23 34 41 17\r\n";
    const std::string alphabet = "0123456789 /\r\n\t-+x";
    std::mt19937 random(20261206);
    for (int round = 0; round < 2000; ++round) {
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
        test::WriteFile("vtrmain.dat", input);
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
    }
}

} // namespace
} // namespace vantorel
