// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"
#include "shell/SheetPage.h"
#include "store/DataImport.h"
#include "store/HistoryFile.h"

#include "shell/OperationsSheet.h"

#include <QApplication>
#include <QPointer>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vantorel {

class DrawnPicture;

// The operations of the Data File page's list, in list order.
enum class DataFileOperation {
    kAnalyze,
    kCompare,
    kImportNew,
    kImportAppend,
    kPatternSearch,
    kRepair,
    kBackup,
    kSeed,
    kResultsImport,
    kResultsUpdate,
};

// The file types that the page's file dialogs offer.
inline constexpr std::string_view kDataFileFilter = "Text Files (*.txt);;Data Files (*.dat);;All Files (*)";
// The file types offered for a results file, which lotteries mostly publish as comma-separated values.
inline constexpr std::string_view kResultsFileFilter =
    "Results Files (*.csv *.txt);;Text Files (*.txt);;All Files (*)";
// The most characters that can be typed into the entry field, and into the results column field.
inline constexpr int kEntryFieldLength = 64;

inline constexpr std::string_view kNoOperationSelected = "No Operation Selected !";
inline constexpr std::string_view kNoGameTypeSelected = "No Game Type Selected !";
inline constexpr std::string_view kNoComparisonDataSelected = "No Comaprison Data Selected !";
inline constexpr std::string_view kSelectGameAndData =
    "You must select both a Game Selection\nand a Comparison "
    "and Import Selection.\n\nThe operation cannot continue.";
inline constexpr std::string_view kNoGameOrDataType = "No Game Type or\nData Type Selected..";
inline constexpr std::string_view kNoDatedUndatedSelection = "No Dated-Undated Selection !";
inline constexpr std::string_view kFilterQuestion =
    "This will filter extraneous\ntext entries from a data\nimport operation.\n(Please See Help)\n\n"
    "Enable Filtering?";
inline constexpr std::string_view kSeedUnplanted = "Seed is unplanted.";
inline constexpr std::string_view kResultsNeedDatedData =
    "A results file is imported into the dated history of a game.\nPlease choose \"Use Dated Data\".";
// "\"<text>\" is not a whole number.\nType a seed such as 17, or 0 to unplant the seed."
std::string SeedRefusedMessage(std::string_view seedText);
// "<n> drawings were removed from VTRMAIN.DAT.\nEdit > Undo Last Change puts them back."
std::string RepairedMessage(int removed);

// "Seed <text> is planted.\nTo unplant enter a seed of 0."
std::string SeedPlantedMessage(std::string_view seedText);

// "Data File": the page that keeps the history file current. The user picks an operation from the list,
// which enables the controls it needs; chooses the game and the dated or undated history; chooses a file
// or types a drawing or a seed; and starts the operation with "Apply Selection" or "Enter Data". A results
// file as a lottery publishes it updates a game's dated history, read from the column named in the results
// column field when the file holds several games. Imports show a blinking progress light and, when done, the
// completion picture; text results go to "Deja View". An import or the analysis runs off the window's
// thread: meanwhile the window is painted and the light blinks, the sheet takes no command but "Stop" (which
// ends an import before it writes), so nothing can start a second operation before the first has finished.
class DataFilePage final : public SheetPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataFilePage)

public:
    explicit DataFilePage(OperationsSheet& sheet);

    void OnSetActive() override;
    // Enter presses "Enter Data" (and nothing while it is disabled), never the sheet's OK button.
    QPushButton* defaultButton() override { return enterDataButton_; }

    // The operation chosen in the list; nothing when none is.
    std::optional<DataFileOperation> ChosenOperation() const;

