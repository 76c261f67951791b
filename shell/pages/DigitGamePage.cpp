// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages/DigitGamePage.h"

#include "digit/DigitCompare.h"
#include "digit/DigitReports.h"
#include "platform/MessageBox.h"
#include "shell/NamedControls.h"
#include "shell/OperationsSheet.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"
#include "shell/pages/GamePageControls.h"
#include "store/SectionReader.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

namespace {

constexpr int kInputLength = 8;

QLineEdit* MakeInput(const char* objectName, QWidget& parent) {
    return MakeInputField(objectName, kInputLength, QStringLiteral("00/00/00MM"), parent);
}

// The comparison of a pick file with the chosen history; refused with the page's status text when that
// history is not loaded.
Outcome<std::string> CompareWithHistory(const DigitGameTables& tables, bool dated,
                                        const std::filesystem::path& pickFile) {
    const Outcome<Done> available = tables.CheckAvailable(dated);
    if (available.refused()) {
        return RefusedAs<std::string>(available);
    }
    return ListedComparison(tables.ComparePicks(dated, pickFile));
}

} // namespace

DigitGamePage::DigitGamePage(OperationsSheet& sheet, GameType game) : GamePage(sheet, game), tables_(game) {
    setObjectName(Latin1(GameOf(game).pageObject));
    operations_ = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildDataSourceRow());
    layout->addLayout(BuildOperationGroups(*this, *operations_, operationRadios_, GameOf(game).family,
                                           [this](Operation op) { OnOperationClicked(op); }),
                      1);
    layout->addWidget(BuildInputRow());
}

QLayout* DigitGamePage::BuildDataSourceRow() {
    datedCheck_ = MakeNamed<QCheckBox>("datedCheck", "Dated", this);
    undatedCheck_ = MakeNamed<QCheckBox>("undatedCheck", "Undated", this);
    connect(datedCheck_, &QCheckBox::clicked, this, [this] { OnDataSourceClicked(true); });
    connect(undatedCheck_, &QCheckBox::clicked, this, [this] { OnDataSourceClicked(false); });
    statusLabel_ = MakeStatusLabel(*this);
    return vantorel::BuildDataSourceRow(*this, *datedCheck_, *undatedCheck_, *statusLabel_);
}

QWidget* DigitGamePage::BuildInputRow() {
    auto* row = new QGroupBox(QStringLiteral("Inputs"), this);
    numberLabel_ = new QLabel(QStringLiteral("Number"), row);
    numberLabel_->setObjectName(QStringLiteral("numberLabel"));
    numberLabel_->setMinimumWidth(
        numberLabel_->fontMetrics().horizontalAdvance(QStringLiteral("Month [1-12]")) + 4);
    numberEdit_ = MakeInput("numberEdit", *row);
    fromEdit_ = MakeInput("fromEdit", *row);
    toEdit_ = MakeInput("toEdit", *row);
    for (QLineEdit* edit : {numberEdit_, fromEdit_, toEdit_}) {
        connect(edit, &QLineEdit::textEdited, this, [this] { SetModified(true); });
    }
    clearInputsButton_ = MakeClearInputsButton(*row);
    connect(clearInputsButton_, &QPushButton::clicked, this, &DigitGamePage::ClearInputs);
    seedLabel_ = MakeSeedNote(*row);

    auto* grid = new QGridLayout(row);
    grid->addWidget(numberLabel_, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("From"), row), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("To"), row), 0, 2);
    grid->addWidget(numberEdit_, 1, 0);
    grid->addWidget(fromEdit_, 1, 1);
    grid->addWidget(toEdit_, 1, 2);
    grid->addWidget(clearInputsButton_, 1, 4);
    grid->addWidget(seedLabel_, 0, 4, Qt::AlignCenter);
    grid->setColumnStretch(3, 1);
    return row;
}

std::vector<QWidget*> DigitGamePage::inputFields() const {
    return {numberEdit_, fromEdit_, toEdit_};
}

void DigitGamePage::OnSetActive() {
    ActivateGamePage();
    tables_.Load();
    loadedAtRewrite_ = sheet().state().historyRewrites;
    ShowDataState();
    AdjustInputsToPredictions();
    AdjustInputsToPageOperation();
    ShowOperationInputHints();
    ShowPlantedSeed(*seedLabel_);
}

void DigitGamePage::ShowDataState() {
    const bool undatedLoaded = tables_.Available(false);
    const bool datedLoaded = tables_.Available(true);
    statusLabel_->setText(QString::fromStdString(tables_.StatusText()));
    datedCheck_->setEnabled(datedLoaded);
    undatedCheck_->setEnabled(undatedLoaded);
    EnableOperationRadios(operationRadios_, GameOf(game()).family, undatedLoaded, datedLoaded);
    if (!undatedLoaded && !datedLoaded) {
        return;
    }
    datedCheck_->setChecked(datedLoaded);
    undatedCheck_->setChecked(!datedLoaded);
    handOver().useDatedData = datedLoaded;
}

void DigitGamePage::SetFields(bool number, bool from, bool to) {
    numberEdit_->setEnabled(number);
    fromEdit_->setEnabled(from);
    toEdit_->setEnabled(to);
}

