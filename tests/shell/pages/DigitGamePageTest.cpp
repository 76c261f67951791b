// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include "shell/pages/DigitGamePage.h"
#include "store/CalendarDates.h"

namespace vantorel::test {
namespace {

// 3 Number: undated 7 70 700 123 7; dated 007 123 045 900. 4 Number: undated 1234 4321 0045; dated 0045 1234.
constexpr std::string_view kHistory = "0 5 7 70 700 123 7\r\n"
                                      "1 4 98/01/03 7 98/01/05 123 98/01/05 45 99/02/01 900\r\n"
                                      "2 3 1234 4321 45\r\n"
                                      "3 2 98/01/05 45 98/01/06 1234\r\n";

using Lines = std::vector<std::string>;

// One operation as a user runs it on a fresh sheet: Setup choices, data source, operation and inputs.
struct Request {
    int game = kThreeNumberPage;
    Lines setup = {};
    bool undated = false;
    const char* operation = "";
    const char* number = "";
    const char* from = "";
    const char* to = "";
};

class DigitGamePageTest : public SheetTest {
protected:
    DigitGamePageTest() { WriteHistory(kHistory); }

    // Sets Setup choices by their radios, then turns to the game page.
    void ChooseOnSetup(int game, const Lines& choices) {
        for (const std::string& choice : choices) {
            Click(kSetupPage, choice);
        }
        sheet->SetActivePage(game);
    }

    // Runs the request with Apply on a new sheet of a new program run, opened on the 3 Number page (so
    // that a 4 Number request has both digit pages shown, and only the active one may run); the lines of
    // "Deja View".
    Lines Run(const Request& request) {
        handOver = HandOver();
        OpenSheet();
        ChooseOnSetup(request.game, request.setup);
        if (request.undated) {
            Click(request.game, "undatedCheck");
        }
        Click(request.game, request.operation);
        for (const auto& [field, text] :
             {std::pair{"numberEdit", request.number}, std::pair{"fromEdit", request.from},
              std::pair{"toEdit", request.to}}) {
            if (*text != '\0') {
                Type(request.game, field, text);
            }
        }
        EXPECT_TRUE(ApplyEnabled()) << request.operation;
        ClickSheetButton("applyButton");
        EXPECT_EQ(sheet->activeIndex(), kDejaViewPage) << request.operation;
        EXPECT_FALSE(ApplyEnabled() || OkEnabled()) << request.operation;
        Lines lines = ResultLines();
        sheet.reset();
        return lines;
    }

