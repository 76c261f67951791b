// SPDX-License-Identifier: GPL-3.0-or-later
// The results import into the dated history: what the history file holds afterwards and the messages, for
// a new history, an update, drawings older than the newest held and the refusals. A full history is
// checked through vantorel-cli on a published file.

#include "store/ResultsImport.h"
#include "tests/support/RecordingMessageSink.h"

#include "platform/GamePresets.h"
#include "store/HistoryRewrite.h"
#include "store/KeptValidators.h"
#include "store/ResultsFile.h"

#include "tests/store/StoreFixture.h"

#include <map>
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
    // How the import ended, after showing its messages; nothing when it was refused.
    std::optional<ChangeOutcome> Import(const std::filesystem::path& file = "results.csv",
                                        int game = kFiveNumber) {
        const Outcome<ResultsImported> imported = ImportResults(file, game, {}, {}, settings, Ask);
        return Shown(imported) ? std::optional(imported->change) : std::nullopt;
    }
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
        {"a refused file creates no history",
         {},
         "09/26/2020 1 2 3 4 27\n",
         {},
         {Refusal("Line 1: the number 27 is outside 1 to 26 (setting 5BC).")}},
    };
    for (const ImportCase& c : cases) {
        std::filesystem::remove(kHistoryFileName);
        if (c.history) {
            SetHistory(*c.history);
        }
        WriteFile("results.csv", c.results);
        messages.Clear();
        const std::optional<ChangeOutcome> expected = c.after ? std::optional(ChangeOutcome::kReplaced)
                                                      : c.messages.front().starts_with("No new")
                                                          ? std::optional(ChangeOutcome::kUnchanged)
                                                          : std::nullopt;
        EXPECT_EQ(Import(), expected) << c.what;
        EXPECT_EQ(std::filesystem::exists(kHistoryFileName), c.history || c.after) << c.what;
        if (c.history || c.after) {
            EXPECT_EQ(History(), c.after ? *c.after : *c.history) << c.what;
        }
        EXPECT_EQ(Messages(), c.messages) << c.what;
        EXPECT_FALSE(WorkFilesLeft()) << c.what;
    }
    std::filesystem::remove("results.csv");
    messages.Clear();
    EXPECT_EQ(Import(), std::nullopt);
    EXPECT_EQ(Messages(), Lines{"Unable to open results.csv"});
}

// The drawings of a dated section by date: the numbers after the date, as the line writes them.
std::map<std::string, std::string> DrawingsByDate(const std::string& history, int section, int numbers) {
    const std::vector<std::string> words = SectionDrawingWords(history, section);
    std::map<std::string, std::string> drawings;
    const auto perDrawing = static_cast<std::size_t>(numbers) + 1;
    for (std::size_t first = 0; first + perDrawing <= words.size(); first += perDrawing) {
        std::string text;
        for (std::size_t i = first + 1; i < first + perDrawing; ++i) {
            text += (text.empty() ? "" : " ") + words[i];
        }
        drawings[words[first]] = text;
    }
    return drawings;
}

// Every count of the closing message, worked out from the history before and after and the file's own
// drawings: a drawing of the file is written, held before and after, or not in the history afterwards.
ResultsImportCounts CountsOfFiles(const std::string& before, const std::string& after,
                                  const ResultsReading& file, int section, int numbers) {
    const auto held = DrawingsByDate(before, section, numbers);
    const auto kept = DrawingsByDate(after, section, numbers);
    ResultsImportCounts counts;
    counts.repeatedLines = file.repeatedLines;
    counts.passedOverLines = file.passedOverLines;
    counts.firstPassedOver = file.firstPassedOverLine;
    for (const ResultsDrawing& drawing : file.drawings) {
        const std::string text = SectionTextOf(drawing, numbers);
        const std::string date = text.substr(0, 8);
        const bool wasHeld = held.count(date) != 0;
        const bool isHeld = kept.count(date) != 0;
        counts.added += !wasHeld && isHeld && kept.at(date) == text.substr(9) ? 1 : 0;
        counts.alreadyHeld += wasHeld && isHeld ? 1 : 0;
        counts.heldDiffering += wasHeld && isHeld && kept.at(date) != text.substr(9) ? 1 : 0;
        counts.leftOut += isHeld ? 0 : 1;
    }
    for (const auto& [date, text] : held) {
        counts.removed += kept.count(date) == 0 ? 1 : 0;
    }
    return counts;
}

