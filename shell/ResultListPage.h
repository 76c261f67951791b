// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ResultListPrinting.h"
#include "shell/SheetPage.h"

#include <string>
#include <vector>

class QListView;
class QPushButton;

namespace vantorel {

class ResultListModel;

// "Deja View": the list of result lines, a view of the application's result log. What ran in this run of
// the sheet is listed in order, each result with the lines formatted when it ran; lines accumulate until
// "Clear List", and the list can be printed, every page headed with the game of its lines.
class ResultListPage final : public SheetPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultListPage)

public:
    explicit ResultListPage(OperationsSheet& sheet);

    void OnSetActive() override;
    QPushButton* defaultButton() override { return previousPageButton_; }

    // Shows the log as it is now, the last line in view.
    void ShowLog();
    std::vector<std::string> lines() const;

    void ClearList();
    void ReturnToPreviousPage();
    void ExitProgram();
    void PrintResultList();
    // Puts the selected lines, in list order, on the clipboard as text (Ctrl+C).
    void CopySelectedLines();
    // Saves every kept result as CSV, one section per operation ("Export...").
    void ExportResultLog();

    // The pages of the last print.
    const std::vector<PrintPage>& printedPages() const { return printedPages_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListView* resultList_;
    ResultListModel* model_;
    QPushButton* previousPageButton_ = nullptr;
    std::vector<PrintPage> printedPages_;
};

} // namespace vantorel
