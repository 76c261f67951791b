// SPDX-License-Identifier: GPL-3.0-or-later
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

// The save dialog for the chart: PNG or SVG, the suffix of the chosen type added when the name has none.
QString ChooseChartFileWithDialog(QWidget* parent) {
    const QString png = QStringLiteral("PNG image (*.png)");
    const QString svg = QStringLiteral("SVG drawing (*.svg)");
    QFileDialog dialog(parent, QStringLiteral("Export Chart"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({png, svg});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(QStringLiteral("chart.png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg](const QString& filter) {
        dialog.setDefaultSuffix(filter == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

// QFileDialog's own open dialog takes only files that exist.
QString ChooseWithFileDialog(const QString& caption, const QString& filter, QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

// The platform's save dialog, which asks before it replaces a file.
QString ChooseFileToSaveWithDialog(const QString& caption, const QString& filter,
                                   const QString& suggestedName, QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
}

QString ChooseFolderWithDialog(const QString& caption, QWidget* parent) {
    return QFileDialog::getExistingDirectory(parent, caption);
}

} // namespace

ShellServices::ShellServices(ProfileStore& profileStore, const Clock& programClock,
                             SheetPageFactory pageFactory)
    : profile(profileStore), clock(programClock), buildPages(std::move(pageFactory)),
      showHelp(&HelpWindow::ShowContext), choosePrinter(&ChooseWithPrintDialog),
      chooseChartFile(&ChooseChartFileWithDialog), chooseFileToOpen(&ChooseWithFileDialog),
      chooseFileToSave(&ChooseFileToSaveWithDialog), chooseFolder(&ChooseFolderWithDialog),
      exitProgram([] { std::exit(EXIT_SUCCESS); }) {}

} // namespace vantorel
