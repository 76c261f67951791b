// SPDX-License-Identifier: GPL-3.0-or-later
// What only the engine shows of an import: the progress light (of the results import too) and the message
// for a game it does not know.
// The section lines, the rewrites and their messages are checked through vantorel-cli.

#include "store/DataImport.h"
#include "store/ResultsImport.h"

#include "tests/store/StoreFixture.h"

#include <tuple>

namespace vantorel::test {
namespace {

TEST_F(StoreFixture, ImportBlinksEveryTwentyFiveDrawingsOrNumbersAndKnowsItsGames) {
    std::string sixtyDrawings;
    for (int i = 0; i < 60; ++i) {
        sixtyDrawings += "01/02/98 123\n";
    }
    std::string thirtyNumbers;
    for (int i = 0; i < 6; ++i) {
        thirtyNumbers += "1 2 3 4 5 ";
    }
    for (const auto& [text, gameType, dated, expected] :
         {std::tuple{sixtyDrawings, 0, true, 3}, std::tuple{thirtyNumbers, 2, false, 2}}) {
        int blinks = 0; // at drawings (undated lotto: numbers) 0, 25, 50
        WriteFile("import.txt", text);
        ASSERT_TRUE(Replaced(ImportNew(
            "import.txt", gameType, dated, [&blinks] { return ++blinks > 0; }, false, settings)));
        EXPECT_EQ(blinks, expected) << gameType;
    }
    EXPECT_FALSE(Shown(MassageNewData("import.txt", 5, true, {}, false, settings)));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Illegal gameType parameter in MassageNewData()"});
    std::string sixtyResults; // the results import blinks every twenty-five drawings written
    for (int day = 0; day < 60; ++day) {
        sixtyResults +=
            std::to_string(1 + day / 20) + "/" + std::to_string(1 + day % 20) + "/2020 1 2 3 4 5 6\n";
    }
    WriteFile("results.csv", sixtyResults);
    int blinks = 0;
    const Outcome<ResultsImported> imported = ImportResults(
        "results.csv", kSixNumber, {}, [&blinks] { return ++blinks > 0; }, settings, Ask);
    ASSERT_TRUE(Shown(imported));
    ASSERT_EQ(imported->change, ChangeOutcome::kReplaced);
    EXPECT_EQ(blinks, 3);

    // A light that asks to stop ends the import before anything is written.
    const std::string before = History();
    WriteFile("import.txt", sixtyDrawings);
    EXPECT_FALSE(Shown(ImportNew(
        "import.txt", kThreeNumber, true, [] { return false; }, false, settings)));
    EXPECT_EQ(Messages().back(), kImportCancelled);
    messages.Clear();
    WriteFile("later.csv", "12/30/2021 1 2 3 4 5 6\n");
    EXPECT_FALSE(Shown(ImportResults(
        "later.csv", kSixNumber, {}, [] { return false; }, settings, Ask)));
    EXPECT_EQ(Messages(), std::vector<std::string>{std::string(kImportCancelled)});
    EXPECT_EQ(History(), before);
}

} // namespace
} // namespace vantorel::test
