#include "stats/PredictionWalk.h"

#include "digit/DigitDigits.h"
#include "digit/DigitOperation.h"
#include "lotto/LottoOperations.h"
#include "platform/Clock.h"
#include "platform/RandomGenerator.h"
#include "stats/Distributions.h"

#include <algorithm>
#include <bit>

namespace vantorel::backtest_detail {

namespace {

// The seven balls of a Hottest or Overdue list as the operations rank them: the balls 1 .. highest drawn
// at least once, by count (most drawn first for Hottest, least drawn first for Overdue), ties to the
// lower number.
constexpr std::size_t kSevenShown = 7;

std::vector<int> RankedBalls(const std::vector<int>& tally, int highest, PickMode mode) {
    std::vector<int> balls;
    const int last = std::min(highest, static_cast<int>(tally.size()) - 1);
    for (int ball = 1; ball <= last; ++ball) {
        if (tally[static_cast<std::size_t>(ball)] > 0) {
            balls.push_back(ball);
        }
    }
    const auto countOf = [&tally](int ball) {
        return tally[static_cast<std::size_t>(ball)];
    };
    const auto ranksBefore = [&](int a, int b) {
        if (countOf(a) != countOf(b)) {
            return mode == PickMode::Hottest ? countOf(a) > countOf(b) : countOf(a) < countOf(b);
        }
        return a < b;
    };
    const std::size_t shown = std::min(balls.size(), kSevenShown);
    std::partial_sort(balls.begin(), balls.begin() + static_cast<std::ptrdiff_t>(shown), balls.end(),
                      ranksBefore);
    balls.resize(shown);
    return balls;
}

void CountBall(std::vector<int>& tally, int ball) {
    if (ball >= 1 && ball < static_cast<int>(tally.size())) {
        ++tally[static_cast<std::size_t>(ball)];
    }
}

// Digit predictions by position: matched positions, and the chances of random digits, one digit in ten
// for each digit a position names.
GroupScore ScorePositions(std::span<const std::uint16_t> masks, int drawnNumber) {
    const auto positions = static_cast<int>(masks.size());
    GroupScore score;
    score.picks = positions;
    std::vector<double> chances;
    for (const std::uint16_t mask : masks) {
        chances.push_back(std::popcount(mask) / 10.0);
    }
    score.randomChances = SuccessCountProbabilities(chances);
    if (const auto digits = digit_detail::DigitsOf(drawnNumber, positions)) {
        for (int position = 0; position < positions; ++position) {
            const auto p = static_cast<std::size_t>(position);
            score.matches += (masks[p] >> (*digits)[p]) & 1U;
        }
    }
    return score;
}

// A digit game's single picked number, as a prediction by position.
GroupScore ScorePickedNumber(int picked, int drawnNumber, int positions) {
    std::array<std::uint16_t, 4> masks{};
    if (const auto digits = digit_detail::DigitsOf(picked, positions)) {
        for (int position = 0; position < positions; ++position) {
            const auto p = static_cast<std::size_t>(position);
            masks[p] = static_cast<std::uint16_t>(1U << (*digits)[p]);
        }
    }
    return ScorePositions(std::span<const std::uint16_t>(masks).first(static_cast<std::size_t>(positions)),
                          drawnNumber);
}

} // namespace

GroupScore BallScorer::Score(std::span<const int> picks, std::span<const int> drawing) {
    std::vector<int> distinct;
    for (const int pick : picks) {
        if (pick >= 1 && pick <= maximum_ &&
            std::find(distinct.begin(), distinct.end(), pick) == distinct.end()) {
            distinct.push_back(pick);
        }
    }
    GroupScore score;
    score.picks = static_cast<int>(distinct.size());
    score.matches = static_cast<int>(std::count_if(distinct.begin(), distinct.end(), [&drawing](int pick) {
        return std::find(drawing.begin(), drawing.end(), pick) != drawing.end();
    }));
    const auto size = distinct.size();
    if (chancesByPicks_.size() <= size) {
        chancesByPicks_.resize(size + 1);
    }
    if (chancesByPicks_[size].empty()) {
        chancesByPicks_[size] = HypergeometricProbabilities(maximum_, drawn_, score.picks);
    }
    score.randomChances = chancesByPicks_[size];
    return score;
}

// Digits per position.

DigitPositionTally::DigitPositionTally(const DigitDrawTable& table, PickMode mode)
    : table_(table), mode_(mode) {}

std::uint16_t DigitPositionTally::CandidateMask(int position) const {
    const std::array<int, 10>& counts = counts_[static_cast<std::size_t>(position)];
    const int extreme = mode_ == PickMode::Hottest ? *std::max_element(counts.begin(), counts.end())
                                                   : *std::min_element(counts.begin(), counts.end());
    std::uint16_t mask = 0;
    for (std::size_t digit = 0; digit < counts.size(); ++digit) {
        if (counts[digit] == extreme) {
            mask = static_cast<std::uint16_t>(mask | (1U << digit));
        }
    }
    return mask;
}

std::vector<std::vector<int>> DigitPositionTally::Candidates() const {
    std::vector<std::vector<int>> candidates;
    for (int position = 0; position < table_.digitPositions(); ++position) {
        const std::uint16_t mask = CandidateMask(position);
        std::vector<int> digits;
        for (int digit = 0; digit <= 9; ++digit) {
            if ((mask >> digit) & 1U) {
                digits.push_back(digit);
            }
        }
        candidates.push_back(std::move(digits));
    }
    return candidates;
}

DrawingScore DigitPositionTally::ScoreNext(int row) {
    std::array<std::uint16_t, 4> masks{};
    const int positions = table_.digitPositions();
    for (int position = 0; position < positions; ++position) {
        masks[static_cast<std::size_t>(position)] = CandidateMask(position);
    }
    return {ScorePositions(std::span<const std::uint16_t>(masks).first(static_cast<std::size_t>(positions)),
                           table_.numbers[static_cast<std::size_t>(row)]),
            std::nullopt, false};
}

void DigitPositionTally::Add(int row) {
    const int positions = table_.digitPositions();
    if (const auto digits =
            digit_detail::DigitsOf(table_.numbers[static_cast<std::size_t>(row)], positions)) {
        for (int position = 0; position < positions; ++position) {
            const auto p = static_cast<std::size_t>(position);
            ++counts_[p][static_cast<std::size_t>((*digits)[p])];
        }
    }
}

// Whole numbers.

DigitNumberTally::DigitNumberTally(const DigitDrawTable& table, PickMode mode)
    : table_(table), mode_(mode),
      counts_(static_cast<std::size_t>(table.numberRange()), 0), numbersWithCount_{table.numberRange()} {}

std::vector<int> DigitNumberTally::Numbers() const {
    std::vector<int> numbers;
    for (std::size_t number = 0; number < counts_.size(); ++number) {
        if (counts_[number] == Extreme()) {
            numbers.push_back(static_cast<int>(number));
        }
    }
    return numbers;
}

DrawingScore DigitNumberTally::ScoreNext(int row) {
    const int drawn = table_.numbers[static_cast<std::size_t>(row)];
    const int named = numbersWithCount_[static_cast<std::size_t>(Extreme())];
    const double chance = static_cast<double>(named) / table_.numberRange();
    GroupScore score;
    score.picks = named;
    score.matches =
        drawn >= 0 && drawn < table_.numberRange() && counts_[static_cast<std::size_t>(drawn)] == Extreme();
    score.randomChances = {1.0 - chance, chance};
    return {std::move(score), std::nullopt, false};
}

void DigitNumberTally::Add(int row) {
    const int drawn = table_.numbers[static_cast<std::size_t>(row)];
    if (drawn < 0 || drawn >= table_.numberRange()) {
        return; // outside the game's range: the whole-number tally passes it over
    }
    const auto count = static_cast<std::size_t>(counts_[static_cast<std::size_t>(drawn)]++);
    if (numbersWithCount_.size() <= count + 1) {
        numbersWithCount_.push_back(0);
    }
    --numbersWithCount_[count];
    ++numbersWithCount_[count + 1];
    highest_ = std::max(highest_, static_cast<int>(count) + 1);
    if (static_cast<int>(count) == lowest_ && numbersWithCount_[count] == 0) {
        lowest_ = static_cast<int>(count) + 1;
    }
}

// Digit Random and Best Guess.

DigitOperationReplay::DigitOperationReplay(const DigitDrawTable& table, const BacktestRequest& request,
                                           std::uint32_t seed)
    : table_(table), request_(request), seed_(seed), sofar_(table.section) {
    sofar_.loadStatus = 1;
    sofar_.numbers.reserve(table.numbers.size());
}

int DigitOperationReplay::PickNow() const {
    DigitOperationRequest operation;
    operation.operation = request_.operation;
    operation.useDatedData = sofar_.dated;
    operation.setupChoices = request_.choices;
    // No planted seed: the clock, standing still at the backtest's seed, seeds Random and Best Guess alike.
    operation.plantedSeed = 0;
    const FixedClock clock(seed_);
    return ApplyDigitOperation(DigitGameTables{sofar_, sofar_}, operation, clock).pickedNumber;
}

DrawingScore DigitOperationReplay::ScoreNext(int row) {
    return {
        ScorePickedNumber(PickNow(), table_.numbers[static_cast<std::size_t>(row)], table_.digitPositions()),
        std::nullopt, false};
}

void DigitOperationReplay::Add(int row) {
    sofar_.numbers.push_back(table_.numbers[static_cast<std::size_t>(row)]);
}

// 5 and 6 Number Overdue and Hottest.

LottoSevenBallTally::LottoSevenBallTally(const LottoDrawTable& table, PickMode mode, int maximum)
    : table_(table), mode_(mode), tally_(static_cast<std::size_t>(table.TallyLimit()) + 1, 0),
      scorer_(maximum, table.ballsPerDrawing()) {}

std::vector<int> LottoSevenBallTally::Picks() const {
    return RankedBalls(tally_, table_.TallyLimit(), mode_);
}

DrawingScore LottoSevenBallTally::ScoreNext(int row) {
    const LottoRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    const std::vector<int> picks = Picks();
    return {scorer_.Score(picks, std::span<const int>(drawing).first(
                                     static_cast<std::size_t>(table_.ballsPerDrawing()))),
            std::nullopt, false};
}

void LottoSevenBallTally::Add(int row) {
    const LottoRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    for (int position = 0; position < table_.ballsPerDrawing(); ++position) {
        CountBall(tally_, drawing[static_cast<std::size_t>(position)]);
    }
}

// 5 and 6 Number Random and Best Guess.

LottoOperationReplay::LottoOperationReplay(const LottoDrawTable& table, const GameSettings& settings,
                                           const BacktestRequest& request, std::uint32_t seed)
    : table_(table), settings_(settings), request_(request), seed_(seed), sofar_(table.section),
      scorer_(table.GameMaximum(settings), table.ballsPerDrawing()) {
    sofar_.loadStatus = 1;
    sofar_.numbers.reserve(table.numbers.size());
}

std::vector<int> LottoOperationReplay::PicksNow(bool& fallback) const {
    // As the operation runs: its generator seeded with the clock's second, the chart's with the planted
    // seed or that second.
    RandomGenerator random(seed_);
    const LottoResult result =
        ApplyLottoOperation(request_.operation, sofar_, {}, settings_, request_.choices, random);
    RandomGenerator chartRandom(seed_);
    ChartPicks chart = LottoChartPicks(sofar_.gameType(), result, settings_, chartRandom);
    fallback = chart.insufficient;
    return std::move(chart.picks);
}

DrawingScore LottoOperationReplay::ScoreNext(int row) {
    bool fallback = false;
    const std::vector<int> picks = PicksNow(fallback);
    const LottoRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    return {scorer_.Score(picks, std::span<const int>(drawing).first(
                                     static_cast<std::size_t>(table_.ballsPerDrawing()))),
            std::nullopt, fallback};
}

void LottoOperationReplay::Add(int row) {
    sofar_.numbers.push_back(table_.numbers[static_cast<std::size_t>(row)]);
}

// Power Ball Overdue and Hottest.

PowerballGroupTally::PowerballGroupTally(const PowerballDrawTable& table, PickMode mode,
                                         const GameSettings& settings)
    : table_(table), mode_(mode),
      tally_(static_cast<std::size_t>(std::max(settings.powerballGroup1Max, 0)) + 1, 0),
      powerTally_(static_cast<std::size_t>(std::max(settings.powerballGroup2Max, 0)) + 1, 0),
      scorer_(settings.powerballGroup1Max, table.ballsPerDrawing),
      powerScorer_(settings.powerballGroup2Max, 1) {}

std::vector<int> PowerballGroupTally::Picks() const {
    return RankedBalls(tally_, static_cast<int>(tally_.size()) - 1, mode_);
}

std::vector<int> PowerballGroupTally::PowerPicks() const {
    return RankedBalls(powerTally_, static_cast<int>(powerTally_.size()) - 1, mode_);
}

DrawingScore PowerballGroupTally::ScoreNext(int row) {
    const PowerballRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    const int power = table_.powerBalls[static_cast<std::size_t>(row)];
    return {scorer_.Score(Picks(), std::span<const int>(drawing).first(
                                       static_cast<std::size_t>(table_.ballsPerDrawing))),
            powerScorer_.Score(PowerPicks(), std::span<const int>(&power, 1)), false};
}

void PowerballGroupTally::Add(int row) {
    const PowerballRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    for (int position = 0; position < table_.ballsPerDrawing; ++position) {
        CountBall(tally_, drawing[static_cast<std::size_t>(position)]);
    }
    CountBall(powerTally_, table_.powerBalls[static_cast<std::size_t>(row)]);
}

// Power Ball Random and Best Guess.

PowerballOperationReplay::PowerballOperationReplay(const PowerballDrawTable& table,
                                                   const GameSettings& settings,
                                                   const BacktestRequest& request, std::uint32_t seed)
    : table_(table), settings_(settings), request_(request), seed_(seed), sofar_(table.dated),
      scorer_(settings.powerballGroup1Max, table.ballsPerDrawing),
      powerScorer_(settings.powerballGroup2Max, 1) {
    sofar_.loadStatus = 1;
    sofar_.ballsPerDrawing = table.ballsPerDrawing;
    sofar_.numbers.reserve(table.numbers.size());
    sofar_.powerBalls.reserve(table.powerBalls.size());
}

std::vector<int> PowerballOperationReplay::PicksNow(bool& fallback) const {
    RandomGenerator random(seed_);
    const LottoResult result =
        ApplyPowerballOperation(request_.operation, sofar_, {}, settings_, request_.choices, random);
    RandomGenerator chartRandom(seed_);
    ChartPicks chart = LottoChartPicks(kPowerball, result, settings_, chartRandom);
    fallback = chart.insufficient;
    return std::move(chart.picks);
}

DrawingScore PowerballOperationReplay::ScoreNext(int row) {
    bool fallback = false;
    const std::vector<int> picks = PicksNow(fallback);
    const PowerballRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    const int power = table_.powerBalls[static_cast<std::size_t>(row)];
    const std::span<const int> all(picks);
    const std::span<const int> firstGroup = all.empty() ? all : all.first(all.size() - 1);
    const std::span<const int> powerPick = all.empty() ? all : all.last(1);
    return {scorer_.Score(firstGroup, std::span<const int>(drawing).first(
                                          static_cast<std::size_t>(table_.ballsPerDrawing))),
            powerScorer_.Score(powerPick, std::span<const int>(&power, 1)), fallback};
}

void PowerballOperationReplay::Add(int row) {
    sofar_.numbers.push_back(table_.numbers[static_cast<std::size_t>(row)]);
    sofar_.powerBalls.push_back(table_.powerBalls[static_cast<std::size_t>(row)]);
}

} // namespace vantorel::backtest_detail
