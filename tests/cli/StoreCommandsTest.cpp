#include "cli/Commands.h"

#include "platform/Clock.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

class StoreCommandsTest : public ::testing::Test {
protected:
    StoreCommandsTest() {
        const ScopedMessageSink quiet(firstRunMessages);
        RunFirstTimeSetup(profile);
    }

    // Runs one vantorel-cli command line in this process.
    int Run(const std::vector<std::string_view>& arguments) {
        out.str({});
        const std::optional<CommandLine> line = ParseCommandLine(arguments);
        EXPECT_TRUE(line.has_value());
        if (!line) {
            return kExitUsage;
        }
        CliContext context{profile, clock, out};
        return RunCommand(*line, context);
    }

    Lines OutputLines() const {
        Lines lines;
        std::istringstream stream(out.str());
        for (std::string line; std::getline(stream, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    TempWorkingDir directory;
    RecordingMessageSink firstRunMessages;
    RecordingMessageSink messages;
    ScopedMessageSink installed{messages};
    MemoryProfileStore profile;
    FixedClock clock{0};
    std::ostringstream out;
};

TEST_F(StoreCommandsTest, ImportNewAsksBeforeAddingASecondLineOfAHistory) {
    WriteFile("draws.txt", "01/02/98 123\n01/03/98 007\n");
    EXPECT_EQ(Run({"import", "3", "--dated", "draws.txt"}), kExitDone);
    EXPECT_EQ(ReadFile("vtrmain.dat"), "1 2 98/01/02 123 98/01/03 7\r\n");
    EXPECT_TRUE(messages.texts().empty());

    // Without --yes the warning is answered "Abort Now".
    EXPECT_EQ(Run({"import", "3", "--dated", "draws.txt"}), kExitRefused);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_NE(messages.texts()[0].find("already have an entry for this game type"), std::string::npos);
    EXPECT_EQ(messages.entries()[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(ReadFile("vtrmain.dat"), "1 2 98/01/02 123 98/01/03 7\r\n");

    messages.ScriptAnswer(MessageAnswer::Ok);
    EXPECT_EQ(Run({"import", "3", "--dated", "draws.txt", "--yes"}), kExitDone);
    EXPECT_EQ(ReadFile("vtrmain.dat"), "1 2 98/01/02 123 98/01/03 7\r\n1 2 98/01/02 123 98/01/03 7\r\n");
}

TEST_F(StoreCommandsTest, ImportAppendAndFilter) {
    WriteFile("vtrmain.dat", "5 1 98/01/01 1 2 3 4 5\r\n");
    WriteFile("draws.txt", "01/02/98 06 07 08 09 10 $4,000\n");
    EXPECT_EQ(Run({"import", "5", "--dated", "draws.txt", "--append", "--filter"}), kExitDone);
    EXPECT_EQ(ReadFile("vtrmain.dat"), "5 2 98/01/01 1 2 3 4 5 98/01/02 6 7 8 9 10\r\n");
    EXPECT_EQ(Run({"import", "6", "--dated", "nothing.txt", "--append"}), kExitRefused);
    EXPECT_EQ(messages.texts().back(), "Failure in data massage !");
}

TEST_F(StoreCommandsTest, FailedNewImportSaysSo) {
    EXPECT_EQ(Run({"import", "4", "--undated", "missing.txt"}), kExitRefused);
    EXPECT_EQ(messages.texts(), (Lines{"Unable to open missing.txt", "Failure in Data Massage",
                                       "There was an unexpected problem\nwith the data operation."}));
}

TEST_F(StoreCommandsTest, AppendPrintsSuccessOrFails) {
    WriteFile("vtrmain.dat", "8 0\r\n");
    EXPECT_EQ(Run({"append", "pb", "--undated", "1 2 3 4 5 6"}), kExitDone);
    EXPECT_EQ(OutputLines(), Lines{"Append Successful"});
    EXPECT_EQ(ReadFile("vtrmain.dat"), "8 1 1 2 3 4 5 6\r\n");
    EXPECT_EQ(Run({"append", "pb", "--undated", "1 2 3"}), kExitRefused);
    EXPECT_EQ(messages.texts(), (Lines{"Insufficient Data or\nBad Data Entered", "Data Append Failed"}));
    messages.Clear();
    EXPECT_EQ(Run({"append", "3", "--undated", ""}), kExitRefused);
    EXPECT_EQ(messages.texts(), Lines{"No Data Entered !"});
}

TEST_F(StoreCommandsTest, AnalyzePrintsTheReport) {
    WriteFile("vtrmain.dat", ReadFile(TestDataPath("shared/sample-vtrmain.dat")));
    EXPECT_EQ(Run({"analyze"}), kExitDone);
    const Lines report = OutputLines();
    ASSERT_EQ(report.size(), 10u);
    EXPECT_EQ(report[9], " Powerball Dated game data was found and appears to be free of errors.");
    std::filesystem::remove("vtrmain.dat");
    EXPECT_EQ(Run({"analyze"}), kExitRefused);
    EXPECT_TRUE(OutputLines().empty());
}

TEST_F(StoreCommandsTest, BackupAndRestoreTakeTheCautiousAnswerUnlessYes) {
    WriteFile("vtrmain.dat", "0 1 5\r\n");
    EXPECT_EQ(Run({"restore"}), kExitRefused);
    EXPECT_EQ(Run({"backup"}), kExitDone);
    WriteFile("vtrmain.dat", "0 2 5 6\r\n");
    EXPECT_EQ(Run({"backup"}), kExitRefused);
    EXPECT_EQ(ReadFile("maindat.bak"), "0 1 5\r\n");
    EXPECT_EQ(Run({"restore"}), kExitRefused);
    messages.ScriptAnswer(MessageAnswer::Ok);
    EXPECT_EQ(Run({"restore", "--yes"}), kExitDone);
    EXPECT_EQ(ReadFile("vtrmain.dat"), "0 1 5\r\n");
    EXPECT_EQ(messages.texts(),
              (Lines{"Backup data file\nMAINDAT.BAK\nnot found.", "Backup completed.",
                     "Replace current backup copy?",
                     "Are you certain you wish to\nreplace the current datafile\nwith the backup copy?",
                     "Are you certain you wish to\nreplace the current datafile\nwith the backup copy?",
                     "Restore completed."}));
}

} // namespace
} // namespace vantorel::test
