// SPDX-License-Identifier: GPL-3.0-or-later
// Every operation that rewrites the history file or its backup, with each file operation failing in turn:
// the file it protects must stay byte-identical and no work file may be left behind.

#include "store/DataImport.h"
#include "store/HistoryBackup.h"
#include "store/HistoryRewrite.h"
#include "store/ManualEntry.h"
#include "store/ResultsImport.h"
#include "tests/support/FaultInjectingFileSystem.h"
#include "tests/support/RecordingMessageSink.h"

#include "tests/store/StoreFixture.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantorel::test {
namespace {

const std::string kHistory = "0 2 5 7\r\n1 1 98/01/01 5\r\n4 1 1 2 3 4 5\r\n9 0\r\n";

enum class Operation {
    kImportNew,
    kImportAppend,
    kImportResults,
    kAppendEntry,
    kBackupReplacingOld,
    kRestore
};

struct Rewrite {
    Operation operation;
    const char* importText;    // import.txt; the history file is kHistory
    const char* backup;        // maindat.bak, nullptr: none
    const char* protectedFile; // the file that must not change when the operation fails
    std::string_view label;    // how the messages name it
};

constexpr Rewrite kRewrites[] = {
    {Operation::kImportNew, "01/02/98 01 02 03 04 05\n01/03/98 6 7 8 9 10\n", nullptr, "vtrmain.dat",
     kHistoryLabel},
    {Operation::kImportAppend, "1 2 3 4 5 6 7 8 9 10", nullptr, "vtrmain.dat", kHistoryLabel},
    {Operation::kImportResults, "Date,Numbers\n2020-09-30,6,7,8,9,10\n2020-09-26,1,2,3,4,5\n", nullptr,
     "vtrmain.dat", kHistoryLabel},
    {Operation::kAppendEntry, "", nullptr, "vtrmain.dat", kHistoryLabel},
    {Operation::kBackupReplacingOld, "", "0 1 5\r\n", "maindat.bak", kBackupLabel},
    {Operation::kRestore, "", "0 1 5\r\n1 0\r\n", "vtrmain.dat", kHistoryLabel},
};

// The fault each kind of operation fails with, so that the message can be seen to name it.
FileFault InjectedFault(FileOperation operation) {
    switch (operation) {
    case FileOperation::kCreate:
        return FileFault::kPermissionDenied;
    case FileOperation::kWrite:
    case FileOperation::kFlush:
        return FileFault::kNoSpace;
    case FileOperation::kLock:
        return FileFault::kInUse;
    default:
        return FileFault::kOther;
    }
}

class RewriteFaultTest : public StoreFixture {
protected:
    // Lays out the files and returns the protected file's content.
    std::string Prepare(const Rewrite& rewrite) {
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            std::filesystem::remove(entry.path());
        }
        SetHistory(kHistory);
        WriteFile("import.txt", rewrite.importText);
        if (rewrite.backup != nullptr) {
            WriteFile("maindat.bak", rewrite.backup);
        }
        Answering(MessageAnswer::Ok);
        return ReadFile(rewrite.protectedFile);
    }

    bool Run(const Rewrite& rewrite, FileSystem& files) const {
        switch (rewrite.operation) {
        case Operation::kImportNew:
            return Replaced(ImportNew("import.txt", 2, true, {}, false, settings, {}, files));
        case Operation::kImportAppend:
            return Replaced(ImportAppend("import.txt", 2, false, {}, false, settings, files));
        case Operation::kImportResults: {
            const Outcome<ResultsImported> imported =
                ImportResults("import.txt", 2, {}, {}, settings, Ask, files);
            return Shown(imported) && imported->change == ChangeOutcome::kReplaced;
        }
        case Operation::kAppendEntry:
            return Shown(AppendEntry("01/02/98 007", 0, true, settings, {}, files));
        case Operation::kBackupReplacingOld:
            return Completed(BackupHistoryFile(settings, Ask, files));
        case Operation::kRestore:
            return Completed(RestoreHistoryFile(settings, Ask, files));
        }
        return false;
    }
};

