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

struct OperationCaption {
    const char* objectName;
    const char* caption;
};

// The operation radios by operation number; operation 11 of the lotto pages is kPartialNumberCaption.
constexpr std::array<OperationCaption, kOperationCount> kOperationCaptions = {{
    {"distributionRadio", "Distribution"},
    {"evenOddRadio", "Even - Odd"},
    {"highLowRadio", "High - Low"},
    {"totalsRadio", "Totals"},
    {"overdueRadio", "Overdue"},
    {"hottestRadio", "Hottest"},
    {"randomRadio", "Random"},
    {"bestGuessRadio", "Best Guess"},
    {"dateRadio", "Date"},
    {"dateRangeRadio", "Date Range"},
    {"numberRadio", "Number"},
    {"numberRangeRadio", "Number Range"},
}};
constexpr OperationCaption kPartialNumberCaption = {"partialNumberRadio", "Partial Number"};

constexpr int kOperationsPerGroup = 4;

const OperationCaption& CaptionOf(int op, LastOperation last) {
    if (op == kPartialNumberSearch && last == LastOperation::PartialNumber) {
        return kPartialNumberCaption;
    }
    return kOperationCaptions[static_cast<std::size_t>(op)];
}

QGroupBox* BuildOperationGroup(QWidget& page, const QString& title, int firstOperation, QButtonGroup& group,
                               OperationRadios& radios, LastOperation last,
                               const std::function<void(int)>& onClicked) {
    auto* box = new QGroupBox(title, &page);
    auto* layout = new QVBoxLayout(box);
    for (int op = firstOperation; op < firstOperation + kOperationsPerGroup; ++op) {
        const OperationCaption& caption = CaptionOf(op, last);
        auto* radio = new QRadioButton(QString::fromLatin1(caption.caption), box);
        radio->setObjectName(QString::fromLatin1(caption.objectName));
        group.addButton(radio, op);
        radios[static_cast<std::size_t>(op)] = radio;
        layout->addWidget(radio);
        QObject::connect(radio, &QRadioButton::clicked, &page, [onClicked, op] { onClicked(op); });
    }
    return box;
}

} // namespace

QHBoxLayout* BuildOperationGroups(QWidget& page, QButtonGroup& group, OperationRadios& radios,
                                  LastOperation last, const std::function<void(int)>& onClicked) {
    auto* row = new QHBoxLayout;
    row->addWidget(
        BuildOperationGroup(page, QStringLiteral("Analyze"), kDistribution, group, radios, last, onClicked));
    row->addWidget(
        BuildOperationGroup(page, QStringLiteral("Predict"), kOverdue, group, radios, last, onClicked));
    row->addWidget(
        BuildOperationGroup(page, QStringLiteral("Search"), kDateSearch, group, radios, last, onClicked));
    return row;
}

int CheckedOperation(const OperationRadios& radios) {
    for (int op = 0; op < kOperationCount; ++op) {
        if (radios[static_cast<std::size_t>(op)]->isChecked()) {
            return op;
        }
    }
    return -1;
}

void EnableOperationRadios(const OperationRadios& radios, bool undatedLoaded, bool datedLoaded) {
    for (int op = 0; op < kOperationCount; ++op) {
        const bool needsDates = op == kDateSearch || op == kDateRangeSearch;
        radios[static_cast<std::size_t>(op)]->setEnabled(datedLoaded || (undatedLoaded && !needsDates));
    }
}

void EnableDateSearches(const OperationRadios& radios, bool enabled) {
    radios[kDateSearch]->setEnabled(enabled);
    radios[kDateRangeSearch]->setEnabled(enabled);
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
