// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/Backtest.h"

#include "lotto/LottoBestGuess.h"
#include "platform/Clock.h"
#include "platform/GameCatalogue.h"
#include "stats/Distributions.h"
#include "stats/PredictionWalk.h"
#include "stats/StatsTexts.h"
#include "stats/TimeOrder.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace vantorel {

using backtest_detail::DrawingScore;
using backtest_detail::GroupScore;
using backtest_detail::Predictor;

namespace {

// The texts SevenBalls shows when a lotto maximum is beyond its tallies; a backtest is refused with them.
std::string_view MaximumTooLargeMessage(int gameType) {
    return gameType == kFiveNumber
               ? "Present 5 Ball Game maximum is Too Large.\nCannot continue...Operation Aborted."
               : "Present 6 Ball Game maximum is Too Large.\nCannot continue...Operation Aborted.";
}

std::string OperationName(Operation operation) {
    return std::string(EntryOf(operation).caption);
}

std::string StrategyName(const SetupChoices& choices) {
    switch (StrategyOf(choices)) {
    case BestGuessStrategy::Optimistic:
        return "Optimistic";
    case BestGuessStrategy::Nihilistic:
        return "Nihilistic";
    default:
        return "Pessimistic";
    }
}

bool IsPrediction(Operation operation) {
    return operation == kOverdue || operation == kHottest || operation == kRandom || operation == kBestGuess;
}

std::uint32_t SeedOf(int plantedSeed, const Clock& clock) {
    return plantedSeed != 0 ? static_cast<std::uint32_t>(plantedSeed)
                            : static_cast<std::uint32_t>(clock.SecondsNow());
}

// The checks every game shares: a prediction, a warm-up of 0 or more, a drawing after the warm-up.
std::optional<Refusal> RefusedRequest(const BacktestRequest& request, int gameType, bool dated,
                                      int drawings) {
    if (!IsPrediction(request.operation)) {
        return Refusal{std::string(kNotAPrediction)};
    }
    if (request.warmup < 0) {
        return Refusal{std::string(kWarmupNegative)};
    }
    if (drawings <= request.warmup) {
        return Refusal{"The " + std::string(dated ? "dated" : "undated") + ' ' +
                       std::string(GameOf(gameType).name) + " history holds " + std::to_string(drawings) +
                       " drawings: a backtest with " + std::to_string(request.warmup) +
                       " warm-up drawings needs at least " + std::to_string(request.warmup + 1) + '.'};
    }
    return std::nullopt;
}

// The matches of one group over the drawings tested.
class GroupTally final {
public:
    void Add(const GroupScore& score) {
        matches_.push_back(score.matches);
        mostPicks_ = std::max(mostPicks_, score.picks);
        if (chanceSums_.size() < score.randomChances.size()) {
            chanceSums_.resize(score.randomChances.size(), 0.0);
        }
        double expectation = 0.0;
        double meanSquare = 0.0;
        for (std::size_t x = 0; x < score.randomChances.size(); ++x) {
            const auto count = static_cast<double>(x);
            chanceSums_[x] += score.randomChances[x];
            expectation += count * score.randomChances[x];
            meanSquare += count * count * score.randomChances[x];
        }
        expectationSum_ += expectation;
        randomVarianceSum_ += std::max(0.0, meanSquare - expectation * expectation);
    }

    GroupBacktest Summarise(std::string group) const {
        GroupBacktest result;
        result.group = std::move(group);
        result.pickCount = mostPicks_;
        const auto tested = static_cast<double>(matches_.size());
        if (matches_.empty()) {
            result.verdict = std::string(kNoBetterThanRandom);
            return result;
        }
        double sum = 0.0;
        for (const int matches : matches_) {
            sum += matches;
        }
        result.meanMatches = sum / tested;
        result.randomExpectation = expectationSum_ / tested;
        if (matches_.size() >= 2) {
            double squares = 0.0;
            for (const int matches : matches_) {
                squares += (matches - result.meanMatches) * (matches - result.meanMatches);
            }
            // A few drawings that all matched alike show no spread at all; the spread random picks would
            // show keeps such an interval from shrinking to a point and judging on it.
            const double variance = std::max(squares / (tested - 1.0), randomVarianceSum_ / tested);
            const double standardError = std::sqrt(variance) / std::sqrt(tested);
            result.ci95 = ConfidenceInterval{result.meanMatches - kNormalQuantile975 * standardError,
                                             result.meanMatches + kNormalQuantile975 * standardError};
        }
        result.distribution = Distribution(tested);
        result.verdict = Verdict(result);
        return result;
    }

private:
    std::vector<MatchCount> Distribution(double tested) const {
        const int mostMatches = std::max(static_cast<int>(chanceSums_.size()) - 1,
                                         *std::max_element(matches_.begin(), matches_.end()));
        std::vector<MatchCount> distribution;
        for (int x = 0; x <= mostMatches; ++x) {
            MatchCount row;
            row.matches = x;
            row.drawings = static_cast<int>(std::count(matches_.begin(), matches_.end(), x));
            row.share = row.drawings / tested;
            row.randomProbability = static_cast<std::size_t>(x) < chanceSums_.size()
                                        ? chanceSums_[static_cast<std::size_t>(x)] / tested
                                        : 0.0;
            distribution.push_back(row);
        }
        return distribution;
    }

