// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotto/LottoGameTables.h"

#include "platform/GameSettings.h"
#include "store/SectionReader.h"

#include <type_traits>

namespace vantorel {

namespace {

// The engine calls by kind of table; the Power Ball ones read the PBM setting.
int LoadTable(LottoDrawTable& table, const GameSettings&, const HistoryText& history) {
    return table.Load(history);
}
int LoadTable(PowerballDrawTable& table, const GameSettings& settings, const HistoryText& history) {
    return table.Load(settings.powerballBalls, history);
}

Outcome<LottoResult> ApplyOperation(Operation operation, const LottoDrawTable& table,
                                    const LottoInputs& inputs, const GameSettings& settings,
                                    const SetupChoices& choices, RandomSource& random) {
    return ApplyLottoOperation(operation, table, inputs, settings, choices, random);
}
Outcome<LottoResult> ApplyOperation(Operation operation, const PowerballDrawTable& table,
                                    const LottoInputs& inputs, const GameSettings& settings,
                                    const SetupChoices& choices, RandomSource& random) {
    return ApplyPowerballOperation(operation, table, inputs, settings, choices, random);
}

ReportLines ListLinesOf(const LottoDrawTable& table, const LottoResult& result, Notices& notices) {
    return LottoListLines(table, result, notices);
}
ReportLines ListLinesOf(const PowerballDrawTable& table, const LottoResult& result, Notices& notices) {
    return PowerballListLines(table, result, notices);
}

} // namespace

LottoGameTables::LottoGameTables(int gameType)
    : gameType_(gameType == kSixNumber || gameType == kPowerball ? gameType : kFiveNumber),
      histories_(MakeHistories(gameType_)) {}

LottoGameTables::AnyHistories LottoGameTables::MakeHistories(int gameType) {
    if (gameType == kPowerball) {
        return Histories<PowerballDrawTable>{PowerballDrawTable(false), PowerballDrawTable(true)};
    }
    return Histories<LottoDrawTable>{LottoDrawTable(SectionNumber(gameType, false)),
                                     LottoDrawTable(SectionNumber(gameType, true))};
}

void LottoGameTables::Load(const GameSettings& settings, const std::filesystem::path& historyFile) {
    // One read of the file serves both histories.
    const HistoryText history = ReadHistoryText(historyFile);
    std::visit(
        [&](auto& histories) {
            LoadTable(histories.undated, settings, history);
            LoadTable(histories.dated, settings, history);
        },
        histories_);
}

void LottoGameTables::LoadChosen(const GameSettings& settings, bool dated,
                                 const std::filesystem::path& historyFile) {
    const HistoryText history = ReadHistoryText(historyFile);
    std::visit(
        [&](auto& histories) {
            if (LoadTable(histories.Chosen(dated), settings, history) != kSectionLoaded) {
                LoadTable(histories.Chosen(!dated), settings, history);
            }
        },
        histories_);
}

Outcome<Done> LottoGameTables::CheckAvailable(bool dated) const {
    if (!Available(dated)) {
        return Refusal{StatusText(), NoticeKind::Warning};
    }
    return Done{};
}

std::pair<int, int> LottoGameTables::ChartMaximums(bool dated, const GameSettings& settings) const {
    if (gameType_ == kPowerball) {
        return {settings.powerballGroup1Max, settings.powerballGroup2Max};
    }
    return {std::get<Histories<LottoDrawTable>>(histories_).Chosen(dated).GameMaximum(settings), 0};
}

bool LottoGameTables::Available(bool dated) const {
    return std::visit([dated](const auto& histories) { return histories.Chosen(dated).loadStatus; },
                      histories_) == kSectionLoaded;
}

int LottoGameTables::Count(bool dated) const {
    return std::visit([dated](const auto& histories) { return histories.Chosen(dated).count(); }, histories_);
}

std::optional<LottoGameTables::StoredDrawing> LottoGameTables::DrawingAt(bool dated, int row) const {
    return std::visit(
        [dated, row](const auto& histories) -> std::optional<StoredDrawing> {
            const auto& table = histories.Chosen(dated);
            if (row < 0 || row >= table.count()) {
                return std::nullopt;
            }
            StoredDrawing drawing;
            drawing.date = table.dated ? table.Date(row) : std::string();
            using Table = std::decay_t<decltype(table)>;
            if constexpr (std::is_same_v<Table, PowerballDrawTable>) {
                for (int position = 0; position < table.ballsPerDrawing; ++position) {
                    drawing.balls.push_back(table.Ball(row, position));
                }
                drawing.powerBall = table.PowerBall(row);
            } else {
                for (int position = 0; position < table.ballsPerDrawing(); ++position) {
                    drawing.balls.push_back(table.Ball(row, position));
                }
            }
            return drawing;
        },
        histories_);
}

std::string LottoGameTables::StatusText() const {
    return std::visit(
        [this](const auto& histories) {
            return LottoStatusText(gameType_, histories.undated.loadStatus, histories.undated.count(),
                                   histories.dated.loadStatus, histories.dated.count());
        },
        histories_);
}

Outcome<LottoResult> LottoGameTables::Apply(Operation operation, bool dated, const LottoInputs& inputs,
                                            const GameSettings& settings, const SetupChoices& choices,
                                            RandomSource& random) const {
    return std::visit(
        [&](const auto& histories) {
            return ApplyOperation(operation, histories.Chosen(dated), inputs, settings, choices, random);
        },
        histories_);
}

ReportLines LottoGameTables::ListLines(bool dated, const LottoResult& result, Notices& notices) const {
    return std::visit(
        [&](const auto& histories) { return ListLinesOf(histories.Chosen(dated), result, notices); },
        histories_);
}

Outcome<std::string> LottoGameTables::ComparePicks(bool dated, const std::filesystem::path& pickFile) const {
    return std::visit([&](const auto& histories) { return histories.Chosen(dated).ComparePicks(pickFile); },
                      histories_);
}

} // namespace vantorel
