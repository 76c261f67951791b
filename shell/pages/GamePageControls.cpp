// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages/GamePageControls.h"

#include "shell/NamedControls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace vantorel {

namespace {

// The tool tips of the operation radios, in the order of the operation table.
constexpr std::array<const char*, kOperationCount> kOperationTips = {{
    "How the drawings spread over the numbers: drawn in the main window after OK",
    "The share of even and odd numbers (the Setup page says whether balls or numbers are counted)",
    "The share of high and low numbers (the Setup page says whether balls or numbers are counted)",
    "How often each number came in: listed on Deja View after Apply",
    "The least often drawn numbers (narrowed to a day, a month or dates as the Setup page says)",
    "The most often drawn numbers (narrowed to a day, a month or dates as the Setup page says)",
    "Random picks, shown in the main window after OK (repeatable with a seed planted on the Data File page)",
    "Picks built from the hottest and most overdue numbers by the Setup page's strategy: shown after OK",
    "The drawing of one date: type it as mm/dd/yy",
    "Every drawing from the From date to the To date (mm/dd/yy), both included",
    "Every drawing of the number you type",
    "Every drawing from the From number to the To number",
    "Every drawing that holds all the numbers you type",
}};

constexpr const char* kDateExample = "01/03/19";
constexpr const char* kDateTip = "A date as mm/dd/yy, for example 01/03/19";

// A box of the radios of one group of the operation table that the game's family has, in radio order.
QGroupBox* BuildOperationGroup(QWidget& page, const QString& title, OperationGroup wanted,
                               QButtonGroup& group, OperationRadios& radios, GameFamily family,
                               const std::function<void(Operation)>& onClicked) {
    auto* box = new QGroupBox(title, &page);
    auto* layout = new QVBoxLayout(box);
    for (int radioIndex = 0; radioIndex < kOperationRadioCount; ++radioIndex) {
        const std::optional<Operation> op = OperationAtRadio(radioIndex, family);
        if (!op || EntryOf(*op).group != wanted) {
            continue;
        }
        const OperationEntry& entry = EntryOf(*op);
        auto* radio = new QRadioButton(Latin1(entry.caption), box);
        radio->setObjectName(Latin1(entry.radioName));
        radio->setToolTip(QString::fromLatin1(kOperationTips[static_cast<std::size_t>(*op)]));
        group.addButton(radio, radioIndex);
        radios[static_cast<std::size_t>(radioIndex)] = radio;
        layout->addWidget(radio);
        QObject::connect(radio, &QRadioButton::clicked, &page,
                         [onClicked, operation = *op] { onClicked(operation); });
    }
    return box;
}

QRadioButton* RadioOfOperation(const OperationRadios& radios, Operation op) {
    return radios[static_cast<std::size_t>(RadioOf(op))];
}

} // namespace

QHBoxLayout* BuildOperationGroups(QWidget& page, QButtonGroup& group, OperationRadios& radios,
                                  GameFamily family, const std::function<void(Operation)>& onClicked) {
    auto* row = new QHBoxLayout;
    const std::array<std::pair<const char*, OperationGroup>, 3> groups = {{
        {"Analyze", OperationGroup::kAnalyze},
        {"Predict", OperationGroup::kPredict},
        {"Search", OperationGroup::kSearch},
    }};
    for (const auto& [title, each] : groups) {
        row->addWidget(
            BuildOperationGroup(page, QString::fromLatin1(title), each, group, radios, family, onClicked));
    }
    return row;
}

std::optional<Operation> CheckedOperation(const OperationRadios& radios, GameFamily family) {
    for (int radio = 0; radio < kOperationRadioCount; ++radio) {
        if (radios[static_cast<std::size_t>(radio)] != nullptr &&
            radios[static_cast<std::size_t>(radio)]->isChecked()) {
            return OperationAtRadio(radio, family);
        }
    }
    return std::nullopt;
}

void EnableOperationRadios(const OperationRadios& radios, GameFamily family, bool undatedLoaded,
                           bool datedLoaded) {
    for (int radio = 0; radio < kOperationRadioCount; ++radio) {
        const std::optional<Operation> op = OperationAtRadio(radio, family);
        if (op && radios[static_cast<std::size_t>(radio)] != nullptr) {
            const bool needsDates = EntryOf(*op).datedOnly;
            radios[static_cast<std::size_t>(radio)]->setEnabled(datedLoaded ||
                                                                (undatedLoaded && !needsDates));
        }
    }
}

void EnableDateSearches(const OperationRadios& radios, bool enabled) {
    for (const OperationEntry& entry : kOperationTable) {
        if (entry.datedOnly) {
            RadioOfOperation(radios, entry.operation)->setEnabled(enabled);
        }
    }
}

bool IsOperationRadioEnabled(const OperationRadios& radios, Operation op) {
    return RadioOfOperation(radios, op)->isEnabled();
}

QHBoxLayout* BuildDataSourceRow(QWidget& page, QAbstractButton& dated, QAbstractButton& undated,
                                QLabel& status) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Data Source:"), &page));
    row->addWidget(&dated);
    row->addWidget(&undated);
    row->addStretch();
    row->addWidget(&status);
    return row;
}

