// SPDX-License-Identifier: GPL-3.0-or-later
// The real file system against what other processes and users do to the files around a rewrite: the lock
// file deleted or replaced while it is held, writers killed midway, extended attributes on the history,
// lock files that are no files, and links that lead round in a circle.

#include "settings/IniProfileStore.h"
#include "store/HistoryRewrite.h"
#include "store/ManualEntry.h"

#include "tests/store/StoreFixture.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace vantorel::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::string kHistory = "0 1 5\r\n1 0\r\n";

// A child process that runs `work` and then waits until it is told to end (or is killed).
class ChildProcess final {
public:
    explicit ChildProcess(const std::function<void()>& work) {
        int ready[2];
        int release[2];
        if (pipe(ready) != 0 || pipe(release) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            close(release[1]);
            work();
            char done = 1;
            (void)!write(ready[1], &done, 1);
            (void)!read(release[0], &done, 1);
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        release_ = release[1];
        char done = 0;
        (void)!read(ready[0], &done, 1);
        close(ready[0]);
    }
    ~ChildProcess() { End(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    void End() {
        if (release_ >= 0) {
            close(release_);
            release_ = -1;
            waitpid(pid_, nullptr, 0);
        }
    }
    void Kill() {
        kill(pid_, SIGKILL);
        End();
    }

private:
    pid_t pid_ = -1;
    int release_ = -1;
};

class FileSystemTest : public StoreFixture {};

bool Locks(const std::function<std::unique_ptr<WriterLock>(FileFault&)>& lock, FileFault& fault) {
    return lock(fault) != nullptr;
}

TEST_F(FileSystemTest, AHeldLockStillExcludesWhenItsFileIsDeletedOrReplaced) {
    SetHistory(kHistory);
    fs::create_directory("config");
    const auto historyLock = [](FileFault& fault) {
        return RealFileSystem().LockWriters("vtrmain.dat", std::chrono::milliseconds(100), fault);
    };
    const auto settingsLock = [](FileFault& fault) {
        return LockFileExclusively("config/Vantorel.conf.lck", std::chrono::milliseconds(100), fault);
    };
    const auto deleted = [](const char* file) {
        fs::remove(file);
    };
    const struct {
        const char* what;
        const char* lockFile;
        std::function<std::unique_ptr<WriterLock>(FileFault&)> lock;
        std::function<void(const char*)> tamper;
    } cases[] = {
        {"history, deleted", "vtrmain.lck", historyLock, deleted},
        {"history, replaced", "vtrmain.lck", historyLock,
         [](const char* file) {
             WriteFile("other.lck", "");
             fs::rename("other.lck", file);
         }},
        {"settings, deleted", "config/Vantorel.conf.lck", settingsLock, deleted},
    };
    for (const auto& c : cases) {
        ChildProcess holder([&] {
            FileFault fault = FileFault::kNone;
            static std::unique_ptr<WriterLock> held;
            held = c.lock(fault);
        });
        ASSERT_TRUE(holder.started());
        ASSERT_TRUE(fs::exists(c.lockFile)) << c.what;
        c.tamper(c.lockFile);
        FileFault fault = FileFault::kNone;
        EXPECT_FALSE(Locks(c.lock, fault)) << c.what;
        EXPECT_EQ(fault, FileFault::kInUse) << c.what;
        holder.End();
        EXPECT_TRUE(Locks(c.lock, fault)) << c.what;
    }
}

TEST_F(FileSystemTest, WorkFilesOfKilledWritersAreGoneAfterTheNextWriteInTheirFolder) {
    SetHistory(kHistory);
    fs::create_directory("config");
    const fs::path settingsFile = fs::absolute("config/Vantorel.conf");
    WriteFile(settingsFile, "[Settings]\n5BC=26\n");
    // Writers killed after writing a part of their work file.
    for (const fs::path& target : {fs::path("vtrmain.dat"), fs::path("vtrmain.dat"), settingsFile}) {
        ChildProcess writer([&] {
            WorkFile work = RealFileSystem().CreateWorkFile(target);
            work.file->Write("half a history");
        });
        writer.Kill();
    }
    ASSERT_TRUE(WorkFilesLeftIn(".") && WorkFilesLeftIn("config"));
    // What must stay: a living writer's work file, and what only looks like a work file.
    fs::path living;
    ChildProcess liveWriter([&] {
        static WorkFile work;
        work = RealFileSystem().CreateWorkFile("vtrmain.dat");
        WriteFile("living.txt", work.path.string());
    });
    living = ReadFile("living.txt");
    WriteFile("victim.txt", "keep me");
    fs::create_symlink("victim.txt", "~tmp.~LINKLINK");
    fs::create_directory("~tmp.~FOLDERXX");
    WriteFile("~tmp.~notours", "a file of the user");

    ASSERT_TRUE(Shown(AppendEntry("7", 0, false, settings)));
    EXPECT_TRUE(IniProfileStore(settingsFile).WriteString("Settings", "5BC", "30"));

    Lines left;
    for (const auto& entry : fs::directory_iterator(".")) {
        if (entry.path().filename().string().starts_with("~tmp.~")) {
            left.push_back(entry.path().filename().string());
        }
    }
    Lines expected{"~tmp.~FOLDERXX", "~tmp.~LINKLINK", living.filename().string(), "~tmp.~notours"};
    std::sort(left.begin(), left.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
    EXPECT_FALSE(WorkFilesLeftIn("config"));
    EXPECT_EQ(ReadFile("victim.txt"), "keep me");
    EXPECT_EQ(History(), "0 2 5 7\r\n1 0\r\n");
    liveWriter.End();
}

TEST_F(FileSystemTest, ARewriteKeepsTheExtendedAttributesOfTheFileItReplaces) {
    SetHistory(kHistory);
    WriteFile("Vantorel.conf", "[Settings]\n5BC=26\n");
    for (const char* file : {"vtrmain.dat", "Vantorel.conf"}) {
        if (setxattr(file, "user.vantorel.note", "kept", 4, 0) != 0) {
            GTEST_SKIP() << "no extended attributes on this file system";
        }
    }
    ASSERT_TRUE(Shown(AppendEntry("7", 0, false, settings)));
    ASSERT_TRUE(IniProfileStore(fs::absolute("Vantorel.conf")).WriteString("Settings", "5BC", "30"));
    for (const char* file : {"vtrmain.dat", "Vantorel.conf"}) {
        char value[16] = {};
        EXPECT_EQ(getxattr(file, "user.vantorel.note", value, sizeof value), 4) << file;
        EXPECT_EQ(std::string(value), "kept") << file;
    }
    EXPECT_EQ(History(), "0 2 5 7\r\n1 0\r\n");
}

TEST_F(FileSystemTest, ALockFileThatIsNoFileIsNamedWithItsCause) {
    SetHistory(kHistory);
    fs::create_directory("config");
    const std::string settingsLock = fs::absolute("config/Vantorel.conf.lck").string();
    const struct {
        const char* what;
        std::function<void(const std::string&)> make;
        FileFault fault;
    } cases[] = {
        {"a folder", [](const std::string& file) { fs::create_directory(file); }, FileFault::kNotAFile},
        {"a pipe", [](const std::string& file) { mkfifo(file.c_str(), 0600); }, FileFault::kNotAFile},
        {"a link", [](const std::string& file) { fs::create_symlink("elsewhere", file); },
         FileFault::kNotAFile},
    };
    for (const auto& c : cases) {
        for (const std::string& lock : {std::string("vtrmain.lck"), settingsLock}) {
            fs::remove_all(lock);
            c.make(lock);
        }
        messages.Clear();
        EXPECT_FALSE(Shown(AppendEntry("7", 0, false, settings))) << c.what;
        EXPECT_EQ(Messages(), Lines{LockFileMessage(c.fault)}) << c.what;
        IniProfileStore store(fs::absolute("config/Vantorel.conf"));
        EXPECT_FALSE(store.WriteString("Settings", "5BC", "30")) << c.what;
        EXPECT_EQ(store.Problem(), "The settings file " + fs::absolute("config/Vantorel.conf").string() +
                                       " could not be written: its lock file " + settingsLock +
                                       " cannot be used (it is not a file).")
            << c.what;
    }
    EXPECT_EQ(History(), kHistory);
}

TEST_F(FileSystemTest, LinksThatLeadRoundInACircleAreNamedAsSuch) {
    fs::create_symlink("loop-b", "vtrmain.dat");
    fs::create_symlink("vtrmain.dat", "loop-b");
    EXPECT_FALSE(Shown(AppendEntry("7", 0, false, settings)));
    EXPECT_EQ(Messages(),
              Lines{"Unable to open VTRMAIN.DAT\n\nIt is a symbolic link that leads round in a circle."});
}

} // namespace
} // namespace vantorel::test
