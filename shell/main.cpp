// SPDX-License-Identifier: GPL-3.0-or-later
// vantorel: the desktop program.

#include "VantorelBuild.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "settings/FolderProfileStore.h"
#include "settings/IniProfileStore.h"
#include "settings/LotteryFolder.h"
#include "shell/MainWindow.h"
#include "shell/QtMessageSink.h"
#include "shell/StartupProbe.h"
#include "shell/VantorelApp.h"
#include "shell/pages/SheetPages.h"
#include "startup/DesktopCommandLine.h"
#include "startup/HistoryFolder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr int kExitUsage = 2;

// Without a display Qt would abort while starting; say so in words instead.
bool DisplayAvailable() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

QStringList ArgumentsAfterProgramName(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// The window's icon, in the sizes that window decorations and task bars draw. Launchers and docks take
// the larger sizes from the installed desktop entry's icon; reading them here too would make the main
// window appear later (each size is read and handed to the window system before the window is shown).
QIcon ProgramIcon() {
    constexpr int kLargestWindowIcon = 64;
    const QDir icons(QStringLiteral(":/icons"));
    QIcon icon;
    for (const QString& file : icons.entryList({QStringLiteral("*.png")})) {
        // The files are named after their size.
        if (QFileInfo(file).completeBaseName().toInt() <= kLargestWindowIcon) {
            icon.addFile(icons.filePath(file));
        }
    }
    return icon;
}

constexpr std::string_view kUnexpectedFailure = "Vantorel stopped on an unexpected problem:\n";

// The last resort for anything that escapes the program: say what happened, on standard error and, while
// the application still runs, in a message box.
void ReportUnexpectedFailure(std::string_view what, bool applicationRuns) {
    const std::string text = std::string(kUnexpectedFailure) + std::string(what);
    std::cerr << text << '\n';
    if (applicationRuns) {
        QMessageBox::critical(nullptr, QStringLiteral("Vantorel"), QString::fromStdString(text));
    }
}

// Runs `work`; an exception that escapes it is reported and gives EXIT_FAILURE.
template <typename Work> int ReportingFailures(bool applicationRuns, Work work) {
    try {
        return work();
    } catch (const std::exception& problem) {
        ReportUnexpectedFailure(problem.what(), applicationRuns);
    } catch (...) {
        ReportUnexpectedFailure("unknown", applicationRuns);
    }
    return EXIT_FAILURE;
}

// Exceptions must not cross Qt's event loop: one that escapes an event handler is caught here, told, and
// ends the program with exit status 1.
class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override {
        bool handled = false;
        const int status = ReportingFailures(true, [&] {
            handled = QApplication::notify(receiver, event);
            return EXIT_SUCCESS;
        });
        if (status != EXIT_SUCCESS) {
            QCoreApplication::exit(EXIT_FAILURE);
        }
        return handled;
    }
};

// The history named on the command line; without one, the folder the program worked in last while it is
// still there (empty: the user's data folder).
QString HistoryToOpen(const QString& named, vantorel::ProfileStore& user) {
    if (!named.isEmpty()) {
        return named;
    }
    const std::vector<std::filesystem::path> recent = vantorel::ReadRecentFolders(user);
    if (recent.empty() || !recent.front().is_absolute() ||
        !QFileInfo(QString::fromStdString(recent.front().string())).isDir()) {
        return {};
    }
    // A last folder whose settings cannot be read is not reopened: the data folder opens instead, and why
    // is said (the folder can still be opened by name once its settings file is mended).
    const vantorel::FolderProfileStore settings(user, recent.front());
    if (const std::string problem = settings.FolderFileProblem(); !problem.empty()) {
        std::cerr << "vantorel: " << problem << '\n';
        return {};
    }
    return QString::fromStdString(recent.front().string());
}

int RunDesktop(int argc, char* argv[]) {
    using namespace vantorel;
    // The same names that the application object gives the settings store; the data folder follows them.
    QCoreApplication::setOrganizationName(QStringLiteral("Nulvex.Mark"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantorel"));

    // --help and --version answer before Qt looks for a display.
    const DesktopCommandLine early = ParseDesktopCommandLine(ArgumentsAfterProgramName(argc, argv));
    if (early.request == DesktopRequest::Help) {
        std::cout << DesktopHelpText(UserDataFolder()).toStdString();
        return EXIT_SUCCESS;
    }
    if (early.request == DesktopRequest::Version) {
        std::cout << DesktopVersionText().toStdString();
        return EXIT_SUCCESS;
    }
    if (!DisplayAvailable()) {
        std::cerr << "vantorel: no display is available for the desktop program.\n"
                     "Start it in a graphical session, or use vantorel-cli to run the same operations on the "
                     "command line (vantorel-cli without arguments lists them).\n";
        return EXIT_FAILURE;
    }
    GuardedApplication application(argc, argv);
    // Qt has taken its own options (-style, -platform ...) out of the arguments by now.
    const DesktopCommandLine line = ParseDesktopCommandLine(QCoreApplication::arguments().mid(1));
    if (line.request == DesktopRequest::Invalid) {
        std::cerr << "vantorel: " << line.problem.toStdString() << "\nTry \"vantorel --help\".\n";
        return kExitUsage;
    }
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId.data(), kDesktopId.size()));
    QApplication::setWindowIcon(ProgramIcon());
    vantorel::QtMessageSink sink;
    const vantorel::ScopedMessageSink installed(sink);
    // Located before the history folder becomes the working directory, so that a relative
    // XDG_CONFIG_HOME is taken from where the program was started.
    const std::filesystem::path profileFile = UserProfileFile();
    vantorel::IniProfileStore user(profileFile);
    if (!EnterHistoryFolder(HistoryToOpen(line.history, user), QCoreApplication::applicationDirPath())) {
        return EXIT_FAILURE;
    }
    return ReportingFailures(true, [&user] {
        vantorel::FolderProfileStore profile(user);
        if (const std::string problem = profile.FolderFileProblem(); !problem.empty()) {
            std::cerr << "vantorel: " << problem << '\n';
            vantorel::MessageBox(problem, vantorel::MessageIcon::Stop);
            return EXIT_FAILURE;
        }
        const vantorel::SystemClock clock;
        vantorel::VantorelApp app(profile, clock, &vantorel::BuildSheetPages);
        if (!app.InitInstance()) {
            return EXIT_FAILURE;
        }
        const auto probe = vantorel::StartupProbe::FromEnvironment(*app.mainWindow());
        return QApplication::exec();
    });
}

} // namespace

// Nothing leaves main() as an exception.
int main(int argc, char* argv[]) {
    return ReportingFailures(false, [&] { return RunDesktop(argc, argv); });
}
