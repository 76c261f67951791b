#pragma once

#include "platform/SetupChoices.h"
#include "shell/SheetPage.h"

#include <array>

class QButtonGroup;
class QListWidget;
class QRadioButton;

namespace vantorel {

// The "Setup" page: the fifteen strategy choices that the engines read (kept from one run of the sheet to
// the next through setupChoicesSaved) and the five game maximums, which it writes to the profile only
// when the user saves and confirms.
class CSpecial final : public SheetPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSpecial)

public:
    // The settings targets in the order of their keys: 5BC, 6BC, PBC, PBB, PBM.
    static constexpr int kTargetCount = 5;

    explicit CSpecial(CPsheet& sheet);
    // Keeps the choices for the next run of the sheet.
    ~CSpecial() override;

    void OnSetActive() override;

    const std::array<int, kTargetCount>& enteredMaximums() const { return enteredMaximums_; }

private:
    QWidget* BuildChoiceGroup(const QString& title, int firstChoice, int lastChoice);
    QWidget* BuildMaximumsGroup();
    void ShowChoices();
    void OnChoiceClicked(int choice);
    void RecordEntry();
    void SaveEntries();
    void ShowCurrentSettings();
    void ReturnToPreviousPage();

    std::array<QRadioButton*, kSetupChoiceCount> choiceRadios_{};
    std::array<QRadioButton*, kTargetCount> targetRadios_{};
    QListWidget* valueList_ = nullptr;
    std::array<int, kTargetCount> enteredMaximums_{};
};

} // namespace vantorel
