// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/CliProcess.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::RunCli;
using test::TempWorkingDir;
using test::WriteFile;

// Today's Powerball results as the lottery publishes them: power balls 25 and 26 lie beyond Mega
// Millions' 24.
constexpr const char* kPowerballResults = "date,white_balls,red_ball,power_play\n"
                                          "05/03/2025,1|2|3|4|69,25,2X\n"
                                          "05/05/2025,5|6|7|8|9,26,2X\n"
                                          "05/07/2025,10|11|12|13|14,3,2X\n";

std::string Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos ? std::string() : '"' + part + "\" not in:\n" + text;
}

class LotteryFolderCommands : public ::testing::Test {
protected:
    CliRun Cli(const std::vector<std::string>& arguments) const { return RunCli(arguments, config, data); }

    TempWorkingDir dir;
    std::string config = (dir.path() / "config").string();
    std::string data = (dir.path() / "data").string();
    fs::path userData = dir.path() / "data/Nulvex.Mark/Vantorel";
    fs::path userSettings = dir.path() / "config/Nulvex.Mark/Vantorel.conf";
};

// Two folders side by side keep their own maximums; the user's settings keep the keys they lack.
TEST_F(LotteryFolderCommands, TwoFoldersKeepTheirOwnMaximums) {
    ASSERT_EQ(Cli({"new", "pb", "--preset", "powerball"}).status, 0);
    ASSERT_EQ(Cli({"new", "mm", "--preset", "Mega Millions", "--preset", "lotto-6-59"}).status, 0);
    ASSERT_EQ(Cli({"settings", "5BC=39"}).status, 0); // the user's: no folder holds a history here
    const struct {
        const char* folder;
        const char* settings;
    } cases[] = {
        {"pb", "5BC=39\n6BC=49\nPBC=69\nPBB=26\nPBM=5\n"},
        {"mm", "5BC=39\n6BC=59\nPBC=70\nPBB=24\nPBM=5\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cli({"--dir", c.folder, "settings"}).out, c.settings) << c.folder;
    }
    const CliRun changed = Cli({"--dir", "mm", "settings", "PBB=25"});
    EXPECT_EQ(changed.status, 0);
    EXPECT_EQ(changed.err, "Settings Have Been Saved\nin the lottery folder's settings file\n" +
                               (dir.path() / "mm/vantorel.ini").string() + "\n");
    EXPECT_EQ(Cli({"--dir", "pb", "settings"}).out, cases[0].settings);
    EXPECT_EQ(Cli({"settings"}).out, "5BC=39\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n");
}

TEST_F(LotteryFolderCommands, APowerballFileImportsInItsFolderAndIsRefusedInMegaMillions) {
    ASSERT_EQ(Cli({"new", "pb", "--preset", "powerball"}).status, 0);
    ASSERT_EQ(Cli({"new", "mm", "--preset", "mega-millions"}).status, 0);
    WriteFile("powerball.csv", kPowerballResults);

    const CliRun imported = Cli({"--dir", "pb", "import", "pb", "--dated", "powerball.csv", "--results"});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(Contains(imported.err, "New drawings written: 3"), "");
    EXPECT_EQ(test::SectionDrawingWords(test::ReadFile("pb/vtrmain.dat"), 9).size(), 3U * 7U);

    const std::string before = test::ReadFile("mm/vtrmain.dat");
    const CliRun refused = Cli({"--dir", "mm", "import", "pb", "--dated", "powerball.csv", "--results"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(Contains(refused.err, "Line 2"), "");
    EXPECT_EQ(Contains(refused.err, "PBB"), "");
    EXPECT_EQ(test::ReadFile("mm/vtrmain.dat"), before);
}

TEST_F(LotteryFolderCommands, NewRefusesWhatItMustNotTouch) {
    fs::create_directories("used");
    WriteFile("used/vtrmain.dat", "0 0 \r\n");
    fs::create_directories("configured");
    WriteFile("configured/vantorel.ini", "[Settings]\nPBC=69\n");
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    } cases[] = {
        {{"new", "used", "--preset", "powerball"}, 1, "it already holds vtrmain.dat."},
        {{"new", "configured", "--preset", "powerball"}, 1, "it already holds vantorel.ini."},
        {{"new", "x", "--preset", "powerball", "--preset", "cash4life"},
         1,
         "The presets powerball and cash4life are both played as the Power Ball game."},
        {{"new", "x", "--preset", "nope"}, 1, "There is no preset named \"nope\"."},
        {{"new", "x"}, 2, "new needs at least one --preset NAME"},
        {{"new", "--preset", "powerball"}, 2, "new needs DIR"},
        {{"--dir", "y", "new", "x", "--preset", "powerball"},
         2,
         "new names its folder itself and takes no --dir"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments[1];
        EXPECT_EQ(Contains(run.err, c.message), "") << c.arguments[1];
    }
    EXPECT_FALSE(fs::exists("x"));
    EXPECT_EQ(test::ReadFile("configured/vantorel.ini"), "[Settings]\nPBC=69\n");
    EXPECT_EQ(test::ReadFile("used/vtrmain.dat"), "0 0 \r\n");
}

// Without --dir: ./vtrmain.dat, else the desktop program's last folder, else the per-user data folder.
TEST_F(LotteryFolderCommands, WhereAndTheHistoryFoundWithoutDir) {
    fs::create_directories("empty");
    fs::current_path("empty");
    const auto where = [&](const fs::path& folder, const std::string& settings) {
        return (folder / "vtrmain.dat").string() + '\n' + settings + '\n' + userSettings.string() + '\n';
    };
    EXPECT_EQ(Cli({"where"}).out, where(userData, "none"));
    const CliRun missing = Cli({"run", "6", "hottest"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(Contains(missing.err, "There is no history file " + (userData / "vtrmain.dat").string() + "."),
              "");
    EXPECT_EQ(Contains(missing.err, "vantorel-cli new DIR --preset NAME"), "");
    EXPECT_EQ(Contains(missing.err, "start the desktop program vantorel once"), "");

    // The desktop program worked in a lottery folder last.
    ASSERT_EQ(Cli({"new", "../lottery", "--preset", "lotto-6-49"}).status, 0);
    const fs::path lottery = dir.path() / "lottery";
    WriteFile(userSettings, "[Folders]\nRecent1=" + lottery.string() + "\n");
    EXPECT_EQ(Cli({"where"}).out, where(lottery, (lottery / "vantorel.ini").string()));
    WriteFile("draws.txt", "01/02/98 1 2 3 4 5 6\n");
    EXPECT_EQ(Cli({"import", "6", "--dated", "draws.txt", "--append"}).status, 0);
    EXPECT_EQ(test::SectionDrawingWords(test::ReadFile(lottery / "vtrmain.dat"), 7).size(), 7U);
    EXPECT_EQ(Cli({"run", "6", "hottest"}).status, 0);

    // A history here wins; --dir wins over all.
    WriteFile("vtrmain.dat", "0 0 \r\n");
    EXPECT_EQ(Cli({"where"}).out, where(fs::current_path(), "none"));
    EXPECT_EQ(Cli({"--dir", "../lottery", "where"}).out, where(lottery, (lottery / "vantorel.ini").string()));
    fs::current_path(dir.path());
}

// A folder's settings file that cannot be read refuses every operation on the folder, naming the file;
// the user's settings are never taken instead.
TEST_F(LotteryFolderCommands, AnUnreadableFolderSettingsFileRefusesTheOperation) {
    ASSERT_EQ(Cli({"new", "pb", "--preset", "powerball"}).status, 0);
    const fs::path file = dir.path() / "pb/vantorel.ini";
    const struct {
        const char* what;
        void (*spoil)(const fs::path&);
    } spoils[] = {
        {"UTF-16",
         [](const fs::path& f) {
             WriteFile(f, std::string("\xFF\xFE[\0S\0", 6));
         }},
        {"a folder",
         [](const fs::path& f) {
             fs::remove(f), fs::create_directory(f);
         }},
        {"a link to nowhere",
         [](const fs::path& f) {
             fs::remove_all(f), fs::create_symlink("gone.ini", f);
         }},
    };
    for (const auto& spoil : spoils) {
        spoil.spoil(file);
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"--dir", "pb", "run", "3", "hottest"},
              std::vector<std::string>{"--dir", "pb", "settings"},
              std::vector<std::string>{"--dir", "pb", "settings", "PBB=20"}}) {
            const CliRun run = Cli(command);
            EXPECT_EQ(run.status, 1) << spoil.what << ' ' << command[2];
            EXPECT_EQ(Contains(run.err, "The settings file " + file.string() + " could not be read"), "")
                << spoil.what;
            EXPECT_EQ(run.out, "") << spoil.what;
        }
    }
    EXPECT_EQ(Contains(test::ReadFile(userSettings), "PBB=42"), "");
}

} // namespace
} // namespace vantorel
