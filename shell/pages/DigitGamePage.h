// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "digit/DigitGameTables.h"
#include "shell/SheetPage.h"
#include "shell/pages/GamePageControls.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vantorel {

// A digit-game page ("3 Number" or "4 Number"): loads the game's undated and dated history at every
// activation, lets the user choose an operation and the data source and type its inputs, and runs the
// operation when the sheet applies the page. The whole result goes to the sheet's SheetResults, where the
// result list and the chart view find it. The two pages differ only in their game.
class DigitGamePage : public GamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DigitGamePage)

public:
    DigitGamePage(OperationsSheet& sheet, GameType game);

    void OnSetActive() override;
    bool OnApply() override;
    std::vector<QWidget*> inputFields() const override;
    Outcome<std::string> ComparePickFile(const std::filesystem::path& pickFile, bool dated) const override;

    const DigitGameTables& tables() const { return tables_; }
    const DigitDrawTable& table(bool dated) const { return tables_.Chosen(dated); }

private:
    QLayout* BuildDataSourceRow();
    QWidget* BuildInputRow();
    void ShowDataState();
    void SetFields(bool number, bool from, bool to);
    void AdjustInputsToPredictions();
    void AdjustInputsToPageOperation();
    // The placeholders and tool tips of the input fields for the chosen operation and Setup choices.
    void ShowOperationInputHints();
    void OnOperationClicked(Operation op);
    void OnDataSourceClicked(bool dated);
    void ClearInputs();
    void KeepResults(const DigitOperationResult& result);
    // Adds the result, with the list lines formatted from it now, to the result log.
    void LogResult(const DigitOperationRequest& request, const DigitOperationResult& result);

    DigitGameTables tables_;
    std::string numberText_;
    std::string fromText_;
    std::string toText_;
    std::optional<Operation> pageOperation_;
    // The sheet's count of history rewrites when the tables were loaded; -1 before the first load.
    int loadedAtRewrite_ = -1;

    QCheckBox* datedCheck_ = nullptr;
    QCheckBox* undatedCheck_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QButtonGroup* operations_ = nullptr;
    OperationRadios operationRadios_{};
    QLineEdit* numberEdit_ = nullptr;
    QLineEdit* fromEdit_ = nullptr;
    QLineEdit* toEdit_ = nullptr;
    QLabel* numberLabel_ = nullptr;
    QPushButton* clearInputsButton_ = nullptr;
    QLabel* seedLabel_ = nullptr;
};

} // namespace vantorel
