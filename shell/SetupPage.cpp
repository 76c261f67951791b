// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SetupPage.h"

#include "platform/GamePresets.h"
#include "platform/MessageBox.h"
#include "shell/Artwork.h"
#include "shell/NamedControls.h"
#include "shell/OperationsSheet.h"
#include "shell/ShellServices.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace vantorel {

namespace {

constexpr std::string_view kNoValueSelected = "No Value Selected!";

constexpr int kLowestListValue = 19;
constexpr int kHighestBallNumber = 59;
constexpr int kBallCountOffset = 56; // "4 Balls" and "5 Balls" stand at the values 60 and 61
constexpr int kLowestOtherValue = 1;
constexpr int kHighestOtherValue = 99;

struct ChoiceCaption {
    const char* objectName;
    const char* caption;
};

// The captions of the fifteen choices, by choice index.
constexpr std::array<ChoiceCaption, kSetupChoiceCount> kChoiceCaptions = {{
    {"evenOddCountBallsRadio", "Count Balls"},
    {"evenOddCountNumbersRadio", "Count Numbers"},
    {"highLowCountBallsRadio", "Count Balls"},
    {"highLowCountNumbersRadio", "Count Numbers"},
    {"dayRadio", "Day"},
    {"monthRadio", "Month"},
    {"dateRangeRadio", "Date Range"},
    {"normalRadio", "Normal"},
    {"useBallsRadio", "Use Balls"},
    {"useNumbersRadio", "Use Numbers"},
    {"boxNumberRadio", "Box Number"},
    {"straightNumberRadio", "Straight Number"},
    {"optimisticRadio", "Optimistic"},
    {"pessimisticRadio", "Pessimistic"},
    {"nihilisticRadio", "Nihilistic"},
}};

// The target radios, in key order.
constexpr std::array<ChoiceCaption, kGameSettingCount> kTargetCaptions = {{
    {"fiveNumberGameRadio", "5 Number Game"},
    {"sixNumberGameRadio", "6 Number Game"},
    {"powerballGroup1Radio", "Powerball Group 1"},
    {"powerballGroup2Radio", "Powerball Group 2"},
    {"powerballBallsRadio", "Powerball Balls"},
}};

} // namespace

SetupPage::SetupPage(OperationsSheet& sheet) : SheetPage(sheet, kSetupPage) {
    setObjectName(QStringLiteral("setupPage"));
    handOver().setupChoices = SetupChoices();

    auto* choices = new QGridLayout;
    choices->addWidget(
        BuildChoiceGroup(QStringLiteral("Even - Odd Count"), kEvenOddCountBalls, kEvenOddCountNumbers), 0, 0);
    choices->addWidget(
        BuildChoiceGroup(QStringLiteral("Hi - Lo Count"), kHighLowCountBalls, kHighLowCountNumbers), 0, 1);
    choices->addWidget(BuildChoiceGroup(QStringLiteral("Predictions"), kPredictByDay, kPredictNormal), 1, 0);
    choices->addWidget(
        BuildChoiceGroup(QStringLiteral("Prediction Method"), kPredictUseBalls, kPredictUseNumbers), 1, 1);
    choices->addWidget(BuildChoiceGroup(QStringLiteral("Search Pattern"), kSearchBox, kSearchStraight), 2, 0);
    choices->addWidget(
        BuildChoiceGroup(QStringLiteral("Best Guess Strategy"), kBestGuessOptimistic, kBestGuessNihilistic),
        2, 1);

    auto* previousPage = MakeNamed<QPushButton>("previousPageButton", "Previous Page", this);
    connect(previousPage, &QPushButton::clicked, this, &SetupPage::ReturnToPreviousPage);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildMaximumsGroup(), 1);
    right->addWidget(new LogoBanner(this, 44));
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addStretch();
    bottomRow->addWidget(previousPage);
    right->addLayout(bottomRow);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(right, 1);

    ShowChoices();
}

QWidget* SetupPage::BuildChoiceGroup(const QString& title, int firstChoice, int lastChoice) {
    auto* group = new QGroupBox(title, this);
    auto* buttons = new QButtonGroup(group);
    auto* layout = new QVBoxLayout(group);
    for (int choice = firstChoice; choice <= lastChoice; ++choice) {
        const ChoiceCaption& caption = kChoiceCaptions[static_cast<std::size_t>(choice)];
        auto* radio = new QRadioButton(QString::fromLatin1(caption.caption), group);
        radio->setObjectName(QString::fromLatin1(caption.objectName));
        buttons->addButton(radio, choice);
        layout->addWidget(radio);
        choiceRadios_[static_cast<std::size_t>(choice)] = radio;
        connect(radio, &QRadioButton::clicked, this, [this, choice] { OnChoiceClicked(choice); });
    }
    layout->addStretch();
    return group;
}

