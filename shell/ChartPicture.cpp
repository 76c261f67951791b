// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChartPicture.h"

#include "lotto/LottoOperations.h"
#include "platform/Operations.h"
#include "shell/HandOver.h"
#include "store/HistoryFile.h"

#include <algorithm>

namespace vantorel {

namespace {

// How many picks a Best Guess hands over: 5, 6, or the Power Ball game's first-group balls and its Power
// Ball.
std::size_t HandedOverPickCount(int game, const GameSettings& settings) {
    const int count = game == kFiveNumberPage  ? 5
                      : game == kSixNumberPage ? 6
                                               : std::clamp(settings.powerballBalls, 0, 6) + 1;
    return std::min(static_cast<std::size_t>(count), ChartData{}.chartPicks.size());
}

LottoPickRow TakeLottoPicks(const ChartData& chart, int game, const GameSettings& settings,
                            RandomSource& random) {
    LottoResult handedOver;
    handedOver.operation = chart.picksPresent ? kBestGuess : kRandom;
    if (chart.picksPresent) {
        const auto first = chart.chartPicks.begin();
        handedOver.predictionPicks.assign(
            first, first + static_cast<std::ptrdiff_t>(HandedOverPickCount(game, settings)));
    } else {
        handedOver.predictionPicks = {0};
    }
    ChartPicks taken = LottoChartPicks(game, handedOver, settings, random);
    const bool powerBall = game == kPowerballPage && !taken.picks.empty();
    return LottoPickRow{taken.insufficient, std::move(taken.picks), powerBall};
}

} // namespace

ChartPicture MakeChartPicture(const ChartData& chart, const GameSettings& settings, RandomSource& random) {
    ChartPicture picture{chart, settings, std::nullopt};
    const int game = FirstMarked(chart.pageFlags);
    if (chart.pickMode == 1 && IsLottoGame(game)) {
        picture.lottoPicks = TakeLottoPicks(chart, game, settings, random);
    }
    return picture;
}

} // namespace vantorel
