// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pages/DataFilePage.h"

#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/PlainDecimal.h"
#include "shell/Artwork.h"
#include "shell/NamedControls.h"
#include "shell/NewDrawingsTickets.h"
#include "shell/OperationsSheet.h"
#include "shell/ResultListPage.h"
#include "shell/ResultsUpdateDialog.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"
#include "shell/pages/BackupDialog.h"
#include "shell/pages/DataFilePictures.h"
#include "shell/pages/ExistingHistoryWarning.h"
#include "shell/pages/PatternDialog.h"
#include "shell/pages/RepairDialog.h"
#include "store/DataFileTexts.h"
#include "store/HistoryAnalysis.h"
#include "store/HistoryFile.h"
#include "store/HistoryRepair.h"
#include "store/ManualEntry.h"
#include "store/ResultsImport.h"
#include "tickets/HistoryTickets.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>

namespace vantorel {

namespace {

// A seed is an int of the random generator: nine digits always fit.
constexpr std::size_t kLongestSeed = 9;

// Which of the two data radios an item of the operation list enables.
enum class DataRadios { kNeither, kBoth, kDatedOnly };

// The controls that an item of the operation list enables (true) or disables (false).
struct ControlRow {
    DataRadios dataRadios;
    bool filterData;
    bool manualAutomatic;
    bool backup;
    bool entryField;
    bool enterData;
    bool compare;
    bool import;
    std::optional<bool> applySelection; // nothing: left as it is
    bool gameRadios;
    bool resultsColumn;
};

struct ListItem {
    const char* caption;
    DataFileOperation operation;
    ControlRow controls;
};

constexpr bool kOn = true;
constexpr bool kOff = false;
constexpr DataRadios kNone = DataRadios::kNeither;
constexpr DataRadios kBoth = DataRadios::kBoth;
constexpr DataRadios kDated = DataRadios::kDatedOnly;

// The operation list, in its order, with the controls each item enables, in the order of ControlRow: the
// data radios, "Filter Data", "Manual" and "Automatic", "Backup", the entry field, "Enter Data",
// "Compare", "Import", "Apply Selection", the game radios and the results column field.
using enum DataFileOperation;
constexpr std::array<ListItem, 10> kListItems = {{
    // clang-format off
    //                                           data   filt  m/a   back  entry enter comp  imp   apply games column
    {"Analyze Datafile Errors", kAnalyze,       {kNone,  kOff, kOff, kOff, kOff, kOff, kOff, kOff, kOn,  kOff, kOff}},
    {"Compare External File", kCompare,         {kBoth,  kOff, kOff, kOff, kOff, kOff, kOn,  kOff, kOn,  kOn,  kOff}},
    {"Data Import (NEW)", kImportNew,           {kBoth,  kOn,  kOff, kOff, kOff, kOff, kOff, kOn,  kOff, kOn,  kOff}},
    {"Data Import (APPEND)", kImportAppend,     {kBoth,  kOn,  kOn,  kOff, kOff, kOff, kOff, kOff, kOff, kOn,  kOff}},
    {"Pattern Searching", kPatternSearch,       {kBoth,  kOff, kOff, kOff, kOff, kOn,  kOff, kOff, kOff, kOff, kOff}},
    {"Repair Datafile Errors", kRepair,         {kNone,  kOff, kOff, kOff, kOff, kOff, kOff, kOff, kOn,  kOff, kOff}},
    {"Backup Datafile", kBackup,                {kNone,  kOff, kOff, kOn,  kOff, kOff, kOff, kOff, {},   kOff, kOff}},
    {"Seed Random Machine", kSeed,              {kNone,  kOff, kOff, kOff, kOn,  kOn,  kOff, kOff, kOn,  kOff, kOff}},
    {"Results Import (UPDATE)", kResultsImport, {kDated, kOff, kOff, kOff, kOff, kOff, kOff, kOn,  kOff, kOn,  kOn}},
    {"Update Results", kResultsUpdate,          {kDated, kOff, kOff, kOff, kOff, kOff, kOff, kOff, kOn,  kOn,  kOff}},
    // clang-format on
}};

// The tool tips of the operation list's items, in its order.
constexpr std::array<const char*, kListItems.size()> kListItemTips = {{
    "Check every line of the history file; the report appears on Deja View (Apply Selection)",
    "Compare a file of your own picks (one pick a line) with a history: Compare, then Apply Selection",
    "Make a new history for a game from a text file: Import, then Apply Selection",
    "Add drawings to a history: Manual to type one, Automatic to take them from a text file",
    "Search the 3 Number or 4 Number history for a digit pattern: Enter Data",
    "Not part of this version",
    "Make or restore the backup copy maindat.bak: Backup",
    "Plant a seed that makes Random repeatable: type a whole number, then Enter Data (0 unplants it)",
    "Bring a game's dated history up to date from a results file as the lottery publishes it: Import, "
    "then Apply Selection",
    "Fetch the results the lottery publishes and add the new drawings to the game's dated history: choose "
    "the game, then Apply Selection",
}};

// The object names of the game radios, in the order of the game catalogue.
constexpr std::array<const char*, kGameCount> kGameRadioNames = {
    "threeNumberGameRadio", "fourNumberGameRadio", "fiveNumberGameRadio",
    "sixNumberGameRadio",   "powerballGameRadio",
};

// "The 5 Number page is not available in this build, so its history cannot be compared."
std::string GamePageMissingMessage(int game) {
    return "The " + OperationsSheet::PageTitle(game).toStdString() +
           " page is not available in this build, so its history cannot be compared.";
}

// A typed drawing of the game's dated (1) or undated (0) history, as the manual entry takes it; empty while
// the game is not chosen.
QString TypedDrawingExample(int game, int dataType) {
    constexpr std::array<const char*, kGameCount> kDrawings = {"123", "1234", "3 9 14 22 25",
                                                               "3 15 22 31 40 45", "3 15 22 31 40 12"};
    if (game < 0 || game >= kGameCount) {
        return {};
    }
    const QString drawing = QString::fromLatin1(kDrawings[static_cast<std::size_t>(game)]);
    return dataType == 1 ? QStringLiteral("01/02/98 ") + drawing : drawing;
}

} // namespace

std::string SeedPlantedMessage(std::string_view seedText) {
    return "Seed " + std::string(seedText) + " is planted.\nTo unplant enter a seed of 0.";
}

std::string SeedRefusedMessage(std::string_view seedText) {
    return "\"" + std::string(seedText) +
           "\" is not a whole number.\nType a seed such as 17, or 0 to unplant the seed.";
}

std::string RepairedMessage(int removed) {
    return std::to_string(removed) + (removed == 1 ? " drawing was" : " drawings were") +
           " removed from VTRMAIN.DAT.\nEdit > Undo Last Change puts them back.";
}

DataFilePage::DataFilePage(OperationsSheet& sheet) : SheetPage(sheet, kDataFilePage) {
    setObjectName(QStringLiteral("dataFilePage"));

    auto* choices = new QHBoxLayout;
    choices->addWidget(BuildGameGroup());
    auto* middle = new QVBoxLayout;
    middle->addWidget(BuildDataGroup());
    middle->addWidget(BuildPictureArea(), 0, Qt::AlignCenter);
    middle->addStretch();
    choices->addLayout(middle, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new LogoBanner(this, 40));
    layout->addWidget(BuildOperationRow());
    layout->addLayout(choices, 1);
    layout->addWidget(BuildFileButtons());
    layout->addWidget(BuildEntryRow());

    // The page's start: nothing chosen, every button disabled, no picture.
    for (QWidget* control :
         std::initializer_list<QWidget*>{manualButton_, automaticButton_, filterDataButton_, enterDataButton_,
                                         backupButton_, compareButton_, importButton_, applySelectionButton_,
                                         entryEdit_, resultsColumnEdit_, datedRadio_, undatedRadio_}) {
        control->setEnabled(false);
    }
    for (QRadioButton* radio : gameRadios_) {
        radio->setEnabled(false);
    }
    HideProgress();
    completionPicture_->hide();
}

QPushButton* DataFilePage::MakeButton(const char* objectName, const char* caption,
                                      void (DataFilePage::*handler)()) {
    auto* button = MakeNamed<QPushButton>(objectName, caption, this);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QWidget* DataFilePage::BuildOperationRow() {
    auto* row = new QWidget(this);
    auto* label = new QLabel(QStringLiteral("Select  Operation"), row);
    label->setObjectName(QStringLiteral("selectOperationLabel"));
    operationList_ = new QComboBox(row);
    operationList_->setObjectName(QStringLiteral("operationList"));
    for (std::size_t i = 0; i < kListItems.size(); ++i) {
        operationList_->addItem(QString::fromLatin1(kListItems[i].caption));
        operationList_->setItemData(static_cast<int>(i), QString::fromLatin1(kListItemTips[i]),
                                    Qt::ToolTipRole);
    }
    operationList_->setToolTip(
        QStringLiteral("Choose what to do with the history file: the page then enables "
                       "what the operation needs"));
    operationList_->setPlaceholderText(QStringLiteral("(choose an operation)"));
    operationList_->setCurrentIndex(-1);
    label->setBuddy(operationList_);
    connect(operationList_, &QComboBox::activated, this, &DataFilePage::OnOperationChosen);
    applySelectionButton_ =
        MakeButton("applySelectionButton", "Apply Selection", &DataFilePage::ApplySelection);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(operationList_, 1);
    layout->addWidget(applySelectionButton_);
    return row;
}

QWidget* DataFilePage::BuildGameGroup() {
    auto* group = new QGroupBox(QStringLiteral("Game Selection"), this);
    auto* layout = new QVBoxLayout(group);
    for (std::size_t game = 0; game < gameRadios_.size(); ++game) {
        gameRadios_[game] =
            new QRadioButton(Latin1(kGameCatalogue[game].name) + QStringLiteral(" Game"), group);
        gameRadios_[game]->setObjectName(QString::fromLatin1(kGameRadioNames[game]));
        connect(gameRadios_[game], &QRadioButton::clicked, this, &DataFilePage::HideCompletion);
        connect(gameRadios_[game], &QRadioButton::clicked, this, &DataFilePage::ShowEntryHint);
        layout->addWidget(gameRadios_[game]);
    }
    layout->addStretch();
    return group;
}

QWidget* DataFilePage::BuildDataGroup() {
    auto* group = new QGroupBox(QStringLiteral("Comparison and Import"), this);
    datedRadio_ = MakeNamed<QRadioButton>("datedDataRadio", "Use Dated Data", group);
    undatedRadio_ = MakeNamed<QRadioButton>("undatedDataRadio", "Use Undated Data", group);
    auto* layout = new QVBoxLayout(group);
    for (QRadioButton* radio : {datedRadio_, undatedRadio_}) {
        connect(radio, &QRadioButton::clicked, this, &DataFilePage::HideCompletion);
        connect(radio, &QRadioButton::clicked, this, &DataFilePage::ShowEntryHint);
        layout->addWidget(radio);
    }
    return group;
}

// The progress light's two pictures and the completion picture share one place of a fixed size, so the
// page does not move when they come and go.
QWidget* DataFilePage::BuildPictureArea() {
    pictureArea_ = new QWidget(this);
    pictureArea_->setObjectName(QStringLiteral("pictureArea"));
    processingPicture_ = new DrawnPicture(DataFilePicture::kProcessing, pictureArea_);
    processingPicture_->setObjectName(QStringLiteral("processingPicture"));
    blankPicture_ = new DrawnPicture(DataFilePicture::kProcessingOff, pictureArea_);
    blankPicture_->setObjectName(QStringLiteral("blankPicture"));
    completionPicture_ = new DrawnPicture(DataFilePicture::kCompleted, pictureArea_);
    completionPicture_->setObjectName(QStringLiteral("completionPicture"));
    auto* layout = new QGridLayout(pictureArea_);
    layout->setContentsMargins(0, 0, 0, 0);
    for (DrawnPicture* picture : {processingPicture_, blankPicture_, completionPicture_}) {
        layout->addWidget(picture, 0, 0);
    }
    pictureArea_->setFixedSize(completionPicture_->sizeHint());
    return pictureArea_;
}

QWidget* DataFilePage::BuildFileButtons() {
    auto* group = new QGroupBox(QStringLiteral("Data Entry and Files"), this);
    manualButton_ = MakeButton("manualButton", "Manual", &DataFilePage::StartManualEntry);
    automaticButton_ = MakeButton("automaticButton", "Automatic", &DataFilePage::StartAutomaticEntry);
    filterDataButton_ = MakeButton("filterDataButton", "Filter Data", &DataFilePage::AskToFilter);
    filterStateLabel_ = new QLabel(group);
    filterStateLabel_->setObjectName(QStringLiteral("filterStateLabel"));
    filterStateLabel_->setToolTip(
        QStringLiteral("Your answer to \"Filter Data\": with filtering on, an import reads "
                       "one drawing from the start of each line and ignores the rest"));
    ShowFilterState();
    importButton_ = MakeButton("importButton", "Import", &DataFilePage::ChooseImportFile);
    compareButton_ = MakeButton("compareButton", "Compare", &DataFilePage::ChooseCompareFile);
    backupButton_ = MakeButton("backupButton", "Backup", &DataFilePage::OpenBackupDialog);
    auto* layout = new QHBoxLayout(group);
    for (QPushButton* button : {manualButton_, automaticButton_, filterDataButton_}) {
        button->setParent(group);
        layout->addWidget(button);
    }
    layout->addWidget(filterStateLabel_);
    layout->addStretch();
    for (QPushButton* button : {importButton_, compareButton_, backupButton_}) {
        button->setParent(group);
        layout->addWidget(button);
    }
    return group;
}

QWidget* DataFilePage::BuildEntryRow() {
    auto* row = new QWidget(this);
    entryEdit_ = new QLineEdit(row);
    entryEdit_->setObjectName(QStringLiteral("entryEdit"));
    entryEdit_->setMaxLength(kEntryFieldLength);
    enterDataButton_ = MakeButton("enterDataButton", "Enter Data", &DataFilePage::EnterData);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(entryEdit_, 1);
    layout->addWidget(BuildResultsColumnField(row));
    layout->addWidget(enterDataButton_);
    return row;
}

// Beside the chosen path: the column of a results file that holds the game's numbers, for files that
// hold several games in columns. Empty, the numbers are read right after the date.
QWidget* DataFilePage::BuildResultsColumnField(QWidget* parent) {
    auto* field = new QWidget(parent);
    auto* label = new QLabel(QStringLiteral("Column"), field);
    resultsColumnEdit_ = new QLineEdit(field);
    resultsColumnEdit_->setObjectName(QStringLiteral("resultsColumnEdit"));
    resultsColumnEdit_->setMaxLength(kEntryFieldLength);
    resultsColumnEdit_->setPlaceholderText(QStringLiteral("optional"));
    resultsColumnEdit_->setToolTip(QStringLiteral(
        "For a results file that holds several games in columns: the header's name of the column where "
        "the game's numbers start. Leave it empty to read the numbers right after the date."));
    label->setBuddy(resultsColumnEdit_);
    auto* layout = new QHBoxLayout(field);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(resultsColumnEdit_);
    return field;
}

void DataFilePage::OnSetActive() {
    handOver().MarkListReturnPage(kDataFilePage);
    handOver().MarkSetupReturnPage(kDataFilePage);
    HideCompletion();
    // The pictures an import shows are ready before it starts, so that showing them costs a copy.
    for (DrawnPicture* picture : {processingPicture_, blankPicture_, completionPicture_}) {
        picture->Prepare();
    }
    update();
}

std::optional<DataFileOperation> DataFilePage::ChosenOperation() const {
    const int index = operationList_->currentIndex();
    if (index < 0 || index >= static_cast<int>(kListItems.size())) {
        return std::nullopt;
    }
    return kListItems[static_cast<std::size_t>(index)].operation;
}

void DataFilePage::OnOperationChosen(int index) {
    if (index < 0 || index >= static_cast<int>(kListItems.size())) {
        return;
    }
    // What the field holds (a path, a drawing, a seed) belongs to the operation chosen before.
    entryEdit_->clear();
    const ControlRow& row = kListItems[static_cast<std::size_t>(index)].controls;
    datedRadio_->setEnabled(row.dataRadios != DataRadios::kNeither);
    undatedRadio_->setEnabled(row.dataRadios == DataRadios::kBoth);
    filterDataButton_->setEnabled(row.filterData);
    manualButton_->setEnabled(row.manualAutomatic);
    automaticButton_->setEnabled(row.manualAutomatic);
    backupButton_->setEnabled(row.backup);
    entryEdit_->setEnabled(row.entryField);
    if (row.entryField) {
        PrepareEntryForTyping();
    }
    enterDataButton_->setEnabled(row.enterData);
    compareButton_->setEnabled(row.compare);
    importButton_->setEnabled(row.import);
    if (row.applySelection) {
        applySelectionButton_->setEnabled(*row.applySelection);
    }
    for (QRadioButton* radio : gameRadios_) {
        radio->setEnabled(row.gameRadios);
    }
    resultsColumnEdit_->setEnabled(row.resultsColumn);
    ShowEntryHint();
}

int DataFilePage::SelectedGame() const {
    for (std::size_t game = 0; game < gameRadios_.size(); ++game) {
        if (gameRadios_[game]->isChecked()) {
            return static_cast<int>(game);
        }
    }
    return -1;
}

int DataFilePage::SelectedDataType() const {
    if (datedRadio_->isChecked()) {
        return 1;
    }
    return undatedRadio_->isChecked() ? 0 : -1;
}

void DataFilePage::HideCompletion() {
    completionPicture_->hide();
    RepaintPictures();
}

// ---- Choosing files and entry modes ----

QString DataFilePage::ChooseFile(const QString& caption, const QString& filter) {
    return services().chooseFileToOpen(caption, filter.isEmpty() ? Latin1(kDataFileFilter) : filter, this);
}

void DataFilePage::ShowChosenFile(const QString& path) {
    entryEdit_->setMaxLength(std::max(kEntryFieldLength, static_cast<int>(path.size())));
    entryEdit_->setText(path);
    entryEdit_->setCursorPosition(0);
}

void DataFilePage::PrepareEntryForTyping() {
    entryEdit_->setMaxLength(kEntryFieldLength);
}

std::filesystem::path DataFilePage::EntryPath() const {
#ifdef Q_OS_WIN
    return std::filesystem::path(entryEdit_->text().toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(entryEdit_->text()).toStdString());
#endif
}

void DataFilePage::ChooseFileToApply(const QString& caption, const QString& filter) {
    const QString path = ChooseFile(caption, filter);
    if (path.isEmpty()) {
        return;
    }
    ShowChosenFile(path);
    applySelectionButton_->setEnabled(true);
}

void DataFilePage::ChooseImportFile() {
    if (ChosenOperation() == DataFileOperation::kResultsImport) {
        ChooseFileToApply(QStringLiteral("Choose the results file to import"), Latin1(kResultsFileFilter));
    } else {
        ChooseFileToApply(QStringLiteral("Choose the file to import"));
    }
}

void DataFilePage::ChooseCompareFile() {
    const QString path = ChooseFile(QStringLiteral("Choose the file of picks to compare"));
    if (!path.isEmpty()) {
        ShowChosenFile(path);
    }
}

void DataFilePage::StartAutomaticEntry() {
    automaticEntry_ = true;
    ShowEntryHint();
    entryEdit_->clear();
    enterDataButton_->setEnabled(false);
    entryEdit_->setEnabled(false);
    if (SelectedGame() < 0 || !DataTypeChosen()) {
        MessageBox(kNoGameOrDataType);
        return;
    }
    ChooseFileToApply(QStringLiteral("Choose the file to append"));
}

void DataFilePage::StartManualEntry() {
    automaticEntry_ = false;
    ShowEntryHint();
    entryEdit_->clear();
    if (SelectedGame() < 0 && !DataTypeChosen()) {
        MessageBox(kNoGameOrDataType);
        return;
    }
    PrepareEntryForTyping();
    enterDataButton_->setEnabled(true);
    entryEdit_->setEnabled(true);
    entryEdit_->setFocus();
}

void DataFilePage::AskToFilter() {
    filterImport_ =
        MessageBox(kFilterQuestion, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
    ShowFilterState();
}

void DataFilePage::ShowFilterState() {
    filterStateLabel_->setText(filterImport_ ? QStringLiteral("Filtering: on")
                                             : QStringLiteral("Filtering: off"));
}

// The entry field's placeholder and tool tip: what the chosen operation wants typed there, for the chosen
// game and history.
void DataFilePage::ShowEntryHint() {
    const std::optional<DataFileOperation> operation = ChosenOperation();
    QString placeholder;
    QString tip = QStringLiteral("The chosen file is shown here; a drawing or a seed is typed here");
    if (operation == DataFileOperation::kSeed) {
        placeholder = QStringLiteral("12345");
        tip = QStringLiteral("The seed: a whole number (0 unplants the seed)");
    } else if (operation == DataFileOperation::kImportAppend && !automaticEntry_) {
        const QString drawing = TypedDrawingExample(SelectedGame(), SelectedDataType());
        placeholder = drawing;
        tip = QStringLiteral("One drawing, as the history holds it: ") +
              (SelectedDataType() == 1 ? QStringLiteral("the date mm/dd/yy, a blank, ") : QString()) +
              (IsDigitGame(SelectedGame())
                   ? QStringLiteral("the digits")
                   : QStringLiteral("the numbers separated by single spaces (Power Ball: "
                                    "the Power Ball last)")) +
              (drawing.isEmpty() ? QString() : QStringLiteral(", for example ") + drawing);
    }
    entryEdit_->setPlaceholderText(placeholder);
    entryEdit_->setToolTip(tip);
}

void DataFilePage::OpenBackupDialog() {
    BackupDialog dialog(services().profile, this);
    dialog.exec();
    if (dialog.restored()) {
        NoteHistoryChanged();
    }
}

// ---- "Apply Selection" ----

void DataFilePage::ApplySelection() {
    HideCompletion(); // it tells of the last import only until something else starts
    const int game = SelectedGame();
    const std::optional<DataFileOperation> operation = ChosenOperation();
    if (!operation) {
        MessageBox(kNoOperationSelected);
        return;
    }
    switch (*operation) {
    case DataFileOperation::kAnalyze:
        AnalyseDatafile();
        break;
    case DataFileOperation::kCompare:
        CompareExternalFile(game);
        break;
    case DataFileOperation::kImportNew:
        ImportNewHistory(game);
        break;
    case DataFileOperation::kImportAppend:
        if (automaticEntry_) {
            ImportIntoHistory(game);
        }
        break;
    case DataFileOperation::kRepair:
        RepairDatafile();
        break;
    case DataFileOperation::kResultsImport:
        ImportResultsFile(game);
        break;
    case DataFileOperation::kResultsUpdate:
        UpdateResultsOf(game);
        break;
    case DataFileOperation::kPatternSearch:
    case DataFileOperation::kBackup:
    case DataFileOperation::kSeed:
        break;
    }
}

void DataFilePage::AnalyseDatafile() {
    // The analysis checks every section against the settings, so all five must be usable.
    const Outcome<GameSettings> settings = ReadGameSettings(services().profile, GameSettingKeys::All());
    if (!ShowOutcome(settings)) {
        return;
    }
    datedRadio_->setEnabled(false);
    undatedRadio_->setEnabled(false);
    applySelectionButton_->setEnabled(false);
    ShowProcessing();
    Outcome<CheckTable> table = WhileBusy([&settings] { return AnalyseHistoryFile(*settings); });
    ShowOutcome(table);
    ShowProgressOff();
    applySelectionButton_->setEnabled(true);
    ReportLines lines = ShowAnalysisReport(*table);
    results().log().Add(
        {std::nullopt, std::nullopt, "Analyze Datafile Errors", false, std::move(*table), std::move(lines)});
    sheet().SetActivePage(kDejaViewPage);
}

void DataFilePage::RepairDatafile() {
    const Outcome<GameSettings> settings = ReadGameSettings(services().profile, GameSettingKeys::All());
    if (!ShowOutcome(settings)) {
        return;
    }
    applySelectionButton_->setEnabled(false);
    ShowProcessing();
    const Outcome<CheckTable> table = WhileBusy([&settings] { return AnalyseHistoryFile(*settings); });
    ShowProgressOff();
    applySelectionButton_->setEnabled(true);
    if (!ShowOutcome(table) || !table->wholeFile) {
        return;
    }
    if (table->named.empty()) {
        MessageBox(kNothingToRepair, MessageIcon::Information);
        return;
    }
    RepairDialog dialog(table->named, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::vector<NamedError> chosen = dialog.Chosen();
    if (chosen.empty()) {
        return;
    }
    const Outcome<ChangeOutcome> removed = WhileBusy([&] {
        return RemoveNamedDrawings(chosen, *settings, [this](const Question& question) {
            bool yes = false;
            OnWindowThread(*this, [&] { yes = AskThroughMessageBox(question); });
            return yes;
        });
    });
    if (ShowOutcome(removed) && *removed == ChangeOutcome::kReplaced) {
        NoteHistoryChanged();
        const auto drawings = std::count_if(chosen.begin(), chosen.end(),
                                            [](const NamedError& error) { return error.position > 0; });
        MessageBox(RepairedMessage(static_cast<int>(drawings)), MessageIcon::Information);
    }
}

void DataFilePage::CompareExternalFile(int game) {
    if (game < 0) {
        MessageBox(kNoGameTypeSelected);
        return;
    }
    const int dataType = SelectedDataType();
    if (dataType < 0) {
        MessageBox(kNoComparisonDataSelected);
        return;
    }
    const GamePage* gamePage = sheet().gamePage(game);
    if (gamePage == nullptr) {
        MessageBox(GamePageMissingMessage(game));
        return;
    }
    Outcome<std::string> report = gamePage->ComparePickFile(EntryPath(), dataType == 1);
    if (!ShowOutcome(report)) {
        return;
    }
    ReportLines lines = ReportLines::FromText(*report);
    results().log().Add({static_cast<GameType>(game), std::nullopt, "Compare External File", dataType == 1,
                         FileReport{std::move(*report)}, std::move(lines)});
    sheet().SetActivePage(kDejaViewPage);
}

std::optional<GameSettings> DataFilePage::SettingsForHistoryImport(int game) {
    if (game < 0 || !DataTypeChosen()) {
        MessageBox(kSelectGameAndData);
        return std::nullopt;
    }
    return ShownSettings(SettingsOfImport(game));
}

std::optional<GameSettings> DataFilePage::ShownSettings(GameSettingKeys needed) {
    const Outcome<GameSettings> settings = ReadGameSettings(services().profile, needed);
    if (!ShowOutcome(settings)) {
        return std::nullopt;
    }
    return *settings;
}

void DataFilePage::ImportNewHistory(int game) {
    const std::optional<GameSettings> settings = SettingsForHistoryImport(game);
    if (!settings) {
        return;
    }
    const bool dated = SelectedDataType() == 1;
    // Once for every line of this history that the file holds already, before the import starts.
    const int agreedLines = ExistingSectionLines(SectionNumber(game, dated));
    for (int line = agreedLines; line > 0; --line) {
        if (!ContinueOverExistingHistory(this)) {
            return;
        }
    }
    // Asked again only when another program has added lines of this history meanwhile: from the import's
    // thread, on the window's, with no lock held.
    const auto consent = [this, agreedLines](int lines) {
        bool goOn = true;
        OnWindowThread(*this, [&] {
            for (int line = lines; line > agreedLines && goOn; --line) {
                goOn = ContinueOverExistingHistory(window());
            }
        });
        return goOn;
    };
    bool declined = false;
    const auto importNew = [&](const std::filesystem::path& importFile, const ProgressLight& progress) {
        Outcome<ChangeOutcome> imported =
            ImportNew(importFile, game, dated, progress, filterImport_, *settings, consent);
        declined = imported && *imported == ChangeOutcome::kDeclined;
        return imported;
    };
    if (!RunImport(importNew) && !declined) {
        MessageBox(kUnexpectedProblem, MessageIcon::Stop);
    }
}

void DataFilePage::ImportIntoHistory(int game) {
    const std::optional<GameSettings> settings = SettingsForHistoryImport(game);
    if (!settings) {
        return;
    }
    const bool dated = SelectedDataType() == 1;
    RunImport([&](const std::filesystem::path& importFile, const ProgressLight& progress) {
        return ImportAppend(importFile, game, dated, progress, filterImport_, *settings);
    });
}

// Reads a results file as published into the game's dated history; ImportResults asks and tells the rest.
void DataFilePage::ImportResultsFile(int game) {
    if (game < 0) {
        MessageBox(kNoGameTypeSelected);
        return;
    }
    if (undatedRadio_->isChecked()) {
        MessageBox(kResultsNeedDatedData);
        return;
    }
    const std::optional<GameSettings> settings = ShownSettings(SettingsOfResultsImport(game));
    if (!settings) {
        return;
    }
    const std::string column = resultsColumnEdit_->text().trimmed().toStdString();
    const GamePreset* preset = PresetInForce(services().profile, game);
    const std::string presetName = preset != nullptr ? std::string(preset->name) : std::string();
    Outcome<ReportLines> tickets = ReportLines{};
    const bool written =
        RunImport([&](const std::filesystem::path& resultsFile, const ProgressLight& progress) {
            const std::vector<int> before = DatedDaysInHistoryFile(game, *settings);
            const auto ask = [this](const Question& question) {
                bool yes = false;
                OnWindowThread(*this, [&] { yes = AskThroughMessageBox(question); });
                return yes;
            };
            const Outcome<ResultsImported> imported = ImportResults(
                resultsFile, game, {column, EraInForce(services().profile, game)}, progress, *settings, ask);
            if (imported.refused()) {
                return RefusedAs<ChangeOutcome>(imported);
            }
            if (imported->change == ChangeOutcome::kReplaced) {
                tickets = CheckNewDrawings(game, *settings, presetName, before);
            }
            Outcome<ChangeOutcome> change(imported->change);
            change.Precede(imported.notices());
            return change;
        });
    if (written) {
        ShowNewDrawingsTickets(tickets, game, results().log());
    }
}

void DataFilePage::UpdateResultsOf(int game) {
    if (game < 0) {
        MessageBox(kNoGameTypeSelected);
        return;
    }
    ResultsUpdateDialog dialog(services(), results().log(), game, this);
    dialog.exec();
    if (dialog.historyChanged()) {
        NoteHistoryChanged();
    }
}

bool DataFilePage::RunImport(const ImportRoutine& import) {
    HideCompletion();
    ShowProcessing();
    applySelectionButton_->setEnabled(false);
    const std::filesystem::path importFile = EntryPath();
    // The import swaps the light on the window's thread, at most once a turn of its event loop however
    // fast the drawings go; "Stop" ends it before it writes.
    std::atomic<bool> stopped = false;
    CoalescedCall blink(*this, [this] { BlinkProgress(); });
    const ProgressLight progress = [&blink, &stopped] {
        blink.Ask();
        return !stopped.load();
    };
    const Outcome<ChangeOutcome> result =
        WhileBusy([&import, &importFile, &progress] { return import(importFile, progress); },
                  [&stopped] { stopped = true; });
    applySelectionButton_->setEnabled(true);
    HideProgress();
    const bool imported = ShowOutcome(result) && *result == ChangeOutcome::kReplaced;
    if (imported) {
        completionPicture_->show();
        NoteHistoryChanged();
    }
    RepaintPictures();
    return imported;
}

void DataFilePage::NoteHistoryChanged() {
    ++sheet().state().historyRewrites;
}

// ---- "Enter Data" ----

void DataFilePage::EnterData() {
    const std::optional<DataFileOperation> operation = ChosenOperation();
    // The notice of the last append, not replaced by a new drawing, is no entry.
    const bool noticeOnly = entryEdit_->text() == Latin1(kAppendSuccessful);
    if ((entryEdit_->text().isEmpty() || noticeOnly) && operation != DataFileOperation::kPatternSearch) {
        MessageBox(kNoDataEntered);
        return;
    }
    const int dataType = SelectedDataType();
    if (operation != DataFileOperation::kSeed && dataType < 0) {
        MessageBox(kNoDatedUndatedSelection);
        return;
    }
    if (operation == DataFileOperation::kImportAppend) {
        AppendTypedDrawing(SelectedGame(), dataType == 1);
    } else if (operation == DataFileOperation::kPatternSearch) {
        OpenPatternSearch(sheet(), dataType == 1);
    } else if (operation == DataFileOperation::kSeed) {
        PlantSeed();
    }
}

void DataFilePage::AppendTypedDrawing(int game, bool dated) {
    if (game < 0) {
        MessageBox(kNoGameTypeSelected);
        return;
    }
    const std::string drawing = entryEdit_->text().toStdString();
    // The field keeps the focus, so that the next drawing (or a correction) can be typed at once.
    entryEdit_->setFocus();
    const std::optional<GameSettings> settings = ShownSettings(SettingsOfManualEntry(game));
    if (!settings) {
        return;
    }
    const Outcome<ChangeOutcome> appended =
        AppendEntry(drawing, game, dated, *settings, AskThroughMessageBox);
    if (!ShowOutcome(appended)) {
        MessageBox(kDataAppendFailed, MessageIcon::Stop);
        return;
    }
    if (*appended == ChangeOutcome::kDeclined) {
        return;
    }
    NoteHistoryChanged();
    entryEdit_->setText(Latin1(kAppendSuccessful));
    entryEdit_->selectAll(); // the next drawing typed replaces the notice
}

// A seed is a whole number; 0 (also "00") plants nothing, as 0 is no seed. Any other text is refused, so
// that nobody believes a seed planted that is not.
void DataFilePage::PlantSeed() {
    const std::string text = entryEdit_->text().trimmed().toStdString();
    const bool wholeNumber = !text.empty() && text.size() <= kLongestSeed &&
                             text.find_first_not_of("0123456789") == std::string::npos;
    if (!wholeNumber) {
        MessageBox(SeedRefusedMessage(entryEdit_->text().toStdString()), MessageIcon::Exclamation);
        entryEdit_->selectAll();
        entryEdit_->setFocus();
        return;
    }
    const int seed = PlainDecimal(text);
    handOver().plantedSeed = seed;
    sheet().state().plantedSeed = seed;
    MessageBox(seed != 0 ? SeedPlantedMessage(text) : std::string(kSeedUnplanted), MessageIcon::Information);
    entryEdit_->clear();
}

// ---- The progress light ----

void DataFilePage::ShowProcessing() {
    processingPicture_->show();
    blankPicture_->hide();
    RepaintPictures();
}

void DataFilePage::ShowProgressOff() {
    processingPicture_->hide();
    blankPicture_->show();
    RepaintPictures();
}

void DataFilePage::HideProgress() {
    processingPicture_->hide();
    blankPicture_->hide();
}

// Swaps the two pictures of the progress light.
void DataFilePage::BlinkProgress() {
    const bool lit = !processingPicture_->isHidden();
    processingPicture_->setHidden(lit);
    blankPicture_->setHidden(!lit);
    RepaintPictures();
}

void DataFilePage::RepaintPictures() {
    pictureArea_->update();
}

} // namespace vantorel
