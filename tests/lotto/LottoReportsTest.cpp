#include "lotto/LottoReports.h"
#include "platform/MessageBox.h"
#include "store/CalendarDates.h"
#include "tests/lotto/LottoTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::MakeDatedLottoTable;
using test::MakeLottoTable;
using Lines = std::vector<std::string>;

TEST(LottoReports, BallCellsLineUpOneAndTwoDigitBalls) {
    EXPECT_EQ(BallCell(7), "7   ");
    EXPECT_EQ(BallCell(12), "12 ");
    EXPECT_EQ(BallCell(0), "0   ");
}

TEST(LottoReports, TotalsListEveryDrawingSorted) {
    EXPECT_EQ(ReportLottoTotals(MakeLottoTable(4, {{7, 12, 3, 30, 45}})),
              Lines{" 3      7      12    30    45   "});
    EXPECT_EQ(ReportLottoTotals(MakeLottoTable(6, {{49, 1, 2, 3, 4, 10}})),
              Lines{" 1      2      3      4      10    49   "});
    EXPECT_EQ(ReportLottoTotals(MakeDatedLottoTable(5, {{"98/01/31", {7, 12, 3, 30, 45}}})),
              Lines{" 01/31/98    3     7     12   30   45   "});
    EXPECT_TRUE(ReportLottoTotals(MakeLottoTable(4, {})).empty());
}

TEST(LottoReports, TotalsStopAtADateThatCannotBeShown) {
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    const LottoDrawTable table = MakeDatedLottoTable(
        5, {{"98/01/31", {1, 2, 3, 4, 5}}, {"98/2/01", {1, 2, 3, 4, 5}}, {"98/02/02", {1, 2, 3, 4, 5}}});
    EXPECT_EQ(ReportLottoTotals(table).size(), 1u);
    EXPECT_EQ(sink.texts(), Lines{"Date Length Error at 01/31/98"});
}

TEST(LottoReports, DateResultsBecomeLines) {
    EXPECT_EQ(ReportText("02/02/98"), Lines{" No record of a drawing on 02/02/98"});
    EXPECT_EQ(ReportText("Date Error"), Lines{"Date Error"});
    const LottoDrawTable table = MakeDatedLottoTable(5, {{"98/01/31", {7, 12, 3, 30, 45}}});
    EXPECT_EQ(ReportDateRange(table, {0}), Lines{" 01/31/98        3     7     12   30   45   "});
    EXPECT_EQ(ReportDateRange(table, {}), Lines{" No drawings found in specified date range."});
}

} // namespace
} // namespace vantorel
