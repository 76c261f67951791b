#include "tests/shell/SheetTestSupport.h"

#include "digit/DigitDrawTable.h"
#include "digit/ui/DigitGamePage.h"
#include "platform/PlainDecimal.h"

#include <QLabel>

namespace vantorel::test {
namespace {

// 3 Number: undated 7 70 700 123 7; dated 007 123 045 900. 4 Number: undated 1234 4321 0045; dated 0045 1234.
constexpr std::string_view kHistory = "0 5 7 70 700 123 7\r\n"
                                      "1 4 98/01/03 7 98/01/05 123 98/01/05 45 99/02/01 900\r\n"
                                      "2 3 1234 4321 45\r\n"
                                      "3 2 98/01/05 45 98/01/06 1234\r\n";

const std::array<const char*, kOperationCount> kOperationRadios = {
    "distributionRadio", "evenOddRadio",   "highLowRadio", "totalsRadio",
    "overdueRadio",      "hottestRadio",   "randomRadio",  "bestGuessRadio",
    "dateRadio",         "dateRangeRadio", "numberRadio",  "numberRangeRadio"};

class DigitGamePageTest : public SheetTest {
protected:
    DigitGamePageTest() { WriteHistory(kHistory); }

    DigitGamePage& page(int game) const { return *qobject_cast<DigitGamePage*>(sheet->page(game)); }

    // Sets Setup choices by their radios, then turns to the game page.
    void ChooseOnSetup(int game, const std::vector<std::string>& choices) {
        for (const std::string& choice : choices) {
            Click(kSetupPage, choice);
        }
        sheet->SetActivePage(game);
    }