QWidget* SetupPage::BuildMaximumsGroup() {
    auto* group = new QGroupBox(QStringLiteral("Number Maximums"), this);
    auto* targets = new QVBoxLayout;
    for (std::size_t i = 0; i < kTargetCaptions.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(kTargetCaptions[i].caption), group);
        radio->setObjectName(QString::fromLatin1(kTargetCaptions[i].objectName));
        targets->addWidget(radio);
        targetRadios_[i] = radio;
    }
    targets->addStretch();

    valueList_ = new QListWidget(group);
    valueList_->setObjectName(QStringLiteral("valueList"));
    for (int value = kLowestListValue; value <= kHighestBallNumber; ++value) {
        valueList_->addItem(QStringLiteral("%1 numbers").arg(value));
    }
    valueList_->addItem(QStringLiteral("4 Balls"));
    valueList_->addItem(QStringLiteral("5 Balls"));
    valueList_->setMinimumWidth(valueList_->fontMetrics().horizontalAdvance(QStringLiteral("59 numbers")) +
                                40);

    auto* recordEntry = MakeNamed<QPushButton>("recordEntryButton", "Record Entry", group);
    auto* saveEntries = MakeNamed<QPushButton>("saveEntriesButton", "Save Entries", group);
    auto* currentSettings = MakeNamed<QPushButton>("currentSettingsButton", "Current Settings", group);
    connect(recordEntry, &QPushButton::clicked, this, &SetupPage::RecordEntry);
    connect(saveEntries, &QPushButton::clicked, this, &SetupPage::SaveEntries);
    connect(currentSettings, &QPushButton::clicked, this, &SetupPage::ShowCurrentSettings);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(recordEntry);
    buttons->addWidget(saveEntries);
    buttons->addWidget(currentSettings);

    otherValue_ = new QLineEdit(group);
    otherValue_->setObjectName(QStringLiteral("otherValueEdit"));
    // Digits only, and as many as a whole number takes, so that a value beyond the target's range stays as
    // typed and "Record Entry" refuses it with the target's message.
    otherValue_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), otherValue_));
    otherValue_->setMaximumWidth(otherValue_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                                 16);
    otherLabel_ = new QLabel(group);
    otherLabel_->setBuddy(otherValue_);
    // The list entry and the typed value exclude each other: the one touched last is recorded.
    connect(otherValue_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!text.isEmpty()) {
            valueList_->clearSelection();
        }
    });
    connect(valueList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!valueList_->selectedItems().isEmpty()) {
            otherValue_->clear();
        }
    });
    for (QRadioButton* target : targetRadios_) {
        connect(target, &QRadioButton::toggled, this, &SetupPage::ShowOtherValueRange);
    }
    ShowOtherValueRange();
    auto* other = new QHBoxLayout;
    other->addWidget(otherLabel_);
    other->addWidget(otherValue_);
    other->addStretch();

    presets_ = new QComboBox(group);
    presets_->setObjectName(QStringLiteral("presetCombo"));
    for (const GamePreset& preset : kGamePresets) {
        presets_->addItem(Latin1(preset.title) + QStringLiteral(" (") + Latin1(preset.matrix) +
                          QLatin1Char(')'));
    }
    auto* presetLabel = new QLabel(QStringLiteral("&Preset:"), group);
    presetLabel->setBuddy(presets_);
    auto* usePreset = MakeNamed<QPushButton>("usePresetButton", "Use Preset", group);
    connect(usePreset, &QPushButton::clicked, this, &SetupPage::UsePreset);
    auto* presetRow = new QHBoxLayout;
    presetRow->addWidget(presetLabel);
    presetRow->addWidget(presets_, 1);
    presetRow->addWidget(usePreset);

    auto* top = new QHBoxLayout;
    top->addLayout(targets);
    top->addWidget(valueList_, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(top, 1);
    layout->addLayout(other);
    layout->addLayout(buttons);
    layout->addLayout(presetRow);
    return group;
}

void SetupPage::ShowChoices() {
    const SetupChoices& shown =
        handOver().setupChoicesSavedValid ? handOver().setupChoicesSaved : handOver().setupChoices;
    for (int choice = 0; choice < kSetupChoiceCount; ++choice) {
        if (shown[choice]) {
            choiceRadios_[static_cast<std::size_t>(choice)]->setChecked(true);
        }
    }
}

