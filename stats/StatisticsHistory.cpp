// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/StatisticsHistory.h"

#include "platform/GameCatalogue.h"

namespace vantorel {

StatisticsHistory::StatisticsHistory(int gameType, bool dated, GameSettings settings)
    : gameType_(gameType), dated_(dated), settings_(settings),
      tables_(IsDigitGame(gameType) ? decltype(tables_)(DigitGameTables(gameType))
                                    : decltype(tables_)(LottoGameTables(gameType))) {}

Outcome<StatisticsHistory> StatisticsHistory::Load(int gameType, bool dated, const ProfileStore& profile,
                                                   const std::filesystem::path& historyFile) {
    Outcome<GameSettings> settings = IsDigitGame(gameType)
                                         ? Outcome<GameSettings>(GameSettings{})
                                         : ReadGameSettings(profile, SettingsOfGame(gameType));
    if (settings.refused()) {
        return RefusedAs<StatisticsHistory>(settings);
    }
    StatisticsHistory history(gameType, dated, *settings);
    const Outcome<Done> available = std::visit(
        [&](auto& tables) {
            if constexpr (std::is_same_v<std::decay_t<decltype(tables)>, DigitGameTables>) {
                tables.LoadChosen(dated, historyFile);
            } else {
                tables.LoadChosen(*settings, dated, historyFile);
            }
            return tables.CheckAvailable(dated);
        },
        history.tables_);
    if (available.refused()) {
        return RefusedAs<StatisticsHistory>(available).Precede(settings.notices());
    }
    return Outcome<StatisticsHistory>(std::move(history)).Precede(settings.notices());
}

Outcome<HistoryStatistics> StatisticsHistory::Statistics(const StatisticsOptions& options) const {
    if (const auto* digit = std::get_if<DigitGameTables>(&tables_)) {
        return ComputeStatistics(digit->Chosen(dated_), options);
    }
    return std::get<LottoGameTables>(tables_).VisitChosen(
        dated_, [&](const auto& table) { return ComputeStatistics(table, settings_, options); });
}

Outcome<BacktestResult> StatisticsHistory::Backtest(const BacktestRequest& request, const Clock& clock,
                                                    const BacktestControl& control) const {
    if (const auto* digit = std::get_if<DigitGameTables>(&tables_)) {
        return vantorel::Backtest(digit->Chosen(dated_), request, clock, control);
    }
    return std::get<LottoGameTables>(tables_).VisitChosen(dated_, [&](const auto& table) {
        return vantorel::Backtest(table, settings_, request, clock, control);
    });
}

} // namespace vantorel
