#include "digit/DigitOperation.h"
#include "digit/DigitReports.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/RandomGenerator.h"
#include "tests/digit/DigitTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::DatedTable;
using test::UndatedTable;
using Lines = std::vector<std::string>;

struct OperationCase {
    const char* name;
    int operation;
    bool dated;
    std::vector<int> choices;
    std::string numberText;
    std::string fromText;
    std::string toText;
    Lines expected;
    DigitOutcome outcome = DigitOutcome::Done;
    Lines messages = {};
};

class DigitOperationTest : public ::testing::Test {
protected:
    DigitOperationResult Apply(const OperationCase& c) {
        request = DigitOperationRequest{};
        request.operation = c.operation;
        request.useDatedData = c.dated;
        request.numberText = c.numberText;
        request.fromText = c.fromText;
        request.toText = c.toText;
        for (const int choice : c.choices) {
            request.setupChoices.Choose(choice);
        }
        return ApplyDigitOperation(tables, request, clock);
    }
    Lines LinesOf(const DigitOperationResult& result) const {
        return DigitResultLines(request.operation, kThreeNumber, request.useDatedData, request.setupChoices,
                                tables, result);
    }

    RecordingMessageSink sink;
    ScopedMessageSink installed{sink};
    FixedClock clock{12345};
    DigitDrawTable undated = UndatedTable(0, {7, 70, 700, 77});
    DigitDrawTable dated =
        DatedTable(0, {{"98/01/02", 123}, {"98/01/03", 7}, {"98/01/05", 45}, {"98/01/05", 7}});
    DigitGameTables tables{undated, dated};
    DigitOperationRequest request;
};

TEST_F(DigitOperationTest, EachOperationEndsInItsResultLines) {
    const OperationCase cases[] = {
        {"even-odd numbers", kEvenOdd, true, {}, "", "", "", {" Numbers are 0% Even  -  100% Odd"}},
        {"even-odd balls",
         kEvenOdd,
         false,
         {kEvenOddCountBalls},
         "",
         "",
         "",
         {" Balls are 58% Even  -  42% Odd"}},
        {"high-low numbers", kHighLow, false, {}, "", "", "", {" Numbers are 25% High  -  75% Low"}},
        {"totals",
         kTotals,
         true,
         {},
         "",
         "",
         "",
         {" 123  has come in  1  time(s)", " 045  has come in  1  time(s)", " 007  has come in  2  time(s)"}},
        {"hottest balls", kHottest, true, {}, "", "", "", {" Hottest Number(s): 007"}},
        {"hottest numbers",
         kHottest,
         true,
         {kPredictUseNumbers},
         "",
         "",
         "",
         {" The hottest number is  007"}},
        {"hottest by month",
         kHottest,
         true,
         {kPredictByMonth},
         "1",
         "",
         "",
         {" Hottest Number(s): (Jan) 007"}},
        // Undated data has no dates: the restriction does not apply.
        {"undated ignores restriction",
         kHottest,
         false,
         {kPredictByDay},
         "9",
         "",
         "",
         {" Hottest Number(s): 0??  ( 0 7 )  ( 0 7 )"}},
        {"overdue bad day",
         kOverdue,
         true,
         {kPredictByDay},
         "9",
         "",
         "",
         {" Overdue Number(s): ERROR"},
         DigitOutcome::Failed,
         {"       Bad Day Number!\nUse 1 (Sunday) - 7 (Saturday)"}},
        {"overdue date error",
         kOverdue,
         true,
         {kPredictByDateRange},
         "",
         "1-2-98",
         "1/5/98",
         {" Overdue Number(s): "},
         DigitOutcome::Failed,
         {"Date Error"}},
        {"too many switches",
         kHottest,
         true,
         {kPredictByMonth, kPredictUseNumbers},
         "1",
         "",
         "",
         {" The hottest number is  "},
         DigitOutcome::Failed,
         {"Too damn many switches"}},
        {"date", kDateSearch, true, {}, "01/05/98", "", "", {"045 came in on 98/01/05"}},
        {"date not found",
         kDateSearch,
         true,
         {},
         "01/06/98",
         "",
         "",
         {" No data found for specified date or range..."}},
        {"date too short",
         kDateSearch,
         true,
         {},
         "1/5/98",
         "",
         "",
         {},
         DigitOutcome::Refused,
         {"No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)"}},
        {"date too long",
         kDateSearch,
         true,
         {},
         "01/05/1998",
         "",
         "",
         {},
         DigitOutcome::Refused,
         {"Date Length Error"}},
        {"date range",
         kDateRangeSearch,
         true,
         {},
         "",
         "01/03/98",
         "01/05/98",
         {"007 came in on 98/01/03", "045 came in on 98/01/05", "007 came in on 98/01/05"}},
        {"date range without to",
         kDateRangeSearch,
         true,
         {},
         "",
         "01/03/98",
         "",
         {},
         DigitOutcome::Refused,
         {"No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)"}},
        {"number dated",
         kNumberSearch,
         true,
         {},
         "7",
         "",
         "",
         {"007 came in on 01/03/98", "007 came in on 01/05/98"}},
        {"number undated box", kNumberSearch, false, {kSearchBox}, "007", "", "", {"007 was found  3 times"}},
        {"number not found", kNumberSearch, false, {}, "5", "", "", {" Number was not found..."}},
        {"number range undated", kNumberRangeSearch, false, {}, "", "70", "700", {"070 was found  3 times"}},
        {"distribution", kDistribution, true, {}, "", "", "", {}},
        {"random", kRandom, true, {}, "", "", "", {}},
        {"best guess", kBestGuess, true, {}, "", "", "", {}},
    };
    for (const auto& c : cases) {
        sink.Clear();
        const DigitOperationResult result = Apply(c);
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(result.currentOperation, c.operation) << c.name;
        if (result.outcome != DigitOutcome::Refused) {
            // A refused operation leaves the page where it is: no result list.
            EXPECT_EQ(LinesOf(result), c.expected) << c.name;
        }
        EXPECT_EQ(sink.texts(), c.messages) << c.name;
    }
}

