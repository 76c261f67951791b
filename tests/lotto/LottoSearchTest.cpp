// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Operations.h"
#include "tests/lotto/LottoTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using namespace test;

const std::string kNoDateEntered = "No Date Entered or\nInvalid Date Format\n\n(format is mm/dd/yy)";
const std::string kInvalidDate = "The date enetred is invalid.\n     Operation Aborted.";
const std::string kAboveLimit = "A specified ball number exceeds the\nupper limit of the game type.";
const std::string kDuplicates = "Duplicate ball numbers found in query.\n\tSearch Aborted.";
const std::string kTooMany =
    "Too many numbers for a partial search.\nPlease use the \"Number\" option to\nmatch All "
    "numbers.\n\tSearch Aborted.";

struct SearchCase {
    LottoInputs inputs;
    Lines lines;
    Lines messages;
};

void ExpectSearches(const LottoDrawTable& table, Operation operation, const std::vector<SearchCase>& cases,
                    const GameSettings& settings = Settings(45, 49)) {
    for (const SearchCase& c : cases) {
        const Listed outcome = RunLotto(table, operation, c.inputs, settings);
        const std::string label = c.inputs.query + c.inputs.from + "-" + c.inputs.to;
        EXPECT_EQ(outcome.lines, c.lines) << label;
        EXPECT_EQ(outcome.messages, c.messages) << label;
        // Only an empty or short date field keeps the page.
        EXPECT_EQ(outcome.listed, c.messages != Lines{kNoDateEntered}) << label;
    }
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
    ExpectSearches(
        DatedFiveNumber(), kDateSearch,
        {
            {Query("01/31/98"), {" The Numbers drawn on  01/31/98  were  3  7  12  30  45  "}, {}},
            {Query("01/01/00"), {" The Numbers drawn on  01/01/00  were  16  17  18  19  20  "}, {}},
            {Query("02/02/98"), {" No record of a drawing on 02/02/98"}, {}},
            {Query("02/30/98"), {"Date Error"}, {kInvalidDate}},
            {Query("1/31/1998"), {"Date Error"}, {"Date Length Error", kInvalidDate}},
            {Query(""), {}, {kNoDateEntered}},
            {Query("1/2/98"), {}, {kNoDateEntered}},
        });
}

TEST(LottoDateRangeSearch, IncludesBothBoundsAndCrossesTheCentury) {
    const Lines none = {" No drawings found in specified date range."};
    ExpectSearches(
        DatedFiveNumber(), kDateRangeSearch,
        {
            {Range("01/01/98", "01/31/98"),
             {" 01/01/98        1     2     3     4     5     ",
              " 01/02/98        3     15   22   31   40   ", " 01/31/98        3     7     12   30   45   "},
             {}},
            {Range("12/30/99", "01/02/00"),
             {" 12/30/99        11   12   13   14   15   ", " 01/01/00        16   17   18   19   20   "},
             {}},
            {Range("03/01/98", "03/31/98"), none, {}},
            {Range("01/31/98", "01/01/98"), none, {}},
            {Range("01/01/98", "13/01/98"), {"Date Error"}, {kInvalidDate}},
            {Range("", "01/01/98"), {}, {kNoDateEntered}},
        });
}

TEST(LottoNumberSearch, FindsTheDrawingsOfExactlyTheseNumbers) {
    const Lines found = {"41  5    33  12  40  was FOUND in the Undated Data.",
                         "5    12  33  40  41  was FOUND in the Undated Data."};
    const Lines none = {" No data found matching all 5 numbers."};
    ExpectSearches(
        MakeLottoTable(4, {{41, 5, 33, 12, 40}, {5, 12, 33, 40, 42}, {5, 12, 33, 40, 41}}), kNumberSearch,
        {
            {Query("5 12 33 40 41"), found, {}},
            // Text after the fifth number is ignored.
            {Query("41 40 33 12 5 17"), found, {}},
            // Two spaces read an extra 0, which no drawing holds.
            {Query("5 12  33 40"), none, {}},
            {Query("5 12 33"),
             none,
             {"Parse error in query string or not\nenough information entered to\ncompletely evaluate the "
              "query.\n\n  Operation Aborted."}},
            {Query("5 12 33 40 46"), none, {kAboveLimit}},
            {Query("-5 12 33 40 41"), none, {kAboveLimit}},
            {Query("5 12 33 40 5"), none, {kDuplicates}},
        });
}

TEST(LottoPartialSearch, FindsTheDrawingsHoldingAllNumbers) {
    const Lines none = {" No drawings containing those numbers were found."};
    ExpectSearches(MakeLottoTable(4, {{7, 3, 9, 14, 22}, {30, 3, 9, 14, 22}, {1, 2, 12, 4, 5}}),
                   kPartialNumberSearch,
                   {
                       {Query("7"), {"7    3    9    14  22  Partial Match in Undated Data."}, {}},
                       // A lone number of two digits reads like any other.
                       {Query("12"), {"1    2    12  4    5    Partial Match in Undated Data."}, {}},
                       {Query("22 3"),
                        {"7    3    9    14  22  Partial Match in Undated Data.",
                         "30  3    9    14  22  Partial Match in Undated Data."},
                        {}},
                       {Query("3 9 14 22 30"), {"30  3    9    14  22  Partial Match in Undated Data."}, {}},
                       {Query("3 9 14 22"), none, {kTooMany}},
                       {Query("7 7"), none, {kDuplicates}},
                       {Query("7 46"), none, {kAboveLimit}},
                       {Query(""), none, {}},
                   });
}

TEST(LottoSearches, SixNumberDatedLines) {
    const LottoDrawTable table = MakeDatedLottoTable(7, {{"11/03/06", {4, 9, 13, 29, 31, 36}}});
    ExpectSearches(
        table, kNumberSearch,
        {{Query("36 31 29 13 9 4"), {"4     9     13   29   31   36       Came  In  on     03/06/11"}, {}},
         {Query("1 2 3 4 5 6"), {" No data found matching all 6 numbers."}, {}}},
        Settings(26, 49));
    ExpectSearches(
        table, kPartialNumberSearch,
        {{Query("36 4 9 13"), {"4     9     13   29   31   36       Partial  Match  on     03/06/11"}, {}},
         {Query("4 9 13 29 31"), {" No drawings containing those numbers were found."}, {kTooMany}}},
        Settings(26, 49));
}

TEST(LottoSearches, AtMost729MatchesAreRecorded) {
    const LottoDrawTable table = MakeLottoTable(4, std::vector<std::vector<int>>(800, {1, 2, 3, 4, 5}));
    const MatchList matchList = table.FindPartial("3", Settings(45, 49)).value();
    ASSERT_EQ(matchList.size(), 729u);
    EXPECT_EQ(matchList.back(), 728);
}

} // namespace
} // namespace vantorel
