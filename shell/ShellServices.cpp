#include "shell/ShellServices.h"

#include "shell/HelpWindow.h"

#include <QPrintDialog>
#include <QPrinter>

#include <cstdlib>

namespace vantorel {

namespace {

bool ChooseWithPrintDialog(QPrinter& printer, int pageCount, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pageCount);
    printer.setFromTo(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

ShellServices::ShellServices(ProfileStore& profileStore, const Clock& programClock,
                             SheetPageFactory pageFactory)
    : profile(profileStore), clock(programClock), buildPages(std::move(pageFactory)),
      showHelp(&HelpWindow::ShowContext), choosePrinter(&ChooseWithPrintDialog),
      exitProgram([] { std::exit(EXIT_SUCCESS); }) {}

} // namespace vantorel
