// SPDX-License-Identifier: GPL-3.0-or-later
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

constexpr std::size_t kSevenShown = 7;

// Digit predictions by position: matched positions, and the chances of random digits, one digit in ten
// for each digit a position names.
void ScorePositions(std::span<const std::uint16_t> masks, int drawnNumber, GroupScore& score) {
    const auto positions = static_cast<int>(masks.size());
    score.picks = positions;
    score.matches = 0;
    std::array<double, 4> chances{};
    for (std::size_t position = 0; position < masks.size(); ++position) {
        chances[position] = std::popcount(masks[position]) / 10.0;
    }
    score.randomChances = SuccessCountProbabilities(std::span<const double>(chances).first(masks.size()));
    if (const auto digits = digit_detail::DigitsOf(drawnNumber, positions)) {
        for (int position = 0; position < positions; ++position) {
            const auto p = static_cast<std::size_t>(position);
            score.matches += (masks[p] >> (*digits)[p]) & 1U;
        }
    }
}

// A digit game's single picked number, as a prediction by position.
void ScorePickedNumber(int picked, int drawnNumber, int positions, GroupScore& score) {
    std::array<std::uint16_t, 4> masks{};
    if (const auto digits = digit_detail::DigitsOf(picked, positions)) {
        for (int position = 0; position < positions; ++position) {
            const auto p = static_cast<std::size_t>(position);
            masks[p] = static_cast<std::uint16_t>(1U << (*digits)[p]);
        }
    }
    ScorePositions(std::span<const std::uint16_t>(masks).first(static_cast<std::size_t>(positions)),
                   drawnNumber, score);
}

} // namespace

void BallScorer::Score(std::span<const int> picks, std::span<const int> drawing, GroupScore& score) {
    distinct_.clear();
    for (const int pick : picks) {
        if (pick >= 1 && pick <= maximum_ &&
            std::find(distinct_.begin(), distinct_.end(), pick) == distinct_.end()) {
            distinct_.push_back(pick);
        }
    }
    score.picks = static_cast<int>(distinct_.size());
    score.matches = static_cast<int>(std::count_if(distinct_.begin(), distinct_.end(), [&drawing](int pick) {
        return std::find(drawing.begin(), drawing.end(), pick) != drawing.end();
    }));
    const std::size_t size = distinct_.size();
    if (chancesByPicks_.size() <= size) {
        chancesByPicks_.resize(size + 1);
    }
    if (chancesByPicks_[size].empty()) {
        chancesByPicks_[size] = HypergeometricProbabilities(maximum_, drawn_, score.picks);
    }
    score.randomChances.assign(chancesByPicks_[size].begin(), chancesByPicks_[size].end());
}

RankedTally::RankedTally(int highest, PickMode mode)
    : mode_(mode), counts_(static_cast<std::size_t>(std::max(highest, 0)) + 1, 0),
      position_(counts_.size(), -1), undrawn_(std::max(highest, 0)) {
    // Nothing drawn yet: every count is 0, so the balls rank by number.
    for (int ball = 1; ball <= highest; ++ball) {
        position_[static_cast<std::size_t>(ball)] = static_cast<int>(order_.size());
        order_.push_back(ball);
    }
}

bool RankedTally::RanksBefore(int a, int b) const {
    const int countA = counts_[static_cast<std::size_t>(a)];
    const int countB = counts_[static_cast<std::size_t>(b)];
    if (countA != countB) {
        return mode_ == PickMode::Hottest ? countA > countB : countA < countB;
    }
    return a < b;
}

void RankedTally::Swap(std::size_t a, std::size_t b) {
    std::swap(order_[a], order_[b]);
    position_[static_cast<std::size_t>(order_[a])] = static_cast<int>(a);
    position_[static_cast<std::size_t>(order_[b])] = static_cast<int>(b);
}

void RankedTally::Count(int ball) {
    if (ball < 1 || ball >= static_cast<int>(counts_.size())) {
        return;
    }
    undrawn_ -= counts_[static_cast<std::size_t>(ball)]++ == 0 ? 1 : 0;
    // Only this ball's rank changed: it moves towards the front (Hottest) or the back (Overdue).
    auto at = static_cast<std::size_t>(position_[static_cast<std::size_t>(ball)]);
    while (at > 0 && RanksBefore(ball, order_[at - 1])) {
        Swap(at, at - 1);
        --at;
    }
    while (at + 1 < order_.size() && RanksBefore(order_[at + 1], ball)) {
        Swap(at, at + 1);
        ++at;
    }
}

