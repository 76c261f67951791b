// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include "shell/MainWindow.h"
#include "shell/QtMessageSink.h"
#include "shell/VantorelApp.h"

#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>

namespace vantorel::test {
namespace {

// Records each message together with whether the main window existed when it was shown.
class WindowCheckingSink final : public MessageSink {
public:
    MessageAnswer Show(std::string_view text, MessageIcon, MessageButtons) override {
        bool frameExists = false;
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            frameExists = frameExists || qobject_cast<const MainWindow*>(widget) != nullptr;
        }
        shown.push_back({std::string(text), frameExists});
        return MessageAnswer::Ok;
    }
    std::vector<std::pair<std::string, bool>> shown;
};

class VantorelAppTest : public ::testing::Test {
protected:
    MemoryProfileStore profile;
    FixedClock clock{0};
    WindowCheckingSink sink;
    ScopedMessageSink installed{sink};
};

TEST_F(VantorelAppTest, FirstStartWritesTheDefaultsAndSaysSoBeforeTheWindowExists) {
    {
        VantorelApp app(profile, clock, &BuildSheetPages);
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(app.mainWindow()->windowTitle().toStdString(), "VanTorel");
        const QStatusBar* bar = app.mainWindow()->statusBar();
        EXPECT_EQ(bar->findChild<QLabel*>(QStringLiteral("messagePane"))->text().toStdString(), "Ready");
        for (const char* pane : {"capsIndicator", "numIndicator", "scrollIndicator"}) {
            EXPECT_NE(bar->findChild<QLabel*>(QString::fromLatin1(pane)), nullptr) << pane;
        }
    }
    ASSERT_EQ(sink.shown.size(), 1U);
    // After the described text: where the history lives and how to bring in current results.
    const std::string folder = QDir::toNativeSeparators(QDir::currentPath()).toStdString();
    EXPECT_EQ(
        sink.shown[0].first,
        std::string(kFirstRunMessage) + "\n\nYour drawing history is kept in the folder\n" + folder +
            "\nin the file vtrmain.dat, with its backup maindat.bak.\n\nTo bring in current results, "
            "choose Tools > Update Results..., which fetches the results your lottery publishes (choose "
            "your game's preset on the Setup page first). Or choose Tools > Operations... (or double-click "
            "the main window), turn to the Data File page and use \"Results Import (UPDATE)\" with a "
            "results file you downloaded, or type new drawings with \"Data Import (APPEND)\".");
    EXPECT_FALSE(sink.shown[0].second);
    EXPECT_TRUE(IsConfigured(profile));

    // A later start says nothing.
    VantorelApp again(profile, clock, &BuildSheetPages);
    ASSERT_TRUE(again.InitInstance());
    EXPECT_EQ(sink.shown.size(), 1U);
}

// Runs the desktop program with the environment changed as given (an empty value removes the variable);
// its exit status and what it wrote to standard error.
std::pair<int, std::string> RunDesktop(const std::vector<std::pair<const char*, QString>>& changes,
                                       const QStringList& arguments = {}) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : changes) {
        value.isEmpty() ? environment.remove(QString::fromLatin1(name))
                        : environment.insert(QString::fromLatin1(name), value);
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VANTOREL_DESKTOP_PATH), arguments);
    EXPECT_TRUE(program.waitForFinished(20000));
    return {program.exitCode(), program.readAllStandardError().toStdString()};
}

TEST(DesktopProgramTest, WithoutADisplaySaysSoAndPointsToTheCommandLineCompanion) {
    const auto [status, error] =
        RunDesktop({{"DISPLAY", {}}, {"WAYLAND_DISPLAY", {}}, {"QT_QPA_PLATFORM", {}}});
    EXPECT_EQ(status, 1);
    EXPECT_NE(error.find("no display"), std::string::npos) << error;
    EXPECT_NE(error.find("vantorel-cli"), std::string::npos) << error;
}

// The start-up probe ends the program once its main window is shown, or once the sheet that a double-click
// on the main window opens is shown, and then says how long the sheet took.
TEST(StartupProbeTest, EndsTheProgramOnceTheMainWindowOrTheSheetIsShown) {
    const TempWorkingDir dir;
    std::filesystem::copy_file(TestDataPath("shared/sample-vtrmain.dat"), "vtrmain.dat");
    std::filesystem::create_directories("config/Nulvex.Mark");
    WriteFile("config/Nulvex.Mark/Vantorel.conf", "[Settings]\n5BC=26\n6BC=49\nPBC=49\nPBB=42\nPBM=5\n");
    const QString folder = QString::fromStdString(dir.path().string());
    for (const auto& [until, said] : {std::pair{"window", ""}, std::pair{"sheet", "sheet shown in "}}) {
        const auto [status, error] = RunDesktop({{"QT_QPA_PLATFORM", QStringLiteral("offscreen")},
                                                 {"XDG_CONFIG_HOME", folder + QStringLiteral("/config")},
                                                 {"VANTOREL_STARTUP_PROBE", QString::fromLatin1(until)}},
                                                {folder});
        EXPECT_EQ(status, 0) << until;
        EXPECT_NE(error.find(said), std::string::npos) << until << ": " << error;
    }
}

TEST(QtMessageSinkTest, ShowsTheTextCaptionedVantorelAndReturnsTheAnswer) {
    QtMessageSink sink;
    std::string caption;
    std::string text;
    WhenModal<QMessageBox>(*qApp, [&](QMessageBox& box) {
        caption = box.windowTitle().toStdString();
        text = box.text().toStdString();
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(sink.Show("Save?\nReally", MessageIcon::Question, MessageButtons::OkCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(caption, "Vantorel");
    EXPECT_EQ(text, "Save?\nReally");
}

} // namespace
} // namespace vantorel::test
