#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/CliProcess.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::RunCli;
using test::TempWorkingDir;

constexpr const char* kFirstRunDefaults = "5BC=26\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n";

TEST(SettingsCommand, ValidatesLikeTheSetupPageAndWritesNothingOnRefusal) {
    const struct {
        std::vector<std::string> assignments;
        int status;
        const char* message;
        const char* after;
    } cases[] = {
        {{"5BC=36"}, 0, "Settings Have Been Saved", "5BC=36\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n"},
        {{"6bc=19", "Pbb=61", "pbm=4"},
         0,
         "Settings Have Been Saved",
         "5BC=26\n6BC=19\nPBC=49\nPBB=61\nPBM=4\n"},
        {{"PBM=6"},
         1,
         "Invalid Selection for Powerball Max.\nPlease select 4 balls or 5 balls.\n\n[Settings at the bottom "
         "of "
         "the list]",
         kFirstRunDefaults},
        {{"5BC=40", "PBC=18"}, 1, "PBC must be a whole number from 19 to 61.", kFirstRunDefaults},
        {{"PBC=62"}, 1, "PBC must be a whole number from 19 to 61.", kFirstRunDefaults},
        {{"PBC=abc"}, 1, "PBC must be a whole number from 19 to 61.", kFirstRunDefaults},
        {{"XYZ=30"}, 2, nullptr, kFirstRunDefaults},
        {{"5BC"}, 2, nullptr, kFirstRunDefaults},
    };
    for (const auto& c : cases) {
        MemoryProfileStore profile;
        {
            RecordingMessageSink quiet;
            const ScopedMessageSink installed(quiet);
            RunFirstTimeSetup(profile);
        }
        const test::CliRunner cli(profile);
        std::vector<std::string> arguments = c.assignments;
        arguments.insert(arguments.begin(), "settings");
        const test::CliOutcome outcome = cli.Run(arguments);
        EXPECT_EQ(outcome.status, c.status) << c.assignments.front();
        EXPECT_EQ(outcome.messages(),
                  c.message != nullptr ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.assignments.front();
        EXPECT_EQ(cli.Run("settings").out, c.after) << c.assignments.front();
    }
}

TEST(VantorelCli, FirstRunThenSettingsInTheUsersStore) {
    TempWorkingDir dir;
    const std::string config = (dir.path() / "config").string();

    const test::CliRun first = RunCli({"settings"}, config);
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.out, kFirstRunDefaults);
    EXPECT_NE(first.err.find("VanTorel comes preconfigured for the\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "config/Nulvex.Mark/Vantorel.conf"));

    const test::CliRun save = RunCli({"settings", "5BC=30"}, config);
    EXPECT_EQ(save.status, 0);
    EXPECT_EQ(save.err, "Settings Have Been Saved\n");

    const test::CliRun second = RunCli({"settings"}, config);
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.err, "");
    EXPECT_EQ(second.out, "5BC=30\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n");
}

TEST(VantorelCli, UsageErrorsExitWithTwoAndPrintTheUsage) {
    TempWorkingDir dir;
    const std::string config = (dir.path() / "config").string();
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{},
                                                      {"frobnicate"},
                                                      {"run", "3", "totals", "--colour", "red"},
                                                      {"settings", "NOPE=1"}}) {
        const test::CliRun run = RunCli(arguments, config);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage:\n  vantorel-cli run GAME OPERATION"), std::string::npos);
    }
}

} // namespace
} // namespace vantorel
