// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "digit/DigitGameTables.h"
#include "lotto/LottoGameTables.h"
#include "platform/GameSettings.h"
#include "platform/Outcome.h"
#include "stats/Backtest.h"
#include "stats/HistoryStatistics.h"

#include <filesystem>
#include <variant>

namespace vantorel {

class Clock;
class ProfileStore;

// One game's chosen history (dated or undated), read from the history file with the settings its
// statistics and backtests need: what vantorel-cli's stats and backtest and the Statistics window work on.
// A value type: a copy can go to a worker thread.
class StatisticsHistory final {
public:
    // Refused with the settings' message when a setting cannot be used, or with the game's status text
    // ("No 5 Number Game Data Available", "Undated 120") when the chosen history is not in the file.
    static Outcome<StatisticsHistory>
    Load(int gameType, bool dated, const ProfileStore& profile,
         const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));

    int gameType() const { return gameType_; }
    bool dated() const { return dated_; }

    Outcome<HistoryStatistics> Statistics(const StatisticsOptions& options = {}) const;
    Outcome<BacktestResult> Backtest(const BacktestRequest& request, const Clock& clock,
                                     const BacktestControl& control = {}) const;

private:
    StatisticsHistory(int gameType, bool dated, GameSettings settings);

    int gameType_;
    bool dated_;
    GameSettings settings_;
    std::variant<DigitGameTables, LottoGameTables> tables_;
};

} // namespace vantorel
