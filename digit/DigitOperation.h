// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "digit/DigitDrawTable.h"
#include "platform/Operations.h"
#include "platform/SetupChoices.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

class Clock;

inline constexpr std::string_view kTooManySwitches = "Too damn many switches";
inline constexpr std::string_view kNoNumberEntered =
    "No Number Entered or\nInvalid Number Format\n\n(digits only, for example 123)";

// The two histories of one digit game, seen by the routines that read both.
struct DigitHistories {
    const DigitDrawTable& undated;
    const DigitDrawTable& dated;

    const DigitDrawTable& Chosen(bool useDatedData) const { return useDatedData ? dated : undated; }
};

// What the user chose on a digit-game page for one apply.
struct DigitOperationRequest {
    Operation operation = kDistribution;
    bool useDatedData = true;
    std::string numberText; // first field: number, date (mm/dd/yy), day or month
    std::string fromText;
    std::string toText;
    SetupChoices setupChoices;
    int plantedSeed = 0; // 0: no seed planted, the clock seeds Random
};

// Everything one operation leaves behind. Only the fields of the operation that ran are filled; the
// others keep their zero values, so a page copies what its operation produced into its own members.
struct DigitOperationResult {
    Operation operation = kDistribution;
    int firstCount = 0;         // Even - Odd: even; High - Low: high
    int secondCount = 0;        // Even - Odd: odd; High - Low: low
    std::vector<int> totals;    // Totals: digitTotals3 (1000 entries) or digitTotals4 (10000)
    std::string resultText;     // Overdue and Hottest
    std::vector<int> matchList; // Date, Date Range, Number, Number Range: entry indexes, at most 729
    std::array<int, 10> decilesUndated{}; // Distribution of the undated table
    std::array<int, 10> decilesDated{};   // Distribution of the dated table
    std::array<int, 10> digitCounts{};    // Distribution by digit value
    int pickedNumber = 0;                 // Random and Best Guess
    bool chartPending = false;            // Random and Best Guess left a pick for the chart
};

// Runs one operation of a digit-game page on the dated or undated table, as the request says, and
// returns its result. Refused, with nothing run, when an input cannot be used (a Number search whose field
// reads no digit is refused with kNoNumberEntered, a date search with kNoDateEntered or the date's
// message); a result that comes with messages (a restricted prediction that could not be made) still goes
// to the result list, but was not done as asked. The clock seeds Random when no seed is planted, and Best
// Guess always.
Outcome<DigitOperationResult> ApplyDigitOperation(const DigitHistories& tables,
                                                  const DigitOperationRequest& request, const Clock& clock);

// The status line of a digit-game page: "No 3 Number Game Data Available", "Undated 120",
// "Dated 365" or "Undated 120 : Dated 365", by which tables loaded (loadStatus 1).
std::string DigitDataStatusText(int game, const DigitHistories& tables);

} // namespace vantorel
