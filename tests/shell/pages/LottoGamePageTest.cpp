// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/shell/SheetTestSupport.h"

#include "lotto/LottoBestGuess.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/LottoGameTables.h"
#include "lotto/LottoOperations.h"
#include "lotto/LottoTexts.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/RandomGenerator.h"
#include "shell/ChartData.h"
#include "shell/pages/LottoGamePage.h"
#include "store/CalendarDates.h"

#include <QPrinter>

#include <array>

namespace vantorel::test {
namespace {

using Lines = std::vector<std::string>;

// The object name of an operation's radio.
std::string RadioName(Operation operation) {
    return std::string(EntryOf(operation).radioName);
}

// One operation as a user runs it on the sample history: data source, operation and the typed inputs.
struct Request {
    int game = kFiveNumberPage;
    bool undated = false;
    Operation operation = kTotals;
    std::string number = {};
    std::string from = {};
    std::string to = {};
    std::string power = {};
};

std::string Describe(const Request& request) {
    return OperationsSheet::PageTitle(request.game).toStdString() +
           (request.undated ? " undated " : " dated ") + RadioName(request.operation) + " [" +
           request.number + "] [" + request.from + "] [" + request.to + "] [" + request.power + "]";
}

class LottoGamePageTest : public SheetTest {
protected:
    LottoGamePageTest() { UseSampleHistory(); }

    // Chooses the data source, the operation and the inputs on a new sheet of a new program run, after
    // showing the other lotto pages too (each of them applies, and only the active one may run).
    void Prepare(const Request& request) {
        handOver = HandOver();
        OpenSheet(kFiveNumberPage);
        for (int page = kFiveNumberPage; page <= kPowerballPage; ++page) {
            sheet->SetActivePage(page);
        }
        sheet->SetActivePage(request.game);
        if (request.undated) {
            Click(request.game, "undatedRadio");
        }
        Click(request.game, RadioName(request.operation));
        for (const auto& [field, text] :
             {std::pair{"numberEdit", &request.number}, std::pair{"fromEdit", &request.from},
              std::pair{"toEdit", &request.to}, std::pair{"powerBallEdit", &request.power}}) {
            if (!text->empty()) {
                Type(request.game, field, *text);
            }
        }
    }

    // Runs the request with Apply; the lines of "Deja View".
    Lines Run(const Request& request) {
        Prepare(request);
        EXPECT_TRUE(ApplyEnabled());
        ClickSheetButton("applyButton");
        EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
        return ResultLines();
    }

    // What the lotto engine lists for the same request on the same history.
    Lines EngineLines(const Request& request) const {
        const GameSettings settings = *ReadGameSettings(profile, GameSettingKeys::All());
        LottoGameTables tables(request.game);
        tables.Load(settings);
        ScriptedRandom random({0});
        const LottoInputs inputs{request.number, request.from, request.to, request.power};
        const Outcome<LottoResult> result =
            tables.Apply(request.operation, !request.undated, inputs, settings, SetupChoices(), random);
        Notices notices;
        return tables.ListLines(!request.undated, *result, notices).ToStrings();
    }

