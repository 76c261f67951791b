// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliContext.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/CliProcess.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::RunCli;
using test::TempWorkingDir;

constexpr const char* kFirstRunDefaults = "5BC=26\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n";
constexpr const char* kSaved = "Settings Have Been Saved";

void RunFirstTimeQuietly(ProfileStore& profile) {
    static_cast<void>(RunFirstTimeSetup(profile));
}

// One settings command on the first-run defaults: its exit status, its message (nullptr: none) and the
// settings afterwards.
struct SettingsCase {
    std::vector<std::string> arguments; // after "settings"
    int status;
    const char* message;
    const char* after;
};

void CheckSettingsCommands(const std::vector<SettingsCase>& cases) {
    for (const SettingsCase& c : cases) {
        MemoryProfileStore profile;
        RunFirstTimeQuietly(profile);
        const test::CliRunner cli(profile);
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.begin(), "settings");
        const test::CliOutcome outcome = cli.Run(arguments);
        std::string what;
        for (const std::string& argument : c.arguments) {
            what += argument + ' ';
        }
        EXPECT_EQ(outcome.status, c.status) << what;
        EXPECT_EQ(outcome.messages(),
                  c.message != nullptr ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << what;
        EXPECT_EQ(cli.Run("settings").out, c.after) << what;
    }
}

TEST(SettingsCommand, ValidatesLikeTheSetupPageAndWritesNothingOnRefusal) {
    const char* const pbcRange = "PBC must be a whole number from 19 to 99.";
    CheckSettingsCommands({
        {{"5BC=36"}, 0, kSaved, "5BC=36\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n"},
        {{"6bc=19", "Pbb=61", "pbm=4"}, 0, kSaved, "5BC=26\n6BC=19\nPBC=49\nPBB=61\nPBM=4\n"},
        {{"PBM=6"},
         1,
         "Invalid Selection for Powerball Max.\nPlease select 4 balls or 5 balls.\n\n[Settings at the bottom "
         "of the list]",
         kFirstRunDefaults},
        {{"PBC=99", "PBB=1"}, 0, kSaved, "5BC=26\n6BC=49\nPBC=99\nPBB=1\nPBM=5\n"},
        {{"5BC=40", "PBC=18"}, 1, pbcRange, kFirstRunDefaults},
        {{"PBC=100"}, 1, pbcRange, kFirstRunDefaults},
        {{"PBC=abc"}, 1, pbcRange, kFirstRunDefaults},
        {{"PBB=0"}, 1, "PBB must be a whole number from 1 to 99.", kFirstRunDefaults},
        {{"5BC=62"}, 1, "5BC must be a whole number from 19 to 61.", kFirstRunDefaults},
        {{"XYZ=30"}, 2, nullptr, kFirstRunDefaults},
        {{"5BC"}, 2, nullptr, kFirstRunDefaults},
    });
}

