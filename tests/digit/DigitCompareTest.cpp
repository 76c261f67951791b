#include "digit/DigitCompare.h"
#include "platform/MessageBox.h"
#include "store/CalendarDates.h"
#include "tests/digit/DigitTestTables.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::DatedTable;
using test::UndatedTable;
using test::WriteFile;

const std::string kWinner = "We MAY have a WINNER here !\n";
const std::string kNoMatches = "Sorry...No Matches Were Found.\n";

TEST(DigitCompare, ReportsEveryDrawingOfEveryPickInHistoryOrder) {
    const test::TempWorkingDir dir;
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    const DigitDrawTable dated = DatedTable(0, {{"98/01/02", 123}, {"98/01/03", 7}, {"98/01/04", 45}});
    const DigitDrawTable undated = UndatedTable(0, {7, 0, 7});
    const struct {
        std::string file;
        const DigitDrawTable& table;
        std::string expected;
    } cases[] = {
        {"7\n123\n", dated, kWinner + "123  came in on  01/02/98\n7  came in on  01/03/98\n"},
        {"007\r\n7\r\n", dated, kWinner + "7  came in on  01/03/98\n7  came in on  01/03/98\n"},
        {"7", undated, kWinner + "7  was found.\n7  was found.\n"},
        // A line without leading digits is the pick 0.
        {"8\n\n", undated, kWinner + "0  was found.\n"},
        {"8\n", undated, kNoMatches},
        {"", dated, kNoMatches},
    };
    for (const auto& c : cases) {
        WriteFile("picks.txt", c.file);
        EXPECT_EQ(ComparePickFile(c.table, "picks.txt"), c.expected) << c.file;
    }
    EXPECT_EQ(sink.texts(), std::vector<std::string>{});

    EXPECT_EQ(ComparePickFile(dated, "missing.txt"), "File Input ERROR");
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Can't open specified file."});
}

TEST(DigitCompare, ComparesTheFirstThousandPicksOnly) {
    const test::TempWorkingDir dir;
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    std::string picks;
    for (int i = 0; i < 999; ++i) {
        picks += "5\n";
    }
    WriteFile("exact.txt", picks + "7\n");
    WriteFile("more.txt", picks + "5\n7\n7\n");
    EXPECT_EQ(ComparePickFile(UndatedTable(0, {7}), "exact.txt"), kWinner + "7  was found.\n");
    EXPECT_EQ(sink.texts(), std::vector<std::string>{});
    EXPECT_EQ(ComparePickFile(UndatedTable(0, {7}), "more.txt"), kNoMatches);
    EXPECT_EQ(sink.texts(),
              std::vector<std::string>{"Too many numbers in the file you specified.\nOnly the first "
                                       "1000 entries will be searched."});
}

TEST(DigitCompare, ADateOfTheWrongLengthIsReportedWithTheLastGoodDate) {
    const test::TempWorkingDir dir;
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    ResetLastGoodDate();
    WriteFile("picks.txt", "7\n");
    const DigitDrawTable dated =
        DatedTable(0, {{"98/01/02", 7}, {"98/1/3", 7}, {"98/01/04", 7}, {"98/01/05", 8}});
    EXPECT_EQ(ComparePickFile(dated, "picks.txt"),
              kWinner + "7  came in on  01/02/98\n7  came in on  98/1/3\n7  came in on  01/04/98\n");
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Date Length Error at 01/02/98"});
    EXPECT_EQ(LastGoodDate(), "01/04/98");
}

} // namespace
} // namespace vantorel
