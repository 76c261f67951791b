// What only the engine shows of an import: the work file "~.~", the date result and the progress light.
// The section lines, the rewrites and their messages are checked through vantorel-cli.

#include "store/DataImport.h"

#include "tests/store/StoreFixture.h"

namespace vantorel::test {
namespace {

using DataImportTest = StoreFixture;

TEST_F(DataImportTest, MassageNewDataLeavesTheLineInItsWorkFileOrReportsTheDate) {
    WriteFile("import.txt", "01/02/98 1 2 3 4 5");
    EXPECT_EQ(MassageNewData("import.txt", 2, true, {}, false, settings), kMassaged);
    EXPECT_EQ(ReadFile("~.~"), "5 1 98/01/02 1 2 3 4 5\r\n");
    WriteFile("import.txt", "01/02/98 1 2 3 4 5 1/3/98 1 2 3 4 5");
    EXPECT_EQ(MassageNewData("import.txt", 2, true, {}, false, settings), kMassageDateError);
    EXPECT_EQ(MassageNewData("import.txt", 5, true, {}, false, settings), kMassageFailed);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Date Length Error",
                                                    "Illegal gameType parameter in MassageNewData()"}));
}

TEST_F(DataImportTest, ProgressLightBlinksEveryTwentyFiveDrawingsOrNumbers) {
    struct Case {
        std::string text;
        int gameType;
        bool dated;
        int blinks;
    };
    std::string sixtyDrawings;
    for (int i = 0; i < 60; ++i) {
        sixtyDrawings += "01/02/98 123\n";
    }
    const std::vector<Case> cases = {
        {sixtyDrawings, 0, true, 3}, // drawings 0, 25, 50
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30", 2, false, 2}};
    for (const Case& c : cases) {
        int blinks = 0;
        WriteFile("import.txt", c.text);
        ASSERT_EQ(ImportNew(
                      "import.txt", c.gameType, c.dated, [&blinks] { ++blinks; }, false, settings),
                  1);
        EXPECT_EQ(blinks, c.blinks) << c.gameType;
    }
}

} // namespace
} // namespace vantorel::test