// A preset sets the keys of its game and no other; names are matched loosely; the list shows every preset.
TEST(SettingsCommand, PresetsSetTheirGamesMaximumsInOneStep) {
    const auto unknown = [](const std::string& name) {
        return "There is no preset named \"" + name +
               "\".\nThe presets are: powerball, mega-millions, lotto-america, cash4life, lotto-6-59, "
               "lotto-6-49, lotto-5-39, ny-numbers-eve, ny-numbers-mid, ny-win4-eve, ny-win4-mid.\n"
               "vantorel-cli settings --presets lists them with their games.";
    };
    const std::string keno = unknown("keno");
    const std::string empty = unknown(""); // an empty name matches no preset
    CheckSettingsCommands({
        {{"--preset", "powerball"}, 0, kSaved, "5BC=26\n6BC=49\nPBC=69\nPBB=26\nPBM=5\n"},
        {{"--preset=Mega-Millions"}, 0, kSaved, "5BC=26\n6BC=49\nPBC=70\nPBB=24\nPBM=5\n"},
        {{"--preset", "Lotto America"}, 0, kSaved, "5BC=26\n6BC=49\nPBC=52\nPBB=10\nPBM=5\n"},
        {{"--preset", "CASH4LIFE"}, 0, kSaved, "5BC=26\n6BC=49\nPBC=60\nPBB=4\nPBM=5\n"},
        {{"--preset", "lotto_6_59"}, 0, kSaved, "5BC=26\n6BC=59\nPBC=49\nPBB=42\nPBM=5\n"},
        {{"--preset", "lotto 6/49"}, 0, kSaved, kFirstRunDefaults},
        {{"--preset", "lotto-5-39"}, 0, kSaved, "5BC=39\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n"},
        {{"--preset", "keno"}, 1, keno.c_str(), kFirstRunDefaults},
        {{"--preset", ""}, 1, empty.c_str(), kFirstRunDefaults},
        {{"--preset", "powerball", "5BC=30"}, 2, nullptr, kFirstRunDefaults},
        {{"--preset", "powerball", "--preset", "cash4life"}, 2, nullptr, kFirstRunDefaults},
        {{"--presets", "--preset", "powerball"}, 2, nullptr, kFirstRunDefaults},
        {{"--preset"}, 2, nullptr, kFirstRunDefaults},
    });
    MemoryProfileStore profile;
    EXPECT_EQ(test::CliRunner(profile).Run("settings --presets").out,
              "powerball      Powerball      5 of 69 + 1 of 26  Power Ball game  PBC=69 PBB=26 PBM=5\n"
              "mega-millions  Mega Millions  5 of 70 + 1 of 24  Power Ball game  PBC=70 PBB=24 PBM=5\n"
              "lotto-america  Lotto America  5 of 52 + 1 of 10  Power Ball game  PBC=52 PBB=10 PBM=5\n"
              "cash4life      Cash4Life      5 of 60 + 1 of 4   Power Ball game  PBC=60 PBB=4 PBM=5\n"
              "lotto-6-59     6 of 59 lotto  6 of 59            6 Number game    6BC=59\n"
              "lotto-6-49     6 of 49 lotto  6 of 49            6 Number game    6BC=49\n"
              "lotto-5-39     5 of 39 game   5 of 39            5 Number game    5BC=39\n"
              "ny-numbers-eve NY Numbers     3 digits, evening  3 Number game    (no settings)\n"
              "ny-numbers-mid NY Numbers     3 digits, midday   3 Number game    (no settings)\n"
              "ny-win4-eve    NY Win 4       4 digits, evening  4 Number game    (no settings)\n"
              "ny-win4-mid    NY Win 4       4 digits, midday   4 Number game    (no settings)\n");
    // The list marks the presets in force (which are in force: the platform's test).
    const test::CliRunner cli(profile);
    ASSERT_EQ(cli.Run("settings --preset cash4life").status, 0);
    ASSERT_EQ(cli.Run("settings --preset ny-win4-mid").status, 0);
    const auto inForce = [&cli] {
        std::vector<std::string> names;
        for (const std::string& line : cli.Run("settings --presets").lines()) {
            if (line.size() > 12 && line.substr(line.size() - 12) == "  (in force)") {
                names.push_back(line.substr(0, line.find(' ')));
            }
        }
        return names;
    };
    EXPECT_EQ(inForce(), (std::vector<std::string>{"cash4life", "ny-win4-mid"}));
}

// A settings file that cannot be read is said, not listed as empty values; a value holding control
// characters is shown with them escaped.
TEST(VantorelCli, SettingsSaysWhyItCannotReadTheFileAndShowsEveryCharacterOfAValue) {
    TempWorkingDir directory;
    const std::string config = (directory.path() / "config").string();
    const std::filesystem::path file = directory.path() / "config/Nulvex.Mark/Vantorel.conf";
    std::filesystem::create_directories(file);
    const test::CliRun unreadable = RunCli({"settings"}, config);
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.out, "");
    EXPECT_EQ(unreadable.err,
              "The settings file " + file.string() + " could not be read: it is not a file.\n");

    std::filesystem::remove(file);
    test::WriteFile(file, "[Settings]\n5BC=\"2\\0 6\"\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n");
    const test::CliRun listed = RunCli({"settings"}, config);
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "5BC=2\\0 6\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n");
    test::WriteFile("vtrmain.dat", "4 1 1 2 3 4 5\r\n");
    const test::CliRun refused = RunCli({"run", "5", "distribution", "--undated"}, config);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.substr(0, refused.err.find('\n')),
              "The setting 5BC holds \"2\\0 6\", which is not a whole number.");
}

