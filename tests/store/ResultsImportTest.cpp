// The results import into the dated history: what the history file holds afterwards and the messages, for
// a new history, an update, drawings older than the newest held and the refusals. A full history is
// checked through vantorel-cli on a published file.

#include "store/ResultsImport.h"

#include "store/HistoryRewrite.h"

#include "tests/store/StoreFixture.h"

#include <optional>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

std::string Summary(int added, int alreadyHeld, int heldDiffering = 0) {
    ResultsImportCounts counts;
    counts.added = added;
    counts.alreadyHeld = alreadyHeld;
    counts.heldDiffering = heldDiffering;
    return ResultsImportSummary(counts);
}

std::string Refusal(std::string_view problem) {
    return std::string(problem) + "\n" + std::string(kNothingChanged);
}

struct ImportCase {
    const char* what;
    std::optional<std::string> history; // vtrmain.dat before; nothing: no history file
    std::string results;                // results.csv
    std::optional<std::string> after;   // vtrmain.dat after; nothing: as before
    Lines messages;
};

class ResultsImportTest : public StoreFixture {
protected:
    int Import() { return ImportResults("results.csv", kFiveNumber, {}, {}, settings); }
};

TEST_F(ResultsImportTest, WritesOnlyTheDrawingsTheHistoryLacksInDateOrder) {
    const std::string sep26 = "20/09/26 1 2 3 4 5";
    const std::string sep30 = "20/09/30 6 7 8 9 10";
    const std::string oct03 = "20/10/03 11 12 13 14 15";
    const std::vector<ImportCase> cases = {
        {"a missing history is created, oldest first",
         {},
         "Draw Date,Winning Numbers\n09/30/2020,06 07 08 09 10\n09/26/2020,01 02 03 04 05\n",
         "5 2 " + sep26 + " " + sep30 + "\r\n",
         {"Results Import Successful\n\nNew drawings written: 2\nAlready in the history: 0"}},
        {"an update adds the newer drawings, the other lines stay",
         "1 1 98/01/01 5\r\n5 2 " + sep26 + " " + sep30 + "\n9 0\r\n",
         "10/03/2020 11 12 13 14 15\n09/30/2020 6 7 8 9 10\n09/26/2020 1 2 3 4 5\n",
         "1 1 98/01/01 5\r\n5 3 " + sep26 + " " + sep30 + " " + oct03 + "\r\n9 0\r\n",
         {Summary(1, 2)}},
        {"a drawing older than the newest held goes in its place; held drawings keep their text",
         "5 2 20/09/26 01 2 3 4 5 " + oct03 + "\r\n",
         "09/30/2020 6 7 8 9 10\n",
         "5 3 20/09/26 01 2 3 4 5 " + sep30 + " " + oct03 + "\r\n",
         {Summary(1, 0)}},
        {"the century window orders 1999 before 2000",
         "5 1 99/12/31 1 2 3 4 5\r\n",
         "2000-01-01 1 2 3 4 5\n1999-12-30 1 2 3 4 5\n",
         "5 3 99/12/30 1 2 3 4 5 99/12/31 1 2 3 4 5 00/01/01 1 2 3 4 5\r\n",
         {Summary(2, 0)}},
        {"a new section goes between its neighbours",
         "4 0\r\n6 0\r\n",
         "09/26/2020 1 2 3 4 5\n",
         "4 0\r\n5 1 " + sep26 + "\r\n6 0\r\n",
         {Summary(1, 0)}},
        {"only the first line of the section, the one in use, is replaced",
         "5 1 " + sep26 + "\r\n5 0\r\n",
         "09/30/2020 6 7 8 9 10\n",
         "5 2 " + sep26 + " " + sep30 + "\r\n5 0\r\n",
         {Summary(1, 0)}},
        {"nothing new leaves the file as it was",
         "5 2 " + sep26 + "  " + sep30 + "\n",
         "09/30/2020 6 7 8 9 10\n09/26/2020 1 2 3 4 5\n",
         {},
         {"No new drawings: VTRMAIN.DAT was not changed.\n\nNew drawings written: 0\nAlready in the history: "
          "2"}},
        {"a date held with other numbers keeps the history's drawing",
         "5 1 " + sep26 + "\r\n",
         "09/26/2020 1 2 3 4 6\n09/30/2020 6 7 8 9 10\n",
         "5 2 " + sep26 + " " + sep30 + "\r\n",
         {Summary(1, 1, 1)}},
        {"a section that does not hold its count is not touched",
         "5 3 " + sep26 + "\r\n",
         "09/30/2020 6 7 8 9 10\n",
         {},
         {Refusal(kHeldSectionDamaged)}},
        {"one bad line refuses the whole file",
         "5 0\r\n",
         "09/26/2020 1 2 3 4 5\n09/30/2020 6 7 8 9 27\n",
         {},
         {Refusal("Line 2: the number 27 is outside 1 to 26 (setting 5BC).")}},
    };
    for (const ImportCase& c : cases) {
        std::filesystem::remove(kHistoryFileName);
        if (c.history) {
            SetHistory(*c.history);
        }
        WriteFile("results.csv", c.results);
        messages.Clear();
        const int expected = c.after ? 1 : c.messages.front().starts_with("No new") ? kNothingNewToImport : 0;
        EXPECT_EQ(Import(), expected) << c.what;
        if (c.history || c.after) {
            EXPECT_EQ(History(), c.after ? *c.after : *c.history) << c.what;
        }
        EXPECT_EQ(Messages(), c.messages) << c.what;
        EXPECT_FALSE(WorkFilesLeft()) << c.what;
    }
    std::filesystem::remove("results.csv");
    messages.Clear();
    EXPECT_EQ(Import(), 0);
    EXPECT_EQ(Messages(), Lines{"Unable to open results.csv"});
}

} // namespace
} // namespace vantorel::test
