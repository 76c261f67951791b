#include "digit/DigitCompare.h"
#include "platform/MessageBox.h"
#include "tests/digit/DigitTestTables.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::DatedTable;
using test::UndatedTable;
using test::WriteFile;

constexpr const char* kWinner = "We MAY have a WINNER here !\n";
constexpr const char* kNoMatches = "Sorry...No Matches Were Found.\n";
constexpr const char* kTooManyPicks =
    "Too many numbers in the file you specified.\nOnly the first 1000 entries will be searched.";

class DigitCompareTest : public ::testing::Test {
protected:
    test::TempWorkingDir dir;
    RecordingMessageSink sink;
    ScopedMessageSink installed{sink};
};

TEST_F(DigitCompareTest, ReportsEveryDrawingOfEveryPickInHistoryOrder) {
    const DigitDrawTable dated = DatedTable(0, {{"98/01/02", 123}, {"98/01/03", 7}, {"98/01/04", 45}});
    const DigitDrawTable undated = UndatedTable(0, {7, 45, 7});
    const struct {
        std::string file;
        const DigitDrawTable& table;
        std::string expected;
    } cases[] = {
        {"7\n123\n", dated, std::string(kWinner) + "123  came in on  01/02/98\n7  came in on  01/03/98\n"},
        {"007\r\n7\r\n", dated, std::string(kWinner) + "7  came in on  01/03/98\n7  came in on  01/03/98\n"},
        {"7", undated, std::string(kWinner) + "7  was found.\n7  was found.\n"},
        {"8\n\nabc\n", undated, kNoMatches},
        {"", dated, kNoMatches},
        // A line without leading digits is the pick 0.
        {"x\n", UndatedTable(0, {0}), std::string(kWinner) + "0  was found.\n"},
    };
    for (const auto& c : cases) {
        WriteFile("picks.txt", c.file);
        EXPECT_EQ(ComparePickFile(c.table, "picks.txt"), c.expected) << c.file;
    }
    EXPECT_EQ(sink.texts(), std::vector<std::string>{});
}

TEST_F(DigitCompareTest, ComparesTheFirstThousandPicksOnly) {
    const DigitDrawTable table = UndatedTable(0, {7});
    std::string thousand;
    for (int i = 0; i < 999; ++i) {
        thousand += "5\n";
    }
    WriteFile("exact.txt", thousand + "7\n");
    EXPECT_EQ(ComparePickFile(table, "exact.txt"), std::string(kWinner) + "7  was found.\n");
    EXPECT_EQ(sink.texts(), std::vector<std::string>{});

    std::string more = thousand + "5\n";
    for (int i = 0; i < 200; ++i) {
        more += "7\n";
    }
    WriteFile("more.txt", more);
    EXPECT_EQ(ComparePickFile(table, "more.txt"), kNoMatches);
    EXPECT_EQ(sink.texts(), std::vector<std::string>{kTooManyPicks});
}

TEST_F(DigitCompareTest, AFileThatCannotBeOpenedIsAnInputError) {
    EXPECT_EQ(ComparePickFile(UndatedTable(0, {7}), "missing.txt"), "File Input ERROR");
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Can't open specified file."});
}

} // namespace
} // namespace vantorel
