// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup/HistoryFolder.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempWorkingDir;
using test::WriteFile;

QString Q(const fs::path& path) {
    return QString::fromStdString(path.string());
}

TEST(HistoryFolder, ANamedFileOrFolderChoosesTheFolder) {
    TempWorkingDir dir;
    fs::create_directories(dir.path() / "lotto");
    fs::create_directories(dir.path() / "empty");
    WriteFile(dir.path() / "lotto/vtrmain.dat", "0 0\r\n");
    WriteFile(dir.path() / "lotto/picks.txt", "1 2 3\n");
    const QString lotto = Q(dir.path() / "lotto");
    struct Case {
        QString argument;
        QString folder; // empty: refused
    };
    const Case cases[] = {
        {QStringLiteral("lotto"), lotto},
        {QStringLiteral("lotto/"), lotto},
        {QStringLiteral("lotto/vtrmain.dat"), lotto},
        {Q(dir.path() / "lotto/vtrmain.dat"), lotto},
        {QStringLiteral("./empty/../lotto"), lotto},
        {QStringLiteral("empty/vtrmain.dat"), Q(dir.path() / "empty")}, // a new history starts there
        {QStringLiteral("lotto/picks.txt"), {}},                        // not the history file
        {QStringLiteral("missing"), {}},
        {QStringLiteral("missing/vtrmain.dat"), {}},
    };
    // Relative names are taken from the folder given, not from the working directory.
    const QDir base(Q(dir.path()));
    fs::current_path(dir.path() / "empty");
    for (const Case& c : cases) {
        const HistoryFolder folder = FolderOfHistoryArgument(c.argument, base);
        EXPECT_EQ(QDir::cleanPath(folder.path), c.folder) << c.argument.toStdString();
        EXPECT_EQ(folder.problem.isEmpty(), !c.folder.isEmpty()) << c.argument.toStdString();
    }
    EXPECT_TRUE(FolderOfHistoryArgument(QStringLiteral("lotto/picks.txt"), base)
                    .problem.contains(QStringLiteral("vtrmain.dat")));
    EXPECT_TRUE(FolderOfHistoryArgument(QStringLiteral("missing"), base)
                    .problem.contains(QStringLiteral("does not exist")));
}

TEST(HistoryFolder, FirstStartCopiesTheSampleOnceAndNeverOverAFile) {
    TempWorkingDir dir;
    const fs::path sample = dir.path() / "share/vtrmain.dat";
    fs::create_directories(sample.parent_path());
    WriteFile(sample, "sample history\r\n");
    fs::permissions(sample, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::path data = dir.path() / "home/data/Nulvex.Mark/Vantorel";

    const HistoryFolder first = PrepareUserDataFolder(Q(data), Q(sample));
    EXPECT_EQ(first.path, Q(data));
    EXPECT_TRUE(first.problem.isEmpty() && first.notice.isEmpty()) << first.notice.toStdString();
    EXPECT_EQ(ReadFile(data / "vtrmain.dat"), "sample history\r\n");
    // The user's copy is theirs to change even when the installed sample is read-only.
    EXPECT_NE(fs::status(data / "vtrmain.dat").permissions() & fs::perms::owner_write, fs::perms::none);

    WriteFile(data / "vtrmain.dat", "the user's drawings\r\n");
    const HistoryFolder later = PrepareUserDataFolder(Q(data), Q(sample));
    EXPECT_EQ(later.path, Q(data));
    EXPECT_EQ(ReadFile(data / "vtrmain.dat"), "the user's drawings\r\n");

    // A link where the history belongs is left alone, even when it leads nowhere.
    fs::remove(data / "vtrmain.dat");
    fs::create_symlink(dir.path() / "elsewhere.dat", data / "vtrmain.dat");
    PrepareUserDataFolder(Q(data), Q(sample));
    EXPECT_TRUE(fs::is_symlink(data / "vtrmain.dat"));
    EXPECT_FALSE(fs::exists(dir.path() / "elsewhere.dat"));
}

TEST(HistoryFolder, AMissingSampleOrAnUnusableFolderIsSaid) {
    TempWorkingDir dir;
    const HistoryFolder noSample =
        PrepareUserDataFolder(Q(dir.path() / "data"), Q(dir.path() / "share/vtrmain.dat"));
    EXPECT_EQ(noSample.path, Q(dir.path() / "data"));
    EXPECT_TRUE(noSample.notice.contains(QStringLiteral("No sample history")))
        << noSample.notice.toStdString();
    EXPECT_FALSE(fs::exists(dir.path() / "data/vtrmain.dat"));

    WriteFile(dir.path() / "blocked", "a file where the folder should be");
    const HistoryFolder blocked =
        PrepareUserDataFolder(Q(dir.path() / "blocked/data"), Q(dir.path() / "share/vtrmain.dat"));
    EXPECT_TRUE(blocked.path.isEmpty());
    EXPECT_TRUE(blocked.problem.contains(QStringLiteral("cannot be made"))) << blocked.problem.toStdString();
}

} // namespace
} // namespace vantorel
