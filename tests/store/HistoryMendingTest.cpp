// SPDX-License-Identifier: GPL-3.0-or-later
// Mending a history: typed drawings and import files checked, bad drawings named by the analysis and
// removed, the last change undone, a full history that takes the next drawing.

#include "store/DataImport.h"
#include "store/HistoryAnalysis.h"
#include "store/HistoryRepair.h"
#include "store/HistoryUndo.h"
#include "store/ManualEntry.h"
#include "store/ResultsImport.h"
#include "store/SectionEdit.h"

#include "tests/store/StoreFixture.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace vantorel::test {
namespace {

constexpr std::string_view kHistory = "1 2 98/01/01 5 97/12/31 12\r\n"
                                      "4 1 3 15 22 23 24\r\n"
                                      "5 1 98/01/02 1 2 3 4 5\r\n"
                                      "9 1 98/01/07 5 12 23 34 41 17\r\n";

struct Refused {
    const char* typed;
    int gameType;
    bool dated;
    const char* firstLine; // the first line of the refusal; the accepted form follows
};

TEST_F(StoreFixture, ATypedDrawingThatIsNoDrawingIsRefusedByNameAndNothingIsWritten) {
    const Refused cases[] = {
        {"13/45/25 123", kThreeNumber, true, "The date 13/45/25 is not a day of the calendar."},
        {"02/29/25 123", kThreeNumber, true, "The date 02/29/25 is not a day of the calendar."},
        {"1/2/98 123", kThreeNumber, true, "The date 1/2/98 is not written as mm/dd/yy."},
        {"01/07/26 3 15 22 24 99", kFiveNumber, true, "The number 99 is outside 1 to 26 (setting 5BC)."},
        {"0 15 22 24 3", kFiveNumber, false, "The number 0 is outside 1 to 26 (setting 5BC)."},
        {"3 15 22 15 4", kFiveNumber, false, "The number 15 is there twice."},
        {"3 15 22 24", kFiveNumber, false, "The drawing holds 4 numbers, not 5."},
        {"01/02/98", kFiveNumber, true, "The drawing holds no numbers."},
        {"3 15 x 22 24", kFiveNumber, false, "\"x\" is not a number."},
        {"1 2 3 4 5 43", kPowerball, false, "The power ball 43 is outside 1 to 42 (setting PBB)."},
        {"12a3", kThreeNumber, false, "\"12a3\" is not one number of at most 3 digits."},
        {"1000", kThreeNumber, false, "The number 1000 is outside 0 to 999."},
        {"12 3", kFourNumber, false, "\"12 3\" is not one number of at most 4 digits."},
    };
    for (const Refused& c : cases) {
        SetHistory(kHistory);
        messages.Clear();
        EXPECT_FALSE(Shown(AppendEntry(c.typed, c.gameType, c.dated, settings))) << c.typed;
        ASSERT_EQ(Messages().size(), 1u) << c.typed;
        const std::string message = Messages().front();
        EXPECT_EQ(message.substr(0, message.find('\n')), c.firstLine) << c.typed;
        EXPECT_NE(message.find(AcceptedFormOf(c.gameType, c.dated, settings)), std::string::npos) << c.typed;
        EXPECT_EQ(History(), kHistory) << c.typed;
    }
    EXPECT_EQ(AcceptedFormOf(kFiveNumber, true, settings),
              "A 5 Number Dated drawing is typed as its date (mm/dd/yy) and its 5 numbers from 1 to 26, for "
              "example:\n01/02/98 3 9 12 15 17");
}

TEST_F(StoreFixture, ARightDrawingIsStoredWithSingleBlanksAndItsDigitsAsTyped) {
    const struct {
        const char* typed;
        int gameType;
        bool dated;
        const char* stored;
    } cases[] = {
        {"01/02/98 007", kThreeNumber, true, "98/01/02 007"},
        {"02/29/24 0123", kThreeNumber, true, "24/02/29 0123"},
        {"01/02/98 03, 15,22 ,24, 26", kFiveNumber, true, "98/01/02 3 15 22 24 26"},
        {"1 2 3 4 5 42", kPowerball, false, "1 2 3 4 5 42"},
    };
    for (const auto& c : cases) {
        const int section = SectionNumber(c.gameType, c.dated);
        SetHistory(std::to_string(section) + " 0\r\n");
        EXPECT_TRUE(Replaced(AppendEntry(c.typed, c.gameType, c.dated, settings))) << c.typed;
        EXPECT_EQ(History(), std::to_string(section) + " 1 " + c.stored + "\r\n") << c.typed;
    }
}

TEST_F(StoreFixture, AFullHistoryAsksToRemoveItsOldestDrawingForTheNextOne) {
    std::string full = "7 1039";
    for (int i = 1; i <= 1039; ++i) {
        full += " 98/01/02 " + std::to_string(i % 44 + 1) + " 45 46 47 48 49";
    }
    full += "\r\n";
    const std::string question =
        "The 6 Number Dated history is full (1039 drawings).\nRemove the oldest drawing to "
        "make room?";
    EXPECT_EQ(FullHistoryQuestion(kSixNumber, true, 1039), question);
    for (const bool yes : {false, true}) {
        SetHistory(full);
        Answering(yes ? MessageAnswer::Yes : MessageAnswer::No);
        const Outcome<ChangeOutcome> appended =
            AppendEntry("01/03/98 1 2 3 4 5 6", kSixNumber, true, settings, Ask);
        ASSERT_TRUE(Shown(appended));
        EXPECT_EQ(Messages(), std::vector<std::string>{question});
        if (!yes) {
            EXPECT_EQ(*appended, ChangeOutcome::kDeclined);
            EXPECT_EQ(History(), full);
            continue;
        }
        EXPECT_EQ(*appended, ChangeOutcome::kReplaced);
        const std::string after = History();
        EXPECT_EQ(after.substr(0, 30), "7 1039 98/01/02 3 45 46 47 48 ");
        const std::string newest = " 98/01/03 1 2 3 4 5 6\r\n";
        EXPECT_EQ(after.substr(after.size() - newest.size()), newest);
        EXPECT_EQ(after.size(), full.size() - std::string(" 98/01/02 2 45 46 47 48 49").size() +
                                    std::string(" 98/01/03 1 2 3 4 5 6").size());
    }
}

TEST_F(StoreFixture, AnImportFileWithABallOutsideTheMaximumsIsRefusedNamingItsLine) {
    const struct {
        const char* text;
        int gameType;
        bool dated;
        const char* message;
    } cases[] = {
        {"3 15 22 23 24\n1 9 31 2 40\n", kFiveNumber, false,
         "Line 2 of the import file: the number 31 is outside 1 to 26 (setting 5BC)."},
        {"01/02/98 1 2 3 4 5\n01/03/98 1 2 3 2 5\n", kFiveNumber, true,
         "Line 2 of the import file: the number 2 is there twice."},
        {"01/02/98 123\n13/02/98 4\n", kThreeNumber, true,
         "Line 2 of the import file: the date 13/02/98 is not a day of the calendar."},
    };
    for (const auto& c : cases) {
        WriteFile("import.txt", c.text);
        for (const bool append : {false, true}) {
            SetHistory(kHistory);
            messages.Clear();
            const Outcome<ChangeOutcome> imported =
                append ? ImportAppend("import.txt", c.gameType, c.dated, {}, false, settings)
                       : ImportNew("import.txt", c.gameType, c.dated, {}, false, settings);
            EXPECT_FALSE(Shown(imported)) << c.text;
            EXPECT_EQ(Messages(),
                      std::vector<std::string>{std::string(c.message) + "\n" + std::string(kNothingChanged)})
                << c.text;
            EXPECT_EQ(History(), kHistory) << c.text;
        }
    }
}

constexpr std::string_view kDamaged = "0 1  5\r\n" // a line of no bad drawing stays as it is
                                      "1 4 98/01/01 5 45/13/25 123 97/12/31 12 99/02/29 7\r\n"
                                      "5 3 98/01/02 1 2 3 4 5 98/01/03 1 2 31 4 5 98/01/04 1 2 2 4 5\r\n"
                                      "7 2 98/01/02 1 2 3 4 5 6\r\n";

TEST_F(StoreFixture, TheAnalysisNamesEveryBadDrawingAndRepairRemovesThemAlone) {
    SetHistory(kDamaged);
    const Outcome<CheckTable> table = AnalyseHistoryFile(settings);
    ASSERT_TRUE(Shown(table));
    EXPECT_EQ(ShowAnalysisReport(*table).text(),
              " 3 Number Undated game data was found and appears to be free of errors.\n"
              " 3 Number Dated game data was found and appears to have the following ERRORS:\n"
              " *** ONE OR MORE OF THE DATES HAS AN ERROR\n"
              " 5 Number Dated game data was found and appears to have the following ERRORS:\n"
              " *** ONE OR MORE OUT OF RANGE NUMBERS WERE FOUND IN THE DATA\n"
              " 6 Number Dated game data was found and appears to have the following ERRORS:\n"
              " *** THE NUMBER OF DRAWS DOES NOT AGREE WITH THE ACTUAL COUNT\n"
              "3 Number Dated, drawing 2: date 45/13/25 is not a date\n"
              "3 Number Dated, drawing 4: date 99/02/29 is not a date\n"
              "5 Number Dated, drawing 2: the number 31 is outside 1 to 26 (setting 5BC)\n"
              "5 Number Dated, drawing 3: the number 2 is there twice\n"
              "6 Number Dated: the count says 2, the line holds 1 drawing\n");

    // Repair removes the named drawings and keeps the rest as they were.
    messages.ScriptAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(Replaced(RemoveNamedDrawings(table->named, settings, Ask)));
    EXPECT_EQ(History(), "0 1  5\r\n"
                         "1 2 98/01/01 5 97/12/31 12\r\n"
                         "5 1 98/01/02 1 2 3 4 5\r\n"
                         "7 1 98/01/02 1 2 3 4 5 6\r\n");
    EXPECT_TRUE(AnalyseHistoryFile(settings)->named.empty());
    // The 6 Number count is an error of its line, no drawing: four drawings went.
    EXPECT_EQ(LastChange(), "repair removing 4 drawings");

    // Chosen from an analysis of a file that has changed since: nothing is removed.
    SetHistory(kDamaged);
    const std::vector<NamedError> stale = AnalyseHistoryFile(settings)->named;
    SetHistory("1 1 98/01/01 5\r\n");
    messages = RecordingMessageSink();
    EXPECT_FALSE(Shown(RemoveNamedDrawings(stale, settings, Ask)));
    EXPECT_EQ(Messages(), std::vector<std::string>{std::string(kHistoryChangedSinceAnalysis)});
    EXPECT_EQ(History(), "1 1 98/01/01 5\r\n");
}

TEST_F(StoreFixture, RemoveShowsTheDrawingAndTakesOnlyItAway) {
    SetHistory(kHistory);
    messages.ScriptAnswer(MessageAnswer::No);
    messages.ScriptAnswer(MessageAnswer::Yes);
    const Outcome<ChangeOutcome> declined = RemoveDrawing(1, 2, settings, Ask);
    ASSERT_TRUE(Shown(declined));
    EXPECT_EQ(*declined, ChangeOutcome::kDeclined);
    EXPECT_EQ(History(), kHistory);
    EXPECT_TRUE(Replaced(RemoveDrawing(1, 2, settings, Ask)));
    EXPECT_EQ(Messages(),
              std::vector<std::string>(2, "Remove drawing 2 of the 3 Number Dated history?\n\n97/12/31 12"));
    EXPECT_EQ(History(), "1 1 98/01/01 5\r\n" + std::string(kHistory.substr(kHistory.find("4 1"))));
    messages.Clear();
    EXPECT_FALSE(Shown(RemoveDrawing(5, 2, settings, Ask)));
    EXPECT_EQ(Messages(), std::vector<std::string>{NoSuchDrawingMessage(5, 2, 1)});
}

// The line left when drawings are taken out: a short drawing at its end stays as it was, but is not counted.
TEST(SectionEdit, ALineWithoutDrawingsCountsOnlyItsWholeDrawings) {
    EXPECT_EQ(LineWithoutDrawings("1 4 98/01/01 5 97/12/31 12 98/01/03 7 98/01/04", 2, {1}),
              "1 2 97/12/31 12 98/01/03 7 98/01/04");
    EXPECT_EQ(LineWithoutDrawings("4 2 1 2 3 4 5 6 7 8 9 10", 5, {2}), "4 1 1 2 3 4 5");
    EXPECT_EQ(LineWithoutDrawings("no section", 5, {1}), std::nullopt);
}

TEST_F(StoreFixture, EveryChangeCanBeUndoneAndAnUndoSwapsBack) {
    WriteFile("import.txt", "3 15 22 23 24\n");
    WriteFile("results.csv", "Draw Date,Numbers\n01/05/1998,1 2 3 4 5\n01/06/1998,6 7 8 9 10\n");
    const struct {
        const char* what;
        std::function<bool()> change;
        const char* named;
    } cases[] = {
        {"append", [&] { return Replaced(AppendEntry("1 2 3 4 5", kFiveNumber, false, settings)); },
         "manual entry of a drawing into 5 Number Undated"},
        {"import",
         [&] { return Replaced(ImportAppend("import.txt", kFiveNumber, false, {}, false, settings)); },
         "import of 1 drawing appended to 5 Number Undated"},
        {"new import",
         [&] { return Replaced(ImportNew("import.txt", kFiveNumber, false, {}, false, settings)); },
         "new import of 1 drawing into 5 Number Undated"},
        {"results import",
         [&] {
             const Outcome<ResultsImported> imported =
                 ImportResults("results.csv", kFiveNumber, {}, {}, settings, Ask);
             return Shown(imported) && imported->change == ChangeOutcome::kReplaced;
         },
         "results import of 2 drawings into 5 Number Dated"},
        {"remove",
         [&] { return Replaced(RemoveDrawing(1, 1, settings, [](const Question&) { return true; })); },
         "removal of drawing 1 from 3 Number Dated"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(kUndoFileName);
        SetHistory(kHistory);
        EXPECT_FALSE(LastChange());
        ASSERT_TRUE(c.change()) << c.what;
        const std::string changed = History();
        EXPECT_EQ(LastChange(), std::optional<std::string>(c.named)) << c.what;

        Answering(MessageAnswer::No);
        const Outcome<ChangeOutcome> declined = UndoLastChange(Ask);
        EXPECT_TRUE(Shown(declined) && *declined == ChangeOutcome::kDeclined) << c.what;
        EXPECT_EQ(History(), changed) << c.what;

        messages.ScriptAnswer(MessageAnswer::Yes);
        EXPECT_TRUE(Replaced(UndoLastChange(Ask))) << c.what;
        EXPECT_EQ(History(), kHistory) << c.what;
        EXPECT_EQ(Messages(), std::vector<std::string>(2, UndoQuestion(c.named))) << c.what;
        EXPECT_EQ(LastChange(), "the undoing of " + std::string(c.named)) << c.what;

        messages.ScriptAnswer(MessageAnswer::Yes);
        EXPECT_TRUE(Replaced(UndoLastChange(Ask))) << c.what;
        EXPECT_EQ(History(), changed) << c.what;
        EXPECT_EQ(LastChange(), std::optional<std::string>(c.named)) << c.what;
        EXPECT_FALSE(WorkFilesLeft()) << c.what;
    }
    // A history deleted since the change comes back with the undo.
    std::filesystem::remove(std::string(kHistoryFileName));
    messages.ScriptAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(Replaced(UndoLastChange(Ask)));
    EXPECT_EQ(History(), kHistory);

    std::filesystem::remove(kUndoFileName);
    messages = RecordingMessageSink();
    EXPECT_FALSE(Shown(UndoLastChange(Ask)));
    EXPECT_EQ(Messages(), std::vector<std::string>{std::string(kNothingToUndo)});
}

TEST_F(StoreFixture, TheUndoFileHasTheHistorysPermissions) {
    SetHistory(kHistory);
    std::filesystem::permissions(kHistoryFileName, std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_write |
                                                       std::filesystem::perms::group_read);
    ASSERT_TRUE(Replaced(AppendEntry("1 2 3 4 5", kFiveNumber, false, settings)));
    EXPECT_EQ(std::filesystem::status(kUndoFileName).permissions(),
              std::filesystem::status(kHistoryFileName).permissions());
    EXPECT_EQ(ReadFile(std::string(kUndoFileName)),
              "Vantorel undo: manual entry of a drawing into 5 Number Undated\r\n" + std::string(kHistory));
}

} // namespace
} // namespace vantorel::test
