// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"
#include "platform/SetupChoices.h"
#include "shell/SheetPage.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QListWidget;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vantorel {

struct GamePreset;

// The "Setup" page: the fifteen strategy choices that the engines read (kept from one run of the sheet to
// the next through setupChoicesSaved) and the five game maximums, which it writes to the profile only
// when the user saves and confirms. A maximum not recorded in this visit keeps its stored value. Beside the
// described value list, "Other value" takes a typed value, which "Record Entry" records when no list entry
// is selected (choosing one clears the other); it shows the checked target's range, and a value outside it
// is refused with the target's message. A preset
// of a common current game saves its game's maximums in one step, after the same confirmation.
class SetupPage final : public SheetPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SetupPage)

public:
    explicit SetupPage(OperationsSheet& sheet);

    void OnSetActive() override;

    // The values recorded in this visit, by key; a key without one is not recorded.
    const GameSettingChanges& enteredMaximums() const { return enteredMaximums_; }

private:
    QWidget* BuildChoiceGroup(const QString& title, int firstChoice, int lastChoice);
    QWidget* BuildMaximumsGroup();
    void ShowChoices();
    void OnChoiceClicked(int choice);
    void ShowOtherValueRange();
    void RecordEntry();
    void SaveEntries();
    void UsePreset();
    // Shows the confirmation of the texts the keys will hold and writes the changes after OK; with a
    // preset, the settings then remember it as its game's.
    void ConfirmAndSave(const GameSettingChanges& changes, const GamePreset* preset = nullptr);
    void ShowCurrentSettings();
    void ReturnToPreviousPage();

    std::array<QRadioButton*, kSetupChoiceCount> choiceRadios_{};
    std::array<QRadioButton*, kGameSettingCount> targetRadios_{};
    QListWidget* valueList_ = nullptr;
    // A value typed instead of chosen from the list (the Power Ball groups reach beyond it); empty when
    // none. Its label shows the checked target's range.
    QLineEdit* otherValue_ = nullptr;
    QLabel* otherLabel_ = nullptr;
    QComboBox* presets_ = nullptr;
    GameSettingChanges enteredMaximums_;
};

} // namespace vantorel
