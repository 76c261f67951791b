#include "shell/ChartData.h"

#include "shell/CPsheet.h"
#include "shell/SheetResults.h"

#include <numeric>

namespace vantorel {

namespace {

bool IsDigitGame(int game) {
    return game == kThreeNumber || game == kFourNumber;
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
    const bool lottoPicks = sheet.chartPending && game >= kFiveNumberPage && game <= kPowerballPage;
    if (sheet.chartPending) {
        chart.pickMode = IsDigitGame(game) ? PickedNumber(results, game) : lottoPicks ? 1 : 0;
        chart.digitPickPresent = IsDigitGame(game) && results.DigitPick(game) != nullptr;
    }
    if (!lottoPicks) {
        CollectDigitSeries(results, chart);
    }
    return chart;
}

} // namespace vantorel
