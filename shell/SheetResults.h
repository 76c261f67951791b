// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "digit/DigitOperation.h"
#include "lotto/LottoOperations.h"
#include "shell/ResultLog.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vantorel {

// A lotto operation's result and the history it ran on (Date and Date Range always run on the dated one).
struct LottoGameResult {
    LottoResult result;
    bool dated = false;
};

// What the operations produce, kept by the application so that it outlives the operations sheet: the
// result log of everything that ran (which "Deja View" shows), and what the chart view collects after the
// sheet has closed. What the chart draws (Distribution, Random, Best Guess) is kept for the current run of
// the sheet only, as the chart is replaced at every double-click.
class SheetResults final {
public:
    // A new run of the sheet: the chart results of the last run are forgotten, and its list starts empty.
    void BeginRun();

    ResultLog& log() { return log_; }
    const ResultLog& log() const { return log_; }

    // The chart results of an operation that ran on a digit game (3 Number or 4 Number).
    void KeepDigitResult(int game, const DigitOperationResult& result);
    // The game's last "Distribution", and its last "Random" or "Best Guess", of this run; nothing when
    // none ran.
    const DigitOperationResult* DigitDistribution(int game) const;
    const DigitOperationResult* DigitPick(int game) const;

    // The same for the lotto games (5 Number, 6 Number, Power Ball).
    void KeepLottoResult(int game, const LottoResult& result, bool dated);
    const LottoResult* LottoDistribution(int game) const;
    const LottoResult* LottoPick(int game) const;

private:
    // One game's chart results of this run.
    template <class Result> struct GameResults {
        std::optional<Result> distribution;
        std::optional<Result> pick;

        void Keep(const Result& result, Operation operation);
        void ForgetChartResults();
    };

    const GameResults<LottoGameResult>* LottoGame(int game) const;

    ResultLog log_;
    std::array<GameResults<DigitOperationResult>, 2> digit_;
    std::array<GameResults<LottoGameResult>, 3> lotto_;
};

} // namespace vantorel
