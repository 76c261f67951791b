// SPDX-License-Identifier: GPL-3.0-or-later
// The store on the real file system, against what a user may have set on the files or put in their way:
// links, permissions, folders and devices where files belong, leftovers that look like work files,
// another writer, and files far larger than a history.

#include "digit/DigitDrawTable.h"
#include "store/DataImport.h"
#include "store/HistoryAnalysis.h"
#include "store/HistoryBackup.h"
#include "store/HistoryRewrite.h"
#include "store/ManualEntry.h"
#include "store/SectionReader.h"
#include "tests/support/RecordingMessageSink.h"

#include "tests/store/StoreFixture.h"

#include <chrono>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel::test {
namespace {

namespace fs = std::filesystem;

const std::string kHistory = "0 1 5\r\n1 0\r\n";
const std::string kAppended = "0 2 5 7\r\n1 0\r\n";

class RealFilesTest : public StoreFixture {
protected:
    bool Append() { return Shown(AppendEntry("7", 0, false, settings)); }
    static unsigned ModeOf(const fs::path& file) {
        struct stat status {};
        stat(file.c_str(), &status);
        return status.st_mode & 07777;
    }
};

TEST_F(RealFilesTest, ALinkedHistoryHasItsTargetReplacedAndKeepsItsMode) {
    fs::create_directory("elsewhere");
    WriteFile("elsewhere/real.dat", kHistory);
    fs::create_symlink("elsewhere/real.dat", "vtrmain.dat");
    ASSERT_TRUE(Append());
    EXPECT_TRUE(fs::is_symlink("vtrmain.dat"));
    EXPECT_EQ(ReadFile("elsewhere/real.dat"), kAppended);
    EXPECT_FALSE(WorkFilesLeftIn(".") || WorkFilesLeftIn("elsewhere"));

    for (const unsigned mode : {0600u, 0640u, 0604u, 0660u}) {
        SetHistory(kHistory);
        ASSERT_EQ(chmod("vtrmain.dat", mode), 0);
        ASSERT_TRUE(Append()) << mode;
        EXPECT_EQ(ModeOf("elsewhere/real.dat"), mode);
        EXPECT_EQ(ModeOf("vtrmain.dat"), mode);
    }
}

// A hard link cannot follow a file that is replaced in one step: the history gets the new content, the
// other name keeps the old one.
TEST_F(RealFilesTest, AHardLinkKeepsTheOldContent) {
    SetHistory(kHistory);
    fs::create_hard_link("vtrmain.dat", "other-name.dat");
    ASSERT_TRUE(Append());
    EXPECT_EQ(History(), kAppended);
    EXPECT_EQ(ReadFile("other-name.dat"), kHistory);
}

TEST_F(RealFilesTest, AReadOnlyHistoryOrBackupIsRefused) {
    SetHistory(kHistory);
    WriteFile("maindat.bak", kHistory);
    chmod("vtrmain.dat", 0444);
    chmod("maindat.bak", 0444);
    messages.ScriptAnswer(MessageAnswer::Ok);
    EXPECT_FALSE(Append());
    EXPECT_FALSE(Shown(BackupHistoryFile(settings, Ask)));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{NotWrittenMessage(kHistoryLabel, FileFault::kPermissionDenied),
                                        std::string(kReplaceBackupQuestion),
                                        NotWrittenMessage(kBackupLabel, FileFault::kPermissionDenied)}));
    EXPECT_EQ(History(), kHistory);
    EXPECT_EQ(ModeOf("vtrmain.dat"), 0444u);
    EXPECT_FALSE(WorkFilesLeft());
}

