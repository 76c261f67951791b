// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SheetResults.h"

namespace vantorel {

namespace {

// Where a lotto game's results are kept: 5 Number first.
std::size_t LottoSlot(int game) {
    return static_cast<std::size_t>(game - kFiveNumber);
}

template <class Result> const Result* Held(const std::optional<Result>& kept) {
    return kept ? &*kept : nullptr;
}

} // namespace

template <class Result>
void SheetResults::GameResults<Result>::Keep(const Result& result, Operation operation) {
    if (operation == kDistribution) {
        distribution = result;
    } else if (IsChartOperation(operation)) {
        pick = result;
    }
}

template <class Result> void SheetResults::GameResults<Result>::ForgetChartResults() {
    distribution.reset();
    pick.reset();
}

void SheetResults::BeginRun() {
    for (GameResults<DigitOperationResult>& game : digit_) {
        game.ForgetChartResults();
    }
    for (GameResults<LottoGameResult>& game : lotto_) {
        game.ForgetChartResults();
    }
    log_.MarkEnd();
}

void SheetResults::KeepDigitResult(int game, const DigitOperationResult& result) {
    if (IsDigitGame(game)) {
        digit_[static_cast<std::size_t>(game)].Keep(result, result.operation);
    }
}

const DigitOperationResult* SheetResults::DigitDistribution(int game) const {
    return IsDigitGame(game) ? Held(digit_[static_cast<std::size_t>(game)].distribution) : nullptr;
}

const DigitOperationResult* SheetResults::DigitPick(int game) const {
    return IsDigitGame(game) ? Held(digit_[static_cast<std::size_t>(game)].pick) : nullptr;
}

void SheetResults::KeepLottoResult(int game, const LottoResult& result, bool dated) {
    if (IsLottoGame(game)) {
        lotto_[LottoSlot(game)].Keep(LottoGameResult{result, dated}, result.operation);
    }
}

const SheetResults::GameResults<LottoGameResult>* SheetResults::LottoGame(int game) const {
    return IsLottoGame(game) ? &lotto_[LottoSlot(game)] : nullptr;
}

const LottoResult* SheetResults::LottoDistribution(int game) const {
    const GameResults<LottoGameResult>* kept = LottoGame(game);
    return kept != nullptr && kept->distribution ? &kept->distribution->result : nullptr;
}

const LottoResult* SheetResults::LottoPick(int game) const {
    const GameResults<LottoGameResult>* kept = LottoGame(game);
    return kept != nullptr && kept->pick ? &kept->pick->result : nullptr;
}

} // namespace vantorel
