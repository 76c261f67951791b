#pragma once

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "shell/CPsheet.h"
#include "shell/HandOver.h"
#include "shell/SheetPage.h"
#include "shell/ShellServices.h"
#include "tests/support/TestFiles.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QPrinter;

namespace vantorel {
class CVantorelView;
} // namespace vantorel

namespace vantorel::test {

// One program run as the widget tests see it: a fresh working directory, an in-memory settings store
// holding the first-run values, a fixed clock, and recorded messages, help requests, print jobs and exit
// requests. Tests open the operations sheet on it and drive its pages.
class SheetTest : public ::testing::Test {
protected:
    SheetTest();
    ~SheetTest() override;

    // vtrmain.dat of the working directory.
    void WriteHistory(std::string_view content);
    void UseSampleHistory();

    // Builds the sheet and shows it, opening on `startPage`, as the chart view does.
    CPsheet& OpenSheet(int startPage = 0);
    // Destroys the sheet as the chart view does after the modal run, keeping what it leaves for the next.
    void CloseSheet();

    // A widget of the sheet by object name, searched in the given page (or the whole sheet).
    template <class Widget> Widget* Find(std::string_view name, int page = -1) const {
        auto* widget = Root(page)->findChild<Widget*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        EXPECT_NE(widget, nullptr) << "no widget " << name;
        return widget;
    }

    // The page, or the whole sheet for -1.
    QWidget* Root(int page) const;
    // Shows the page and clicks a button of it with the mouse.
    void Click(int page, std::string_view name);
    // Clicks one of the sheet's own buttons: okButton, cancelButton, applyButton, helpButton.
    void ClickSheetButton(std::string_view name);
    // Types into an edit field of the page (after emptying it).
    void Type(int page, std::string_view name, std::string_view text);
    bool IsEnabled(int page, std::string_view name) const;
    bool IsChecked(int page, std::string_view name) const;
    std::string Text(int page, std::string_view name) const;

    // The lines of the "Deja View" list.
    std::vector<std::string> ResultLines() const;
    bool ApplyEnabled() const;
    bool OkEnabled() const;

    const std::filesystem::path& workDir() const { return workDir_.path(); }

    TempWorkingDir workDir_;
    RecordingMessageSink messages;
    MemoryProfileStore profile;
    FixedClock clock{1000};
    ShellServices services;
    HandOver handOver;
    std::vector<int> helpContexts;
    int exitRequests = 0;
    // Answers the print dialog: by default prints every page to print.pdf in the working directory.
    std::function<bool(QPrinter&, int pageCount)> printerChoice;
    std::vector<int> printDialogPageCounts;
    std::unique_ptr<CPsheet> sheet;

private:
    ScopedMessageSink sinkInstalled_;
};

// Double-clicks the view, which runs the sheet modally; `whileOpen` acts on the running sheet, which is
// cancelled afterwards unless `whileOpen` closed it.
void RunSheetFromView(CVantorelView& view, const std::function<void(CPsheet&)>& whileOpen);

// The number of pages of a PDF file written by Qt.
int PdfPageCount(const std::filesystem::path& pdf);

} // namespace vantorel::test
