// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lotto/LottoGameTables.h"
#include "platform/GameSettings.h"
#include "shell/SheetPage.h"
#include "shell/pages/GamePageControls.h"

#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vantorel {

struct GameSettings;
struct LottoInputs;

// What sets one lotto page apart from the other two.
struct LottoPageTraits {
    GameType game;              // kFiveNumber, kSixNumber or kPowerball
    int queryLength;            // characters the query field takes
    int toLength;               // characters the "To" field takes; 0: no limit
    const char* numberCaption;  // the query field's label for "Number" (and at first)
    const char* partialCaption; // its label for "Partial Number"
    bool powerBallField;        // a Power Ball field after a "+" follows the query field
};

// A lotto-game page ("5 Number", "6 Number" or "Power Ball"): loads the game's undated and dated history
// at every activation, lets the user choose the data source, an operation and its inputs, and runs the
// operation through the lotto engine when the sheet applies the page. The whole result goes to the
// sheet's SheetResults, where the result list and the chart view find it. The three pages differ only in
// their LottoPageTraits.
class LottoGamePage : public GamePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LottoGamePage)

public:
    LottoGamePage(OperationsSheet& sheet, const LottoPageTraits& traits);

    void OnSetActive() override;
    bool OnApply() override;
    std::vector<QWidget*> inputFields() const override;
    Outcome<std::string> ComparePickFile(const std::filesystem::path& pickFile, bool dated) const override;

    const LottoGameTables& tables() const { return tables_; }

private:
    QLayout* BuildDataSourceRow();
    QWidget* BuildInputRow();
    // The input fields: query, From, To and, on the Power Ball page, the Power Ball.
    std::vector<QLineEdit*> Fields() const;
    // The game settings as they stand now, read at the start of every activation and operation, with the
    // keys in `needed` checked; nothing (after a message naming the bad key) when one of them cannot be used.
    std::optional<GameSettings> ReadSettings(GameSettingKeys needed) const;
    // The game's two histories as the file holds them now, read with the settings a drawing's shape needs;
    // neither is available when those settings cannot be used.
    LottoGameTables LoadTables() const;
    void ShowDataState();
    void ShowInputsFor(std::optional<Operation> op);
    void OnOperationClicked(Operation op);
    GameFamily family() const { return GameOf(game()).family; }
    void OnDataSourceClicked(bool dated);
    void ClearInputs();
    LottoInputs TypedInputs() const;
    // Keeps the result for the chart view and adds it, with the list lines formatted from it now, to the
    // result log.
    void KeepResult(const LottoResult& result, bool dated);

    const LottoPageTraits traits_;
    LottoGameTables tables_;
    int loadedAtRewrite_ = -1; // the sheet's count of history rewrites when the tables were last loaded

    QRadioButton* datedRadio_ = nullptr;
    QRadioButton* undatedRadio_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QButtonGroup* operations_ = nullptr;
    OperationRadios operationRadios_{};
    QLabel* numberLabel_ = nullptr;
    QLineEdit* numberEdit_ = nullptr;
    QLineEdit* powerBallEdit_ = nullptr; // Power Ball page only
    QLineEdit* fromEdit_ = nullptr;
    QLineEdit* toEdit_ = nullptr;
    QPushButton* clearInputsButton_ = nullptr;
    QLabel* seedLabel_ = nullptr;
};

} // namespace vantorel