TEST_F(ResultsImportTest, TheClosingMessageSaysWhatHappenedToEveryDrawingOfTheFile) {
    settings.sixNumberMax = 59;
    const std::filesystem::path published = TestDataPath("shared/official/ny-lotto-6-59.csv");
    std::string thisWeek = ReadFile(published);
    thisWeek.insert(thisWeek.find('\n') + 1,
                    "10/18/2025,01 02 03 04 05 59,7,\n10/15/2025,11 12 13 14 15 16,8,\n");
    WriteFile("this-week.csv", thisWeek);
    WriteFile("small.csv",
              "Draw Date,Winning Numbers\n09/26/2020,14 19 20 23 55 57,22\n09/26/2020,14 19 20 23 55 "
              "57,22\n10/03/2020,1 2 3 4 5 6\n10/3/202,1 2 3 4 5 6\n");
    const std::string sample = ReadFile(TestDataPath("shared/sample-vtrmain.dat"));
    const std::string small =
        "7 3 20/09/26 1 2 3 4 5 6 20/09/30 8 13 25 38 41 48 25/10/11 3 10 28 32 37 53\r\n";
    const struct {
        const char* what;
        std::optional<std::string> history; // nothing: the history the case before left
        std::filesystem::path file;
    } cases[] = {
        {"the sample's 1000 drawings of 6 of 49 give way to the newest of the file", sample, published},
        {"the same file again", {}, published},
        {"this week's file on the full history", {}, "this-week.csv"},
        {"a few dates held, one with other numbers", small, published},
        {"repeated, passed over and held lines", small, "small.csv"},
    };
    for (const auto& c : cases) {
        if (c.history) {
            SetHistory(*c.history);
        }
        const std::string before = History();
        Answering(MessageAnswer::Yes);
        const std::optional<ChangeOutcome> result = Import(c.file, kSixNumber);
        const ResultsReading file = ReadResultsText(ReadFile(c.file), kSixNumber, settings);
        const ResultsImportCounts counts = CountsOfFiles(before, History(), file, 7, 6);
        EXPECT_EQ(result, counts.added > 0 ? ChangeOutcome::kReplaced : ChangeOutcome::kUnchanged) << c.what;
        ASSERT_FALSE(Messages().empty()) << c.what;
        EXPECT_EQ(Messages().back(), ResultsImportSummary(counts)) << c.what;
    }
    // The sample's import of the README: every drawing of 6 of 49 removed, none kept as it was.
    SetHistory(sample);
    Answering(MessageAnswer::Yes);
    Import(published, kSixNumber);
    EXPECT_EQ(Messages().back(),
              "Results Import Successful\n\nNew drawings written: 1039\nAlready in the history: "
              "0\nOlder drawings left out (no room): 1474\nOldest drawings removed from the "
              "history: 1000");
}

// With the era of the game's rules, the file's drawings before it are counted apart from those left out
// for want of room; the import gives the mark of the section as it wrote it.
TEST_F(ResultsImportTest, DrawingsOfAnEarlierGameAreLeftOutAndCounted) {
    settings.sixNumberMax = 59;
    const std::string published = ReadFile(TestDataPath("shared/official/ny-lotto-6-59.csv"));
    const int era = DateKeyOf(2019, 1, 1);
    const Outcome<ResultsImported> imported =
        ImportResultsText(published, kSixNumber, {{}, era}, {}, settings, Ask);
    ASSERT_TRUE(Shown(imported));
    EXPECT_EQ(imported->change, ChangeOutcome::kReplaced);
    EXPECT_EQ(imported->sectionMark, HistorySectionMark(History(), 7));
    const std::size_t fromEra = SectionDrawingWords(History(), 7).size() / 7;
    EXPECT_EQ(ReadResultsText(published, kSixNumber, settings, {}, era).drawings.size(), fromEra);
    ResultsImportCounts counts;
    counts.added = static_cast<int>(fromEra);
    counts.beforeEra = 2513 - counts.added;
    counts.eraStart = era;
    EXPECT_EQ(Messages().back(), ResultsImportSummary(counts));
    EXPECT_NE(Messages().back().find("\nDrawings before 01/01/2019 left out (an earlier game): "),
              std::string::npos);

    counts = {};
    counts.alreadyHeld = 3;
    counts.leftOut = 1;
    counts.beforeStorableYears = 13581;
    counts.passedOverLines = 2;
    counts.firstPassedOver = 5;
    EXPECT_EQ(
        ResultsImportSummary(counts),
        "No new drawings: VTRMAIN.DAT was not changed.\n\nNew drawings written: 0\nAlready in the history: "
        "3\nOlder drawings left out (no room): 1\nDrawings before 1984 left out (years a history cannot "
        "hold): 13581\nLines passed over: 2 (the first: line 5)");
}

} // namespace
} // namespace vantorel::test
