#pragma once

#include "shell/SheetPage.h"

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace vantorel {

// "Deja View": the list of result lines. On every activation it adds the report that the hand-over state
// names (a data-file report, or the lines the active game page gives for its last operation); lines
// accumulate until "Clear List", and the list can be printed.
class ResultListPage final : public SheetPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultListPage)

public:
    explicit ResultListPage(OperationsSheet& sheet);

    void OnSetActive() override { FillResultList(); }
    QPushButton* defaultButton() override { return previousPageButton_; }

    void FillResultList();
    // Appends lines at the end of the list and shows the last one.
    void AddLines(const ReportLines& lines);
    std::vector<std::string> lines() const;

    void ClearList();
    void ReturnToPreviousPage();
    void ExitProgram();
    void PrintResultList();

    // The page texts of the last print.
    const std::vector<std::string>& pageTexts() const { return pageTexts_; }

private:
    QListWidget* resultList_;
    QPushButton* previousPageButton_ = nullptr;
    std::vector<std::string> pageTexts_;
};

} // namespace vantorel
