// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniProfileStore.h"
#include "tests/support/FaultInjectingFileSystem.h"
#include "tests/support/RecordingMessageSink.h"

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "tests/support/TestFiles.h"

#include <QSettings>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace vantorel {
namespace {

using test::ReadFile;
using test::TempWorkingDir;
using test::WriteFile;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Values and keys that the two implementations must pass to each other unchanged.
const std::vector<std::array<std::string, 3>> kExchanged = {
    {"Settings", "5BC", "26"},
    {"Settings", "PBM", "5"},
    {"Program", "Installed", "1"},
    {"Settings", "odd key/x", " a;b,c\"d\\e\tf "},
    {"Other", "at", "@sign"},
    {"Other", "empty", ""},
    {"Other", "caf\xC3\xA9", "th\xC3\xA9"},
    {"Other", "long", std::string(300, 'x')},
};

TEST(IniProfileStore, ReadsWhatQSettingsWroteAndQSettingsReadsWhatItWrote) {
    TempWorkingDir dir;
    const std::filesystem::path byQt = dir.path() / "qt.conf";
    {
        QSettings settings(Q(byQt.string()), QSettings::IniFormat);
        for (const auto& [section, key, value] : kExchanged) {
            settings.setValue(Q(section) + QLatin1Char('/') + Q(key), Q(value));
        }
    }
    const IniProfileStore ours(byQt);
    for (const auto& [section, key, value] : kExchanged) {
        EXPECT_EQ(ours.GetString(FoldCase(section), key), value) << key;
    }

    const std::filesystem::path byUs = dir.path() / "ours.conf";
    IniProfileStore store(byUs);
    for (const auto& [section, key, value] : kExchanged) {
        ASSERT_TRUE(store.WriteString(section, key, value)) << store.Problem();
    }
    const QSettings settings(Q(byUs.string()), QSettings::IniFormat);
    EXPECT_EQ(settings.status(), QSettings::NoError);
    EXPECT_EQ(settings.allKeys().size(), static_cast<qsizetype>(kExchanged.size()));
    for (const auto& [section, key, value] : kExchanged) {
        EXPECT_EQ(settings.value(Q(section) + QLatin1Char('/') + Q(key)).toString().toStdString(), value)
            << key;
    }
}

TEST(IniProfileStore, ReplacesTheFileInOneStepAndKeepsWhatTheUserSetOnIt) {
    TempWorkingDir dir;
    const std::filesystem::path target = dir.path() / "real.conf";
    const std::filesystem::path link = dir.path() / "Vantorel.conf";
    WriteFile(target, "; my notes\n[settings]\npbc=49\n[Window]\ngeometry=@ByteArray(xyz)\n");
    ::chmod(target.c_str(), 0600);
    std::filesystem::create_symlink("real.conf", link);

    IniProfileStore store(link);
    EXPECT_EQ(store.GetString("Settings", "PBC"), "49");
    EXPECT_FALSE(store.IsEmpty());
    ASSERT_TRUE(store.WriteString("Settings", "PBC", "69"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(target), "; my notes\n[settings]\npbc=69\n[Window]\ngeometry=@ByteArray(xyz)\n");
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    EXPECT_FALSE(test::WorkFilesLeftIn(dir.path()));
    // Writing the value it already holds leaves the file alone.
    const auto written = std::filesystem::last_write_time(target);
    ASSERT_TRUE(store.WriteString("SETTINGS", "pbc", "69"));
    EXPECT_EQ(std::filesystem::last_write_time(target), written);
}

TEST(IniProfileStore, AFailureAtAnyStepLeavesTheFileAsItWas) {
    TempWorkingDir dir;
    const std::filesystem::path file = dir.path() / "Vantorel.conf";
    const std::string before = "[Settings]\n5BC=26\n";
    for (const FileOperation operation :
         {FileOperation::kOpenForReading, FileOperation::kRead, FileOperation::kCreate, FileOperation::kWrite,
          FileOperation::kFlush, FileOperation::kClose, FileOperation::kRename}) {
        WriteFile(file, before);
        FaultInjectingFileSystem faults(RealFileSystem());
        faults.FailOperation(operation, 0, FileFault::kNoSpace);
        IniProfileStore store(file, faults);
        EXPECT_FALSE(store.WriteString("Settings", "5BC", "30")) << static_cast<int>(operation);
        EXPECT_NE(store.Problem().find(file.string()), std::string::npos) << store.Problem();
        EXPECT_EQ(ReadFile(file), before);
        EXPECT_FALSE(test::WorkFilesLeftIn(dir.path()));
    }
}

// A folder, a file too large, or one in another encoding (UTF-16 here): nothing is read, and rewriting it
// is refused, so that it is never damaged.
TEST(IniProfileStore, AFileThatCannotBeReadIsNeverWrittenOver) {
    TempWorkingDir dir;
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string_view("[Settings]\r\n5BC=26\r\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    const std::string otherEncoding = "it is not written in UTF-8 or ASCII";
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        std::string cause;
        std::string afterWrite = {}; // the problem after a write, when it is not the reading's
    } cases[] = {
        {"a folder", [](const auto& file) { std::filesystem::create_directory(file); }, "it is not a file"},
        {"too large", [](const auto& file) { WriteFile(file, std::string(kLargestProfileFile + 1, ';')); },
         "it is larger than a settings file can be"},
        {"UTF-16", [&utf16](const auto& file) { WriteFile(file, utf16); }, otherEncoding,
         " could not be written: " + otherEncoding + ", and rewriting it would damage it."},
    };
    for (const auto& c : cases) {
        const std::filesystem::path file = dir.path() / c.name;
        c.make(file);
        IniProfileStore store(file);
        EXPECT_EQ(store.GetString("Settings", "5BC"), "") << c.name;
        const std::string readProblem = " could not be read: " + c.cause + '.';
        EXPECT_EQ(store.Problem(), "The settings file " + file.string() + readProblem);
        EXPECT_FALSE(store.IsEmpty()) << c.name;
        EXPECT_FALSE(store.WriteString("Settings", "PBC", "69")) << c.name;
        EXPECT_EQ(store.Problem(),
                  "The settings file " + file.string() + (c.afterWrite.empty() ? readProblem : c.afterWrite));
    }
    EXPECT_EQ(ReadFile(dir.path() / "UTF-16"), utf16);
}

TEST(IniProfileStore, AnUpdateWaitsForTheLockOfAnotherWriterThenGivesUp) {
    TempWorkingDir dir;
    const std::filesystem::path file = dir.path() / "Vantorel.conf";
    FileFault fault = FileFault::kNone;
    const auto held = LockFileExclusively(dir.path() / "Vantorel.conf.lck", kProfileLockWait, fault);
    ASSERT_TRUE(held);
    IniProfileStore store(file, RealFileSystem(), std::chrono::milliseconds(50));
    EXPECT_FALSE(store.WriteString("Settings", "5BC", "26"));
    EXPECT_EQ(store.Problem(), "The settings file " + file.string() +
                                   " could not be written: it is in use by another Vantorel program.");
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(IniProfileStore, AFirstRunThatCannotWriteSaysWhy) {
    TempWorkingDir dir;
    const std::filesystem::path file = dir.path() / "Vantorel.conf";
    FaultInjectingFileSystem fullDisk(RealFileSystem());
    fullDisk.LimitDiskSpace(0);
    IniProfileStore store(file, fullDisk);
    const Outcome<bool> firstRun = RunFirstTimeSetup(store);
    EXPECT_TRUE(firstRun.refused());
    EXPECT_EQ(TextsOf(firstRun.notices()),
              std::vector<std::string>{"The settings could not be saved.\nThe settings file " +
                                       file.string() +
                                       " could not be written: there is no space left on the "
                                       "disk."});
    EXPECT_FALSE(std::filesystem::exists(file));
}

// The file QSettings used for the profile, where the settings of earlier versions are.
TEST(UserProfileFile, IsTheFileQSettingsUsed) {
    TempWorkingDir dir;
    const auto setVariable = [](const char* name, const char* value) {
        value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
    };
    const char* const xdg = std::getenv("XDG_CONFIG_HOME");
    const std::optional<std::string> savedXdg =
        xdg != nullptr ? std::optional<std::string>(xdg) : std::nullopt;
    const std::string savedHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    const struct {
        const char* xdg;
        std::filesystem::path expected;
    } cases[] = {
        {"/srv/config", "/srv/config/Nulvex.Mark/Vantorel.conf"},
        {nullptr, "/home/u/.config/Nulvex.Mark/Vantorel.conf"},
        {"", "/home/u/.config/Nulvex.Mark/Vantorel.conf"},
        {"relative", dir.path() / "relative/Nulvex.Mark/Vantorel.conf"},
    };
    for (const auto& c : cases) {
        setVariable("XDG_CONFIG_HOME", c.xdg);
        setVariable("HOME", "/home/u");
        EXPECT_EQ(UserProfileFile(), c.expected) << (c.xdg != nullptr ? c.xdg : "unset");
    }
    setVariable("XDG_CONFIG_HOME", savedXdg ? savedXdg->c_str() : nullptr);
    setVariable("HOME", savedHome.c_str());
}

} // namespace
} // namespace vantorel
