// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"
#include "platform/Operations.h"
#include "platform/Outcome.h"
#include "platform/SetupChoices.h"
#include "stats/CalendarDay.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

class Clock;
class DigitDrawTable;
class LottoDrawTable;
class PowerballDrawTable;

// A backtest replays one prediction over a history: walking the drawings in time order, from drawing
// W + 1 on (W warm-up drawings) it makes the prediction from the drawings before it only, exactly as the
// operation would make it from a history that ends there, and counts how many of its numbers the drawing
// holds. The matches are held against what random picks of the same size would match.
//
// How a match is counted:
// - 5 Number, 6 Number and Power Ball: a predicted ball that the drawing holds (the Power Ball game counts
//   its first group and its Power Ball apart). Random picks of p balls from M match p x k / M on average,
//   k balls drawn; each match count has its hypergeometric chance.
// - 3 and 4 Number, predictions by position (Overdue and Hottest by balls, Random, Best Guess): a position
//   whose predicted digit is the drawn one. A position where several digits tie names all of them and
//   matches when the drawn digit is among them; a random digit matches a position with a chance of 1/10,
//   or t/10 for t tied digits, so the random expectation is 3 / 10 (4 / 10) without ties.
// - 3 and 4 Number, predictions of whole numbers (Overdue and Hottest by numbers): one match when the
//   drawn number is among the numbers named (all of them when several tie), with a random chance of
//   (numbers named) / 1000 (or / 10000).

inline constexpr int kDefaultWarmup = 100;

inline constexpr std::string_view kNoBetterThanRandom = "no better than random picks";
inline constexpr std::string_view kBetterThanRandom = "better than random picks";
inline constexpr std::string_view kWorseThanRandom = "worse than random picks";

struct BacktestRequest {
    Operation operation = kHottest; // kOverdue, kHottest, kRandom or kBestGuess
    SetupChoices choices; // the Setup choices that steer the prediction (strategy, prediction method)
    int warmup = kDefaultWarmup;
    // Random and Best Guess draw from the program's generator, seeded afresh for every prediction as the
    // operations seed it: with this seed (the planted seed of Random, and the clock's second that seeds Best
    // Guess and the random picks shown when it cannot predict), or with the clock's seconds at the start
    // of the backtest when it is 0. Every prediction of one backtest thus sees the same seed, as predictions
    // made within one second of the clock would.
    int plantedSeed = 0;
};

// For a backtest on a worker thread: `progress` is called on that thread after every hundredth of the
// drawings to test (and after the last), and setting `cancelled` from any thread stops the walk before
// its next drawing (the backtest then answers kBacktestCancelled of StatsTexts.h).
struct BacktestControl {
    std::function<void(int tested, int toTest)> progress;
    const std::atomic<bool>* cancelled = nullptr;
};

struct ConfidenceInterval {
    double low = 0.0;
    double high = 0.0;
};

// How often one number of matches occurred, and its chance for random picks.
struct MatchCount {
    int matches = 0;
    int drawings = 0;
    double share = 0.0; // drawings / drawings tested
    double randomProbability = 0.0;
};

// The matches of one group of predicted numbers.
struct GroupBacktest {
    std::string group; // "balls", "Power Balls", "digits", "numbers"
    int pickCount = 0; // numbers (digit positions) a prediction names; the most when it varied
    double meanMatches = 0.0;
    // mean +- 1.96 standard errors (the sample standard deviation); absent below two drawings tested.
    std::optional<ConfidenceInterval> ci95;
    double randomExpectation = 0.0;
    std::vector<MatchCount> distribution; // one entry per match count 0 .. the most possible
    // "no better than random picks", unless the interval lies wholly above ("better than random picks")
    // or below ("worse than random picks") the random expectation.
    std::string verdict;
};

struct TestedDrawing {
    int row = 0; // its row in the table
    std::optional<CalendarDay> date;
    int matches = 0;
    std::optional<int> powerBallMatches;
};

struct BacktestResult {
    int gameType = 0;
    bool dated = false;
    std::string operation; // "Overdue", "Hottest", "Random", "Best Guess"
    std::string variant;   // the choice that steered it: "Optimistic", "Use Numbers", ...; or empty
    int drawings = 0;      // in the history
    int warmup = 0;
    int drawingsTested = 0;
    std::optional<std::uint32_t> seed; // Random and Best Guess: the seed their random steps used
    // Lotto Best Guess: predictions that had too little history ("Insufficient Best Guess Data") and took
    // the random picks shown under that notice instead.
    int fallbackPredictions = 0;
    GroupBacktest picks;                     // the balls, the first group, or the digits or numbers
    std::optional<GroupBacktest> powerBalls; // the Power Ball game's second group
    std::vector<TestedDrawing> tested;       // in time order
};

// Refused: an operation that is no prediction; a negative warm-up; a history with no drawing after the
// warm-up; a dated digit-game Overdue or Hottest restricted to a day, month or date range; a lotto
// maximum the operation does not accept; a cancelled walk.
Outcome<BacktestResult> Backtest(const DigitDrawTable& table, const BacktestRequest& request,
                                 const Clock& clock, const BacktestControl& control = {});
Outcome<BacktestResult> Backtest(const LottoDrawTable& table, const GameSettings& settings,
                                 const BacktestRequest& request, const Clock& clock,
                                 const BacktestControl& control = {});
Outcome<BacktestResult> Backtest(const PowerballDrawTable& table, const GameSettings& settings,
                                 const BacktestRequest& request, const Clock& clock,
                                 const BacktestControl& control = {});

} // namespace vantorel