    std::vector<bool> EnabledFields(int game) const {
        return {IsEnabled(game, "numberEdit"), IsEnabled(game, "fromEdit"), IsEnabled(game, "toEdit")};
    }
};

struct OperationCase {
    int game;
    std::vector<std::string> setupChoices;
    bool undated;
    const char* operation;
    const char* number;
    const char* from;
    const char* to;
    std::vector<std::string> lines;
};

TEST_F(DigitGamePageTest, EveryListOperationEndsInItsReportLines) {
    const OperationCase cases[] = {
        {0,
         {},
         false,
         "totalsRadio",
         "",
         "",
         "",
         {" 900  has come in  1  time(s)", " 123  has come in  1  time(s)", " 045  has come in  1  time(s)",
          " 007  has come in  1  time(s)"}},
        {0,
         {},
         true,
         "totalsRadio",
         "",
         "",
         "",
         {" 700  has come in  1  time(s)", " 123  has come in  1  time(s)", " 070  has come in  1  time(s)",
          " 007  has come in  2  time(s)"}},
        {0, {}, false, "evenOddRadio", "", "", "", {" Numbers are 25% Even  -  75% Odd"}},
        {0,
         {"evenOddCountBallsRadio"},
         false,
         "evenOddRadio",
         "",
         "",
         "",
         {" Balls are 58% Even  -  42% Odd"}},
        {0, {}, false, "highLowRadio", "", "", "", {" Numbers are 25% High  -  75% Low"}},
        {0, {}, false, "hottestRadio", "", "", "", {" Hottest Number(s): 00?  ( 0 3 5 7 )"}},
        {0,
         {"useNumbersRadio"},
         false,
         "hottestRadio",
         "",
         "",
         "",
         {" Hottest Numbers (there were ties) are :  ", "  007", "  045", "  123", "  900"}},
        {0,
         {"monthRadio"},
         false,
         "hottestRadio",
         "1",
         "",
         "",
         {" Hottest Number(s): (Jan) 0??  ( 0 2 4 )  ( 3 5 7 )"}},
        {0, {}, false, "numberRadio", "123", "", "", {"123 came in on 01/05/98"}},
        {0, {}, false, "numberRadio", "555", "", "", {" Number was not found..."}},
        {0, {}, true, "numberRadio", "7", "", "", {"007 was found  2 times"}},
        {0, {"boxNumberRadio"}, true, "numberRadio", "7", "", "", {"007 was found  4 times"}},
        {0,
         {},
         false,
         "numberRangeRadio",
         "",
         "40",
         "200",
         {"123 came in on 01/05/98", "045 came in on 01/05/98"}},
        {0, {}, false, "dateRadio", "01/05/98", "", "", {"123 came in on 98/01/05"}},
        {0, {}, false, "dateRadio", "02/02/99", "", "", {" No data found for specified date or range..."}},
        {0,
         {},
         false,
         "dateRangeRadio",
         "",
         "01/04/98",
         "02/01/99",
         {"123 came in on 98/01/05", "045 came in on 98/01/05", "900 came in on 99/02/01"}},
        {1,
         {},
         false,
         "totalsRadio",
         "",
         "",
         "",
         {" 1234  has come in  1  time(s)", " 0045  has come in  1  time(s)"}},
        {1, {}, false, "numberRadio", "45", "", "", {"0045 came in on 01/05/98"}},
        {1, {"boxNumberRadio"}, true, "numberRadio", "1234", "", "", {"1234 was found  2 times"}},
    };
    for (const OperationCase& each : cases) {
        SCOPED_TRACE(std::string(each.operation) + " on game " + std::to_string(each.game));
        handOver = HandOver();
        OpenSheet(each.game);
        ChooseOnSetup(each.game, each.setupChoices);
        if (each.undated) {
            Click(each.game, "undatedCheck");
        }
        Click(each.game, each.operation);
        if (*each.number != '\0') {
            Type(each.game, "numberEdit", each.number);
        }
        if (*each.from != '\0') {
            Type(each.game, "fromEdit", each.from);
            Type(each.game, "toEdit", each.to);
        }
        EXPECT_TRUE(ApplyEnabled());
        ClickSheetButton("applyButton");
        EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
        EXPECT_EQ(ResultLines(), each.lines);
        EXPECT_TRUE(messages.texts().empty());
        sheet.reset();
    }
}

TEST_F(DigitGamePageTest, DateSearchWithoutAUsableDateStaysOnThePage) {
    OpenSheet();
    Click(kThreeNumberPage, "dateRadio");
    Type(kThreeNumberPage, "numberEdit", "1/5/98");
    ClickSheetButton("applyButton");
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)"});
    EXPECT_EQ(sheet->activeIndex(), kThreeNumberPage);
    EXPECT_TRUE(ResultLines().empty());
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(DigitGamePageTest, WholeNumberPredictionRestrictedByDateSaysSoAndReportsNothing) {
    OpenSheet();
    ChooseOnSetup(kThreeNumberPage, {"useNumbersRadio", "dayRadio"});
    Click(kThreeNumberPage, "overdueRadio");
    Type(kThreeNumberPage, "numberEdit", "2");
    ClickSheetButton("applyButton");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Too damn many switches"});
    EXPECT_EQ(ResultLines(), std::vector<std::string>{" The most overdue number is  "});
}

TEST_F(DigitGamePageTest, DistributionLeavesTheSeriesForTheChartAndClosesWithOk) {
    OpenSheet();
    Click(kThreeNumberPage, "distributionRadio");
    ClickSheetButton("okButton");
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_EQ(page(0).decilesDated(), (std::array<int, 10>{2, 1, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(page(0).decilesUndated(), (std::array<int, 10>{}));
    EXPECT_EQ(page(0).digitCounts(), (std::array<int, 10>{5, 1, 1, 1, 1, 1, 0, 1, 0, 1}));
    EXPECT_EQ(sheet->state().pageFlags[kThreeNumberPage], 1);
}

TEST_F(DigitGamePageTest, RandomRepeatsWithAPlantedSeed) {
    handOver.plantedSeed = 17;
    OpenSheet(kFourNumberPage);
    EXPECT_EQ(sheet->state().plantedSeed, 17);
    const int expected = PlainDecimal(RandomDigits(4, 17, clock));
    for (int run = 0; run < 2; ++run) {
        Click(kFourNumberPage, "randomRadio");
        sheet->Apply(); // what OK does before it closes
        EXPECT_EQ(page(1).pickedNumber(), expected);
        EXPECT_TRUE(sheet->state().chartPending);
    }
    EXPECT_EQ(handOver.currentOperation, kRandom);
}

TEST_F(DigitGamePageTest, BestGuessPicksANumberOfTheGame) {
    OpenSheet();
    Click(kThreeNumberPage, "bestGuessRadio");
    ClickSheetButton("okButton");
    EXPECT_GE(page(0).pickedNumber(), 0);
    EXPECT_LE(page(0).pickedNumber(), 999);
    EXPECT_TRUE(sheet->state().chartPending);
    EXPECT_EQ(handOver.currentOperation, kBestGuess);
}

struct AvailabilityCase {
    std::string_view history;
    int game;
    bool datedEnabled;
    bool undatedEnabled;
    bool searchesByDateEnabled;
    bool otherOperationsEnabled;
    bool datedChecked;
    bool undatedChecked;
    std::string status;
    bool useDatedData;
};

TEST_F(DigitGamePageTest, ControlsFollowWhichHistoriesAreLoaded) {
    const AvailabilityCase cases[] = {
        {"", 0, false, false, false, false, false, false, "No 3 Number Game Data Available", true},
        {"6 1 1 2 3 4 5 6\r\n", 1, false, false, false, false, false, false,
         "No 4 Number Game Data Available", true},
        {"0 2 7 8\r\n", 0, false, true, false, true, false, true, "Undated 2", false},
        {"1 1 98/01/03 7\r\n", 0, true, false, true, true, true, false, "Dated 1", true},
        {kHistory, 0, true, true, true, true, true, false, "Undated 5 : Dated 4", true},
        {kHistory, 1, true, true, true, true, true, false, "Undated 3 : Dated 2", true},
    };
    for (const AvailabilityCase& each : cases) {
        SCOPED_TRACE(each.status);
        std::filesystem::remove("vtrmain.dat");
        if (!each.history.empty()) {
            WriteHistory(each.history);
        }
        handOver = HandOver();
        handOver.useDatedData = true; // stays as it is when nothing is loaded
        OpenSheet(each.game);
        EXPECT_EQ(IsEnabled(each.game, "datedCheck"), each.datedEnabled);
        EXPECT_EQ(IsEnabled(each.game, "undatedCheck"), each.undatedEnabled);
        EXPECT_EQ(IsChecked(each.game, "datedCheck"), each.datedChecked);
        EXPECT_EQ(IsChecked(each.game, "undatedCheck"), each.undatedChecked);
        for (int op = 0; op < kOperationCount; ++op) {
            const bool byDate = op == kDateSearch || op == kDateRangeSearch;
            EXPECT_EQ(IsEnabled(each.game, kOperationRadios[static_cast<std::size_t>(op)]),
                      byDate ? each.searchesByDateEnabled : each.otherOperationsEnabled)
                << kOperationRadios[static_cast<std::size_t>(op)];
        }
        EXPECT_EQ(Text(each.game, "statusLabel"), each.status);
        EXPECT_EQ(handOver.useDatedData, each.useDatedData);
        sheet.reset();
    }
}

TEST_F(DigitGamePageTest, DataSourceBoxesSwitchTheDateSearches) {
    OpenSheet();
    Click(kThreeNumberPage, "undatedCheck");
    EXPECT_FALSE(IsChecked(kThreeNumberPage, "datedCheck"));
    EXPECT_TRUE(IsChecked(kThreeNumberPage, "undatedCheck"));
    EXPECT_FALSE(IsEnabled(kThreeNumberPage, "dateRadio"));
    EXPECT_FALSE(IsEnabled(kThreeNumberPage, "dateRangeRadio"));
    EXPECT_FALSE(handOver.useDatedData);
    Click(kThreeNumberPage, "undatedCheck"); // a second click keeps the choice
    EXPECT_TRUE(IsChecked(kThreeNumberPage, "undatedCheck"));
    Click(kThreeNumberPage, "datedCheck");
    EXPECT_TRUE(IsEnabled(kThreeNumberPage, "dateRadio"));
    EXPECT_TRUE(IsEnabled(kThreeNumberPage, "dateRangeRadio"));
    EXPECT_TRUE(handOver.useDatedData);
}

TEST_F(DigitGamePageTest, InputFieldsFollowTheOperationAndThePredictionsChoice) {
    const struct {
        std::vector<std::string> setup;
        const char* operation;
        std::vector<bool> fields;
        std::string label;
        bool clearInputs;
    } cases[] = {
        {{}, "totalsRadio", {false, false, false}, "Number", false},
        {{}, "hottestRadio", {false, false, false}, "Number", false},
        {{"dayRadio"}, "overdueRadio", {true, false, false}, "Day [1-7]", false},
        {{"monthRadio"}, "hottestRadio", {true, false, false}, "Month [1-12]", false},
        {{"dateRangeRadio"}, "hottestRadio", {false, true, true}, "Number", false},
        {{"monthRadio"}, "randomRadio", {false, false, false}, "Month [1-12]", false},
        {{}, "dateRadio", {true, false, false}, "Date", true},
        {{}, "dateRangeRadio", {false, true, true}, "Date", true},
        {{}, "numberRadio", {true, false, false}, "Number", true},
        {{}, "numberRangeRadio", {false, true, true}, "Number", true},
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
        sheet.reset();
    }
}

TEST_F(DigitGamePageTest, ActivationPreparesTheFieldsForThePredictionsChoice) {
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
}

TEST_F(DigitGamePageTest, ClearInputsEmptiesAndEnablesTheFields) {
    OpenSheet();
    Click(kThreeNumberPage, "numberRangeRadio");
    Type(kThreeNumberPage, "fromEdit", "123456789");
    EXPECT_EQ(Text(kThreeNumberPage, "fromEdit"), "12345678"); // at most 8 characters
    Click(kThreeNumberPage, "clearInputsButton");
    EXPECT_EQ(EnabledFields(kThreeNumberPage), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(Text(kThreeNumberPage, "fromEdit"), "");
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(DigitGamePageTest, SeedIsPlantedNoteOnBothPages) {
    OpenSheet();
    EXPECT_TRUE(Find<QLabel>("seedLabel", kThreeNumberPage)->isHidden());
    sheet.reset();
    handOver.plantedSeed = 5;
    OpenSheet();
    EXPECT_FALSE(Find<QLabel>("seedLabel", kThreeNumberPage)->isHidden());
    sheet->SetActivePage(kFourNumberPage);
    EXPECT_FALSE(Find<QLabel>("seedLabel", kFourNumberPage)->isHidden());
}

TEST_F(DigitGamePageTest, DataSourceClickKeepsDistributionReadyForOk) {
    OpenSheet();
    Click(kThreeNumberPage, "distributionRadio");
    Click(kThreeNumberPage, "undatedCheck");
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(OkEnabled());
    Click(kThreeNumberPage, "randomRadio");
    Click(kThreeNumberPage, "datedCheck");
    EXPECT_TRUE(ApplyEnabled());
}

} // namespace
} // namespace vantorel::test
