#include "lotto/LottoGameTables.h"

#include "platform/GameSettings.h"
#include "store/SectionReader.h"

namespace vantorel {

namespace {

// The engine calls by kind of table; the Power Ball ones read the PBM setting.
int LoadTable(LottoDrawTable& table, const GameSettings&, const HistoryText& history) {
    return table.Load(history);
}
int LoadTable(PowerballDrawTable& table, const GameSettings& settings, const HistoryText& history) {
    return table.Load(settings.powerballBalls, history);
}

Outcome<LottoResult> ApplyOperation(int operation, const LottoDrawTable& table, const LottoInputs& inputs,
                                    const GameSettings& settings, const SetupChoices& choices,
                                    RandomSource& random) {
    return ApplyLottoOperation(operation, table, inputs, settings, choices, random);
}
Outcome<LottoResult> ApplyOperation(int operation, const PowerballDrawTable& table, const LottoInputs& inputs,
                                    const GameSettings& settings, const SetupChoices& choices,
                                    RandomSource& random) {
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

bool LottoGameTables::Available(bool dated) const {
    return std::visit([dated](const auto& histories) { return histories.Chosen(dated).loadStatus; },
                      histories_) == kSectionLoaded;
}

int LottoGameTables::Count(bool dated) const {
    return std::visit([dated](const auto& histories) { return histories.Chosen(dated).count(); }, histories_);
}

std::string LottoGameTables::StatusText() const {
    return std::visit(
        [this](const auto& histories) {
            return LottoStatusText(gameType_, histories.undated.loadStatus, histories.undated.count(),
                                   histories.dated.loadStatus, histories.dated.count());
        },
        histories_);
}

Outcome<LottoResult> LottoGameTables::Apply(int operation, bool dated, const LottoInputs& inputs,
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