    static std::string Verdict(const GroupBacktest& result) {
        if (result.ci95 && result.ci95->low > result.randomExpectation) {
            return std::string(kBetterThanRandom);
        }
        if (result.ci95 && result.ci95->high < result.randomExpectation) {
            return std::string(kWorseThanRandom);
        }
        return std::string(kNoBetterThanRandom);
    }

    std::vector<int> matches_;
    int mostPicks_ = 0;
    std::vector<double> chanceSums_;
    double expectationSum_ = 0.0;
    double randomVarianceSum_ = 0.0; // of the matches random picks would make, summed over the drawings
};

// The walk itself: every drawing in time order joins the history after the prediction for it, made from
// the drawings before it, has been scored.
struct Walk {
    const std::vector<int>& order;
    const std::vector<std::string>& dates;
    std::string groupName;
    bool powerBalls = false;
};

Outcome<BacktestResult> RunWalk(Predictor& predictor, const Walk& walk, BacktestResult result,
                                const BacktestControl& control) {
    const int drawings = static_cast<int>(walk.order.size());
    const int toTest = drawings - result.warmup;
    const int progressStep = std::max(1, toTest / 100);
    GroupTally picks;
    GroupTally powerBalls;
    DrawingScore score;
    result.tested.reserve(static_cast<std::size_t>(toTest));
    for (int drawing = 0; drawing < drawings; ++drawing) {
        if (control.cancelled != nullptr && control.cancelled->load(std::memory_order_relaxed)) {
            return Refusal{std::string(kBacktestCancelled)};
        }
        const int row = walk.order[static_cast<std::size_t>(drawing)];
        if (drawing >= result.warmup) {
            predictor.ScoreNext(row, score);
            picks.Add(score.picks);
            TestedDrawing tested;
            tested.row = row;
            if (static_cast<std::size_t>(row) < walk.dates.size()) {
                tested.date = CalendarDay::FromStored(walk.dates[static_cast<std::size_t>(row)]);
            }
            tested.matches = score.picks.matches;
            if (score.scoresPowerBalls) {
                powerBalls.Add(score.powerBalls);
                tested.powerBallMatches = score.powerBalls.matches;
            }
            result.fallbackPredictions += score.fallback ? 1 : 0;
            result.tested.push_back(tested);
            const int testedSoFar = drawing - result.warmup + 1;
            if (control.progress && (testedSoFar % progressStep == 0 || testedSoFar == toTest)) {
                control.progress(testedSoFar, toTest);
            }
        }
        predictor.Add(row);
    }
    result.drawingsTested = toTest;
    result.picks = picks.Summarise(walk.groupName);
    if (walk.powerBalls) {
        result.powerBalls = powerBalls.Summarise("Power Balls");
    }
    return result;
}

BacktestResult StartResult(int gameType, bool dated, int drawings, const BacktestRequest& request,
                           const Clock& clock) {
    BacktestResult result;
    result.gameType = gameType;
    result.dated = dated;
    result.operation = OperationName(request.operation);
    result.variant = request.operation == kBestGuess ? StrategyName(request.choices) : "";
    result.drawings = drawings;
    result.warmup = request.warmup;
    if (request.operation == kRandom || request.operation == kBestGuess) {
        result.seed = SeedOf(request.plantedSeed, clock);
    }
    return result;
}

} // namespace

