// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages/LottoGamePage.h"

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/RandomGenerator.h"
#include "shell/NamedControls.h"
#include "shell/OperationsSheet.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"
#include "store/DataImport.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantorel {

namespace {

constexpr int kDateFieldLength = 8;
constexpr int kPowerBallLength = 2;

bool Reads(std::optional<Operation> op, OperationInput input) {
    return op && (EntryOf(*op).inputs & input) != 0;
}

} // namespace

LottoGamePage::LottoGamePage(OperationsSheet& sheet, const LottoPageTraits& traits)
    : GamePage(sheet, traits.game), traits_(traits), tables_(traits.game) {
    setObjectName(Latin1(GameOf(traits.game).pageObject));
    operations_ = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildDataSourceRow());
    layout->addLayout(BuildOperationGroups(*this, *operations_, operationRadios_, GameOf(traits.game).family,
                                           [this](Operation op) { OnOperationClicked(op); }),
                      1);
    layout->addWidget(BuildInputRow());
}

QLayout* LottoGamePage::BuildDataSourceRow() {
    datedRadio_ = MakeNamed<QRadioButton>("datedRadio", "Dated", this);
    undatedRadio_ = MakeNamed<QRadioButton>("undatedRadio", "Undated", this);
    auto* sources = new QButtonGroup(this);
    sources->addButton(datedRadio_);
    sources->addButton(undatedRadio_);
    connect(datedRadio_, &QRadioButton::clicked, this, [this] { OnDataSourceClicked(true); });
    connect(undatedRadio_, &QRadioButton::clicked, this, [this] { OnDataSourceClicked(false); });
    statusLabel_ = MakeStatusLabel(*this);
    return vantorel::BuildDataSourceRow(*this, *datedRadio_, *undatedRadio_, *statusLabel_);
}

QWidget* LottoGamePage::BuildInputRow() {
    auto* row = new QGroupBox(QStringLiteral("Inputs"), this);
    numberLabel_ = new QLabel(QString::fromLatin1(traits_.numberCaption), row);
    numberLabel_->setObjectName(QStringLiteral("numberLabel"));
    numberEdit_ = MakeInputField("numberEdit", traits_.queryLength,
                                 QString(traits_.queryLength, QLatin1Char('0')), *row);
    const QString dateSample = QStringLiteral("00/00/00MM");
    fromEdit_ = MakeInputField("fromEdit", kDateFieldLength, dateSample, *row);
    toEdit_ = MakeInputField("toEdit", traits_.toLength, dateSample, *row);
    clearInputsButton_ = MakeClearInputsButton(*row);
    connect(clearInputsButton_, &QPushButton::clicked, this, &LottoGamePage::ClearInputs);
    seedLabel_ = MakeSeedNote(*row);

    auto* grid = new QGridLayout(row);
    grid->addWidget(numberLabel_, 0, 0, 1, 3);
    grid->addWidget(numberEdit_, 1, 0);
    if (traits_.powerBallField) {
        auto* plus = new QLabel(QStringLiteral("+"), row);
        plus->setObjectName(QStringLiteral("powerBallPlus"));
        powerBallEdit_ = MakeInputField("powerBallEdit", kPowerBallLength, QStringLiteral("000"), *row);
        plus->setBuddy(powerBallEdit_);
        grid->addWidget(plus, 1, 1);
        grid->addWidget(powerBallEdit_, 1, 2);
    }
    grid->addWidget(new QLabel(QStringLiteral("From"), row), 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("To"), row), 0, 4);
    grid->addWidget(fromEdit_, 1, 3);
    grid->addWidget(toEdit_, 1, 4);
    grid->setColumnStretch(5, 1);
    grid->addWidget(seedLabel_, 0, 6, Qt::AlignCenter);
    grid->addWidget(clearInputsButton_, 1, 6);
    for (QLineEdit* field : Fields()) {
        connect(field, &QLineEdit::textEdited, this, [this] { SetModified(true); });
    }
    return row;
}

std::vector<QLineEdit*> LottoGamePage::Fields() const {
    std::vector<QLineEdit*> fields = {numberEdit_, fromEdit_, toEdit_};
    if (powerBallEdit_ != nullptr) {
        fields.push_back(powerBallEdit_);
    }
    return fields;
}

std::vector<QWidget*> LottoGamePage::inputFields() const {
    const std::vector<QLineEdit*> fields = Fields();
    return {fields.begin(), fields.end()};
}

namespace {

// The comparison of a pick file with the chosen history; refused with the page's status text when that
// history is not loaded.
Outcome<std::string> CompareWithHistory(const LottoGameTables& tables, bool dated,
                                        const std::filesystem::path& pickFile) {
    if (!tables.Available(dated)) {
        return Refusal{tables.StatusText(), NoticeKind::Warning};
    }
    return ListedComparison(tables.ComparePicks(dated, pickFile));
}

} // namespace

std::optional<GameSettings> LottoGamePage::ReadSettings(GameSettingKeys needed) const {
    const Outcome<GameSettings> settings = ReadGameSettings(services().profile, needed);
    if (!ShowOutcome(settings)) {
        return std::nullopt;
    }
    return *settings;
}

LottoGameTables LottoGamePage::LoadTables() const {
    LottoGameTables tables(tables_.gameType());
    if (const std::optional<GameSettings> settings =
            ReadSettings(SettingsOfDrawingShape(tables.gameType()))) {
        tables.Load(*settings);
    }
    return tables;
}

void LottoGamePage::OnSetActive() {
    ActivateGamePage();
    tables_ = LoadTables();
    loadedAtRewrite_ = sheet().state().historyRewrites;
    ShowDataState();
    ShowPlantedSeed(*seedLabel_);
}

