#include "digit/DigitOperation.h"
#include "tests/digit/DigitTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TEST(DigitDataStatus, NamesTheLoadedHistoriesAndTheirCounts) {
    DigitDrawTable undated = test::UndatedTable(1, {1, 2, 3});
    DigitDrawTable dated = test::DatedTable(1, {{"98/01/02", 5}});
    const DigitGameTables tables{undated, dated};
    EXPECT_EQ(DigitDataStatusText(1, tables), "Undated 3 : Dated 1");
    undated.loadStatus = -1;
    EXPECT_EQ(DigitDataStatusText(1, tables), "Dated 1");
    dated.loadStatus = 0;
    EXPECT_EQ(DigitDataStatusText(1, tables), "No 4 Number Game Data Available");
    undated.loadStatus = 1;
    EXPECT_EQ(DigitDataStatusText(0, tables), "Undated 3");
}

} // namespace
} // namespace vantorel