Outcome<BacktestResult> Backtest(const DigitDrawTable& table, const BacktestRequest& request,
                                 const Clock& clock, const BacktestControl& control) {
    if (const auto refusal = RefusedRequest(request, table.game(), table.dated, table.count())) {
        return *refusal;
    }
    const bool tally = request.operation == kOverdue || request.operation == kHottest;
    if (tally && table.dated && !request.choices[kPredictNormal]) {
        return Refusal{std::string(kRestrictedPrediction)};
    }
    BacktestResult result = StartResult(table.game(), table.dated, table.count(), request, clock);
    const bool byNumbers = tally && !request.choices[kPredictUseBalls] && request.choices[kPredictUseNumbers];
    if (tally) {
        result.variant = byNumbers ? "Use Numbers" : "Use Balls";
    }
    std::unique_ptr<Predictor> predictor;
    if (byNumbers) {
        predictor = std::make_unique<backtest_detail::DigitNumberTally>(table, PickModeOf(request.operation));
    } else if (tally) {
        predictor =
            std::make_unique<backtest_detail::DigitPositionTally>(table, PickModeOf(request.operation));
    } else {
        predictor = std::make_unique<backtest_detail::DigitOperationReplay>(table, request, *result.seed);
    }
    const std::vector<int> order = TimeOrder(table.count(), table.dates);
    return RunWalk(*predictor, {order, table.dates, byNumbers ? "numbers" : "digits"}, std::move(result),
                   control);
}

Outcome<BacktestResult> Backtest(const LottoDrawTable& table, const GameSettings& settings,
                                 const BacktestRequest& request, const Clock& clock,
                                 const BacktestControl& control) {
    if (const auto refusal = RefusedRequest(request, table.gameType(), table.dated, table.count())) {
        return *refusal;
    }
    const int maximum = table.GameMaximum(settings);
    if (maximum < table.ballsPerDrawing()) {
        return Refusal{MaximumTooSmallText(table.gameType() == kFiveNumber ? kKey5BC : kKey6BC, maximum,
                                           table.ballsPerDrawing(), table.gameType())};
    }
    if (request.operation != kRandom && maximum > table.TallyLimit()) {
        return Refusal{std::string(MaximumTooLargeMessage(table.gameType()))};
    }
    BacktestResult result = StartResult(table.gameType(), table.dated, table.count(), request, clock);
    std::unique_ptr<Predictor> predictor;
    if (request.operation == kOverdue || request.operation == kHottest) {
        predictor = std::make_unique<backtest_detail::LottoSevenBallTally>(
            table, PickModeOf(request.operation), maximum);
    } else {
        predictor =
            std::make_unique<backtest_detail::LottoOperationReplay>(table, settings, request, *result.seed);
    }
    const std::vector<int> order = TimeOrder(table.count(), table.dates);
    return RunWalk(*predictor, {order, table.dates, "balls"}, std::move(result), control);
}

Outcome<BacktestResult> Backtest(const PowerballDrawTable& table, const GameSettings& settings,
                                 const BacktestRequest& request, const Clock& clock,
                                 const BacktestControl& control) {
    if (const auto refusal = RefusedRequest(request, kPowerball, table.dated, table.count())) {
        return *refusal;
    }
    if (settings.powerballGroup1Max < table.ballsPerDrawing) {
        return Refusal{
            MaximumTooSmallText(kKeyPBC, settings.powerballGroup1Max, table.ballsPerDrawing, kPowerball)};
    }
    if (settings.powerballGroup2Max < 1) {
        return Refusal{MaximumTooSmallText(kKeyPBB, settings.powerballGroup2Max, 1, kPowerball)};
    }
    BacktestResult result = StartResult(kPowerball, table.dated, table.count(), request, clock);
    std::unique_ptr<Predictor> predictor;
    if (request.operation == kOverdue || request.operation == kHottest) {
        predictor = std::make_unique<backtest_detail::PowerballGroupTally>(
            table, PickModeOf(request.operation), settings);
    } else {
        predictor = std::make_unique<backtest_detail::PowerballOperationReplay>(table, settings, request,
                                                                                *result.seed);
    }
    const std::vector<int> order = TimeOrder(table.count(), table.dates);
    return RunWalk(*predictor, {order, table.dates, "balls", true}, std::move(result), control);
}

} // namespace vantorel