    // Which input fields are enabled: query, Power Ball (Power Ball page only), From, To.
    std::string EnabledFields(int game) const {
        std::string fields;
        for (const char* name : {"numberEdit", "powerBallEdit", "fromEdit", "toEdit"}) {
            if (game != kPowerballPage && std::string_view(name) == "powerBallEdit") {
                continue;
            }
            fields += IsEnabled(game, name) ? '1' : '0';
        }
        return fields;
    }
};

// The lines come from the engine; these cases follow each way in which the page hands the data source,
// the typed query and Power Ball, and the game to the operation and to the report.
TEST_F(LottoGamePageTest, EveryListOperationEndsInTheEngineLines) {
    const Request requests[] = {
        {.game = kFiveNumberPage, .operation = kTotals},
        {.game = kFiveNumberPage, .undated = true, .operation = kHottest},
        {.game = kFiveNumberPage, .operation = kDateSearch, .number = "01/01/22"},
        {.game = kSixNumberPage, .operation = kDateRangeSearch, .from = "03/11/06", .to = "04/01/06"},
        {.game = kSixNumberPage, .undated = true, .operation = kPartialNumberSearch, .number = "15 22 29"},
        {.game = kPowerballPage, .operation = kNumberSearch, .number = "2 4 15 37 43", .power = "40"},
        {.game = kPowerballPage, .undated = true, .operation = kPartialNumberSearch, .power = "20"},
    };
    for (const Request& request : requests) {
        SCOPED_TRACE(Describe(request));
        const Lines shown = Run(request);
        const Lines expected = EngineLines(request);
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(shown, expected);
    }
    EXPECT_TRUE(messages.texts().empty());

    // Spot checks that the searches above found their drawings rather than agreeing on nothing.
    EXPECT_EQ(Run({.game = kFiveNumberPage, .operation = kNumberSearch, .number = "7 11 18 21 22"}),
              Lines{"11   18   21   22   7         Came  In  on     01/01/22"});
    EXPECT_EQ(Run({.game = kPowerballPage, .operation = kDateSearch, .number = "11/24/99"}),
              Lines{"2  4  15  37  43  Powerball = 40  were the Numbers Drawn On  11/24/99"});
}

// A search that ends early says so and leaves the page on screen for a corrected input; a query refused
// while it is read still turns to "Deja View", which says that nothing was found.
TEST_F(LottoGamePageTest, SearchMessagesAndWhereTheSheetGoesNext) {
    const struct {
        Request request;
        std::string_view message;
        bool staysOnPage;
    } cases[] = {
        {{.game = kFiveNumberPage, .operation = kDateSearch, .number = "1/1/22"}, kNoDateEntered, true},
        {{.game = kPowerballPage, .operation = kPartialNumberSearch}, kNoNumbersEntered, true},
        {{.game = kFiveNumberPage, .operation = kNumberSearch, .number = "1 2 3 4 27"},
         kBallAboveLimit,
         false},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(Describe(each.request));
        messages.Clear();
        Prepare(each.request);
        ClickSheetButton("applyButton");
        EXPECT_EQ(messages.texts(), Lines{std::string(each.message)});
        if (each.staysOnPage) {
            EXPECT_EQ(sheet->activeIndex(), each.request.game);
            EXPECT_TRUE(ResultLines().empty());
            EXPECT_TRUE(ApplyEnabled());
        } else {
            EXPECT_EQ(sheet->activeIndex(), kDejaViewPage);
            EXPECT_EQ(ResultLines(), EngineLines(each.request));
            EXPECT_EQ(ResultLines().size(), 1U);
        }
    }
}

TEST_F(LottoGamePageTest, AHandEditedMaximumRefusesTheOperationsThatReadIt) {
    profile.WriteString("Settings", "PBC", "2147483647");
    // Reading the history needs only PBM: the page opens as usual.
    Prepare({.game = kPowerballPage, .operation = kDistribution});
    EXPECT_TRUE(messages.texts().empty());
    ClickSheetButton("okButton");
    ASSERT_EQ(messages.texts().size(), 1U);
    EXPECT_EQ(messages.texts().front().substr(0, messages.texts().front().find('\n')),
              "The setting PBC holds \"2147483647\", which is out of range.");
    EXPECT_TRUE(sheet->isVisible()); // the sheet stays on the page
    EXPECT_EQ(sheet->activeIndex(), kPowerballPage);
}

TEST_F(LottoGamePageTest, ControlsFollowWhichHistoriesAreLoaded) {
    ExpectDataStates(
        {
            {"", kFiveNumberPage, "dated off, undated off, date searches off, others off",
             "No 5 Number Game Data Available", true},
            {"4 2 1 2 3 4 5 6 7 8 9 10\r\n", kFiveNumberPage,
             "dated off, undated on checked, date searches off, others on", "Undated 2", false},
            {"7 1 06/03/11 1 2 3 4 5 6\r\n", kSixNumberPage,
             "dated on checked, undated off, date searches on, others on", "Dated 1", true},
            {"8 1 1 2 3 4 5 6\r\n9 2 99/01/02 1 2 3 4 5 6 99/01/05 6 5 4 3 2 1\r\n", kPowerballPage,
             "dated on checked, undated on, date searches on, others on", "Undated 1 : Dated 2", true},
            {"4 0\r\n5 1 22/01/01 1 2 3 4 5\r\n", kFiveNumberPage,
             "dated on checked, undated on, date searches on, others on", "Undated 0 : Dated 1", true},
        },
        "Radio");
}

// A field left enabled by a search is disabled when the history it needs is gone at the next activation,
// and enabled again once it is back.
TEST_F(LottoGamePageTest, InputFieldsFollowTheHistoryAcrossActivations) {
    OpenSheet(kPowerballPage);
    Click(kPowerballPage, "numberRadio");
    EXPECT_EQ(EnabledFields(kPowerballPage), "1100");
    const std::string sample = ReadFile("vtrmain.dat");
    std::filesystem::remove("vtrmain.dat");
    sheet->SetActivePage(kPowerballPage);
    EXPECT_EQ(EnabledFields(kPowerballPage), "0000");
    EXPECT_FALSE(IsEnabled(kPowerballPage, "clearInputsButton"));
    WriteHistory(sample);
    sheet->SetActivePage(kPowerballPage);
    EXPECT_EQ(EnabledFields(kPowerballPage), "1100");
    EXPECT_TRUE(IsEnabled(kPowerballPage, "clearInputsButton"));

    // A date search chosen before the dated history went away leaves no field open.
    Click(kPowerballPage, "dateRangeRadio");
    EXPECT_EQ(EnabledFields(kPowerballPage), "0011");
    WriteHistory("8 1 1 2 3 4 5 6\r\n");
    sheet->SetActivePage(kPowerballPage);
    EXPECT_EQ(EnabledFields(kPowerballPage), "0000");
}

TEST_F(LottoGamePageTest, PowerBallFieldAndQueryLabelFollowTheOperation) {
    const struct {
        int game;
        Operation operation;
        std::string fields; // query, [Power Ball,] From, To
        std::string label;
        std::string placeholders; // of the fields, in the same order, separated by "|"
    } cases[] = {
        {kPowerballPage, kTotals, "0000", "Number (+ Powerball)", "|||"},
        {kPowerballPage, kDateSearch, "1000", "Date", "01/03/19|||"},
        {kPowerballPage, kDateRangeSearch, "0011", "Date", "||01/03/19|01/03/19"},
        {kPowerballPage, kNumberSearch, "1100", "Number (+ Powerball)", "3 9 14 22 25|12||"},
        {kPowerballPage, kPartialNumberSearch, "1100", "Partial (+ Powerball)", "3 9 14|12||"},
        {kFiveNumberPage, kPartialNumberSearch, "100", "Partial Number", "3 9 14||"},
        {kSixNumberPage, kNumberSearch, "100", "Number", "3 9 14 22 25 31||"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(RadioName(each.operation));
        OpenSheet(each.game);
        Click(each.game, RadioName(each.operation));
        EXPECT_EQ(EnabledFields(each.game), each.fields);
        EXPECT_EQ(Text(each.game, "numberLabel"), each.label);
        EXPECT_EQ(IsEnabled(each.game, "clearInputsButton"), each.operation >= kDateSearch);
        QStringList placeholders;
        for (const char* field : {"numberEdit", "powerBallEdit", "fromEdit", "toEdit"}) {
            if (const auto* edit =
                    sheet->page(each.game)->findChild<QLineEdit*>(QString::fromLatin1(field))) {
                placeholders.append(edit->placeholderText());
            }
        }
        EXPECT_EQ(placeholders.join(QLatin1Char('|')).toStdString(), each.placeholders);
        EXPECT_FALSE(sheet->page(each.game)
                         ->findChild<QAbstractButton*>(QString::fromStdString(RadioName(each.operation)))
                         ->toolTip()
                         .isEmpty());
    }
}

TEST_F(LottoGamePageTest, FieldsTakeTheirLengthsAndClearInputsEmptiesEveryField) {
    const struct {
        int game;
        const char* field;
        std::size_t length;
    } cases[] = {
        {kFiveNumberPage, "numberEdit", 14},  {kPowerballPage, "numberEdit", 17},
        {kPowerballPage, "powerBallEdit", 2}, {kFiveNumberPage, "fromEdit", 8},
        {kSixNumberPage, "toEdit", 24},
    };
    const std::string typed(24, '1');
    for (const auto& each : cases) {
        SCOPED_TRACE(std::to_string(each.game) + each.field);
        OpenSheet(each.game);
        Click(each.game, "clearInputsButton"); // disabled until a search is chosen: nothing happens
        EXPECT_EQ(EnabledFields(each.game).find('1'), std::string::npos);
        Click(each.game, "numberRadio");
        Click(each.game, "clearInputsButton");
        Type(each.game, each.field, typed);
        EXPECT_EQ(Text(each.game, each.field).size(), each.length);
        Click(each.game, "clearInputsButton");
        EXPECT_EQ(Text(each.game, each.field), "");
        EXPECT_EQ(EnabledFields(each.game).find('0'), std::string::npos);
    }
}

std::vector<int> FirstPicks(const ChartData& chart, std::size_t count) {
    return {chart.chartPicks.begin(), chart.chartPicks.begin() + static_cast<std::ptrdiff_t>(count)};
}

TEST_F(LottoGamePageTest, ChartOperationsReachTheViewAfterTheSheetIsGone) {
    ChartView view(handOver, results, services);
    const GameSettings settings = *ReadGameSettings(profile, GameSettingKeys::All());

    // Distribution: the ball counts of the chosen history, both groups for Power Ball.
    PowerballDrawTable undatedPowerball(false);
    undatedPowerball.Load(settings.powerballBalls);
    RunOnOk(view, kPowerballPage, {"undatedRadio", "distributionRadio"});
    EXPECT_TRUE(view.chart().lottoChartPending);
    EXPECT_EQ(view.chart().ballCounts, undatedPowerball.CountBalls(settings.powerballGroup1Max));
    EXPECT_EQ(view.chart().powerBallCounts, undatedPowerball.CountPowerBalls(settings.powerballGroup2Max));
    EXPECT_EQ(view.chart().pickMode, 0);
    EXPECT_EQ(view.chart().pageFlags[kPowerballPage], 1);

    LottoDrawTable datedSix(SectionNumber(kSixNumber, true));
    datedSix.Load();
    RunOnOk(view, kSixNumberPage, {"distributionRadio"});
    EXPECT_EQ(view.chart().ballCounts, datedSix.CountBalls(settings.sixNumberMax));
    EXPECT_TRUE(view.chart().powerBallCounts.empty());

    // Best Guess hands its picks over; the page seeds it with the clock.
    LottoDrawTable datedFive(SectionNumber(kFiveNumber, true));
    datedFive.Load();
    RandomGenerator clockSeeded = RandomGenerator::Seeded(0, clock);
    const std::vector<int> guess = BestGuess(datedFive, settings, SetupChoices(), clockSeeded);
    ASSERT_EQ(guess.size(), 5U);
    ASSERT_GT(guess.front(), 0);
    RunOnOk(view, kFiveNumberPage, {"bestGuessRadio"});
    EXPECT_FALSE(view.chart().lottoChartPending);
    EXPECT_TRUE(view.chart().ballCounts.empty()); // replaced by this run
    EXPECT_EQ(view.chart().pickMode, 1);
    EXPECT_TRUE(view.chart().picksPresent);
    EXPECT_EQ(FirstPicks(view.chart(), 6),
              (std::vector<int>{guess[0], guess[1], guess[2], guess[3], guess[4], 0}));

    // Random leaves the picks to the chart view, with the planted seed.
    handOver.plantedSeed = 17;
    bool seedShown = false;
    RunSheetFromView(view, [&](OperationsSheet& running) {
        ClickOn(running, kPowerballPage, "randomRadio");
        seedShown =
            running.page(kPowerballPage)->findChild<QLabel*>(QStringLiteral("seedLabel"))->isVisible();
        ClickButton(running.findChild<QAbstractButton*>(QStringLiteral("okButton")));
    });
    EXPECT_TRUE(seedShown); // "Seed is Planted"
    EXPECT_EQ(view.chart().pickMode, 1);
    EXPECT_FALSE(view.chart().picksPresent);
    EXPECT_EQ(view.chart().plantedSeed, 17);
}

// The Power Ball page compares with its own tables (a Power Ball pick ends with its Power Ball).
TEST_F(LottoGamePageTest, ComparesAPickFileWithThePowerBallTables) {
    WriteFile("picks.txt", "2 4 15 37 43 40\n3 16 24 28 38 28\n");
    OpenSheet(kPowerballPage);
    PowerballDrawTable dated(true);
    dated.Load(ReadGameSettings(profile, GameSettingKeys::All())->powerballBalls);
    const std::string report =
        sheet->pageAs<LottoGamePage>(kPowerballPage)->ComparePickFile("picks.txt", true).value();
    EXPECT_EQ(report, dated.ComparePicks("picks.txt").value());
    EXPECT_NE(report.find('\n'), std::string::npos);
}

// Printing the list of a lotto page heads every page with that game.
TEST_F(LottoGamePageTest, PrintedListIsHeadedWithTheLottoGame) {
    const std::filesystem::path printed = workDir.path() / "print.pdf";
    std::vector<int> offered;
    services.choosePrinter = [&](QPrinter& printer, int pageCount, QWidget*) {
        printer.setFromTo(1, 1);
        return PrintInto(printed, &offered)(printer, pageCount, nullptr);
    };
    const Lines lines = Run({.game = kPowerballPage, .operation = kTotals});
    ASSERT_EQ(lines.size(), 300U);
    Click(kDejaViewPage, "printListButton");
    ASSERT_TRUE(std::filesystem::exists(printed));

    EXPECT_EQ(offered, std::vector<int>{7}); // 300 drawings: 47 + 6 x 46 lines hold them
    const QStringList text = PdfText(printed).split(QLatin1Char('\n'));
    EXPECT_EQ(text.front().toStdString(), "VanTorel Powerball Game Statistics - Page No. 1 of the List");
    EXPECT_TRUE(text.contains(QStringLiteral("11/24/99")));    // the first drawing's line
    EXPECT_FALSE(text.contains(QStringLiteral("Page No. 2"))); // only the chosen page
}

} // namespace
} // namespace vantorel::test
