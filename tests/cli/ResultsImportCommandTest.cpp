// SPDX-License-Identifier: GPL-3.0-or-later
// The results files that lotteries publish, imported unchanged by the real vantorel-cli: the drawings
// against the file's own lines, the counts, the update with this week's file, and the result of an
// operation on what was imported.

#include "settings/IniProfileStore.h"
#include "tests/support/CliProcess.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace vantorel::test {
namespace {

// The drawing of a dated section line at `index` (0 = oldest), its date and `numbers` numbers.
std::string DrawingAt(const std::vector<std::string>& words, std::size_t index, std::size_t numbers) {
    std::string drawing;
    const std::size_t first = index * (numbers + 1);
    for (std::size_t i = first; i <= first + numbers && i < words.size(); ++i) {
        drawing += (drawing.empty() ? "" : " ") + words[i];
    }
    return drawing;
}

class ResultsImportCommand : public ::testing::Test {
protected:
    ResultsImportCommand() {
        // The maximums of today's games, set in the store as the Setup page would save them.
        IniProfileStore store(config + "/Nulvex.Mark/Vantorel.conf");
        for (const auto& [key, value] :
             {std::pair{"5BC", "26"}, {"6BC", "59"}, {"PBC", "59"}, {"PBB", "42"}, {"PBM", "5"}}) {
            store.WriteString("Settings", key, value);
        }
        // The history of this folder, empty to begin with, is the one the command line works on.
        WriteFile("vtrmain.dat", "");
    }

    CliRun Import(const std::string& game, const std::filesystem::path& file, bool yes = false) const {
        std::vector<std::string> arguments = {"import", game, "--dated", file.string(), "--results"};
        if (yes) {
            arguments.emplace_back("--yes");
        }
        return RunCli(arguments, config);
    }

    TempWorkingDir directory;
    std::string config = (directory.path() / "config").string();
};

TEST_F(ResultsImportCommand, NewYorkLottoKeepsTheNewestDrawingsThatFitAndUpdatesWithThisWeeksFile) {
    const std::filesystem::path published = TestDataPath("shared/official/ny-lotto-6-59.csv");
    const CliRun first = Import("6", published);
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.err,
              "Results Import Successful\n\nNew drawings written: 1039\nAlready in the history: 0\n"
              "Older drawings left out (no room): 1474\n");
    std::vector<std::string> words = SectionDrawingWords(ReadFile("vtrmain.dat"), 7);
    ASSERT_EQ(words.size(), 1039u * 7u);
    // The file is not in date order; its lines 573, 2 and 2514 are "10/28/2015,01 16 18 25 28 55,31,",
    // "09/26/2020,14 19 20 23 55 57,22," and "10/11/2025,03 10 28 32 37 53,19,".
    EXPECT_EQ(DrawingAt(words, 0, 6), "15/10/28 1 16 18 25 28 55");
    EXPECT_EQ(DrawingAt(words, 1038, 6), "25/10/11 3 10 28 32 37 53");
    EXPECT_NE(ReadFile("vtrmain.dat").find(" 20/09/26 14 19 20 23 55 57 "), std::string::npos);

    // This week's file, newest first as the portal writes it: two new drawings on top.
    const std::string before = ReadFile("vtrmain.dat");
    std::string thisWeek = ReadFile(published);
    thisWeek.insert(thisWeek.find('\n') + 1,
                    "10/18/2025,01 02 03 04 05 59,7,\n10/15/2025,11 12 13 14 15 16,8,\n");
    WriteFile("this-week.csv", thisWeek);
    const std::string question =
        "This history can hold at most 1039 drawings.\nTo make room for the newer "
        "drawings of the file,\nits 2 oldest drawings would be removed.\n\nRemove them?\n";
    const CliRun cautious = Import("6", "this-week.csv");
    EXPECT_EQ(cautious.status, 1);
    EXPECT_EQ(cautious.err, question + "\nNothing was changed. Run again with --yes to remove them.\n");
    EXPECT_EQ(ReadFile("vtrmain.dat"), before);

    const CliRun update = Import("6", "this-week.csv", true);
    EXPECT_EQ(update.status, 0);
    EXPECT_EQ(update.err, question +
                              "\nResults Import Successful\n\nNew drawings written: 2\nAlready in the "
                              "history: 1037\nOlder drawings left out (no room): 1476\nOldest drawings "
                              "removed from the history: 2\n");
    words = SectionDrawingWords(ReadFile("vtrmain.dat"), 7);
    ASSERT_EQ(words.size(), 1039u * 7u);
    EXPECT_EQ(DrawingAt(words, 0, 6), "15/11/04 12 14 21 45 50 55");
    EXPECT_EQ(DrawingAt(words, 1037, 6), "25/10/15 11 12 13 14 15 16");
    EXPECT_EQ(DrawingAt(words, 1038, 6), "25/10/18 1 2 3 4 5 59");
}

} // namespace
} // namespace vantorel::test