TEST_F(RewriteFaultTest, EveryFailingStepAndAFullDiskLeaveTheFileAsItWasAndNameTheCause) {
    for (const Rewrite& rewrite : kRewrites) {
        const std::string name = "operation " + std::to_string(static_cast<int>(rewrite.operation));
        const std::string before = Prepare(rewrite);
        FaultInjectingFileSystem counting(RealFileSystem());
        ASSERT_TRUE(Run(rewrite, counting)) << name;
        const std::string after = ReadFile(rewrite.protectedFile);
        ASSERT_NE(before, after);
        EXPECT_FALSE(WorkFilesLeft()) << name;

        // Runs the operation with a fault; when it fails, the protected file must be as before, the work
        // files gone and a message shown: once writing has begun, the one that names the cause.
        const auto check = [&](const std::string& context, bool mustFail,
                               const std::optional<std::string>& expected,
                               const std::function<void(FaultInjectingFileSystem&)>& fault) {
            Prepare(rewrite);
            FaultInjectingFileSystem failing(RealFileSystem());
            fault(failing);
            const bool done = Run(rewrite, failing);
            EXPECT_EQ(ReadFile(rewrite.protectedFile), done ? after : before) << context;
            EXPECT_FALSE(done && mustFail) << context;
            if (!done) {
                EXPECT_EQ(History(), kHistory) << context;
                EXPECT_FALSE(WorkFilesLeft()) << context;
                ASSERT_FALSE(Messages().empty()) << context;
                if (expected) {
                    EXPECT_EQ(Messages().back(), *expected) << context;
                }
            }
        };
        for (int kind = 0; kind < kFileOperationCount; ++kind) {
            const auto operation = static_cast<FileOperation>(kind);
            const FileFault fault = InjectedFault(operation);
            const bool writing = operation >= FileOperation::kCreate && operation != FileOperation::kRemove;
            for (int occurrence = 0; occurrence < counting.Count(operation); ++occurrence) {
                // A work file that cannot be removed is only a leftover.
                // A backup reads the old backup (every second read) only to choose the words of its question.
                const bool readsOldBackup = rewrite.operation == Operation::kBackupReplacingOld &&
                                            operation <= FileOperation::kRead && occurrence % 2 == 1;
                check(name + " operation " + std::to_string(kind) + " #" + std::to_string(occurrence),
                      operation != FileOperation::kRemove && !readsOldBackup,
                      writing ? std::optional(NotWrittenMessage(rewrite.label, fault)) : std::nullopt,
                      [&](FaultInjectingFileSystem& files) {
                          files.FailOperation(operation, occurrence, fault);
                      });
            }
        }
        for (std::size_t space = 0; space < 200; space += 7) {
            check(name + " space " + std::to_string(space), false,
                  NotWrittenMessage(rewrite.label, FileFault::kNoSpace),
                  [space](FaultInjectingFileSystem& files) { files.LimitDiskSpace(space); });
        }
    }
}

// The real file system with a file-size limit in a child process: the write fails as on a full disk.
TEST_F(RewriteFaultTest, RealWriteFailureLeavesTheHistoryAndNamesTheCause) {
    SetHistory(kHistory);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{16, 16};
        setrlimit(RLIMIT_FSIZE, &small);
        const bool refused = !Shown(AppendEntry("123", 0, false, settings));
        const bool named =
            Messages() == std::vector<std::string>{NotWrittenMessage(kHistoryLabel, FileFault::kNoSpace)};
        _exit(refused && named ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(History(), kHistory);
    EXPECT_FALSE(WorkFilesLeft());
}

// A process killed at any moment of an import leaves either the old or the new history file.
TEST_F(RewriteFaultTest, KilledImportLeavesTheOldOrTheNewHistory) {
    std::string drawings;
    for (int i = 0; i < kDigitCapacity; ++i) {
        drawings += "01/02/98 " + std::to_string(i % 1000) + "\n";
    }
    WriteFile("import.txt", drawings);
    const std::string oldHistory = ReadFile(TestDataPath("shared/sample-vtrmain.dat"));
    SetHistory(oldHistory);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(Replaced(ImportNew("import.txt", 0, true, {}, false, settings)));
    const auto took = std::chrono::steady_clock::now() - start;
    const std::string newHistory = History();

    std::mt19937 random(20260101);
    std::uniform_int_distribution<long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(took).count() * 3 / 2 + 1);
    int killedMidway = 0;
    for (int run = 0; run < 40; ++run) {
        SetHistory(oldHistory);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            _exit(Replaced(ImportNew("import.txt", 0, true, {}, false, settings)) ? 0 : 1);
        }
        usleep(static_cast<useconds_t>(delay(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        killedMidway += WIFSIGNALED(status) ? 1 : 0;
        const std::string history = History();
        EXPECT_TRUE(history == oldHistory || history == newHistory) << "run " << run;
    }
    EXPECT_GT(killedMidway, 0);
}

} // namespace
} // namespace vantorel::test
