// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Operations.h"
#include "platform/Outcome.h"
#include "platform/ReportLines.h"
#include "shell/HandOver.h"

#include <QWidget>

#include <filesystem>
#include <string>
#include <vector>

class QPushButton;

namespace vantorel {

class OperationsSheet;
class SheetResults;
struct HandOver;
struct ShellServices;

// The base of the operations sheet's pages; a page is a child of its sheet from the start. A bare
// SheetPage is a blank page. The sheet calls OnSetActive() when the page is shown and
// OnApply() on every page shown in this run when the user presses Apply or OK. A command on a page marks
// it modified, which enables the sheet's Apply button.
class SheetPage : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SheetPage)

public:
    SheetPage(OperationsSheet& sheet, int pageIndex);

    int pageIndex() const { return pageIndex_; }

    virtual void OnSetActive() {}
    // Returns false to keep the sheet open on this page.
    virtual bool OnApply() { return true; }
    // The button that Enter presses while the page is shown; the sheet's OK button when none.
    virtual QPushButton* defaultButton() { return nullptr; }

    void SetModified(bool modified);
    bool IsModified() const { return modified_; }

protected:
    OperationsSheet& sheet() const { return sheet_; }
    HandOver& handOver() const;
    SheetResults& results() const;
    ShellServices& services() const;

private:
    OperationsSheet& sheet_;
    int pageIndex_;
    bool modified_ = false;
};

// The base of the five game pages: the activation and operation-radio steps that every game page shares,
// and the report lines of its game that the "Deja View" page asks for.
class GamePage : public SheetPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GamePage)

public:
    // The page of `game`, at the page index the sheet keeps for it.
    GamePage(OperationsSheet& sheet, GameType game) : SheetPage(sheet, PageOfGame(game)), game_(game) {}

    GameType game() const { return game_; }

    // The page's input fields, enabled and disabled together.
    virtual std::vector<QWidget*> inputFields() const = 0;
    // "Compare External File" of the Data File page: the report ("\n"-ended lines) of comparing a pick file
    // with the page's dated or undated table as the page last loaded it (read anew when the page has not
    // loaded it in this run, or the Data File page has changed the history since); kFileInputError after
    // its message when the pick file cannot be read. Refused with the page's status text when that history
    // is not loaded.
    virtual Outcome<std::string> ComparePickFile(const std::filesystem::path& pickFile, bool dated) const = 0;

    void SetInputsEnabled(bool enabled);

protected:
    // The activation steps that every game page shares: return-page markers, activeGame and startPage,
    // the saved Setup choices, OK disabled and the page unmodified.
    void ActivateGamePage();
    // The first steps of every operation radio: chartPending and the OK button.
    void ChooseOperation(Operation op);
    // Copies the seed planted on the Data File page into the sheet, and shows the "Seed is Planted" note
    // while the sheet has a seed.
    void ShowPlantedSeed(QWidget& seedNote);

private:
    GameType game_;
};

// The report a pick-file comparison gives the list: its own, or kFileInputError after the message that the
// pick file could not be read.
Outcome<std::string> ListedComparison(const Outcome<std::string>& compared);

} // namespace vantorel
