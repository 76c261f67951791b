// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include "digit/DigitDrawTable.h"
#include "platform/GamePresets.h"
#include "platform/PlainDecimal.h"
#include "shell/pages/DataFilePage.h"
#include "shell/pages/FourNumberPage.h"
#include "store/DataFileTexts.h"
#include "store/DataImport.h"
#include "store/HistoryBackup.h"
#include "store/HistoryRewrite.h"
#include "store/ManualEntry.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <filesystem>

namespace vantorel::test {
namespace {

// 3 Number: undated 7 70 123, dated 123 (01/02/98) and 7 (01/03/98). 4 Number: undated 1234 45, no dated
// history.
constexpr std::string_view kHistory = "0 3 7 70 123\r\n"
                                      "1 2 98/01/02 123 98/01/03 7\r\n"
                                      "2 2 1234 45\r\n";

using Lines = std::vector<std::string>;

// Acts on the modal dialogs that open while a test clicks: each one is recorded by its title and handed to
// the next action, which closes it; a dialog with no action left is cancelled.
class ModalDialogs final {
public:
    using Action = std::function<void(QDialog&)>;

    explicit ModalDialogs(std::vector<Action> actions) : actions_(std::move(actions)) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { ActOnOpenDialog(); });
        timer_.start(5);
    }

    const Lines& titles() const { return titles_; }

private:
    void ActOnOpenDialog() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        titles_.push_back(dialog->windowTitle().toStdString());
        if (next_ < actions_.size()) {
            actions_[next_++](*dialog);
        } else {
            dialog->reject();
        }
    }

    QTimer timer_;
    std::vector<Action> actions_;
    std::size_t next_ = 0;
    Lines titles_;
};

// The action that clicks a button of the dialog.
ModalDialogs::Action ClickIn(const char* button) {
    return [button](QDialog& dialog) {
        ClickButton(dialog.findChild<QAbstractButton*>(QString::fromLatin1(button)));
    };
}

class DataFilePageTest : public SheetTest {
protected:
    DataFilePageTest() {
        WriteHistory(kHistory);
        services.chooseFileToOpen = [this](const QString&, const QString& filter, QWidget*) {
            fileDialogFilters.push_back(filter.toStdString());
            return chosenFile;
        };
        OpenSheet();
        sheet->SetActivePage(kDataFilePage);
    }

