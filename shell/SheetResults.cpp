#include "shell/SheetResults.h"

#include "platform/SplitLines.h"

namespace vantorel {

namespace {
const DigitOperationResult kNoDigitResult;
} // namespace

void SheetResults::BeginRun() {
    for (DigitGameResults& game : digit_) {
        game.distribution.reset();
        game.pick.reset();
    }
    fileReportPending_ = false;
}

void SheetResults::KeepDigitResult(int game, const DigitOperationResult& result) {
    if (!IsDigitGame(game)) {
        return;
    }
    DigitGameResults& kept = digit_[static_cast<std::size_t>(game)];
    kept.last = result;
    if (result.currentOperation == kDistribution) {
        kept.distribution = result;
    } else if (result.currentOperation == kRandom || result.currentOperation == kBestGuess) {
        kept.pick = result;
    }
}

const DigitOperationResult& SheetResults::LastDigitResult(int game) const {
    return IsDigitGame(game) ? digit_[static_cast<std::size_t>(game)].last : kNoDigitResult;
}

const DigitOperationResult* SheetResults::DigitDistribution(int game) const {
    if (!IsDigitGame(game)) {
        return nullptr;
    }
    const auto& kept = digit_[static_cast<std::size_t>(game)].distribution;
    return kept ? &*kept : nullptr;
}

const DigitOperationResult* SheetResults::DigitPick(int game) const {
    if (!IsDigitGame(game)) {
        return nullptr;
    }
    const auto& kept = digit_[static_cast<std::size_t>(game)].pick;
    return kept ? &*kept : nullptr;
}

void SheetResults::KeepFileReport(std::string text) {
    fileReportText_ = std::move(text);
    fileReportPending_ = true;
}

std::vector<std::string> SheetResults::TakeFileReportLines() {
    std::vector<std::string> lines = SplitLines(fileReportText_);
    fileReportText_.clear();
    return lines;
}

} // namespace vantorel
