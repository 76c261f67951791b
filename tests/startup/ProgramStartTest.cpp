// SPDX-License-Identifier: GPL-3.0-or-later
// Both programs started as a user starts them: --help and --version (without a display), the history
// folder of vantorel-cli --dir with relative file arguments, and the desktop program's first start in an
// empty data folder.

#include "VantorelBuild.h"
#include "tests/support/CliProcess.h"
#include "tests/support/TestFiles.h"

#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>

namespace vantorel::test {
namespace {

namespace fs = std::filesystem;

const std::string kVersion(kVantorelVersion);

// The desktop program with the given environment changes (an empty value removes the variable).
struct DesktopRun {
    int status = -1;
    std::string out;
    std::string err;
};

QProcessEnvironment DesktopEnvironment(const std::vector<std::pair<QString, QString>>& changes) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : changes) {
        if (value.isEmpty()) {
            environment.remove(name);
        } else {
            environment.insert(name, value);
        }
    }
    return environment;
}

const std::vector<std::pair<QString, QString>> kNoDisplay = {{QStringLiteral("DISPLAY"), {}},
                                                             {QStringLiteral("WAYLAND_DISPLAY"), {}},
                                                             {QStringLiteral("QT_QPA_PLATFORM"), {}}};

DesktopRun RunDesktop(const QStringList& arguments, const std::vector<std::pair<QString, QString>>& changes) {
    QProcess program;
    program.setProcessEnvironment(DesktopEnvironment(changes));
    program.start(QStringLiteral(VANTOREL_DESKTOP_PATH), arguments);
    DesktopRun run;
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = program.readAllStandardOutput().toStdString();
    run.err = program.readAllStandardError().toStdString();
    return run;
}

TEST(ProgramStart, HelpAndVersionAnswerWithoutADisplayOrSettings) {
    TempWorkingDir dir;
    const std::string config = (dir.path() / "config").string();
    const CliRun help = RunCli({"--help"}, config);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage:\n  vantorel-cli run GAME OPERATION"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--dir DIR"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("Exit status: 0 done, 1 refused or failed"), std::string::npos) << help.out;
    EXPECT_EQ(help.err, "");
    const CliRun version = RunCli({"--version"}, config);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vantorel-cli " + kVersion + "\n");
    EXPECT_FALSE(fs::exists(config)) << "--help and --version must not write the first-run settings";

    const DesktopRun desktopHelp = RunDesktop({QStringLiteral("--help")}, kNoDisplay);
    EXPECT_EQ(desktopHelp.status, 0) << desktopHelp.err;
    EXPECT_EQ(desktopHelp.out.rfind("Usage: vantorel [OPTION] [FOLDER | FOLDER/vtrmain.dat]\n", 0), 0U)
        << desktopHelp.out;
    EXPECT_NE(desktopHelp.out.find("Nulvex.Mark/Vantorel\n"), std::string::npos) << desktopHelp.out;
    const DesktopRun desktopVersion = RunDesktop({QStringLiteral("-v")}, kNoDisplay);
    EXPECT_EQ(desktopVersion.status, 0);
    EXPECT_EQ(desktopVersion.out, "vantorel " + kVersion + "\n");
}

TEST(ProgramStart, DesktopUsageErrorsExitWithTwo) {
    const DesktopRun run = RunDesktop({QStringLiteral("a"), QStringLiteral("b")},
                                      {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("vantorel --help"), std::string::npos) << run.err;
}

TEST(ProgramStart, CliDirChoosesTheHistoryAndFilesStayWhereTheUserStands) {
    TempWorkingDir dir;
    const std::string config = (dir.path() / "config").string();
    fs::create_directories(dir.path() / "history");
    WriteFile("draws.txt", "123 456 789 045\n");
    WriteFile("picks.txt", "456\n999\n");

    const CliRun import = RunCli({"import", "3", "--undated", "draws.txt", "--dir", "history"}, config);
    EXPECT_EQ(import.status, 0) << import.err;
    EXPECT_FALSE(fs::exists("vtrmain.dat"));
    EXPECT_EQ(ReadFile(dir.path() / "history/vtrmain.dat"), "0 4 123 456 789 45\r\n");
    EXPECT_TRUE(fs::exists("draws.txt"));

    // Before or after the command word, and the same lines as when working in that folder.
    const CliRun before = RunCli({"--dir", "history", "compare", "3", "--undated", "picks.txt"}, config);
    const CliRun after = RunCli({"compare", "3", "--undated", "picks.txt", "--dir=history"}, config);
    fs::copy_file("picks.txt", "history/picks.txt");
    fs::current_path("history");
    const CliRun inside = RunCli({"compare", "3", "--undated", "picks.txt"}, config);
    fs::current_path(dir.path());
    EXPECT_EQ(inside.status, 0) << inside.err;
    EXPECT_NE(inside.out, "");
    for (const CliRun& run : {before, after}) {
        EXPECT_EQ(run.status, inside.status);
        EXPECT_EQ(run.out, inside.out);
        EXPECT_EQ(run.err, inside.err);
    }
}

TEST(ProgramStart, CliDirThatCannotBeEnteredIsRefusedWithItsReason) {
    TempWorkingDir dir;
    const std::string config = (dir.path() / "config").string();
    WriteFile("plain.txt", "not a folder");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--dir", "missing", "analyze"},
         "vantorel-cli: cannot work in the folder \"missing\": No such file"},
        {{"analyze", "--dir", "plain.txt"}, "\"plain.txt\": Not a directory"},
        {{"analyze", "--dir", ""}, "cannot work in the folder \"\""},
    };
    for (const auto& [arguments, error] : cases) {
        const CliRun run = RunCli(arguments, config);
        EXPECT_EQ(run.status, 1) << arguments[0] << ' ' << arguments[1];
        EXPECT_NE(run.err.find(error), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("usage:"), std::string::npos) << run.err;
    }
}

TEST(ProgramStart, DesktopFirstStartWorksOnACopyOfTheSampleInTheUsersDataFolder) {
    TempWorkingDir dir;
    QProcess program;
    program.setProcessEnvironment(DesktopEnvironment(
        {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")},
         {QStringLiteral("XDG_DATA_HOME"), QString::fromStdString((dir.path() / "data").string())},
         {QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString((dir.path() / "config").string())}}));
    program.start(QStringLiteral(VANTOREL_DESKTOP_PATH), {});
    ASSERT_TRUE(program.waitForStarted());
    const fs::path copy = dir.path() / "data/Nulvex.Mark/Vantorel/vtrmain.dat";
    // The copy is made before any window; the program then waits for its user, so it is ended here.
    for (int waited = 0; waited < 200 && !fs::exists(copy); ++waited) {
        QThread::msleep(50);
    }
    program.kill();
    program.waitForFinished();
    ASSERT_TRUE(fs::exists(copy)) << program.readAllStandardError().toStdString();
    EXPECT_EQ(ReadFile(copy), ReadFile(VANTOREL_SAMPLE_PATH));
}

} // namespace
} // namespace vantorel::test
