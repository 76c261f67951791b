// vantorel: the desktop program.

#include "platform/Clock.h"
#include "settings/QtProfileStore.h"
#include "shell/CVantorelApp.h"
#include "shell/QtMessageSink.h"
#include "shell/pages/SheetPages.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>

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

} // namespace

int main(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        std::cerr << "vantorel: no display is available for the desktop program.\n"
                     "Start it in a graphical session, or use vantorel-cli to run the same operations on the "
                     "command line (vantorel-cli without arguments lists them).\n";
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    vantorel::QtMessageSink sink;
    const vantorel::ScopedMessageSink installed(sink);
    vantorel::QtProfileStore profile;
    const vantorel::SystemClock clock;
    vantorel::CVantorelApp app(profile, clock, &vantorel::BuildSheetPages);
    if (!app.InitInstance()) {
        return EXIT_FAILURE;
    }
    return QApplication::exec();
}
