#include "shell/ShellServices.h"

#include "shell/HelpWindow.h"

#include <QFileDialog>
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

// QFileDialog's own open dialog takes only files that exist.
QString ChooseWithFileDialog(const QString& caption, const QString& filter, QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

} // namespace

ShellServices::ShellServices(ProfileStore& profileStore, const Clock& programClock,
                             SheetPageFactory pageFactory)
    : profile(profileStore), clock(programClock), buildPages(std::move(pageFactory)),
      showHelp(&HelpWindow::ShowContext), choosePrinter(&ChooseWithPrintDialog),
      chooseFileToOpen(&ChooseWithFileDialog), exitProgram([] { std::exit(EXIT_SUCCESS); }) {}

} // namespace vantorel
