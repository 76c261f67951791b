// Every operation that rewrites the history file or its backup, with each file operation failing in turn:
// the file it protects must stay byte-identical and no work file may be left behind.

#include "store/DataImport.h"
#include "store/HistoryBackup.h"
#include "store/HistoryRewrite.h"
#include "store/ManualEntry.h"

#include "tests/store/StoreFixture.h"

#include <chrono>
#include <csignal>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kHistory = "0 2 5 7\r\n1 1 98/01/01 5\r\n4 1 1 2 3 4 5\r\n9 0\r\n";

struct Rewrite {
    const char* name;
    std::function<void()> prepare;        // lays out the files before a run
    std::function<bool(FileSystem&)> run; // true when the operation reports success
    const char* protectedFile;            // the file that must not change when it fails
};

void PrepareHistoryAndImport() {
    WriteFile("vtrmain.dat", kHistory);
    WriteFile("import.txt", "01/02/98 01 02 03 04 05\n01/03/98 6 7 8 9 10\n");
}

std::vector<Rewrite> Rewrites(const GameSettings& settings, RecordingMessageSink& messages) {
    return {
        {"ImportNew", PrepareHistoryAndImport,
         [settings](FileSystem& files) {
             return ImportNew("import.txt", 2, true, {}, false, settings, files) == 1;
         },
         "vtrmain.dat"},
        {"ImportAppend",
         [] {
             PrepareHistoryAndImport();
             WriteFile("import.txt", "1 2 3 4 5 6 7 8 9 10");
         },
         [settings](FileSystem& files) {
             return ImportAppend("import.txt", 2, false, {}, false, settings, files) == 1;
         },
         "vtrmain.dat"},
        {"AppendEntry", PrepareHistoryAndImport,
         [settings](FileSystem& files) { return AppendEntry("01/02/98 007", 0, true, settings, files) == 1; },
         "vtrmain.dat"},
        {"BackupReplacingOld",
         [] {
             WriteFile("vtrmain.dat", kHistory);
             WriteFile("maindat.bak", "0 1 5\r\n");
         },
         [&messages](FileSystem& files) {
             messages.ScriptAnswer(MessageAnswer::Ok);
             return BackupHistoryFile(files) == BackupOutcome::kCompleted;
         },
         "maindat.bak"},
        {"Restore",
         [] {
             WriteFile("vtrmain.dat", kHistory);
             WriteFile("maindat.bak", "0 1 5\r\n1 0\r\n");
         },
         [&messages](FileSystem& files) {
             messages.ScriptAnswer(MessageAnswer::Ok);
             return RestoreHistoryFile(files) == BackupOutcome::kCompleted;
         },
         "vtrmain.dat"},
    };
}

class RewriteFaultTest : public StoreFixture {
protected:
    void Reset(const Rewrite& rewrite) {
        for (const char* file : {"vtrmain.dat", "maindat.bak", "import.txt", "~tmp.~", "~.~"}) {
            std::filesystem::remove(file);
        }
        rewrite.prepare();
        messages.Clear();
    }

    bool WorkFilesLeft() const { return std::filesystem::exists("~tmp.~") || std::filesystem::exists("~.~"); }
};

constexpr FileOperation kFailingOperations[] = {
    FileOperation::kOpenForReading, FileOperation::kRead,  FileOperation::kCreate, FileOperation::kWrite,
    FileOperation::kFlush,          FileOperation::kClose, FileOperation::kRename};