TEST_F(RealFilesTest, FoldersAndDevicesWhereFilesBelongGetTheUnreadableFileMessage) {
    WriteFile("draws.txt", "1 2 3");
    fs::create_directory("vtrmain.dat");
    EXPECT_FALSE(Append());
    EXPECT_FALSE(Shown(ImportNew("draws.txt", 0, false, {}, false, settings)));
    const Outcome<CheckTable> analysis = AnalyseHistoryFile(settings);
    Shown(analysis);
    EXPECT_FALSE(analysis->wholeFile);
    EXPECT_FALSE(Shown(BackupHistoryFile(settings, Ask)));
    DigitDrawTable reader(0);
    EXPECT_EQ(reader.Load(), 0);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{std::string(kUnableToOpenHistory), std::string(kUnableToOpenHistory),
                                        std::string(kCantOpenForAnalysis), std::string(kMainFileNotFound)}));
    fs::remove("vtrmain.dat");

    SetHistory(kHistory);
    fs::create_directory("maindat.bak");
    Answering(MessageAnswer::Ok);
    EXPECT_FALSE(Shown(BackupHistoryFile(settings, Ask)));
    EXPECT_FALSE(Shown(RestoreHistoryFile(settings, Ask)));
    EXPECT_EQ(Messages(), (std::vector<std::string>{std::string(kReplaceBackupQuestion),
                                                    NotWrittenMessage(kBackupLabel, FileFault::kNotAFile),
                                                    std::string(kBackupFileNotFound)}));

    ASSERT_EQ(mkfifo("pipe.txt", 0600), 0);
    for (const char* importFile : {"pipe.txt", "maindat.bak", "/dev/zero"}) {
        messages = RecordingMessageSink();
        EXPECT_FALSE(Shown(ImportAppend(importFile, 0, false, {}, false, settings))) << importFile;
        EXPECT_EQ(Messages(), (std::vector<std::string>{std::string(kUnableToOpen) + importFile,
                                                        std::string(kDataMassageFailedAppend)}));
    }
    EXPECT_EQ(History(), kHistory);
    EXPECT_FALSE(WorkFilesLeft());
}

// Files that only look like work files, or links planted under such names, are neither followed nor
// removed.
TEST_F(RealFilesTest, LeftoversAndPlantedLinksUnderWorkFileNamesStayUntouched) {
    SetHistory(kHistory);
    WriteFile("victim.txt", "keep me");
    fs::create_symlink("victim.txt", "~tmp.~");
    fs::create_directory("~.~");
    WriteFile("~tmp.~left", "an old leftover");
    WriteFile("draws.txt", "8");
    ASSERT_TRUE(Append());
    ASSERT_TRUE(Replaced(ImportAppend("draws.txt", 0, false, {}, false, settings)));
    EXPECT_EQ(History(), "0 3 5 7 8\r\n1 0\r\n");
    EXPECT_EQ(ReadFile("victim.txt"), "keep me");
    EXPECT_TRUE(fs::is_symlink("~tmp.~"));
    EXPECT_TRUE(fs::is_directory("~.~"));
    EXPECT_EQ(ReadFile("~tmp.~left"), "an old leftover");
    EXPECT_FALSE(fs::is_symlink("vtrmain.dat"));
}

TEST_F(RealFilesTest, ASecondWriterWaitsBrieflyThenIsRefusedAndChangesNothing) {
    SetHistory(kHistory);
    FileFault fault = FileFault::kNone;
    auto held = RealFileSystem().LockWriters("vtrmain.dat", std::chrono::milliseconds(0), fault);
    ASSERT_TRUE(held);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Append());
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, kWriterWait);
    EXPECT_LT(waited, kWriterWait + std::chrono::seconds(2));
    EXPECT_EQ(Messages(), std::vector<std::string>{NotWrittenMessage(kHistoryLabel, FileFault::kInUse)});
    EXPECT_EQ(History(), kHistory);
    held.reset();
    EXPECT_TRUE(Append());
    EXPECT_TRUE(fs::exists("vtrmain.lck"));
}

// Files larger than any history or import file are refused before they are read, by the section reader
// too.
TEST_F(RealFilesTest, FilesLargerThanAnyHistoryAreRefusedBeforeTheyAreRead) {
    const auto makeSparse = [](const char* name, std::uintmax_t size) {
        WriteFile(name, "0 1 5\r\n");
        fs::resize_file(name, size);
    };
    makeSparse("vtrmain.dat", std::uintmax_t{200} << 20);
    makeSparse("draws.txt", std::uintmax_t{200} << 20);
    EXPECT_FALSE(Append());
    EXPECT_FALSE(Shown(ImportNew("draws.txt", 0, false, {}, false, settings)));
    const Outcome<CheckTable> analysis = AnalyseHistoryFile(settings);
    Shown(analysis);
    EXPECT_FALSE(analysis->wholeFile);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{TooLargeMessage(kHistoryLabel), ImportTooLargeMessage("draws.txt"),
                                        std::string(kDataMassageFailedNew), TooLargeMessage(kHistoryLabel)}));
    makeSparse("vtrmain.dat", kLargestHistoryFile + 1);
    DigitDrawTable reader(0);
    EXPECT_EQ(reader.Load(), kHistoryNotOpened);
    EXPECT_EQ(reader.count(), 0);
    makeSparse("vtrmain.dat", kLargestHistoryFile);
    EXPECT_EQ(reader.Load(), kSectionLoaded);
    EXPECT_EQ(reader.count(), 1);
    EXPECT_FALSE(WorkFilesLeft());
}

} // namespace
} // namespace vantorel::test
