// vantorel: the desktop program.

#include "platform/Clock.h"
#include "shell/CVantorelApp.h"
#include "shell/QtMessageSink.h"
#include "shell/QtProfileStore.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

namespace {

// Without a display Qt would abort while starting; say so in words instead.
bool DisplayAvailable() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
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

int RunDesktop(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        std::cerr << "vantorel: no display is available for the desktop program.\n"
                     "Start it in a graphical session, or use vantorel-cli to run the same operations on the "
                     "command line (vantorel-cli without arguments lists them).\n";
        return EXIT_FAILURE;
    }
    GuardedApplication application(argc, argv);
    return ReportingFailures(true, [] {
        vantorel::QtMessageSink sink;
        const vantorel::ScopedMessageSink installed(sink);
        vantorel::QtProfileStore profile;
        const vantorel::SystemClock clock;
        vantorel::CVantorelApp app(profile, clock);
        if (!app.InitInstance()) {
            return EXIT_FAILURE;
        }
        return QApplication::exec();
    });
}

} // namespace

// Nothing leaves main() as an exception.
int main(int argc, char* argv[]) {
    return ReportingFailures(false, [&] { return RunDesktop(argc, argv); });
}
