// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The predictions a backtest replays, each made from the drawings added so far. Overdue and Hottest keep
// their counts as the walk goes; Random and Best Guess run the operation itself on the history so far.

#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"
#include "platform/Operations.h"
#include "stats/Backtest.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vantorel::backtest_detail {

// How one prediction fared against one drawing.
struct GroupScore {
    int picks = 0;
    int matches = 0;
    std::vector<double> randomChances; // entry x: the chance that random picks like these match x times
};

// One score, filled anew for every drawing tested (its buffers are kept from one drawing to the next).
struct DrawingScore {
    GroupScore picks;
    GroupScore powerBalls;
    bool scoresPowerBalls = false;
    bool fallback = false; // Best Guess could not predict; the random picks shown instead were scored
};

class Predictor {
public:
    virtual ~Predictor() = default;
    // Scores the prediction made from the drawings added so far against the drawing in `row`.
    virtual void ScoreNext(int row, DrawingScore& score) = 0;
    // Adds the drawing in `row` to the history that the next prediction is made from.
    virtual void Add(int row) = 0;
};

// Matches of lotto picks with a drawing, and the hypergeometric chances of random picks of their size.
class BallScorer final {
public:
    BallScorer(int maximum, int drawn) : maximum_(maximum), drawn_(drawn) {}
    void Score(std::span<const int> picks, std::span<const int> drawing, GroupScore& score);

private:
    int maximum_;
    int drawn_;
    std::vector<int> distinct_;
    std::vector<std::vector<double>> chancesByPicks_; // filled as pick sizes come up
};

// The balls 1 .. highest kept in the order in which Overdue or Hottest ranks them: by count (most drawn
// first for Hottest, least drawn first for Overdue), ties to the lower number. A ball counted once more
// moves past the few balls it now ranks before, so the order costs little to keep as the walk goes.
class RankedTally final {
public:
    RankedTally(int highest, PickMode mode);
    // Balls outside 1 .. highest are not counted.
    void Count(int ball);
    // The first seven of the balls drawn at least once, in rank order (fewer when fewer were drawn).
    std::span<const int> Seven() const;

private:
    bool RanksBefore(int a, int b) const;
    void Swap(std::size_t a, std::size_t b);

    PickMode mode_;
    std::vector<int> counts_;   // per ball
    std::vector<int> order_;    // the balls in rank order
    std::vector<int> position_; // per ball: where it stands in order_
    int undrawn_;
};

// Overdue or Hottest digits per position ("Use Balls").
class DigitPositionTally final : public Predictor {
public:
    DigitPositionTally(const DigitDrawTable& table, PickMode mode);
    // The digits the prediction names for each position, highest position first, ascending: one digit,
    // or every digit of a tie.
    std::vector<std::vector<int>> Candidates() const;
    void ScoreNext(int row, DrawingScore& score) override;
    void Add(int row) override;

private:
    // Bit d set when the position's prediction names digit d.
    std::uint16_t CandidateMask(int position) const;

    const DigitDrawTable& table_;
    PickMode mode_;
    std::array<std::array<int, 10>, 4> counts_{};
};

// Overdue or Hottest whole numbers ("Use Numbers"): the numbers drawn least or most often, every one of
// them when several tie. Keeps how many numbers have each count, so the extremes move in constant time.
class DigitNumberTally final : public Predictor {
public:
    DigitNumberTally(const DigitDrawTable& table, PickMode mode);
    std::vector<int> Numbers() const; // ascending
    void ScoreNext(int row, DrawingScore& score) override;
    void Add(int row) override;

private:
    int Extreme() const { return mode_ == PickMode::Hottest ? highest_ : lowest_; }

    const DigitDrawTable& table_;
    PickMode mode_;
    std::vector<int> counts_;           // per number
    std::vector<int> numbersWithCount_; // entry c: how many numbers were drawn c times
    int highest_ = 0;
    int lowest_ = 0;
};

// Random and Best Guess of a digit game: the operation itself on the history so far.
class DigitOperationReplay final : public Predictor {
public:
    DigitOperationReplay(const DigitDrawTable& table, const BacktestRequest& request, std::uint32_t seed);
    int PickNow() const; // the number the operation picks now
    void ScoreNext(int row, DrawingScore& score) override;
    void Add(int row) override;

private:
    const DigitDrawTable& table_;
    BacktestRequest request_;
    std::uint32_t seed_;
    DigitDrawTable sofar_;
};

// Overdue or Hottest of the 5 and 6 Number games: the seven balls SevenBalls lists.
class LottoSevenBallTally final : public Predictor {
public:
    LottoSevenBallTally(const LottoDrawTable& table, PickMode mode, int maximum);
    std::vector<int> Picks() const; // in SevenBalls' order
    void ScoreNext(int row, DrawingScore& score) override;
    void Add(int row) override;

private:
    const LottoDrawTable& table_;
    RankedTally tally_; // balls 1 .. TallyLimit(), as SevenBalls tallies them
    BallScorer scorer_;
};

// Random and Best Guess of the 5 and 6 Number games: the operation on the history so far and the picks
// the chart view shows for it.
class LottoOperationReplay final : public Predictor {
public:
    LottoOperationReplay(const LottoDrawTable& table, const GameSettings& settings,
                         const BacktestRequest& request, std::uint32_t seed);
    // The picks shown now; `fallback` tells whether they are the random picks under "Insufficient Best
    // Guess Data".
    std::vector<int> PicksNow(bool& fallback) const;
    void ScoreNext(int row, DrawingScore& score) override;
    void Add(int row) override;

private:
    const LottoDrawTable& table_;
    GameSettings settings_;
    BacktestRequest request_;
    std::uint32_t seed_;
    LottoDrawTable sofar_;
    BallScorer scorer_;
};

// Overdue or Hottest of the Power Ball game: the seven balls of each group that its two lines show.
class PowerballGroupTally final : public Predictor {
public:
    PowerballGroupTally(const PowerballDrawTable& table, PickMode mode, const GameSettings& settings);
    std::vector<int> Picks() const;
    std::vector<int> PowerPicks() const;
    void ScoreNext(int row, DrawingScore& score) override;
    void Add(int row) override;

private:
    const PowerballDrawTable& table_;
    RankedTally tally_;      // balls 1 .. PBC
    RankedTally powerTally_; // Power Balls 1 .. PBB
    BallScorer scorer_;
    BallScorer powerScorer_;
};

// Random and Best Guess of the Power Ball game.
class PowerballOperationReplay final : public Predictor {
public:
    PowerballOperationReplay(const PowerballDrawTable& table, const GameSettings& settings,
                             const BacktestRequest& request, std::uint32_t seed);
    // The first-group picks, then the Power Ball.
    std::vector<int> PicksNow(bool& fallback) const;
    void ScoreNext(int row, DrawingScore& score) override;
    void Add(int row) override;

private:
    const PowerballDrawTable& table_;
    GameSettings settings_;
    BacktestRequest request_;
    std::uint32_t seed_;
    PowerballDrawTable sofar_;
    BallScorer scorer_;
    BallScorer powerScorer_;
};

} // namespace vantorel::backtest_detail
