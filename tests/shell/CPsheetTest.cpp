#include "tests/shell/SheetTestSupport.h"

namespace vantorel::test {
namespace {

using CPsheetTest = SheetTest;

TEST_F(CPsheetTest, OpensOnTheStartPage) {
    UseSampleHistory();
    OpenSheet(kFourNumberPage);
    EXPECT_EQ(sheet->activeIndex(), kFourNumberPage);
}

} // namespace
} // namespace vantorel::test