private:
    QWidget* BuildOperationRow();
    QWidget* BuildGameGroup();
    QWidget* BuildDataGroup();
    QWidget* BuildPictureArea();
    QWidget* BuildFileButtons();
    QWidget* BuildResultsColumnField(QWidget* parent);
    QWidget* BuildEntryRow();
    QPushButton* MakeButton(const char* objectName, const char* caption, void (DataFilePage::*handler)());

    void OnOperationChosen(int index);
    int SelectedGame() const;
    // 1 for "Use Dated Data", 0 for "Use Undated Data", -1 when neither is checked.
    int SelectedDataType() const;
    bool DataTypeChosen() const { return SelectedDataType() >= 0; }
    void HideCompletion();

    // The buttons of the page.
    void ChooseImportFile();
    void ChooseCompareFile();
    void StartAutomaticEntry();
    void StartManualEntry();
    void AskToFilter();
    // Shows the answer to "Filter Data" beside its button.
    void ShowFilterState();
    void ShowEntryHint();
    void OpenBackupDialog();
    void ApplySelection();
    void EnterData();

    // "Apply Selection" by operation.
    void AnalyseDatafile();
    // Lists the drawings the analysis names and removes the chosen ones after a confirmation.
    void RepairDatafile();
    void CompareExternalFile(int game);
    void ImportNewHistory(int game);
    void ImportIntoHistory(int game);
    // The game's settings for an import into its chosen history; nothing, after the message that says
    // why, when the game or the data type is not chosen or the settings cannot be used.
    std::optional<GameSettings> SettingsForHistoryImport(int game);
    // The settings with the keys in `needed` checked; nothing, after the message naming a bad key.
    std::optional<GameSettings> ShownSettings(GameSettingKeys needed);
    void ImportResultsFile(int game);
    void UpdateResultsOf(int game);
    // "Enter Data" by operation.
    void AppendTypedDrawing(int game, bool dated);
    void PlantSeed();

    // Shows `path` in the entry field, however long it is; typing is limited to kEntryFieldLength.
    void ShowChosenFile(const QString& path);
    void PrepareEntryForTyping();
    // The file dialog, offering the file types of `filter` (kDataFileFilter when it is empty).
    QString ChooseFile(const QString& caption, const QString& filter = {});
    // Lets the user choose a file; unless the dialog is cancelled, shows it and enables "Apply Selection".
    void ChooseFileToApply(const QString& caption, const QString& filter = {});
    std::filesystem::path EntryPath() const;

    // The progress light.
    void ShowProcessing();
    void ShowProgressOff();
    void HideProgress();
    void BlinkProgress();
    void RepaintPictures();
    // One of the store's imports of `importFile`, swapping the progress light through `progress`.
    using ImportRoutine = std::function<Outcome<ChangeOutcome>(const std::filesystem::path& importFile,
                                                               const ProgressLight& progress)>;
    // Runs the import of the chosen file off the window's thread with the progress light; shows the
    // completion picture and returns true when it succeeded.
    bool RunImport(const ImportRoutine& import);
    // Runs `work` off the window's thread with the sheet closed to input (see the class comment), and
    // gives the focus back afterwards; `stop` ends it early when the user asks.
    template <class Work> auto WhileBusy(Work work, std::function<void()> stop = {}) -> decltype(work());
    // The game pages read the history anew when they are next shown; a comparison before that reads it too.
    void NoteHistoryChanged();

    QComboBox* operationList_ = nullptr;
    std::array<QRadioButton*, kGameCount> gameRadios_{};
    QRadioButton* datedRadio_ = nullptr;
    QRadioButton* undatedRadio_ = nullptr;
    QPushButton* manualButton_ = nullptr;
    QPushButton* automaticButton_ = nullptr;
    QPushButton* filterDataButton_ = nullptr;
    QLabel* filterStateLabel_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* compareButton_ = nullptr;
    QPushButton* backupButton_ = nullptr;
    QPushButton* enterDataButton_ = nullptr;
    QPushButton* applySelectionButton_ = nullptr;
    QLineEdit* entryEdit_ = nullptr;
    QLineEdit* resultsColumnEdit_ = nullptr; // the header's name of the column a results file is read from
    QWidget* pictureArea_ = nullptr;
    DrawnPicture* processingPicture_ = nullptr;
    DrawnPicture* blankPicture_ = nullptr;
    DrawnPicture* completionPicture_ = nullptr;

    bool automaticEntry_ = false; // "Automatic" (an import file) rather than "Manual" (a typed drawing)
    bool filterImport_ = false;
};

template <class Work>
auto DataFilePage::WhileBusy(Work work, std::function<void()> stop) -> decltype(work()) {
    const QPointer<QWidget> focus = QApplication::focusWidget();
    auto result = sheet().WhileWorking(std::move(work), std::move(stop));
    if (!focus.isNull() && focus->isEnabled()) {
        focus->setFocus();
    }
    return result;
}

} // namespace vantorel
