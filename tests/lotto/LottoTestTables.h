#pragma once

#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"

#include <string>
#include <utility>
#include <vector>

namespace vantorel::test {

// In-memory histories for the lotto tests. A dated row carries its stored date (yy/mm/dd).
struct DatedRow {
    std::string date;
    std::vector<int> balls;
};

inline LottoDrawTable MakeLottoTable(int section, const std::vector<std::vector<int>>& rows) {
    LottoDrawTable table(section);
    table.loadStatus = 1;
    for (const std::vector<int>& balls : rows) {
        LottoRow row{};
        for (std::size_t i = 0; i < balls.size() && i < row.size(); ++i) {
            row[i] = balls[i];
        }
        table.numbers.push_back(row);
    }
    return table;
}

inline LottoDrawTable MakeDatedLottoTable(int section, const std::vector<DatedRow>& rows) {
    std::vector<std::vector<int>> balls;
    for (const DatedRow& row : rows) {
        balls.push_back(row.balls);
    }
    LottoDrawTable table = MakeLottoTable(section, balls);
    for (const DatedRow& row : rows) {
        table.dates.push_back(row.date);
    }
    return table;
}

// A Power Ball row: the first-group balls, then the Power Ball as the last value.
inline PowerballDrawTable MakePowerballTable(int firstGroupBalls, const std::vector<DatedRow>& rows,
                                             bool dated) {
    PowerballDrawTable table(dated);
    table.loadStatus = 1;
    table.ballsPerDrawing = firstGroupBalls;
    for (const DatedRow& source : rows) {
        PowerballRow row{};
        for (int i = 0; i < firstGroupBalls; ++i) {
            row[static_cast<std::size_t>(i)] = source.balls[static_cast<std::size_t>(i)];
        }
        table.numbers.push_back(row);
        table.powerBalls.push_back(source.balls.back());
        if (dated) {
            table.dates.push_back(source.date);
        }
    }
    return table;
}

inline GameSettings Settings(int fiveMax, int sixMax, int group1Max = 49, int group2Max = 42, int balls = 5) {
    GameSettings settings;
    settings.fiveNumberMax = fiveMax;
    settings.sixNumberMax = sixMax;
    settings.powerballGroup1Max = group1Max;
    settings.powerballGroup2Max = group2Max;
    settings.powerballBalls = balls;
    return settings;
}

} // namespace vantorel::test