void SetupPage::OnChoiceClicked(int choice) {
    handOver().ChooseSetup(choice);
    ShowChoices();
}

void SetupPage::OnSetActive() {
    handOver().MarkListReturnPage(kSetupPage);
    enteredMaximums_ = {};
    for (const int choice : {kPredictByDay, kPredictByMonth, kPredictByDateRange}) {
        choiceRadios_[static_cast<std::size_t>(choice)]->setEnabled(handOver().useDatedData);
    }
}

// The range of the checked target (1 to 99 while none is checked), in the label, the placeholder and the
// tool tip of "Other value".
void SetupPage::ShowOtherValueRange() {
    int lowest = kLowestOtherValue;
    int highest = kHighestOtherValue;
    QString target;
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        if (targetRadios_[i]->isChecked()) {
            const GameSettingRule& rule = kGameSettingRules[i];
            lowest = rule.lowest;
            highest = rule.highest;
            target = QString::fromLatin1(kTargetCaptions[i].caption);
        }
    }
    const QString range = QStringLiteral("%1 to %2").arg(lowest).arg(highest);
    otherLabel_->setText(QStringLiteral("&Other value (") + range + QStringLiteral("):"));
    otherValue_->setPlaceholderText(range);
    otherValue_->setToolTip(
        target.isEmpty()
            ? QStringLiteral("A value the list does not hold; choose the game first")
            : QStringLiteral("A value for %1 that the list does not hold: a whole number from %2")
                  .arg(target, range));
}

void SetupPage::RecordEntry() {
    const QList<QListWidgetItem*> selected = valueList_->selectedItems();
    const bool typed = selected.isEmpty() && !otherValue_->text().isEmpty();
    if (selected.isEmpty() && !typed) {
        MessageBox(kNoValueSelected);
        return;
    }
    // Nine digits at most: the typed value is a whole number, if perhaps far outside the target's range.
    const int value =
        typed ? otherValue_->text().toInt() : kLowestListValue + valueList_->row(selected.front());
    for (std::size_t target = 0; target < kGameSettingCount; ++target) {
        if (!targetRadios_[target]->isChecked()) {
            continue;
        }
        // A typed ball count is the count itself; the list's two entries stand 56 above it.
        const auto key = static_cast<GameSettingKey>(target);
        const bool ballCount = key == GameSettingKey::PowerballBalls && !typed;
        const int recorded = ballCount ? value - kBallCountOffset : value;
        if (ShowOutcome(AcceptGameSetting(key, recorded))) {
            enteredMaximums_[target] = recorded;
        }
    }
}

void SetupPage::SaveEntries() {
    if (std::none_of(enteredMaximums_.begin(), enteredMaximums_.end(),
                     [](const std::optional<int>& value) { return value.has_value(); })) {
        MessageBox(kNoNewMaximums);
        return;
    }
    ConfirmAndSave(enteredMaximums_);
}

void SetupPage::UsePreset() {
    const int chosen = presets_->currentIndex();
    if (chosen >= 0 && chosen < static_cast<int>(kGamePresets.size())) {
        const GamePreset& preset = kGamePresets[static_cast<std::size_t>(chosen)];
        ConfirmAndSave(preset.values, &preset);
    }
}

void SetupPage::ConfirmAndSave(const GameSettingChanges& changes, const GamePreset* preset) {
    const GameSettingTexts afterSaving = TextsAfterChanges(ReadGameSettingTexts(services().profile), changes);
    const MessageAnswer answer =
        MessageBox(SaveConfirmationText(afterSaving), MessageIcon::Question, MessageButtons::OkCancel);
    if (answer != MessageAnswer::Ok) {
        MessageBox(kSettingsCancelled);
        return;
    }
    const bool saved = preset != nullptr ? UseGamePreset(services().profile, *preset)
                                         : WriteGameSettings(services().profile, changes);
    if (!saved) {
        MessageBox(SettingsNotSavedMessage(services().profile), MessageIcon::Stop);
        return;
    }
    MessageBox(SettingsSavedMessage(services().profile));
}

void SetupPage::ShowCurrentSettings() {
    MessageBox(CurrentSettingsText(ReadGameSettingTexts(services().profile)), MessageIcon::Information);
}

void SetupPage::ReturnToPreviousPage() {
    const int page = FirstMarked(handOver().returnPageFromSetup);
    if (page >= 0) {
        sheet().SetActivePage(page);
    }
}

} // namespace vantorel