TEST_F(DigitOperationTest, DistributionFillsTheDecilesOfTheChosenHistory) {
    const DigitOperationResult onDated = Apply({"", kDistribution, true, {}, "", "", "", {}});
    EXPECT_EQ(onDated.decilesDated, (std::array<int, 10>{3, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(onDated.decilesUndated, (std::array<int, 10>{}));
    EXPECT_EQ(onDated.digitCounts, (std::array<int, 10>{5, 1, 1, 1, 1, 1, 0, 2, 0, 0}));

    const DigitOperationResult onUndated = Apply({"", kDistribution, false, {}, "", "", "", {}});
    EXPECT_EQ(onUndated.decilesUndated, (std::array<int, 10>{3, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(onUndated.decilesDated, (std::array<int, 10>{}));
}

TEST_F(DigitOperationTest, RandomUsesThePlantedSeedAndBestGuessTheClock) {
    OperationCase random{"", kRandom, true, {}, "", "", "", {}};
    const DigitOperationResult clockSeeded = Apply(random);
    EXPECT_TRUE(clockSeeded.chartPending);
    EXPECT_EQ(clockSeeded.pickedNumber, std::stoi(RandomDigits(3, 0, clock)));

    DigitOperationRequest seeded;
    seeded.operation = kRandom;
    seeded.plantedSeed = 17;
    const int first = ApplyDigitOperation(tables, seeded, clock).pickedNumber;
    EXPECT_EQ(ApplyDigitOperation(tables, seeded, FixedClock(99)).pickedNumber, first);
    EXPECT_EQ(first, std::stoi(RandomDigits(3, 17, clock)));

    // The planted seed does not reach Best Guess: the same clock second gives the same guess.
    DigitOperationRequest guess;
    guess.operation = kBestGuess;
    guess.setupChoices.Choose(kBestGuessNihilistic);
    guess.plantedSeed = 17;
    RandomGenerator clockRandom(12345);
    const DigitOperationResult guessed = ApplyDigitOperation(tables, guess, clock);
    EXPECT_TRUE(guessed.chartPending);
    EXPECT_EQ(guessed.pickedNumber, dated.BestGuess(guess.setupChoices, clockRandom));
}

TEST(DigitDataStatus, NamesTheLoadedHistoriesAndTheirCounts) {
    DigitDrawTable undated = UndatedTable(1, {1, 2, 3});
    DigitDrawTable dated = DatedTable(1, {{"98/01/02", 5}});
    const DigitGameTables tables{undated, dated};
    EXPECT_EQ(DigitDataStatusText(1, tables), "Undated 3 : Dated 1");
    dated.loadStatus = -1;
    EXPECT_EQ(DigitDataStatusText(1, tables), "Undated 3");
    undated.loadStatus = 0;
    EXPECT_EQ(DigitDataStatusText(1, tables), "No 4 Number Game Data Available");
    EXPECT_EQ(DigitDataStatusText(0, tables), "No 3 Number Game Data Available");
    dated.loadStatus = 1;
    EXPECT_EQ(DigitDataStatusText(0, tables), "Dated 1");
}

} // namespace
} // namespace vantorel