// A hand-edited setting refuses exactly the operations that read it, with a message naming it, and the
// history is not touched; the other operations run as before.
TEST(SettingsCommand, HandEditedValuesRefuseOnlyTheOperationsThatNeedThem) {
    const std::string history = "4 1 1 2 3 4 5\r\n8 1 1 2 3 4 5 6\r\n9 1 98/01/07 5 12 23 34 41 17\r\n";
    const struct {
        const char* setting;
        std::vector<std::string> arguments;
        bool refused;
    } cases[] = {
        {"PBC=2147483647", {"run", "pb", "distribution"}, true},
        {"PBB=2147483647", {"run", "pb", "best-guess"}, true},
        {"PBC=2147483647", {"run", "pb", "totals"}, false},
        {"PBC=2147483647", {"compare", "pb", "--dated", "picks.txt"}, false},
        {"PBM=0", {"run", "pb", "totals"}, true},
        {"PBM=0", {"import", "pb", "--undated", "draws.txt", "--yes"}, true},
        {"PBM=0", {"append", "pb", "--undated", "1 2 3 4 5 6"}, true},
        {"PBM=0", {"compare", "pb", "--dated", "picks.txt"}, true},
        {"PBM=0", {"import", "5", "--undated", "draws.txt", "--append"}, false},
        {"5BC=2147483647", {"run", "5", "distribution", "--undated"}, true},
        {"5BC=2147483647", {"run", "5", "number", "--undated", "--input", "1 2 3 4 5"}, true},
        {"5BC=abc", {"run", "5", "even-odd", "--undated"}, false},
        {"5BC=abc", {"run", "3", "hottest"}, false},
        {"6BC=", {"analyze"}, true},
    };
    for (const auto& c : cases) {
        test::TempWorkingDir dir;
        test::WriteFile("vtrmain.dat", history);
        test::WriteFile("draws.txt", "1 2 3 4 5\n");
        test::WriteFile("picks.txt", "1 2 3 4 5 6\n");
        MemoryProfileStore profile;
        RunFirstTimeQuietly(profile);
        const std::string_view setting(c.setting);
        profile.WriteString(kSettingsSection, setting.substr(0, setting.find('=')),
                            setting.substr(setting.find('=') + 1));
        const test::CliOutcome outcome = test::CliRunner(profile).Run(c.arguments);
        std::string what(c.setting);
        for (const std::string& argument : c.arguments) {
            what += ' ' + argument;
        }
        EXPECT_EQ(test::ReadFile("vtrmain.dat") == history, c.refused || c.arguments[0] != "import") << what;
        if (!c.refused) {
            for (const std::string& message : outcome.messages()) {
                EXPECT_EQ(message.find("The setting"), std::string::npos) << what;
            }
            continue;
        }
        EXPECT_EQ(outcome.status, kExitRefused) << what;
        EXPECT_EQ(outcome.out, "") << what;
        ASSERT_EQ(outcome.messages().size(), 1U) << what;
        const std::string key(setting.substr(0, setting.find('=')));
        EXPECT_EQ(outcome.messages().front().rfind("The setting " + key + ' ', 0), 0U)
            << outcome.messages().front();
        EXPECT_NE(outcome.messages().front().find("vantorel-cli settings " + key + "=<value>"),
                  std::string::npos);
    }
}

// Two programs starting at once on a fresh store, one of them setting a value: the value is kept, the
// defaults fill the rest, and one of them shows the first-run message (a later run shows none).
TEST(VantorelCli, TwoFirstRunsAtOnceNeverOverwriteAnExplicitSetting) {
    TempWorkingDir dir;
    constexpr int kRounds = 40;
    for (int round = 0; round < kRounds; ++round) {
        const std::string config = (dir.path() / ("config" + std::to_string(round))).string();
        const pid_t first = test::StartCli({"settings"}, config, "/dev/null", "first.err");
        const pid_t second = test::StartCli({"settings", "PBC=51"}, config, "/dev/null", "second.err");
        ASSERT_EQ(test::WaitForCli(first), 0);
        ASSERT_EQ(test::WaitForCli(second), 0);
        const std::string messages = test::ReadFile("first.err") + test::ReadFile("second.err");
        std::size_t firstRuns = 0;
        for (std::size_t at = messages.find("VanTorel comes"); at != std::string::npos;
             at = messages.find("VanTorel comes", at + 1)) {
            ++firstRuns;
        }
        EXPECT_EQ(firstRuns, 1U) << "round " << round << ":\n" << messages;
        EXPECT_EQ(RunCli({"settings"}, config).out, "5BC=26\n6BC=49\nPBC=51\nPBB=42\nPBM=5\n")
            << "round " << round;
    }
}

TEST(VantorelCli, UsageErrorsExitWithTwoAndSayWhatIsWrong) {
    TempWorkingDir dir;
    const std::string config = (dir.path() / "config").string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "vantorel-cli: no command given\nTry \"vantorel-cli help\".\n"},
        {{"run", "6", "hot"},
         "vantorel-cli: unknown operation \"hot\" for game 6; did you mean \"hottest\"?\n"
         "Try \"vantorel-cli help run\".\n"},
    };
    for (const auto& [arguments, err] : cases) {
        const test::CliRun run = RunCli(arguments, config);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, err);
    }
    const test::CliRun help = RunCli({"help", "analyze"}, config);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage:\n  vantorel-cli analyze", 0), 0U) << help.out;
}

} // namespace
} // namespace vantorel
