// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

class QPrinter;
class QString;
class QWidget;

namespace vantorel {

class Clock;
class OperationsSheet;
class ProfileStore;
class SheetPage;

// Makes the pages of a new operations sheet, each a child of the sheet; the sheet places them by their
// page index.
using SheetPageFactory = std::function<std::vector<SheetPage*>(OperationsSheet& sheet)>;

// What the windows of the desktop program take from outside: the settings store, the clock that seeds
// unplanted randomness, the sheet's pages, and the modal services (help, print dialog, file dialog,
// ending the program) that tests replace.
struct ShellServices {
    // The desktop defaults: the help window, the platform's print and file dialogs and an immediate exit.
    ShellServices(ProfileStore& profileStore, const Clock& programClock, SheetPageFactory pageFactory);

    ProfileStore& profile;
    const Clock& clock;
    SheetPageFactory buildPages;
    // Opens help at a context number (5000 main window, 5005 + page index for the sheet's pages).
    std::function<void(int helpContext, QWidget* parent)> showHelp;
    // Asks for a printer and the pages 1..pageCount to print; false when the user cancels. The printer
    // holds the chosen range afterwards (fromPage() 0 means all pages).
    std::function<bool(QPrinter& printer, int pageCount, QWidget* parent)> choosePrinter;
    // Asks where to save the chart as a picture: a path ending in ".png" or ".svg", or an empty text when
    // the user cancels.
    std::function<QString(QWidget* parent)> chooseChartFile;
    // Asks for an existing file to open, offering the files that `filter` names (Qt's form, "Text Files
    // (*.txt);;All Files (*)"); the chosen path, or an empty text when the user cancels.
    std::function<QString(const QString& caption, const QString& filter, QWidget* parent)> chooseFileToOpen;
    // Asks where to save a file of the type `filter` names, proposing `suggestedName`; the chosen path, or
    // an empty text when the user cancels.
    std::function<QString(const QString& caption, const QString& filter, const QString& suggestedName,
                          QWidget* parent)>
        chooseFileToSave;
    // Asks for a folder (one that exists, or one the dialog makes); an empty text when the user cancels.
    std::function<QString(const QString& caption, QWidget* parent)> chooseFolder;
    // Ends the program at once with status 0.
    std::function<void()> exitProgram;
};

} // namespace vantorel
