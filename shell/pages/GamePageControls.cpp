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
#include <QVBoxLayout>

namespace vantorel {

namespace {

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
