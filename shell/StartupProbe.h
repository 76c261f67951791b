// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;
class QWindow;

namespace vantorel {

// Start-up timing, asked for by the environment variable VANTOREL_STARTUP_PROBE:
//   window   the program ends as soon as its main window has been shown on the screen;
//   sheet    then the main window is double-clicked, and once the operations sheet is shown the time from
//            the double-click to the sheet is written to standard error ("sheet shown in N ms") and the
//            program ends.
// Benchmarks time the whole process with it; it changes nothing when the variable is not set.
class StartupProbe final : public QObject {
public:
    enum class Until { MainWindowShown, SheetShown };

    // Nothing when the variable is not set (or names neither).
    static std::unique_ptr<StartupProbe> FromEnvironment(QWidget& mainWindow);

    StartupProbe(QWidget& mainWindow, Until until);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DoubleClickMainWindow();
    void SheetShown();

    QPointer<QWidget> mainWindow_;
    Until until_;
    bool mainWindowShown_ = false;
    bool sheetShown_ = false;
    QElapsedTimer sinceDoubleClick_;
};

} // namespace vantorel