std::span<const int> RankedTally::Seven() const {
    // Balls never drawn rank last for Hottest and first for Overdue; neither lists them.
    const auto drawn = order_.size() - static_cast<std::size_t>(undrawn_);
    const std::size_t first = mode_ == PickMode::Hottest ? 0 : static_cast<std::size_t>(undrawn_);
    return std::span<const int>(order_).subspan(first, std::min(drawn, kSevenShown));
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

void DigitPositionTally::ScoreNext(int row, DrawingScore& score) {
    std::array<std::uint16_t, 4> masks{};
    const int positions = table_.digitPositions();
    for (int position = 0; position < positions; ++position) {
        masks[static_cast<std::size_t>(position)] = CandidateMask(position);
    }
    ScorePositions(std::span<const std::uint16_t>(masks).first(static_cast<std::size_t>(positions)),
                   table_.numbers[static_cast<std::size_t>(row)], score.picks);
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

void DigitNumberTally::ScoreNext(int row, DrawingScore& score) {
    const int drawn = table_.numbers[static_cast<std::size_t>(row)];
    const int named = numbersWithCount_[static_cast<std::size_t>(Extreme())];
    const double chance = static_cast<double>(named) / table_.numberRange();
    score.picks.picks = named;
    score.picks.matches =
        drawn >= 0 && drawn < table_.numberRange() && counts_[static_cast<std::size_t>(drawn)] == Extreme();
    score.picks.randomChances.assign({1.0 - chance, chance});
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
    // Random and Best Guess are never refused; their messages are the backtest's own refusals.
    return ApplyDigitOperation(DigitHistories{sofar_, sofar_}, operation, clock).value().pickedNumber;
}

void DigitOperationReplay::ScoreNext(int row, DrawingScore& score) {
    ScorePickedNumber(PickNow(), table_.numbers[static_cast<std::size_t>(row)], table_.digitPositions(),
                      score.picks);
}

void DigitOperationReplay::Add(int row) {
    sofar_.numbers.push_back(table_.numbers[static_cast<std::size_t>(row)]);
}

// 5 and 6 Number Overdue and Hottest.

LottoSevenBallTally::LottoSevenBallTally(const LottoDrawTable& table, PickMode mode, int maximum)
    : table_(table), tally_(table.TallyLimit(), mode), scorer_(maximum, table.ballsPerDrawing()) {}

std::vector<int> LottoSevenBallTally::Picks() const {
    const std::span<const int> seven = tally_.Seven();
    return {seven.begin(), seven.end()};
}

void LottoSevenBallTally::ScoreNext(int row, DrawingScore& score) {
    const LottoRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    scorer_.Score(tally_.Seven(),
                  std::span<const int>(drawing).first(static_cast<std::size_t>(table_.ballsPerDrawing())),
                  score.picks);
}

void LottoSevenBallTally::Add(int row) {
    const LottoRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    for (int position = 0; position < table_.ballsPerDrawing(); ++position) {
        tally_.Count(drawing[static_cast<std::size_t>(position)]);
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
    // Random and Best Guess are never refused; their messages are the backtest's own refusals.
    const LottoResult result =
        ApplyLottoOperation(request_.operation, sofar_, {}, settings_, request_.choices, random).value();
    RandomGenerator chartRandom(seed_);
    ChartPicks chart = LottoChartPicks(sofar_.gameType(), result, settings_, chartRandom);
    fallback = chart.insufficient;
    return std::move(chart.picks);
}

void LottoOperationReplay::ScoreNext(int row, DrawingScore& score) {
    const std::vector<int> picks = PicksNow(score.fallback);
    const LottoRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    scorer_.Score(picks,
                  std::span<const int>(drawing).first(static_cast<std::size_t>(table_.ballsPerDrawing())),
                  score.picks);
}

void LottoOperationReplay::Add(int row) {
    sofar_.numbers.push_back(table_.numbers[static_cast<std::size_t>(row)]);
}

// Power Ball Overdue and Hottest.

PowerballGroupTally::PowerballGroupTally(const PowerballDrawTable& table, PickMode mode,
                                         const GameSettings& settings)
    : table_(table), tally_(settings.powerballGroup1Max, mode),
      powerTally_(settings.powerballGroup2Max, mode),
      scorer_(settings.powerballGroup1Max, table.ballsPerDrawing),
      powerScorer_(settings.powerballGroup2Max, 1) {}

std::vector<int> PowerballGroupTally::Picks() const {
    const std::span<const int> seven = tally_.Seven();
    return {seven.begin(), seven.end()};
}

std::vector<int> PowerballGroupTally::PowerPicks() const {
    const std::span<const int> seven = powerTally_.Seven();
    return {seven.begin(), seven.end()};
}

void PowerballGroupTally::ScoreNext(int row, DrawingScore& score) {
    const PowerballRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    const int power = table_.powerBalls[static_cast<std::size_t>(row)];
    scorer_.Score(tally_.Seven(),
                  std::span<const int>(drawing).first(static_cast<std::size_t>(table_.ballsPerDrawing)),
                  score.picks);
    powerScorer_.Score(powerTally_.Seven(), std::span<const int>(&power, 1), score.powerBalls);
    score.scoresPowerBalls = true;
}

void PowerballGroupTally::Add(int row) {
    const PowerballRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    for (int position = 0; position < table_.ballsPerDrawing; ++position) {
        tally_.Count(drawing[static_cast<std::size_t>(position)]);
    }
    powerTally_.Count(table_.powerBalls[static_cast<std::size_t>(row)]);
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
        ApplyPowerballOperation(request_.operation, sofar_, {}, settings_, request_.choices, random).value();
    RandomGenerator chartRandom(seed_);
    ChartPicks chart = LottoChartPicks(kPowerball, result, settings_, chartRandom);
    fallback = chart.insufficient;
    return std::move(chart.picks);
}

void PowerballOperationReplay::ScoreNext(int row, DrawingScore& score) {
    const std::vector<int> picks = PicksNow(score.fallback);
    const PowerballRow& drawing = table_.numbers[static_cast<std::size_t>(row)];
    const int power = table_.powerBalls[static_cast<std::size_t>(row)];
    const std::span<const int> all(picks);
    const std::span<const int> firstGroup = all.empty() ? all : all.first(all.size() - 1);
    const std::span<const int> powerPick = all.empty() ? all : all.last(1);
    scorer_.Score(firstGroup,
                  std::span<const int>(drawing).first(static_cast<std::size_t>(table_.ballsPerDrawing)),
                  score.picks);
    powerScorer_.Score(powerPick, std::span<const int>(&power, 1), score.powerBalls);
    score.scoresPowerBalls = true;
}

void PowerballOperationReplay::Add(int row) {
    sofar_.numbers.push_back(table_.numbers[static_cast<std::size_t>(row)]);
    sofar_.powerBalls.push_back(table_.powerBalls[static_cast<std::size_t>(row)]);
}

} // namespace vantorel::backtest_detail
