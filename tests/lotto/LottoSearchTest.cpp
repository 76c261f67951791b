#include "lotto/LottoOperations.h"
#include "platform/MessageBox.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "tests/lotto/LottoTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::MakeDatedLottoTable;
using test::MakeLottoTable;
using test::Settings;
using Lines = std::vector<std::string>;

const std::string kNoDateEntered = "No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)";
const std::string kInvalidDate = "The date enetred is invalid.\n     Operation Aborted.";
const std::string kParseError =
    "Parse error in query string or not\nenough information entered to\ncompletely "
    "evaluate the query.\n\n  Operation Aborted.";
const std::string kAboveLimit = "A specified ball number exceeds the\nupper limit of the game type.";
const std::string kDuplicates = "Duplicate ball numbers found in query.\n\tSearch Aborted.";
const std::string kTooMany =
    "Too many numbers for a partial search.\nPlease use the \"Number\" option to\nmatch All "
    "numbers.\n\tSearch Aborted.";

// What the page and the result list make of one search: the lines and the messages shown.
struct Outcome {
    Lines lines;
    Lines messages;
    bool listed;
};

Outcome Search(const LottoDrawTable& table, int operation, LottoInputs inputs, const GameSettings& settings) {
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    ScriptedRandom random({0});
    const LottoResult result =
        ApplyLottoOperation(operation, table, inputs, settings, SetupChoices(), random);
    return {LottoListLines(table, result), sink.texts(), result.listed};
}

LottoDrawTable DatedFiveNumber() {
    return MakeDatedLottoTable(5, {{"98/01/01", {1, 2, 3, 4, 5}},
                                   {"98/01/02", {40, 31, 22, 15, 3}},
                                   {"98/01/31", {7, 12, 3, 30, 45}},
                                   {"98/02/01", {6, 7, 8, 9, 10}},
                                   {"99/12/30", {11, 12, 13, 14, 15}},
                                   {"00/01/01", {16, 17, 18, 19, 20}},
                                   {"00/01/03", {21, 22, 23, 24, 25}}});
}

TEST(LottoDateSearch, LinesAndMessages) {
    struct Case {
        std::string date;
        Lines lines;
        Lines messages;
    };
    const std::vector<Case> cases = {
        {"01/31/98", {" The Numbers drawn on  01/31/98  were  3  7  12  30  45  "}, {}},
        {"01/01/00", {" The Numbers drawn on  01/01/00  were  16  17  18  19  20  "}, {}},
        {"02/02/98", {" No record of a drawing on 02/02/98"}, {}},
        {"02/30/98", {"Date Error"}, {kInvalidDate}},
        {"1/31/1998", {"Date Error"}, {"Date Length Error", kInvalidDate}},
    };
    for (const Case& c : cases) {
        const Outcome outcome =
            Search(DatedFiveNumber(), kDateSearch, {c.date, "", "", ""}, Settings(45, 49));
        EXPECT_EQ(outcome.lines, c.lines) << c.date;
        EXPECT_EQ(outcome.messages, c.messages) << c.date;
    }
}

TEST(LottoDateSearch, EmptyOrShortFieldKeepsThePage) {
    for (const LottoInputs& inputs : {LottoInputs{"", "", "", ""}, LottoInputs{"1/2/98", "", "", ""}}) {
        const Outcome outcome = Search(DatedFiveNumber(), kDateSearch, inputs, Settings(45, 49));
        EXPECT_FALSE(outcome.listed);
        EXPECT_TRUE(outcome.lines.empty());
        EXPECT_EQ(outcome.messages, Lines{kNoDateEntered});
    }
    const Outcome range =
        Search(DatedFiveNumber(), kDateRangeSearch, {"", "01/01/98", "", ""}, Settings(45, 49));
    EXPECT_FALSE(range.listed);
    EXPECT_EQ(range.messages, Lines{kNoDateEntered});
}

TEST(LottoDateRangeSearch, IncludesBothBoundsAndCrossesTheCentury) {
    struct Case {
        std::string from;
        std::string to;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"01/01/98",
         "01/31/98",
         {" 01/01/98        1     2     3     4     5     ", " 01/02/98        3     15   22   31   40   ",
          " 01/31/98        3     7     12   30   45   "}},
        {"12/30/99",
         "01/02/00",
         {" 12/30/99        11   12   13   14   15   ", " 01/01/00        16   17   18   19   20   "}},
        {"03/01/98", "03/31/98", {" No drawings found in specified date range."}},
        {"01/31/98", "01/01/98", {" No drawings found in specified date range."}},
        {"01/01/98", "13/01/98", {"Date Error"}},
    };
    for (const Case& c : cases) {
        const Outcome outcome =
            Search(DatedFiveNumber(), kDateRangeSearch, {"", c.from, c.to, ""}, Settings(45, 49));
        EXPECT_EQ(outcome.lines, c.lines) << c.from << " - " << c.to;
    }
}