    // Picks an item of the operation list, as a click in the open list does.
    void ChooseOperation(std::string_view item) {
        auto* list = Find<QComboBox>("operationList", kDataFilePage);
        const int index = list->findText(ToQString(item));
        ASSERT_GE(index, 0) << item;
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    void Press(std::string_view button) { Click(kDataFilePage, button); }
    // Clicks the game radio ("threeNumber" clicks "threeNumberGameRadio") and the data radio ("dated" clicks
    // "datedDataRadio"); an empty name clicks none.
    void Select(std::string_view game, std::string_view data) {
        for (const auto& [name, suffix] : {std::pair{game, "GameRadio"}, std::pair{data, "DataRadio"}}) {
            if (!name.empty()) {
                Press(std::string(name) + suffix);
            }
        }
    }
    // A file chosen with "Import" ("Compare", "Automatic") as the next file dialog answers.
    void ChooseFile(std::string_view button, const std::filesystem::path& file) {
        chosenFile = QString::fromStdString(file.string());
        Press(button);
    }
    void TypeEntry(std::string_view text) { Type(kDataFilePage, "entryEdit", text); }

    bool Shown(std::string_view picture) const { return !Find(picture, kDataFilePage)->isHidden(); }
    std::string History() const { return ReadFile("vtrmain.dat"); }

    // The enabled controls of the page, in table order.
    std::string EnabledControls() const {
        const std::pair<const char*, Lines> controls[] = {
            {"data", {"datedDataRadio", "undatedDataRadio"}},
            {"filter", {"filterDataButton"}},
            {"manual", {"manualButton", "automaticButton"}},
            {"backup", {"backupButton"}},
            {"entry", {"entryEdit"}},
            {"enter", {"enterDataButton"}},
            {"compare", {"compareButton"}},
            {"import", {"importButton"}},
            {"apply", {"applySelectionButton"}},
            {"games",
             {"threeNumberGameRadio", "fourNumberGameRadio", "fiveNumberGameRadio", "sixNumberGameRadio",
              "powerballGameRadio"}},
            {"column", {"resultsColumnEdit"}},
        };
        std::string enabled;
        for (const auto& [name, widgets] : controls) {
            std::size_t on = 0;
            for (const std::string& widget : widgets) {
                on += IsEnabled(kDataFilePage, widget) ? 1 : 0;
            }
            if (on != 0) {
                enabled += (enabled.empty() ? "" : " ") + std::string(name) +
                           (on == widgets.size() ? "" : "(partly)");
            }
        }
        return enabled;
    }

    QString chosenFile;
    Lines fileDialogFilters;
};

TEST_F(DataFilePageTest, EachOperationEnablesTheControlsItNeeds) {
    EXPECT_EQ(EnabledControls(), "");
    EXPECT_FALSE(Shown("processingPicture") || Shown("blankPicture") || Shown("completionPicture"));
    const struct {
        std::string_view item;
        std::string controls;
    } steps[] = {
        {"Analyze Datafile Errors", "apply"},
        {"Compare External File", "data compare apply games"},
        {"Data Import (NEW)", "data filter import games"},
        {"Data Import (APPEND)", "data filter manual games"},
        {"Pattern Searching", "data enter"},
        {"Backup Datafile", "backup"}, // "Apply Selection" stays as it was
        {"Repair Datafile Errors", "apply"},
        {"Backup Datafile", "backup apply"},
        {"Seed Random Machine", "entry enter apply"},
        {"Results Import (UPDATE)", "data(partly) import games column"},
        {"Update Results", "data(partly) apply games"},
    };
    for (const auto& step : steps) {
        ChooseOperation(step.item);
        EXPECT_EQ(EnabledControls(), step.controls) << step.item;
    }
    EXPECT_TRUE(IsEnabled(kDataFilePage, "datedDataRadio")); // a results file fills the dated history only
}

// A results file as a lottery publishes it: a header, four-digit years, a bonus column, newest first.
constexpr std::string_view kSixNumberResults = "Draw Date,Winning Numbers,Bonus #,Extra #\n"
                                               "01/10/1998,03 15 22 31 40 49,7,\n"
                                               "01/03/1998,01 02 03 04 05 06,11,2X\n"
                                               "01/07/1998,10 11 12 13 14 15,2,\n";

class ResultsImportPageTest : public DataFilePageTest {
protected:
    // Chooses the item, the game and the file (and, when given, the column) and applies.
    void ImportResults(std::string_view gameRadio, const std::filesystem::path& file,
                       std::string_view column = {}) {
        ChooseOperation("Results Import (UPDATE)");
        Press(gameRadio);
        ChooseFile("importButton", file);
        Type(kDataFilePage, "resultsColumnEdit", column);
        Press("applySelectionButton");
    }
};

// The 6 Number page has found no dated history before the import; the drawings are written in date order,
// and only once.
TEST_F(ResultsImportPageTest, AddsTheDrawingsInDateOrderAndOnlyOnce) {
    WriteFile("lotto.csv", kSixNumberResults);
    WriteFile("picks.txt", "1 2 3 4 5 6\n");
    OpenSheet(kSixNumberPage);
    sheet->SetActivePage(kDataFilePage);
    ImportResults("sixNumberGameRadio", "lotto.csv");
    EXPECT_EQ(fileDialogFilters.back(), "Results Files (*.csv *.txt);;Text Files (*.txt);;All Files (*)");
    EXPECT_EQ(messages.texts(),
              Lines{"Results Import Successful\n\nNew drawings written: 3\nAlready in the history: 0"});
    EXPECT_EQ(History(),
              std::string(kHistory) +
                  "7 3 98/01/03 1 2 3 4 5 6 98/01/07 10 11 12 13 14 15 98/01/10 3 15 22 31 40 49\r\n");
    EXPECT_TRUE(Shown("completionPicture"));
    EXPECT_FALSE(Shown("processingPicture") || Shown("blankPicture"));
    // A comparison sees the new drawings, though the 6 Number page read the history before.
    ChooseOperation("Compare External File");
    Press("datedDataRadio");
    ChooseFile("compareButton", "picks.txt");
    Press("applySelectionButton");
    EXPECT_EQ(ResultLines(), (Lines{"We MAY have a WINNER here !", "1 2 3 4 5 6 was found on 01/03/98"}));

    // The same file again adds nothing and leaves the file as it was.
    const std::string imported = History();
    sheet->SetActivePage(kDataFilePage);
    messages.Clear();
    ImportResults("sixNumberGameRadio", "lotto.csv");
    EXPECT_EQ(messages.texts().at(0).substr(0, 46), "No new drawings: VTRMAIN.DAT was not changed.\n");
    EXPECT_EQ(History(), imported);
    EXPECT_FALSE(Shown("completionPicture")); // no new data to announce
}

// After an import that wrote drawings, the drawings it added are checked against the tickets file: the wins
// and the summary in a message and on Deja View. Nothing more is shown without a tickets file.
TEST_F(ResultsImportPageTest, TheAddedDrawingsAreCheckedAgainstTheTickets) {
    WriteFile("lotto.csv", kSixNumberResults);
    WriteFile("tickets.txt", "1 2 3 4 5 6\n3 15 22 31 40 48\n1 2 3 4 5\n");
    ImportResults("sixNumberGameRadio", "lotto.csv");
    const std::string check = "Your tickets won on 01/03/1998: line 1, 6 numbers, Jackpot\n"
                              "Your tickets won on 01/10/1998: line 2, 5 numbers, prize not known\n"
                              "Checked 2 tickets against 3 drawings: 6 plays\n"
                              "6 numbers: 1 win, Jackpot\n"
                              "5 numbers: 1 win, prize not known\n"
                              "4 numbers: 0 wins, prize not known\n"
                              "3 numbers: 0 wins, prize not known\n"
                              "Fixed prizes won: $0\n"
                              "Spent: not known (no ticket price)\n"
                              "Jackpot won on 01/03/1998: line 1, 1 2 3 4 5 6, 6 numbers\n";
    EXPECT_EQ(messages.texts(),
              (Lines{"Results Import Successful\n\nNew drawings written: 3\nAlready in the "
                     "history: 0",
                     "Lines of tickets.txt left out:\nLine 3: 5 numbers; a 6 Number ticket has 6", check}));
    ASSERT_FALSE(results.log().records().empty());
    EXPECT_EQ(results.log().records().back().what, "My Tickets: the new drawings");
    EXPECT_EQ(results.log().records().back().lines.text(), check);

    std::filesystem::remove("tickets.txt");
    WriteFile("lotto.csv", "Draw Date,Winning Numbers\n01/14/1998,01 02 03 04 05 06\n");
    messages.Clear();
    ImportResults("sixNumberGameRadio", "lotto.csv");
    EXPECT_EQ(messages.texts().size(), 1U);
}

TEST_F(ResultsImportPageTest, TheColumnFieldChoosesTheGameOfAFileWithSeveral) {
    WriteFile("numbers.csv", "Draw Date|Midday Daily|Evening Daily\n"
                             "01/05/1998|4 5 6|7 8 9\n"
                             "01/04/1998|0 1 2|3 3 3\n");
    ImportResults("threeNumberGameRadio", "numbers.csv", " evening daily ");
    EXPECT_EQ(History(), "0 3 7 70 123\r\n"
                         "1 4 98/01/02 123 98/01/03 7 98/01/04 333 98/01/05 789\r\n"
                         "2 2 1234 45\r\n");
}

// Each refusal (and an import with nothing new) leaves the history file as it was and the page without the
// completion picture.
TEST_F(ResultsImportPageTest, RefusesWithItsMessageAndWritesNothing) {
    WriteFile("lotto.csv", kSixNumberResults);
    const struct {
        std::string_view name;
        std::function<void()> prepare;
        std::string_view gameRadio;
        std::string_view file;
        std::string_view message; // the start of the only message shown
    } cases[] = {
        {"no game", [] {}, "", "lotto.csv", "No Game Type Selected !"},
        {"undated data chosen",
         [this] {
             ChooseOperation("Data Import (NEW)");
             Press("undatedDataRadio");
         },
         "sixNumberGameRadio", "lotto.csv",
         "A results file is imported into the dated history of a game.\nPlease choose \"Use Dated Data\"."},
        {"unusable setting", [this] { profile.WriteString(kSettingsSection, kKey6BC, "sixty"); },
         "sixNumberGameRadio", "lotto.csv", "The setting 6BC"},
        // With a preset in force, the drawings of the game's earlier matrices are left out.
        {"earlier game", [this] { UseGamePreset(profile, *FindGamePreset("lotto-6-59")); },
         "sixNumberGameRadio", "lotto.csv",
         "No new drawings: VTRMAIN.DAT was not changed.\n\nNew drawings written: 0\nAlready in the history: "
         "0\nDrawings before 09/12/2001 left out (an earlier game): 3"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        WriteHistory(kHistory);
        messages.Clear();
        OpenSheet();
        sheet->SetActivePage(kDataFilePage);
        each.prepare();
        ChooseOperation("Results Import (UPDATE)");
        if (!each.gameRadio.empty()) {
            Press(each.gameRadio);
        }
        ChooseFile("importButton", each.file);
        Press("applySelectionButton");
        ASSERT_EQ(messages.texts().size(), 1U);
        EXPECT_EQ(messages.texts().front().substr(0, each.message.size()), each.message);
        EXPECT_EQ(History(), kHistory);
        EXPECT_FALSE(Shown("completionPicture"));
        EXPECT_FALSE(WorkFilesLeftIn());
    }
}

TEST_F(DataFilePageTest, ImportNewWritesANewHistoryAndWarnsOnceForEachLineItWouldShadow) {
    WriteFile("new.txt", "Drawings of January\n01/04/98 456\n01/05/98 089\n");
    ChooseOperation("Data Import (NEW)");
    Press("fourNumberGameRadio");
    ChooseFile("importButton", "new.txt");
    EXPECT_EQ(fileDialogFilters, Lines{"Text Files (*.txt);;Data Files (*.dat);;All Files (*)"});
    EXPECT_EQ(Text(kDataFilePage, "entryEdit"), "new.txt");
    Press("applySelectionButton"); // no data type yet
    EXPECT_EQ(messages.texts(), Lines{"You must select both a Game Selection\nand a Comparison and Import "
                                      "Selection.\n\nThe operation cannot continue."});
    EXPECT_EQ(History(), kHistory);
    messages.Clear();
    Press("datedDataRadio");
    ASSERT_TRUE(IsEnabled(kDataFilePage, "applySelectionButton"));
    {
        const ModalDialogs dialogs({});
        Press("applySelectionButton");
        EXPECT_TRUE(dialogs.titles().empty()); // the file holds no 4 Number dated history yet
    }
    const std::string newLine = "3 2 98/01/04 456 98/01/05 89\r\n";
    EXPECT_EQ(History(), std::string(kHistory) + newLine);
    EXPECT_TRUE(Shown("completionPicture"));
    EXPECT_FALSE(Shown("processingPicture") || Shown("blankPicture"));
    EXPECT_TRUE(messages.texts().empty());

    // Two lines of the history now (the new one and a copy): two warnings, and "Abort Now" on the second
    // changes nothing.
    WriteHistory(std::string(kHistory) + newLine + newLine);
    const std::string twoLines = History();
    {
        const ModalDialogs dialogs({ClickIn("continueButton"), ClickIn("abortNowButton")});
        Press("applySelectionButton");
        EXPECT_EQ(dialogs.titles(), Lines(2, "VanTorel Advises You To Abort"));
    }
    EXPECT_EQ(History(), twoLines);
    EXPECT_FALSE(Shown("completionPicture"));
    {
        const ModalDialogs dialogs({ClickIn("continueButton"), ClickIn("continueButton")});
        Press("applySelectionButton");
    }
    EXPECT_EQ(History(), std::string(kHistory) + newLine + newLine + newLine);
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(DataFilePageTest, AnImportThatFailsLeavesTheHistoryAsItWas) {
    ChooseOperation("Data Import (NEW)");
    Select("threeNumber", "undated");
    ChooseFile("importButton", "missing.txt");
    const ModalDialogs dialogs({ClickIn("continueButton")});
    Press("applySelectionButton");
    EXPECT_EQ(messages.texts(), (Lines{"Unable to open missing.txt", "Failure in Data Massage",
                                       "There was an unexpected problem\nwith the data operation."}));
    EXPECT_EQ(History(), kHistory);
    EXPECT_FALSE(Shown("completionPicture") || Shown("processingPicture") || Shown("blankPicture"));
    EXPECT_TRUE(IsEnabled(kDataFilePage, "applySelectionButton"));
    EXPECT_FALSE(WorkFilesLeftIn());
}

TEST_F(DataFilePageTest, ImportAppendWithAndWithoutFiltering) {
    // Prize amounts after each drawing: only filtering keeps them out.
    WriteFile("prizes.txt", "01/04/98 456 $500\n01/05/98 089 $20\n");
    // A path longer than the entry field is imported whole.
    const std::filesystem::path folder =
        std::filesystem::absolute("a folder whose name is long enough to pass the length of the entry field");
    std::filesystem::create_directory(folder);
    WriteFile(folder / "plain.txt", "01/06/98 321\n");
    ChooseOperation("Data Import (APPEND)");
    Select("threeNumber", "dated");
    EXPECT_EQ(Text(kDataFilePage, "filterStateLabel"), "Filtering: off");
    messages.ScriptAnswer(MessageAnswer::Yes);
    Press("filterDataButton");
    EXPECT_EQ(Text(kDataFilePage, "filterStateLabel"), "Filtering: on"); // the answer stays in sight
    ChooseFile("automaticButton", "prizes.txt");
    Press("applySelectionButton");
    ASSERT_EQ(messages.texts(),
              Lines{"This will filter extraneous\ntext entries from a data\nimport operation.\n(Please See "
                    "Help)\n\nEnable Filtering?"});
    EXPECT_TRUE(Shown("completionPicture"));

    messages.ScriptAnswer(MessageAnswer::No);
    Press("filterDataButton");
    EXPECT_EQ(Text(kDataFilePage, "filterStateLabel"), "Filtering: off");
    ChooseFile("automaticButton", folder / "plain.txt");
    Press("applySelectionButton");
    EXPECT_EQ(messages.texts().size(), 2U); // the two questions only
    EXPECT_EQ(History(), "0 3 7 70 123\r\n"
                         "1 5 98/01/02 123 98/01/03 7 98/01/04 456 98/01/05 89 98/01/06 321\r\n"
                         "2 2 1234 45\r\n");

    // After "Manual" the chosen file is forgotten and "Apply Selection" appends nothing.
    Press("manualButton");
    Press("applySelectionButton");
    EXPECT_EQ(messages.texts().size(), 2U);
}

// The entry field shows what the chosen operation wants typed for the chosen game and history; the
// operation list says what each item does.
TEST_F(DataFilePageTest, EntryFieldShowsAnExampleOfWhatItTakes) {
    const auto placeholder = [this] {
        return Find<QLineEdit>("entryEdit", kDataFilePage)->placeholderText().toStdString();
    };
    EXPECT_EQ(placeholder(), "");
    ChooseOperation("Data Import (APPEND)");
    const struct {
        const char* game;
        const char* data;
        const char* example;
    } cases[] = {
        {"threeNumber", "dated", "01/02/98 123"},
        {"fourNumber", "undated", "1234"},
        {"sixNumber", "undated", "3 15 22 31 40 45"},
        {"powerball", "dated", "01/02/98 3 15 22 31 40 12"},
    };
    for (const auto& c : cases) {
        Select(c.game, c.data);
        Press("manualButton");
        EXPECT_EQ(placeholder(), c.example);
    }
    ChooseOperation("Seed Random Machine");
    EXPECT_EQ(placeholder(), "12345");
    ChooseOperation("Analyze Datafile Errors");
    EXPECT_EQ(placeholder(), "");
    const auto* list = Find<QComboBox>("operationList", kDataFilePage);
    for (int item = 0; item < list->count(); ++item) {
        EXPECT_FALSE(list->itemData(item, Qt::ToolTipRole).toString().isEmpty()) << item;
    }
}

TEST_F(DataFilePageTest, AutomaticAndManualAskForGameAndDataType) {
    ChooseOperation("Data Import (APPEND)");
    Press("threeNumberGameRadio");
    Press("automaticButton"); // a game, but no data type
    EXPECT_TRUE(fileDialogFilters.empty());
    sheet->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
    Press("manualButton"); // a game is enough to type a drawing
    EXPECT_TRUE(IsEnabled(kDataFilePage, "entryEdit"));
    EXPECT_TRUE(Find("entryEdit", kDataFilePage)->hasFocus());
    EXPECT_EQ(messages.texts(), Lines{"No Game Type or\nData Type Selected.."});
}

TEST_F(DataFilePageTest, ManualEntryAppendsOneDrawingOrSaysWhyNot) {
    const std::string_view appended =
        "0 3 7 70 123\r\n1 3 98/01/02 123 98/01/03 7 98/01/04 007\r\n2 2 1234 45\r\n";
    const struct {
        std::string_view game;
        std::string_view data;
        std::string_view typed;
        Lines messages;
        std::string_view history; // the whole file afterwards; empty when unchanged
    } cases[] = {
        {"threeNumber", "dated", "01/04/98 007", {}, appended},
        {"threeNumber",
         "undated",
         "12a3",
         {"\"12a3\" is not one number of at most 3 digits.\n\n" +
              AcceptedFormOf(kThreeNumber, false, GameSettings{26, 49, 49, 42, 5}),
          "Data Append Failed"},
         ""},
        {"threeNumber", "dated", "", {"No Data Entered !"}, ""},
        {"threeNumber", "", "123", {"No Dated-Undated Selection !"}, ""},
        {"", "undated", "123", {"No Game Type Selected !"}, ""},
    };
    for (const auto& each : cases) {
        WriteHistory(kHistory);
        messages.Clear();
        OpenSheet();
        ChooseOperation("Data Import (APPEND)");
        Select(each.game, each.data);
        Press("manualButton");
        TypeEntry(each.typed);
        Press("enterDataButton");
        EXPECT_EQ(messages.texts(), each.messages) << each.typed;
        EXPECT_EQ(History(), each.history.empty() ? kHistory : each.history) << each.typed;
        EXPECT_EQ(Text(kDataFilePage, "entryEdit"), each.messages.empty() ? "Append Successful" : each.typed);
    }
}

TEST_F(DataFilePageTest, EnterInTheEntryFieldEntersTheDrawingAndKeepsTheSheetOpen) {
    ChooseOperation("Data Import (APPEND)");
    Select("threeNumber", "undated");
    Press("manualButton");
    for (const char* drawing : {"456", "789"}) {
        auto* entry = Find<QLineEdit>("entryEdit", kDataFilePage);
        QTest::keyClicks(entry, QString::fromLatin1(drawing)); // replaces the selected notice
        QTest::keyClick(entry, Qt::Key_Return);
    }
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(History().substr(0, 22), "0 5 7 70 123 456 789\r\n");

    // A comparison sees the typed drawings, though the 3 Number page read its tables before.
    WriteFile("picks.txt", "789\n");
    ChooseOperation("Compare External File");
    ChooseFile("compareButton", "picks.txt");
    Press("applySelectionButton");
    EXPECT_EQ(ResultLines(), (Lines{"We MAY have a WINNER here !", "789  was found."}));
}

TEST_F(DataFilePageTest, AnalysisReportGoesToDejaView) {
    WriteHistory("0 2 7 70\r\n1 1 98/02/30 7\r\n");
    ChooseOperation("Analyze Datafile Errors");
    Press("applySelectionButton");
    EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
    EXPECT_EQ(ResultLines(), (Lines{" 3 Number Undated game data was found and appears to be free of errors.",
                                    " 3 Number Dated game data was found and appears to have the following "
                                    "ERRORS:",
                                    " *** ONE OR MORE OF THE DATES HAS AN ERROR",
                                    "3 Number Dated, drawing 1: date 98/02/30 is not a date"}));
    EXPECT_TRUE(Shown("blankPicture"));
    EXPECT_TRUE(IsEnabled(kDataFilePage, "applySelectionButton"));
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(DataFilePageTest, ComparisonReportGoesToDejaView) {
    WriteFile("picks.txt", "7\n45\n");
    ChooseOperation("Compare External File");
    ChooseFile("compareButton", "picks.txt");
    Press("applySelectionButton");
    Press("threeNumberGameRadio");
    Press("applySelectionButton");
    EXPECT_EQ(messages.texts(), (Lines{"No Game Type Selected !", "No Comaprison Data Selected !"}));
    EXPECT_TRUE(results.log().records().empty()); // a refused comparison reports nothing

    Press("datedDataRadio");
    Press("applySelectionButton");
    EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
    EXPECT_EQ(ResultLines(), (Lines{"We MAY have a WINNER here !", "7  came in on  01/03/98"}));

    // The 4 Number page has not been shown in this run: its history is read for the comparison.
    sheet->SetActivePage(kDataFilePage);
    Select("fourNumber", "undated");
    Press("applySelectionButton");
    EXPECT_EQ(ResultLines().back(), "45  was found.");
    // A history that the file does not hold is not compared.
    sheet->SetActivePage(kDataFilePage);
    Press("datedDataRadio");
    Press("applySelectionButton");
    EXPECT_EQ(messages.texts().back(), "Undated 2");
    EXPECT_EQ(sheet->activeIndex(), kDataFilePage);
}

TEST_F(DataFilePageTest, ComparisonWithAGamePageThatThisBuildLacksIsRefused) {
    services.buildPages = [](OperationsSheet& built) {
        return std::vector<SheetPage*>{new SheetPage(built, kThreeNumberPage), new FourNumberPage(built),
                                       new DataFilePage(built), new ResultListPage(built)};
    };
    OpenSheet(kFourNumberPage);
    sheet->SetActivePage(kDataFilePage);
    ChooseOperation("Compare External File");
    Select("threeNumber", "dated");
    Press("applySelectionButton");
    EXPECT_EQ(messages.texts(),
              Lines{"The 3 Number page is not available in this build, so its history cannot be compared."});
    EXPECT_EQ(sheet->activeIndex(), kDataFilePage);
}

TEST_F(DataFilePageTest, PatternSearchThroughEnterData) {
    ChooseOperation("Pattern Searching");
    Press("undatedDataRadio");
    const ModalDialogs dialogs({[](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("patternEdit")), QStringLiteral("7"));
        ClickButton(dialog.findChild<QAbstractButton*>(QStringLiteral("searchButton")));
    }});
    Press("enterDataButton");
    EXPECT_EQ(dialogs.titles(), Lines{"Vantorel Pattern Searching"});
    EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
    EXPECT_EQ(ResultLines(), (Lines{"The pattern 7 was found in 2 draws:", "007  070  "}));
}

TEST_F(DataFilePageTest, APlantedSeedRepeatsRandomUntilUnplanted) {
    const auto plant = [this](std::string_view seed) {
        sheet->SetActivePage(kDataFilePage);
        ChooseOperation("Seed Random Machine");
        TypeEntry(seed);
        Press("enterDataButton");
        EXPECT_EQ(Text(kDataFilePage, "entryEdit"), "");
    };
    const auto randomPick = [this] {
        Click(kThreeNumberPage, "randomRadio");
        ClickSheetButton("okButton");
        const DigitOperationResult* pick = results.DigitPick(kThreeNumber);
        return pick == nullptr ? -1 : pick->pickedNumber;
    };
    plant("17");
    EXPECT_EQ(handOver.plantedSeed, 17);
    sheet->SetActivePage(kThreeNumberPage);
    EXPECT_FALSE(Find("seedLabel", kThreeNumberPage)->isHidden()); // "Seed is Planted"
    const int first = randomPick();
    clock.Set(987654);
    OpenSheet();
    EXPECT_EQ(randomPick(), first);

    // Seed 0 unplants it.
    OpenSheet();
    plant("17");
    plant("0");
    EXPECT_EQ(handOver.plantedSeed, 0);
    EXPECT_EQ(sheet->state().plantedSeed, 0);
    sheet->SetActivePage(kThreeNumberPage);
    EXPECT_TRUE(Find("seedLabel", kThreeNumberPage)->isHidden());
    EXPECT_EQ(messages.texts(),
              (Lines{"Seed 17 is planted.\nTo unplant enter a seed of 0.",
                     "Seed 17 is planted.\nTo unplant enter a seed of 0.", "Seed is unplanted."}));

    // A seed that is no whole number is refused by name and plants nothing; the field keeps it.
    for (const std::string_view seed : {"17x", "-3"}) {
        plant("17");
        TypeEntry(seed);
        Press("enterDataButton");
        EXPECT_EQ(Text(kDataFilePage, "entryEdit"), seed);
        EXPECT_EQ(handOver.plantedSeed, 17) << seed;
    }
    EXPECT_EQ(messages.texts().back(),
              "\"-3\" is not a whole number.\nType a seed such as 17, or 0 to unplant the seed.");
}

// The field's text belongs to the operation it was chosen or typed for; after an append the notice is
// selected, so the next drawing typed replaces it, and pressing Enter Data on the notice alone adds nothing.
TEST_F(DataFilePageTest, TheEntryFieldStartsEmptyForEveryOperation) {
    ChooseOperation("Data Import (APPEND)");
    Select("threeNumber", "undated");
    Press("manualButton");
    TypeEntry("5");
    Press("enterDataButton");
    EXPECT_EQ(Text(kDataFilePage, "entryEdit"), "Append Successful");
    EXPECT_TRUE(Find<QLineEdit>("entryEdit", kDataFilePage)->hasSelectedText());
    messages.Clear();
    Press("enterDataButton");
    EXPECT_EQ(messages.texts(), Lines{"No Data Entered !"});
    ChooseOperation("Seed Random Machine");
    EXPECT_EQ(Text(kDataFilePage, "entryEdit"), "");
    TypeEntry("17");
    ChooseOperation("Data Import (APPEND)");
    EXPECT_EQ(Text(kDataFilePage, "entryEdit"), "");
}

// The dialog offers Backup while there is a history and Restore while there is a backup.
TEST_F(DataFilePageTest, BackupAndRestoreThroughTheBackupDialog) {
    ChooseOperation("Backup Datafile");
    Lines states; // the two buttons, each time the dialog opens
    // Opens the dialog once for each button to click in it (none: the dialog is cancelled).
    const auto openDialog = [&](const std::vector<const char*>& clicks) {
        std::vector<ModalDialogs::Action> actions;
        for (const char* click : clicks) {
            actions.push_back([&states, click](QDialog& dialog) {
                for (const char* name : {"backupDatafileButton", "restoreDatafileButton"}) {
                    const bool on =
                        dialog.findChild<QAbstractButton*>(QString::fromLatin1(name))->isEnabled();
                    states.push_back(std::string(name) + (on ? " on" : " off"));
                }
                click == nullptr ? dialog.reject() : ClickIn(click)(dialog);
            });
        }
        const ModalDialogs dialogs(actions);
        for (std::size_t i = 0; i < clicks.size(); ++i) {
            Press("backupButton");
        }
        return dialogs.titles();
    };
    EXPECT_EQ(openDialog({nullptr, "backupDatafileButton"}), Lines(2, "Vantorel Data Backup"));
    EXPECT_EQ(ReadFile("maindat.bak"), kHistory);
    WriteHistory("0 1 5");
    messages.ScriptAnswer(MessageAnswer::Ok);
    openDialog({"restoreDatafileButton"});
    EXPECT_EQ(History(), kHistory);
    EXPECT_EQ(messages.texts(),
              (Lines{"Backup completed.", std::string(kRestoreQuestion), "Restore completed."}));
    std::filesystem::remove("vtrmain.dat");
    openDialog({nullptr});
    std::filesystem::remove("maindat.bak");
    WriteHistory(kHistory);
    openDialog({nullptr});
    EXPECT_EQ(states, (Lines{"backupDatafileButton on", "restoreDatafileButton off",    // no backup yet
                             "backupDatafileButton on", "restoreDatafileButton off",    // still none
                             "backupDatafileButton on", "restoreDatafileButton on",     // both files
                             "backupDatafileButton off", "restoreDatafileButton on",    // no history
                             "backupDatafileButton on", "restoreDatafileButton off"})); // no backup
}

TEST_F(DataFilePageTest, ImportKeepsTheWindowPaintedAndThePageDisabled) {
    std::string drawings;
    for (int i = 0; i < 200; ++i) {
        drawings += std::to_string(100 + i) + '\n';
    }
    WriteFile("many.txt", drawings);
    ChooseOperation("Data Import (APPEND)");
    Select("threeNumber", "undated");
    ChooseFile("automaticButton", "many.txt");
    struct {
        bool ran = false;
        bool pageEnabled = true;
        bool lightShown = false;
        bool stopOffered = false;
    } during;
    QTimer::singleShot(0, sheet.get(), [&] {
        during.ran = true;
        during.pageEnabled =
            IsEnabled(kDataFilePage, "automaticButton") || IsEnabled(kDataFilePage, "operationList");
        during.lightShown = Shown("processingPicture") != Shown("blankPicture");
        during.stopOffered = Find<QAbstractButton>("stopWorkButton")->isVisible();
    });
    Press("applySelectionButton");
    ASSERT_TRUE(during.ran); // events were processed while the import ran
    EXPECT_FALSE(during.pageEnabled);
    EXPECT_TRUE(during.lightShown);
    EXPECT_TRUE(during.stopOffered);
    EXPECT_FALSE(Find<QAbstractButton>("stopWorkButton")->isVisible());
    EXPECT_EQ(History().substr(0, 8), "0 203 7 ");
    EXPECT_TRUE(IsEnabled(kDataFilePage, "applySelectionButton") &&
                IsEnabled(kDataFilePage, "automaticButton"));
}

TEST_F(DataFilePageTest, RepairListsTheNamedDrawingsAndRemovesTheTickedOnes) {
    WriteHistory("0 3 7 70 123\r\n1 3 98/01/02 123 98/13/03 7 98/01/04 8\r\n5 1 98/01/02 1 2 2 4 5\r\n");
    OpenSheet();
    ChooseOperation("Repair Datafile Errors");
    Lines listed;
    // The first time the list is cancelled; the second time the 5 Number drawing is unticked.
    {
        const ModalDialogs cancelled({});
        Press("applySelectionButton");
        EXPECT_EQ(cancelled.titles(), Lines{"Repair Datafile Errors"});
    }
    ModalDialogs dialogs({[&](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("namedErrorList"));
        for (int row = 0; row < list->count(); ++row) {
            listed.push_back(list->item(row)->text().toStdString());
        }
        list->item(1)->setCheckState(Qt::Unchecked);
        dialog.findChild<QPushButton*>(QStringLiteral("removeChosenButton"))->click();
    }});
    messages.Clear();
    messages.ScriptAnswer(MessageAnswer::Yes);
    Press("applySelectionButton");
    EXPECT_EQ(listed, (Lines{"3 Number Dated, drawing 2: date 98/13/03 is not a date",
                             "5 Number Dated, drawing 1: the number 2 is there twice"}));
    EXPECT_EQ(messages.texts(),
              (Lines{"Remove these drawings from VTRMAIN.DAT?\n\n3 Number Dated, drawing 2: date "
                     "98/13/03 is not a date",
                     RepairedMessage(1)}));
    EXPECT_EQ(History(), "0 3 7 70 123\r\n1 2 98/01/02 123 98/01/04 8\r\n5 1 98/01/02 1 2 2 4 5\r\n");
}

} // namespace
} // namespace vantorel::test