    std::vector<bool> EnabledFields(int game) const {
        return {IsEnabled(game, "numberEdit"), IsEnabled(game, "fromEdit"), IsEnabled(game, "toEdit")};
    }
};

// The report texts themselves are the engine's; these cases follow each way in which the page hands the
// inputs, the data source, the game and the Setup choices to the operation and the report.
TEST_F(DigitGamePageTest, EveryListOperationEndsInItsReportLines) {
    EXPECT_EQ(Run({.operation = "totalsRadio"}),
              (Lines{" 900  has come in  1  time(s)", " 123  has come in  1  time(s)",
                     " 045  has come in  1  time(s)", " 007  has come in  1  time(s)"}));
    EXPECT_EQ(Run({.setup = {"evenOddCountBallsRadio"}, .operation = "evenOddRadio"}),
              Lines{" Balls are 58% Even  -  42% Odd"});
    EXPECT_EQ(Run({.setup = {"monthRadio"}, .operation = "hottestRadio", .number = "1"}),
              Lines{" Hottest Number(s): (Jan) 0??  ( 0 2 4 )  ( 3 5 7 )"});
    EXPECT_EQ(Run({.undated = true, .operation = "numberRadio", .number = "7"}),
              Lines{"007 was found  2 times"});
    EXPECT_EQ(Run({.operation = "numberRangeRadio", .from = "40", .to = "200"}),
              (Lines{"123 came in on 01/05/98", "045 came in on 01/05/98"}));
    EXPECT_EQ(Run({.game = 1, .operation = "numberRadio", .number = "45"}),
              Lines{"0045 came in on 01/05/98"});
    EXPECT_TRUE(messages.texts().empty());

    // A whole-number prediction restricted by day says so and reports nothing.
    EXPECT_EQ(Run({.setup = {"useNumbersRadio", "dayRadio"}, .operation = "overdueRadio", .number = "2"}),
              Lines{" The most overdue number is  "});
    EXPECT_EQ(messages.texts(), Lines{"Too damn many switches"});
}

// A search without a usable date says so and stays on the page, ready for a corrected input.
TEST_F(DigitGamePageTest, SearchWithoutAUsableInputStaysOnThePage) {
    OpenSheet();
    Click(kThreeNumberPage, "dateRadio");
    Type(kThreeNumberPage, "numberEdit", "1/5/98");
    ClickSheetButton("applyButton");
    EXPECT_EQ(messages.texts(), Lines{std::string(kNoDateEntered)});
    EXPECT_EQ(sheet->activeIndex(), kThreeNumberPage);
    EXPECT_TRUE(ResultLines().empty());
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(DigitGamePageTest, ControlsFollowWhichHistoriesAreLoaded) {
    ExpectDataStates(
        {
            {"", 0, "dated off, undated off, date searches off, others off",
             "No 3 Number Game Data Available", true},
            {"0 2 7 8\r\n", 0, "dated off, undated on checked, date searches off, others on", "Undated 2",
             false},
            {"1 1 98/01/03 7\r\n", 0, "dated on checked, undated off, date searches on, others on", "Dated 1",
             true},
            {kHistory, 0, "dated on checked, undated on, date searches on, others on", "Undated 5 : Dated 4",
             true},
        },
        "Check");
}

TEST_F(DigitGamePageTest, InputFieldsFollowTheOperationAndThePredictionsChoice) {
    const struct {
        std::vector<std::string> setup;
        const char* operation;
        std::vector<bool> fields;
        std::string label;
        bool clearInputs;
        std::string placeholders; // of the number, From and To fields, separated by "|"
    } cases[] = {
        {{}, "hottestRadio", {false, false, false}, "Number", false, "||"},
        {{"dayRadio"}, "overdueRadio", {true, false, false}, "Day [1-7]", false, "1-7||"},
        {{"monthRadio"}, "hottestRadio", {true, false, false}, "Month [1-12]", false, "1-12||"},
        {{"dateRangeRadio"}, "hottestRadio", {false, true, true}, "Number", false, "|01/03/19|01/03/19"},
        {{"monthRadio"}, "randomRadio", {false, false, false}, "Month [1-12]", false, "||"},
        {{}, "dateRadio", {true, false, false}, "Date", true, "01/03/19||"},
        {{}, "dateRangeRadio", {false, true, true}, "Date", true, "|01/03/19|01/03/19"},
        {{}, "numberRadio", {true, false, false}, "Number", true, "123||"},
        {{}, "numberRangeRadio", {false, true, true}, "Number", true, "|100|150"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.operation);
        handOver = HandOver();
        OpenSheet();
        ChooseOnSetup(kThreeNumberPage, each.setup);
        Click(kThreeNumberPage, each.operation);
        EXPECT_EQ(EnabledFields(kThreeNumberPage), each.fields);
        EXPECT_EQ(Text(kThreeNumberPage, "numberLabel"), each.label);
        EXPECT_EQ(IsEnabled(kThreeNumberPage, "clearInputsButton"), each.clearInputs);
        QStringList placeholders;
        for (const char* field : {"numberEdit", "fromEdit", "toEdit"}) {
            placeholders.append(Find<QLineEdit>(field, kThreeNumberPage)->placeholderText());
        }
        EXPECT_EQ(placeholders.join(QLatin1Char('|')).toStdString(), each.placeholders);
    }
}

TEST_F(DigitGamePageTest, ActivationAndClearInputsPrepareTheFields) {
    OpenSheet();
    ChooseOnSetup(kFourNumberPage, {"dayRadio"});
    EXPECT_EQ(EnabledFields(kFourNumberPage), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(Text(kFourNumberPage, "numberLabel"), "Day [1-7]");
    ChooseOnSetup(kFourNumberPage, {"dateRangeRadio"});
    EXPECT_EQ(EnabledFields(kFourNumberPage), (std::vector<bool>{false, true, true}));
    Click(kFourNumberPage, "numberRadio");
    ChooseOnSetup(kFourNumberPage, {"normalRadio"});
    EXPECT_EQ(EnabledFields(kFourNumberPage), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(Text(kFourNumberPage, "numberLabel"), "Number");

    // "Clear Inputs" empties the fields and enables them all.
    Click(kFourNumberPage, "numberRangeRadio");
    Type(kFourNumberPage, "fromEdit", "123456789");
    EXPECT_EQ(Text(kFourNumberPage, "fromEdit"), "12345678"); // at most 8 characters
    Click(kFourNumberPage, "clearInputsButton");
    EXPECT_EQ(EnabledFields(kFourNumberPage), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(Text(kFourNumberPage, "fromEdit"), "");
    EXPECT_TRUE(ApplyEnabled());
}

} // namespace
} // namespace vantorel::test