TEST_F(RewriteFaultTest, EveryFailingStepLeavesTheFileAsItWas) {
    for (const Rewrite& rewrite : Rewrites(settings, messages)) {
        Reset(rewrite);
        const std::string before = ReadFile(rewrite.protectedFile);
        const std::string historyBefore = History();
        FaultInjectingFileSystem counting(RealFileSystem());
        ASSERT_TRUE(rewrite.run(counting)) << rewrite.name;
        const std::string after = ReadFile(rewrite.protectedFile);
        ASSERT_NE(before, after);
        EXPECT_FALSE(WorkFilesLeft()) << rewrite.name;

        for (const FileOperation operation : kFailingOperations) {
            const int occurrences = counting.Count(operation);
            for (int occurrence = 0; occurrence < occurrences; ++occurrence) {
                Reset(rewrite);
                FaultInjectingFileSystem failing(RealFileSystem());
                failing.FailOperation(operation, occurrence);
                const std::string context = std::string(rewrite.name) + " operation " +
                                            std::to_string(static_cast<int>(operation)) + " #" +
                                            std::to_string(occurrence);
                EXPECT_FALSE(rewrite.run(failing)) << context;
                EXPECT_EQ(ReadFile(rewrite.protectedFile), before) << context;
                EXPECT_EQ(History(), historyBefore) << context;
                EXPECT_FALSE(WorkFilesLeft()) << context;
                EXPECT_FALSE(messages.entries().empty()) << context;
                if (operation >= FileOperation::kWrite) {
                    const Lines shown = Messages();
                    EXPECT_NE(std::find(shown.begin(), shown.end(), std::string(kUnknownError)), shown.end())
                        << context;
                }
            }
        }
        // A work file that cannot be removed is only a leftover: the outcome stays whole.
        for (int occurrence = 0; occurrence < counting.Count(FileOperation::kRemove); ++occurrence) {
            Reset(rewrite);
            FaultInjectingFileSystem failing(RealFileSystem());
            failing.FailOperation(FileOperation::kRemove, occurrence);
            rewrite.run(failing);
            const std::string result = ReadFile(rewrite.protectedFile);
            EXPECT_TRUE(result == before || result == after) << rewrite.name;
        }
    }
}

TEST_F(RewriteFaultTest, FullDiskAtAnyByteLeavesTheFileAsItWas) {
    for (const Rewrite& rewrite : Rewrites(settings, messages)) {
        Reset(rewrite);
        const std::string before = ReadFile(rewrite.protectedFile);
        for (std::size_t space = 0; space < 200; space += 7) {
            Reset(rewrite);
            FaultInjectingFileSystem full(RealFileSystem());
            full.LimitDiskSpace(space);
            if (rewrite.run(full)) {
                break; // everything fitted
            }
            EXPECT_EQ(ReadFile(rewrite.protectedFile), before) << rewrite.name << " space " << space;
            EXPECT_FALSE(WorkFilesLeft()) << rewrite.name << " space " << space;
            const Lines shown = Messages();
            EXPECT_NE(std::find(shown.begin(), shown.end(), std::string(kUnknownError)), shown.end())
                << rewrite.name << " space " << space;
        }
    }
}

// The real file system on a device that is always full: the flush to the disk fails.
TEST_F(RewriteFaultTest, RealFullDeviceLeavesTheHistoryAsItWas) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    SetHistory(kHistory);
    std::filesystem::create_symlink("/dev/full", "~tmp.~");
    EXPECT_EQ(AppendEntry("123", 0, false, settings), 0);
    EXPECT_EQ(Messages(), Lines{std::string(kUnknownError)});
    EXPECT_EQ(History(), kHistory);
    EXPECT_EQ(FilesInDirectory(), Lines{"vtrmain.dat"});
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
    ASSERT_EQ(ImportNew("import.txt", 0, true, {}, false, settings), 1);
    const auto duration = std::chrono::steady_clock::now() - start;
    const std::string newHistory = History();

    std::mt19937 random(20260101);
    const auto longest = std::chrono::duration_cast<std::chrono::microseconds>(duration).count() * 3 / 2 + 1;
    std::uniform_int_distribution<long> delay(0, longest);
    int killedMidway = 0;
    for (int run = 0; run < 40; ++run) {
        SetHistory(oldHistory);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            _exit(ImportNew("import.txt", 0, true, {}, false, settings) == 1 ? 0 : 1);
        }
        usleep(static_cast<useconds_t>(delay(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        killedMidway += WIFSIGNALED(status) ? 1 : 0;
        const std::string history = History();
        EXPECT_TRUE(history == oldHistory || history == newHistory) << "run " << run;
    }
    RecordProperty("killedMidway", killedMidway);
    EXPECT_GT(killedMidway, 0);
}

} // namespace
} // namespace vantorel::test