void DigitGamePage::AdjustInputsToPredictions() {
    const SetupChoices& choices = handOver().setupChoices;
    if (choices[kPredictByDay] || choices[kPredictByMonth]) {
        SetFields(true, false, false);
        numberEdit_->setFocus();
        numberLabel_->setText(choices[kPredictByDay] ? QStringLiteral("Day [1-7]")
                                                     : QStringLiteral("Month [1-12]"));
        sheet().EnableOk(false);
    } else if (choices[kPredictByDateRange]) {
        SetFields(false, true, true);
        fromEdit_->setFocus();
        numberLabel_->setText(QStringLiteral("Number"));
    } else {
        SetFields(false, false, false);
        numberLabel_->setText(QStringLiteral("Number"));
    }
}

void DigitGamePage::AdjustInputsToPageOperation() {
    if (pageOperation_ == kDateSearch || pageOperation_ == kNumberSearch) {
        numberEdit_->setEnabled(true);
        numberEdit_->setFocus();
        numberLabel_->setText(pageOperation_ == kDateSearch ? QStringLiteral("Date")
                                                            : QStringLiteral("Number"));
    } else if (pageOperation_ == kDateRangeSearch || pageOperation_ == kNumberRangeSearch) {
        fromEdit_->setEnabled(true);
        toEdit_->setEnabled(true);
    }
}

void DigitGamePage::OnOperationClicked(Operation op) {
    SetModified(true);
    ChooseOperation(op);
    pageOperation_ = op;
    SetFields(false, false, false);
    clearInputsButton_->setEnabled(EntryOf(op).inputs != kNoInput);
    switch (op) {
    case kOverdue:
    case kHottest:
        AdjustInputsToPredictions();
        break;
    case kDateSearch:
    case kNumberSearch:
        numberEdit_->setEnabled(true);
        numberEdit_->setFocus();
        numberLabel_->setText(op == kDateSearch ? QStringLiteral("Date") : QStringLiteral("Number"));
        break;
    case kDateRangeSearch:
    case kNumberRangeSearch:
        fromEdit_->setEnabled(true);
        toEdit_->setEnabled(true);
        fromEdit_->setFocus();
        numberLabel_->setText(op == kDateRangeSearch ? QStringLiteral("Date") : QStringLiteral("Number"));
        break;
    default:
        break;
    }
    ShowOperationInputHints();
}

void DigitGamePage::ShowOperationInputHints() {
    ShowInputHints(DigitInputHints(pageOperation_, handOver().setupChoices, GameOf(game()).digits),
                   *numberEdit_, *fromEdit_, *toEdit_, nullptr);
}

void DigitGamePage::OnDataSourceClicked(bool dated) {
    SetModified(true);
    if (pageOperation_ == kDistribution || pageOperation_ == kBestGuess) {
        SetModified(false);
    }
    // The clicked box stays checked: the data source is always one of the two histories.
    datedCheck_->setChecked(dated);
    undatedCheck_->setChecked(!dated);
    EnableDateSearches(operationRadios_, dated);
    handOver().useDatedData = dated;
}

void DigitGamePage::ClearInputs() {
    SetModified(true);
    SetFields(true, true, true);
    numberText_.clear();
    fromText_.clear();
    toText_.clear();
    numberEdit_->clear();
    fromEdit_->clear();
    toEdit_->clear();
    numberEdit_->setFocus();
}

bool DigitGamePage::OnApply() {
    // Every shown page applies; the operation runs once, on the page of the active game.
    if (handOver().activeGame[static_cast<std::size_t>(pageIndex())] == 0) {
        return true;
    }
    numberText_ = numberEdit_->text().toStdString();
    fromText_ = fromEdit_->text().toStdString();
    toText_ = toEdit_->text().toStdString();
    const std::optional<Operation> checked = CheckedOperation(operationRadios_, GameOf(game()).family);
    if (!checked) {
        return true;
    }
    const Operation op = *checked;
    DigitOperationRequest request;
    request.operation = op;
    request.useDatedData = handOver().useDatedData;
    request.numberText = numberText_;
    request.fromText = fromText_;
    request.toText = toText_;
    request.setupChoices = handOver().setupChoices;
    request.plantedSeed = sheet().state().plantedSeed;
    const Outcome<DigitOperationResult> outcome = tables_.Apply(request, services().clock);
    if (!ShowOutcome(outcome)) {
        return false;
    }
    const DigitOperationResult& result = *outcome;
    KeepResults(result);
    LogResult(request, result);
    if (IsChartOperation(op)) {
        SetModified(false);
        sheet().MarkActiveGame(game());
    } else {
        sheet().SetActivePage(kDejaViewPage);
    }
    return true;
}

void DigitGamePage::KeepResults(const DigitOperationResult& result) {
    results().KeepDigitResult(game(), result);
    if (result.chartPending) {
        sheet().SetChartPending(1);
    }
}

Outcome<std::string> DigitGamePage::ComparePickFile(const std::filesystem::path& pickFile, bool dated) const {
    if (loadedAtRewrite_ == sheet().state().historyRewrites) {
        return CompareWithHistory(tables_, dated, pickFile);
    }
    // The page has not loaded its tables in this run yet, or the Data File page has changed the history
    // since: the tables as the history file holds them now.
    DigitGameTables now(game());
    now.Load();
    return CompareWithHistory(now, dated, pickFile);
}

void DigitGamePage::LogResult(const DigitOperationRequest& request, const DigitOperationResult& result) {
    Notices notices;
    ReportLines lines =
        tables_.ListLines(request.operation, request.useDatedData, request.setupChoices, result, notices);
    ShowNotices(notices);
    const bool dated = request.useDatedData || EntryOf(request.operation).datedOnly;
    results().log().Add({game(), request.operation, std::string(EntryOf(request.operation).caption), dated,
                         result, std::move(lines)});
}

} // namespace vantorel
