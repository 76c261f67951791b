// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/HandOver.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"

#include <QString>

#include <memory>
#include <string>

namespace vantorel {

class MainWindow;

// What the desktop program's first-run message says after the described text: where the history lives and
// how to bring in current results.
std::string FirstRunFollowUp(const QString& historyFolder);

// The application: starts the program in the order the user sees it (settings location, first-run
// defaults and their message before any window, then the main window titled "VanTorel") and owns the
// hand-over state that the operations sheet's pages share and the results that outlive each sheet.
class VantorelApp final {
public:
    VantorelApp(ProfileStore& profile, const Clock& clock, SheetPageFactory pageFactory);
    ~VantorelApp();
    VantorelApp(const VantorelApp&) = delete;
    VantorelApp& operator=(const VantorelApp&) = delete;

    // Runs the start-up steps; false when the main window could not be made.
    bool InitInstance();

    ShellServices& services() { return services_; }
    HandOver& handOver() { return handOver_; }
    SheetResults& results() { return results_; }
    MainWindow* mainWindow() const { return window_.get(); }

private:
    ShellServices services_;
    HandOver handOver_;
    SheetResults results_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace vantorel
