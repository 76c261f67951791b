// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/FolderProfileStore.h"
#include "platform/GameSettings.h"
#include "settings/LotteryFolder.h"
#include "tests/support/FaultInjectingFileSystem.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempWorkingDir;
using test::WriteFile;

// Reads and writes through a folder's settings laid over the user's: which file each key comes from and
// goes to.
TEST(FolderProfileStore, FolderKeysWinAndWritesGoWhereTheFolderKeepsThem) {
    TempWorkingDir dir;
    const struct {
        const char* folderFile; // nullptr: none
        const char* expectedSettings;
        const char* userAfter;
        const char* folderAfter;
    } cases[] = {
        {nullptr, "26 49 49 42 5", "[Settings]\n5BC=26\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n\n[Window]\nLeft=1\n",
         nullptr},
        {"[Settings]\nPBC=69\nPBB=26\n", "26 49 69 26 5",
         "[Settings]\n5BC=26\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n\n[Window]\nLeft=1\n",
         "[Settings]\nPBC=69\nPBB=26\nPBM=4\n"},
        // An entry without a value is the folder's too: it is not set there.
        {"[Settings]\n5BC=\n", " 49 49 42 5", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        WriteFile("user.conf", "[Settings]\n5BC=26\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n");
        fs::remove("vantorel.ini");
        if (c.folderFile != nullptr) {
            WriteFile("vantorel.ini", c.folderFile);
        }
        IniProfileStore user(dir.path() / "user.conf");
        FolderProfileStore store(user);
        const GameSettingTexts texts = ReadGameSettingTexts(store);
        EXPECT_EQ(texts[0] + ' ' + texts[1] + ' ' + texts[2] + ' ' + texts[3] + ' ' + texts[4],
                  c.expectedSettings);
        EXPECT_EQ(store.GameSettingsFile(),
                  c.folderFile != nullptr ? (dir.path() / "vantorel.ini").string() : "");
        if (c.userAfter == nullptr) {
            continue;
        }
        GameSettingChanges changes;
        changes[4] = c.folderFile != nullptr ? 4 : 5;
        ASSERT_TRUE(WriteGameSettings(store, changes)) << store.Problem();
        ASSERT_TRUE(store.WriteString("Window", "Left", "1")) << store.Problem();
        EXPECT_EQ(ReadFile("user.conf"), c.userAfter);
        if (c.folderAfter != nullptr) {
            EXPECT_EQ(ReadFile("vantorel.ini"), c.folderAfter);
        }
    }
}

// The first run fills the user's settings only: a folder's file keeps just the keys it was given.
TEST(FolderProfileStore, TheFirstRunWritesTheUsersSettingsOnly) {
    TempWorkingDir dir;
    WriteFile("vantorel.ini", "[Settings]\nPBC=70\n");
    IniProfileStore user(dir.path() / "user.conf");
    FolderProfileStore store(user);
    ASSERT_TRUE(store.IsEmpty());
    EXPECT_TRUE(RunFirstTimeSetup(store).value());
    EXPECT_EQ(ReadFile("vantorel.ini"), "[Settings]\nPBC=70\n");
    EXPECT_EQ(user.GetString(kSettingsSection, "PBC"), "49");
    EXPECT_EQ(store.GetString(kSettingsSection, "PBC"), "70");
}

TEST(FolderProfileStore, AFolderFileThatCannotBeReadIsNeverPassedOver) {
    TempWorkingDir dir;
    WriteFile("user.conf", "[Settings]\nPBC=49\n");
    const fs::path folderFile = dir.path() / "vantorel.ini";
    IniProfileStore user(dir.path() / "user.conf");
    FolderProfileStore store(user);
    for (const bool link : {false, true}) {
        fs::remove(folderFile);
        if (link) {
            fs::create_symlink("elsewhere.ini", folderFile);
        } else {
            fs::create_directory(folderFile);
        }
        EXPECT_EQ(store.GetString(kSettingsSection, "PBC"), "");
        EXPECT_NE(store.Problem().find("The settings file " + folderFile.string() + " could not be read"),
                  std::string::npos)
            << store.Problem();
        EXPECT_EQ(store.FolderFileProblem(), store.Problem());
        EXPECT_FALSE(store.WriteString(kSettingsSection, "PBC", "69"));
        EXPECT_TRUE(ReadGameSettings(store, {GameSettingKey::PowerballGroup1Max}).refused());
        EXPECT_EQ(ReadFile("user.conf"), "[Settings]\nPBC=49\n");
        fs::remove_all(folderFile);
    }
}

// A failure at any step of making a lottery folder leaves neither a settings file nor a history there, so
// that the folder can be made again.
TEST(MakeLotteryFolder, AFailureAtAnyStepLeavesNoFileOfItsOwn) {
    TempWorkingDir dir;
    const std::vector<const GamePreset*> presets{FindGamePreset("powerball"), FindGamePreset("lotto-6-59")};
    int failures = 0;
    for (const FileOperation operation :
         {FileOperation::kCreate, FileOperation::kWrite, FileOperation::kFlush, FileOperation::kClose,
          FileOperation::kRename, FileOperation::kLock}) {
        for (int occurrence = 0; occurrence < 3; ++occurrence) {
            fs::remove_all("lottery");
            FaultInjectingFileSystem files(RealFileSystem());
            files.FailOperation(operation, occurrence, FileFault::kNoSpace);
            const Outcome<LotteryFolderMade> made =
                MakeLotteryFolder("lottery", presets, FillWords::kCommandLine, files);
            const bool madeBoth = fs::exists("lottery/vantorel.ini") && fs::exists("lottery/vtrmain.dat");
            EXPECT_EQ(made.refused(), !madeBoth) << static_cast<int>(operation) << ' ' << occurrence;
            if (made.refused()) {
                ++failures;
                EXPECT_FALSE(fs::exists("lottery/vantorel.ini")) << static_cast<int>(operation);
                EXPECT_FALSE(fs::exists("lottery/vtrmain.dat")) << static_cast<int>(operation);
                EXPECT_NE(made.refusal().text.find("The lottery folder " + (dir.path() / "lottery").string() +
                                                   " was not made:"),
                          std::string::npos);
            }
        }
    }
    EXPECT_GE(failures, 6);
    fs::remove_all("lottery");
    const Outcome<LotteryFolderMade> made = MakeLotteryFolder("lottery", presets);
    ASSERT_FALSE(made.refused());
    EXPECT_EQ(ReadFile("lottery/vtrmain.dat"), EmptyHistoryText());
    EXPECT_EQ(
        ReadFile("lottery/vantorel.ini"),
        "[Settings]\nPBC=69\nPBB=26\nPBM=5\n6BC=59\n\n[Presets]\nPowerBall=powerball\n6Number=lotto-6-59\n");
}

TEST(RecentFolders, NewestFirstOnceEachAndFiveAtMost) {
    MemoryProfileStore user;
    for (const char* folder : {"/a", "/b", "/c", "/b", "/d", "/e", "/f", "/g"}) {
        ASSERT_TRUE(RememberRecentFolder(user, folder));
    }
    EXPECT_EQ(ReadRecentFolders(user), (std::vector<fs::path>{"/g", "/f", "/e", "/d", "/b"}));
}

TEST(ChooseHistoryFolder, NamedThenHereThenTheLastFolderThenTheUsersDataFolder) {
    TempWorkingDir dir;
    fs::create_directories("here");
    fs::create_directories("last");
    const fs::path here = dir.path() / "here";
    const fs::path last = dir.path() / "last";
    const fs::path data = dir.path() / "data";
    const struct {
        bool historyHere;
        const char* recent; // nullptr: none
        std::optional<fs::path> named;
        fs::path expected;
        FolderSource source;
    } cases[] = {
        {false, nullptr, std::nullopt, data, FolderSource::kUserData},
        {false, "last", std::nullopt, last, FolderSource::kLast},
        {false, "gone", std::nullopt, data, FolderSource::kUserData},
        {true, "last", std::nullopt, here, FolderSource::kCurrent},
        {true, "last", fs::path("../last"), last, FolderSource::kNamed},
    };
    for (const auto& c : cases) {
        fs::remove(here / "vtrmain.dat");
        if (c.historyHere) {
            WriteFile(here / "vtrmain.dat", "");
        }
        MemoryProfileStore user;
        if (c.recent != nullptr) {
            ASSERT_TRUE(RememberRecentFolder(user, dir.path() / c.recent));
        }
        const HistoryFolderChoice choice = ChooseHistoryFolder(c.named, here, user, data);
        EXPECT_EQ(choice.folder, c.expected);
        EXPECT_EQ(choice.source, c.source);
    }
}

} // namespace
} // namespace vantorel
