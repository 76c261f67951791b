#pragma once

#include "shell/HandOver.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"

#include <memory>

namespace vantorel {

class CMainFrame;
class CVantorelDoc;

// The application: starts the program in the order the user sees it (settings location, first-run
// defaults and their message before any window, then the main window titled "VanTorel") and owns the
// hand-over state that the operations sheet's pages share and the results that outlive each sheet.
class CVantorelApp final {
public:
    CVantorelApp(ProfileStore& profile, const Clock& clock, SheetPageFactory pageFactory);
    ~CVantorelApp();
    CVantorelApp(const CVantorelApp&) = delete;
    CVantorelApp& operator=(const CVantorelApp&) = delete;

    // Runs the start-up steps; false when the main window could not be made.
    bool InitInstance();

    ShellServices& services() { return services_; }
    HandOver& handOver() { return handOver_; }
    SheetResults& results() { return results_; }
    CMainFrame* mainFrame() const { return frame_.get(); }

private:
    ShellServices services_;
    HandOver handOver_;
    SheetResults results_;
    std::unique_ptr<CVantorelDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace vantorel