void LottoGamePage::ShowDataState() {
    const bool undatedLoaded = tables_.Available(false);
    const bool datedLoaded = tables_.Available(true);
    statusLabel_->setText(QString::fromStdString(tables_.StatusText()));
    datedRadio_->setEnabled(datedLoaded);
    undatedRadio_->setEnabled(undatedLoaded);
    EnableOperationRadios(operationRadios_, GameOf(game()).family, undatedLoaded, datedLoaded);
    if (!undatedLoaded && !datedLoaded) {
        SetInputsEnabled(false);
        clearInputsButton_->setEnabled(false);
        return;
    }
    (datedLoaded ? datedRadio_ : undatedRadio_)->setChecked(true);
    handOver().useDatedData = datedLoaded;
    // The fields of the operation still chosen, unless the history it needs is gone.
    const std::optional<Operation> op = CheckedOperation(operationRadios_, family());
    ShowInputsFor(op && IsOperationRadioEnabled(operationRadios_, *op) ? op : std::nullopt);
}

// The input fields, their label and "Clear Inputs" as the operation needs them.
void LottoGamePage::ShowInputsFor(std::optional<Operation> op) {
    const bool query = Reads(op, kQueryInput);
    const bool range = Reads(op, kRangeInputs);
    numberEdit_->setEnabled(query);
    fromEdit_->setEnabled(range);
    toEdit_->setEnabled(range);
    if (powerBallEdit_ != nullptr) {
        powerBallEdit_->setEnabled(Reads(op, kPowerInput));
    }
    clearInputsButton_->setEnabled(query || range);
    if (op && EntryOf(*op).datedOnly) {
        numberLabel_->setText(QStringLiteral("Date"));
    } else if (op == kNumberSearch) {
        numberLabel_->setText(QString::fromLatin1(traits_.numberCaption));
    } else if (op == kPartialNumberSearch) {
        numberLabel_->setText(QString::fromLatin1(traits_.partialCaption));
    }
    if (query) {
        numberEdit_->setFocus();
    } else if (range) {
        fromEdit_->setFocus();
    }
    ShowInputHints(LottoInputHints(op, traits_.game == kSixNumber ? 6 : 5, traits_.powerBallField),
                   *numberEdit_, *fromEdit_, *toEdit_, powerBallEdit_);
}

void LottoGamePage::OnOperationClicked(Operation op) {
    SetModified(true);
    ChooseOperation(op);
    ShowInputsFor(op);
}

void LottoGamePage::OnDataSourceClicked(bool dated) {
    SetModified(true);
    (dated ? datedRadio_ : undatedRadio_)->setChecked(true);
    EnableDateSearches(operationRadios_, dated);
    handOver().useDatedData = dated;
    const std::optional<Operation> op = CheckedOperation(operationRadios_, family());
    if (op == kDistribution || op == kBestGuess) {
        SetModified(false);
    }
}

void LottoGamePage::ClearInputs() {
    SetModified(true);
    SetInputsEnabled(true);
    for (QLineEdit* field : Fields()) {
        field->clear();
    }
    numberEdit_->setFocus();
}

LottoInputs LottoGamePage::TypedInputs() const {
    LottoInputs inputs;
    inputs.query = numberEdit_->text().toStdString();
    inputs.from = fromEdit_->text().toStdString();
    inputs.to = toEdit_->text().toStdString();
    if (powerBallEdit_ != nullptr) {
        inputs.power = powerBallEdit_->text().toStdString();
    }
    return inputs;
}

bool LottoGamePage::OnApply() {
    // Every shown page applies; the operation runs once, on the page of the active game.
    if (handOver().activeGame[static_cast<std::size_t>(pageIndex())] == 0) {
        return true;
    }
    if (const std::optional<Operation> checked = CheckedOperation(operationRadios_, family())) {
        const Operation op = *checked;
        // Date and Date Range search the dated history whichever source is chosen.
        const bool dated = EntryOf(op).datedOnly || handOver().useDatedData;
        const std::optional<GameSettings> settings = ReadSettings(SettingsNeededBy(tables_.gameType(), op));
        if (!settings) {
            return false; // refused with a message naming the setting: the page stays
        }
        // Best Guess draws with the clock; a planted seed serves the random picks the chart view draws.
        RandomGenerator random = RandomGenerator::Seeded(0, services().clock);
        const Outcome<LottoResult> result =
            tables_.Apply(op, dated, TypedInputs(), *settings, handOver().setupChoices, random);
        if (!ShowOutcome(result)) {
            return false; // ended early: the page stays for a corrected input
        }
        KeepResult(*result, dated);
        if (!IsChartOperation(op)) {
            sheet().SetActivePage(kDejaViewPage);
            return true;
        }
    }
    SetModified(false);
    sheet().MarkActiveGame(game());
    return true;
}

void LottoGamePage::KeepResult(const LottoResult& result, bool dated) {
    results().KeepLottoResult(game(), result, dated);
    Notices notices;
    ReportLines lines = tables_.ListLines(dated, result, notices);
    ShowNotices(notices);
    results().log().Add({game(), result.operation, std::string(EntryOf(result.operation).caption), dated,
                         result, std::move(lines)});
    if (result.lottoChartPending) {
        sheet().state().lottoChartPending = true;
    }
    if (result.chartPending) {
        sheet().SetChartPending(1);
    }
}

Outcome<std::string> LottoGamePage::ComparePickFile(const std::filesystem::path& pickFile, bool dated) const {
    if (loadedAtRewrite_ == sheet().state().historyRewrites) {
        return CompareWithHistory(tables_, dated, pickFile);
    }
    // The page has not loaded its tables in this run yet, or the Data File page has changed the history
    // since: the tables as the history file holds them now.
    return CompareWithHistory(LoadTables(), dated, pickFile);
}

} // namespace vantorel
