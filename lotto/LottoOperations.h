// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lotto/LottoDrawTable.h"
#include "platform/ReportLines.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

class PowerballDrawTable;
class RandomSource;
class SetupChoices;
struct GameSettings;
class GameSettingKeys;

// One operation of the 5 Number, 6 Number and Power Ball pages, as the page and vantorel-cli run it:
//   Outcome<LottoResult> result = ApplyLottoOperation(operation, table, inputs, settings, choices, random);
//   lines = LottoListLines(table, *result, notices); // what the "Deja View" list shows
// `table` is the history chosen by the data source; Date and Date Range always search the dated one.
// `random` serves Best Guess and is seeded with the clock's seconds; the planted seed serves the random
// picks of the chart view (LottoChartPicks).

// The texts typed on the page.
struct LottoInputs {
    std::string query; // the "Number" field (a date, a number query or a partial query)
    std::string from;  // "From"
    std::string to;    // "To"
    std::string power; // the Power Ball field (Power Ball page only)
};

// What an operation leaves for the result list and the chart view.
struct LottoResult {
    Operation operation = kDistribution;
    // True when the operation could not be done as asked (a refused query, an invalid date, a maximum the
    // game does not accept); the list still shows its result line.
    bool refused = false;

    std::vector<int> ballCounts;      // Distribution (first group for Power Ball)
    std::vector<int> powerBallCounts; // Distribution, Power Ball
    int firstCount = 0;               // Even - Odd: even balls; High - Low: high balls (5 and 6 Number)
    int secondCount = 0;              // odd balls; low balls
    std::string resultText;
    // Number, Partial Number: the matching rows (at most kMatchListLimit). Date Range: every row in the
    // range.
    MatchList matchList;
    std::vector<int> pbDrawRecord;   // Power Ball Date: the drawing found, empty when none
    std::vector<int> firstGroupList; // Power Ball Overdue / Hottest
    std::vector<int> powerBallList;
    // Best Guess: the picks (5, 6, or the first-group picks then the Power Ball), the first one
    // kNoPrediction when no prediction could be made. Random: the single entry 0 (the chart draws).
    std::vector<int> predictionPicks;
    bool lottoChartPending = false; // Distribution
    bool chartPending = false;      // Random, Best Guess
};

// Refused, with nothing run, when the operation ends early (an empty or short date field; a Power Ball
// Number query with a missing number; a Power Ball Partial Number with both fields empty): the page stays
// and the result list is not shown. A result that was not done as asked comes with its messages.
Outcome<LottoResult> ApplyLottoOperation(Operation operation, const LottoDrawTable& table,
                                         const LottoInputs& inputs, const GameSettings& settings,
                                         const SetupChoices& choices, RandomSource& random);
Outcome<LottoResult> ApplyPowerballOperation(Operation operation, const PowerballDrawTable& table,
                                             const LottoInputs& inputs, const GameSettings& settings,
                                             const SetupChoices& choices, RandomSource& random);

// The lines the result list shows for the result. Distribution, Random and Best Guess show none (the
// chart view draws them), For Power Ball Overdue and Hottest
// these are the two lines that the Power Ball page itself adds to the list. A stored date that cannot be
// shown leaves its message in `notices`.
ReportLines LottoListLines(const LottoDrawTable& table, const LottoResult& result, Notices& notices);
ReportLines PowerballListLines(const PowerballDrawTable& table, const LottoResult& result, Notices& notices);

// What the chart view shows for Random and Best Guess: the picks of a Best Guess, or random picks (after
// Random, or under the "Insufficient Best Guess Data" notice when Best Guess could not predict) drawn
// from `random`, which the caller seeds with the planted seed or the clock.
inline constexpr std::string_view kInsufficientBestGuess = "Insufficient Best Guess Data";
struct ChartPicks {
    bool insufficient = false;
    std::vector<int> picks; // Power Ball: the first-group picks, then the Power Ball
};
ChartPicks LottoChartPicks(int gameType, const LottoResult& result, const GameSettings& settings,
                           RandomSource& random);

// The settings an operation of the 5 Number (kFiveNumber), 6 Number or Power Ball game reads: the game's
// maximum (5BC or 6BC; PBC and PBB) where it sizes tallies, checks balls or draws picks, and for Power
// Ball always PBM, which its history is read with.
GameSettingKeys SettingsNeededBy(int gameType, Operation operation);

// The page's status text for its two histories (load status and count of each).
std::string LottoStatusText(int gameType, int undatedStatus, int undatedCount, int datedStatus,
                            int datedCount);

} // namespace vantorel