TEST(LottoNumberSearch, FindsTheDrawingsOfExactlyTheseNumbers) {
    const LottoDrawTable table =
        MakeLottoTable(4, {{41, 5, 33, 12, 40}, {5, 12, 33, 40, 42}, {5, 12, 33, 40, 41}});
    struct Case {
        std::string query;
        Lines lines;
        Lines messages;
    };
    const std::vector<Case> cases = {
        {"5 12 33 40 41",
         {"41  5    33  12  40  was FOUND in the Undated Data.",
          "5    12  33  40  41  was FOUND in the Undated Data."},
         {}},
        // Text after the fifth number is ignored.
        {"41 40 33 12 5 17",
         {"41  5    33  12  40  was FOUND in the Undated Data.",
          "5    12  33  40  41  was FOUND in the Undated Data."},
         {}},
        // Two spaces read an extra 0, which no drawing holds.
        {"5 12  33 40", {" No data found matching all 5 numbers."}, {}},
        {"5 12 33", {" No data found matching all 5 numbers."}, {kParseError}},
        {"5 12 33 40 46", {" No data found matching all 5 numbers."}, {kAboveLimit}},
        {"-5 12 33 40 41", {" No data found matching all 5 numbers."}, {kAboveLimit}},
        {"5 12 33 40 5", {" No data found matching all 5 numbers."}, {kDuplicates}},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Search(table, kNumberSearch, {c.query, "", "", ""}, Settings(45, 49));
        EXPECT_EQ(outcome.lines, c.lines) << c.query;
        EXPECT_EQ(outcome.messages, c.messages) << c.query;
        EXPECT_TRUE(outcome.listed);
    }
}

TEST(LottoNumberSearch, SixNumberDatedLines) {
    const LottoDrawTable table = MakeDatedLottoTable(7, {{"03/06/11", {4, 9, 13, 29, 31, 36}}});
    const Outcome found = Search(table, kNumberSearch, {"36 31 29 13 9 4", "", "", ""}, Settings(26, 49));
    EXPECT_EQ(found.lines, Lines{"4     9     13   29   31   36       Came  In  on     06/11/03"});
    const Outcome none = Search(table, kNumberSearch, {"1 2 3 4 5 6", "", "", ""}, Settings(26, 49));
    EXPECT_EQ(none.lines, Lines{" No data found matching all 6 numbers."});
}

TEST(LottoPartialSearch, FindsTheDrawingsHoldingAllNumbers) {
    const LottoDrawTable table = MakeLottoTable(4, {{7, 3, 9, 14, 22}, {30, 3, 9, 14, 22}, {1, 2, 12, 4, 5}});
    struct Case {
        std::string query;
        Lines lines;
        Lines messages;
    };
    const Lines none = {" No drawings containing those numbers were found."};
    const std::vector<Case> cases = {
        {"7", {"7    3    9    14  22  Partial Match in Undated Data."}, {}},
        // A lone number of two digits reads like any other.
        {"12", {"1    2    12  4    5    Partial Match in Undated Data."}, {}},
        {"22 3",
         {"7    3    9    14  22  Partial Match in Undated Data.",
          "30  3    9    14  22  Partial Match in Undated Data."},
         {}},
        {"3 9 14 22 30", {"30  3    9    14  22  Partial Match in Undated Data."}, {}},
        {"3 9 14 22", none, {kTooMany}},
        {"7 7", none, {kDuplicates}},
        {"7 46", none, {kAboveLimit}},
        {"", none, {}},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Search(table, kPartialNumberSearch, {c.query, "", "", ""}, Settings(45, 49));
        EXPECT_EQ(outcome.lines, c.lines) << c.query;
        EXPECT_EQ(outcome.messages, c.messages) << c.query;
    }
}

TEST(LottoPartialSearch, SixNumberRefusesFiveNumbersAndListsDatedMatches) {
    const LottoDrawTable table = MakeDatedLottoTable(7, {{"98/01/31", {7, 12, 3, 30, 45, 49}}});
    const Outcome refused =
        Search(table, kPartialNumberSearch, {"3 7 12 30 45", "", "", ""}, Settings(26, 49));
    EXPECT_EQ(refused.messages, Lines{kTooMany});
    const Outcome found = Search(table, kPartialNumberSearch, {"49 3 7 12", "", "", ""}, Settings(26, 49));
    EXPECT_EQ(found.lines, Lines{"7     12   3     30   45   49       Partial  Match  on     01/31/98"});
}

TEST(LottoSearchLimits, AtMost729MatchesAreRecorded) {
    const LottoDrawTable table = MakeLottoTable(4, std::vector<std::vector<int>>(800, {1, 2, 3, 4, 5}));
    MatchList matchList;
    EXPECT_EQ(table.FindPartial("3", matchList, Settings(45, 49)), 1);
    ASSERT_EQ(matchList.size(), 729u);
    EXPECT_EQ(matchList.back(), 728);
}

} // namespace
} // namespace vantorel
