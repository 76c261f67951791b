// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ChartData.h"

#include "platform/Operations.h"
#include "shell/OperationsSheet.h"
#include "shell/SheetResults.h"
#include "store/HistoryFile.h"

#include <algorithm>
#include <numeric>

namespace vantorel {

namespace {

// A lotto "Best Guess" hands over at most six picks: 5 Number, 6 Number, or Power Ball's first group and
// its Power Ball.
constexpr std::size_t kHandedOverPicks = 6;

// A lotto game's picks: a "Best Guess" of this run hands its picks over (the first one kNoPrediction when
// the history was too short); after "Random", or with no pick result, the chart draws random picks.
void CollectLottoPicks(const SheetResults& results, int game, ChartData& chart) {
    chart.pickMode = 1;
    const LottoResult* pick = results.LottoPick(game);
    chart.pickOperation = pick != nullptr && pick->operation == kBestGuess ? kBestGuess : kRandom;
    if (pick == nullptr || pick->predictionPicks.empty() || pick->predictionPicks.front() == 0) {
        return;
    }
    chart.picksPresent = true;
    const std::size_t count = std::min(pick->predictionPicks.size(), kHandedOverPicks);
    std::copy_n(pick->predictionPicks.begin(), count, chart.chartPicks.begin());
}

// The per-ball counts of the lotto game's "Distribution" of this run, both groups for Power Ball.
void CollectBallCounts(const SheetResults& results, int game, ChartData& chart) {
    if (const LottoResult* distribution = results.LottoDistribution(game)) {
        chart.ballCounts = distribution->ballCounts;
        chart.powerBallCounts = distribution->powerBallCounts;
    }
}

// The picked number of the digit game's last "Random" or "Best Guess" of the run; 0 when none ran.
int PickedNumber(const SheetResults& results, int game) {
    const DigitOperationResult* pick = results.DigitPick(game);
    return pick != nullptr ? pick->pickedNumber : 0;
}

void CollectDigitSeries(const SheetResults& results, ChartData& chart) {
    struct Source {
        int game;
        bool dated;
    };
    constexpr std::array<Source, kDigitSeriesCount> kSources = {{
        {kThreeNumber, false},
        {kThreeNumber, true},
        {kFourNumber, true},
        {kFourNumber, false},
    }};
    for (std::size_t i = 0; i < kSources.size(); ++i) {
        const DigitOperationResult* distribution = results.DigitDistribution(kSources[i].game);
        if (distribution == nullptr) {
            continue;
        }
        const std::array<int, 10>& deciles =
            kSources[i].dated ? distribution->decilesDated : distribution->decilesUndated;
        const int sum = std::accumulate(deciles.begin(), deciles.end(), 0);
        if (sum != 0) {
            chart.digitSeries[i] = DigitSeries{deciles, sum};
            chart.chartPicks = distribution->digitCounts;
        }
    }
}

} // namespace

ChartData CollectChartData(const SheetState& sheet, const SheetResults& results) {
    ChartData chart;
    chart.plantedSeed = sheet.plantedSeed;
    chart.lottoChartPending = sheet.lottoChartPending;
    chart.pageFlags = sheet.pageFlags;
    const int game = FirstMarked(sheet.pageFlags);
    const bool lottoPicks = sheet.chartPending && IsLottoGame(game);
    if (lottoPicks) {
        CollectLottoPicks(results, game, chart);
    } else if (sheet.chartPending && IsDigitGame(game)) {
        chart.pickMode = PickedNumber(results, game);
        const DigitOperationResult* pick = results.DigitPick(game);
        chart.digitPickPresent = pick != nullptr;
        if (pick != nullptr) {
            chart.pickOperation = pick->operation == kBestGuess ? kBestGuess : kRandom;
        }
    }
    if (!lottoPicks) {
        CollectDigitSeries(results, chart);
    }
    if (sheet.lottoChartPending && IsLottoGame(game)) {
        CollectBallCounts(results, game, chart);
    }
    return chart;
}

} // namespace vantorel