QLabel* MakeStatusLabel(QWidget& parent) {
    auto* status = new QLabel(&parent);
    status->setObjectName(QStringLiteral("statusLabel"));
    status->setFrameShape(QFrame::StyledPanel);
    status->setFrameShadow(QFrame::Sunken);
    status->setMinimumWidth(
        status->fontMetrics().horizontalAdvance(QStringLiteral("Undated 3649 : Dated 3649")) + 16);
    return status;
}

QLineEdit* MakeInputField(const char* objectName, int maxLength, const QString& widthSample,
                          QWidget& parent) {
    auto* edit = new QLineEdit(&parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
    edit->setEnabled(false);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(widthSample) + 12);
    return edit;
}

InputHints DigitInputHints(std::optional<Operation> op, const SetupChoices& choices, int digits) {
    const QString number = digits == 4 ? QStringLiteral("1234") : QStringLiteral("123");
    const QString numberTip = QStringLiteral("A number of %1 digits, leading zeros included, for example %2")
                                  .arg(digits)
                                  .arg(number);
    InputHints hints;
    const bool predicts = op == kOverdue || op == kHottest;
    if (op == kDateSearch) {
        hints.number = QString::fromLatin1(kDateExample);
        hints.numberTip = QString::fromLatin1(kDateTip);
    } else if (op == kNumberSearch) {
        hints.number = number;
        hints.numberTip = numberTip;
    } else if (predicts && choices[kPredictByDay]) {
        hints.number = QStringLiteral("1-7");
        hints.numberTip = QStringLiteral("The weekday: 1 = Sunday to 7 = Saturday");
    } else if (predicts && choices[kPredictByMonth]) {
        hints.number = QStringLiteral("1-12");
        hints.numberTip = QStringLiteral("The month: 1 = January to 12 = December");
    }
    if (op == kDateRangeSearch || (predicts && choices[kPredictByDateRange])) {
        hints.from = hints.to = QString::fromLatin1(kDateExample);
        hints.rangeTip = QString::fromLatin1(kDateTip);
    } else if (op == kNumberRangeSearch) {
        hints.from = digits == 4 ? QStringLiteral("0100") : QStringLiteral("100");
        hints.to = digits == 4 ? QStringLiteral("0150") : QStringLiteral("150");
        hints.rangeTip = numberTip;
    }
    return hints;
}

InputHints LottoInputHints(std::optional<Operation> op, int balls, bool powerBall) {
    constexpr std::array<int, 6> kExampleBalls = {3, 9, 14, 22, 25, 31};
    QStringList example;
    for (int i = 0; i < std::clamp(balls, 1, static_cast<int>(kExampleBalls.size())); ++i) {
        example.append(QString::number(kExampleBalls[static_cast<std::size_t>(i)]));
    }
    InputHints hints;
    const bool numberSearch = op == kNumberSearch || op == kPartialNumberSearch;
    if (op == kDateSearch) {
        hints.number = QString::fromLatin1(kDateExample);
        hints.numberTip = QString::fromLatin1(kDateTip);
    } else if (op == kNumberSearch) {
        hints.number = example.join(QLatin1Char(' '));
        hints.numberTip =
            QStringLiteral("The %1 numbers of a drawing separated by single spaces, for example %2")
                .arg(balls)
                .arg(hints.number);
    } else if (op == kPartialNumberSearch) {
        hints.number = example.mid(0, 3).join(QLatin1Char(' '));
        hints.numberTip = QStringLiteral("Up to three numbers separated by single spaces, for example %1")
                              .arg(hints.number);
    }
    if (op == kDateRangeSearch) {
        hints.number.clear();
        hints.numberTip.clear();
        hints.from = hints.to = QString::fromLatin1(kDateExample);
        hints.rangeTip = QString::fromLatin1(kDateTip);
    }
    if (powerBall && numberSearch) {
        hints.power = QStringLiteral("12");
        hints.powerTip = op == kNumberSearch
                             ? QStringLiteral("The Power Ball of the drawing, for example 12")
                             : QStringLiteral("A Power Ball the drawings hold (may be left empty)");
    }
    return hints;
}

void ShowInputHints(const InputHints& hints, QLineEdit& number, QLineEdit& from, QLineEdit& to,
                    QLineEdit* power) {
    number.setPlaceholderText(hints.number);
    number.setToolTip(hints.numberTip);
    from.setPlaceholderText(hints.from);
    to.setPlaceholderText(hints.to);
    from.setToolTip(hints.rangeTip);
    to.setToolTip(hints.rangeTip);
    if (power != nullptr) {
        power->setPlaceholderText(hints.power);
        power->setToolTip(hints.powerTip);
    }
}

QPushButton* MakeClearInputsButton(QWidget& parent) {
    auto* button = MakeNamed<QPushButton>("clearInputsButton", "Clear Inputs", &parent);
    button->setEnabled(false);
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeSeedNote(QWidget& parent) {
    auto* note = new QLabel(QStringLiteral("Seed is Planted"), &parent);
    note->setObjectName(QStringLiteral("seedLabel"));
    note->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    note->hide();
    return note;
}

} // namespace vantorel
