#include "lotto/LottoOperations.h"

#include "lotto/LottoBestGuess.h"
#include "lotto/LottoRandomPicks.h"
#include "lotto/LottoReports.h"
#include "lotto/LottoTexts.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/Operations.h"
#include "platform/SetupChoices.h"
#include "store/CalendarDates.h"
#include "store/DataImport.h"
#include "store/SectionReader.h"

#include <algorithm>
#include <initializer_list>

namespace vantorel {

namespace {

constexpr std::size_t kDateLength = 8;

// A date field the searches can read: at least 8 characters. Otherwise the page shows its message and
// stays.
bool DateFieldFilled(const std::string& field) {
    return field.size() >= kDateLength;
}

bool DateFieldsChecked(std::initializer_list<const std::string*> fields, LottoResult& result) {
    for (const std::string* field : fields) {
        if (!DateFieldFilled(*field)) {
            MessageBox(kNoDateEntered);
            result.listed = false;
            return false;
        }
    }
    return true;
}

void StartRandom(LottoResult& result) {
    result.predictionPicks = {0};
    result.chartPending = true;
}

} // namespace

LottoResult ApplyLottoOperation(int operation, const LottoDrawTable& table, const LottoInputs& inputs,
                                const GameSettings& settings, const SetupChoices& choices,
                                RandomSource& random) {
    LottoResult result;
    result.operation = operation;
    switch (operation) {
    case kDistribution:
        result.ballCounts = table.CountBalls(table.GameMaximum(settings));
        result.lottoChartPending = true;
        break;
    case kEvenOdd:
        table.CountEvenOdd(result.secondCount, result.firstCount);
        break;
    case kHighLow:
        table.CountHighLow(result.firstCount, result.secondCount, table.GameMaximum(settings));
        break;
    case kTotals:
        break;
    case kOverdue:
    case kHottest:
        result.resultText = table.SevenBalls(PickModeOf(operation), settings);
        result.refused = result.resultText == kSetupErrorText;
        break;
    case kRandom:
        StartRandom(result);
        break;
    case kBestGuess:
        result.predictionPicks = BestGuess(table, settings, choices, random);
        result.refused = table.GameMaximum(settings) > table.TallyLimit();
        result.chartPending = true;
        break;
    case kDateSearch:
        if (DateFieldsChecked({&inputs.query}, result)) {
            result.resultText = table.FindDate(inputs.query);
            result.refused = result.resultText == kDateErrorText;
        }
        break;
    case kDateRangeSearch:
        if (DateFieldsChecked({&inputs.from, &inputs.to}, result)) {
            std::optional<std::vector<int>> rows = table.FindDateRange(inputs.from, inputs.to);
            result.refused = !rows;
            if (rows) {
                result.matchList = std::move(*rows);
            } else {
                result.resultText = kDateErrorText;
            }
        }
        break;
    case kNumberSearch:
        result.refused = table.FindNumbers(inputs.query, result.matchList, settings) == 0;
        break;
    case kPartialNumberSearch:
        result.refused = table.FindPartial(inputs.query, result.matchList, settings) == 0;
        break;
    default:
        result.listed = false;
        break;
    }
    return result;
}

LottoResult ApplyPowerballOperation(int operation, const PowerballDrawTable& table, const LottoInputs& inputs,
                                    const GameSettings& settings, const SetupChoices& choices,
                                    RandomSource& random) {
    LottoResult result;
    result.operation = operation;
    switch (operation) {
    case kDistribution:
        result.ballCounts = table.CountBalls(settings.powerballGroup1Max);
        result.powerBallCounts = table.CountPowerBalls(settings.powerballGroup2Max);
        result.lottoChartPending = true;
        break;
    case kEvenOdd:
    case kHighLow:
        result.resultText = table.ShareText(operation == kEvenOdd ? kShareEvenOdd : kShareHighLow, settings);
        break;
    case kTotals:
        break;
    case kOverdue:
    case kHottest:
        table.SevenPerGroup(result.firstGroupList, result.powerBallList, PickModeOf(operation), settings);
        break;
    case kRandom:
        StartRandom(result);
        break;
    case kBestGuess:
        result.predictionPicks = BestGuess(table, settings, choices, random);
        result.chartPending = true;
        break;
    case kDateSearch:
        if (DateFieldsChecked({&inputs.query}, result)) {
            result.pbDrawRecord = table.FindDrawDate(inputs.query);
            result.resultText = inputs.query;
            result.refused = inputs.query.size() != kDateLength;
        }
        break;
    case kDateRangeSearch:
        if (DateFieldsChecked({&inputs.from, &inputs.to}, result)) {
            result.matchList = table.FindDrawRange(inputs.from, inputs.to);
            result.refused = inputs.from.size() != kDateLength || inputs.to.size() != kDateLength;
        }
        break;
    case kNumberSearch:
        result.listed = table.FindDraw(inputs.query + ' ' + inputs.power, result.matchList) != 0;
        break;
    case kPartialNumberSearch: {
        if (inputs.query.empty() && inputs.power.empty()) {
            MessageBox(kNoNumbersEntered);
            result.listed = false;
            break;
        }
        const bool powerGiven = !inputs.power.empty();
        const std::string separator = powerGiven && !inputs.query.empty() ? " " : "";
        result.matchList = table.FindPartialDraw(inputs.query + separator + inputs.power, powerGiven);
        break;
    }
    default:
        result.listed = false;
        break;
    }
    return result;
}

ReportLines LottoListLines(const LottoDrawTable& table, const LottoResult& result) {
    if (!result.listed) {
        return {};
    }
    switch (result.operation) {
    case kEvenOdd:
        return ReportShareOfCounts(result.firstCount, result.secondCount, 1);
    case kHighLow:
        return ReportShareOfCounts(result.firstCount, result.secondCount, 2);
    case kTotals:
        return ReportLottoTotals(table);
    case kOverdue:
        return ReportSevenBalls(result.resultText, PickMode::Overdue);
    case kHottest:
        return ReportSevenBalls(result.resultText, PickMode::Hottest);
    case kDateSearch:
        return ReportText(result.resultText);
    case kDateRangeSearch:
        return result.refused ? ReportText(result.resultText) : ReportDateRange(table, result.matchList);
    case kNumberSearch:
    case kPartialNumberSearch:
        return ReportMatches(table, result.matchList, result.operation);
    default:
        return {};
    }
}

ReportLines PowerballListLines(const PowerballDrawTable& table, const LottoResult& result) {
    if (!result.listed) {
        return {};
    }
    switch (result.operation) {
    case kEvenOdd:
    case kHighLow:
        return ReportText(result.resultText);
    case kTotals:
        return ReportPowerballTotals(table);
    case kOverdue:
        return ReportSevenPerGroup(result.firstGroupList, result.powerBallList, PickMode::Overdue);
    case kHottest:
        return ReportSevenPerGroup(result.firstGroupList, result.powerBallList, PickMode::Hottest);
    case kDateSearch:
        return ReportPowerballDate(result.pbDrawRecord, result.resultText);
    case kDateRangeSearch:
        return ReportPowerballRange(table, result.matchList);
    case kNumberSearch:
        return ReportPowerballNumber(table, result.matchList);
    case kPartialNumberSearch:
        return ReportMatches(table, result.matchList);
    default:
        return {};
    }
}

ChartPicks LottoChartPicks(int gameType, const LottoResult& result, const GameSettings& settings,
                           RandomSource& random) {
    ChartPicks chart;
    const bool bestGuess = result.operation == kBestGuess && !result.predictionPicks.empty() &&
                           result.predictionPicks.front() != 0;
    if (bestGuess && result.predictionPicks.front() != kNoPrediction) {
        chart.picks = result.predictionPicks;
        return chart;
    }
    chart.insufficient = bestGuess;
    if (result.operation != kRandom && !chart.insufficient) {
        return chart;
    }
    switch (gameType) {
    case kFiveNumber:
        chart.picks = RandomLottoPicks(5, settings.fiveNumberMax, random);
        break;
    case kSixNumber:
        chart.picks = RandomLottoPicks(6, settings.sixNumberMax, random);
        break;
    case kPowerball:
        chart.picks = RandomPowerballPicks(std::clamp(settings.powerballBalls, 0, 6),
                                           settings.powerballGroup1Max, settings.powerballGroup2Max, random);
        break;
    default:
        break;
    }
    return chart;
}

GameSettingKeys SettingsNeededBy(int gameType, int operation) {
    const bool readsMaximum = operation == kDistribution || operation == kHighLow || operation == kOverdue ||
                              operation == kHottest || operation == kRandom || operation == kBestGuess;
    switch (gameType) {
    case kFiveNumber:
    case kSixNumber: {
        const bool checksBalls = operation == kNumberSearch || operation == kPartialNumberSearch;
        const GameSettingKey maximum =
            gameType == kFiveNumber ? GameSettingKey::FiveNumberMax : GameSettingKey::SixNumberMax;
        return readsMaximum || checksBalls ? GameSettingKeys{maximum} : GameSettingKeys{};
    }
    case kPowerball:
        return SettingsOfDrawingShape(kPowerball) |
               (readsMaximum
                    ? GameSettingKeys{GameSettingKey::PowerballGroup1Max, GameSettingKey::PowerballGroup2Max}
                    : GameSettingKeys{});
    default:
        return {};
    }
}

std::string LottoStatusText(int gameType, int undatedStatus, int undatedCount, int datedStatus,
                            int datedCount) {
    const bool undated = undatedStatus == kSectionLoaded;
    const bool dated = datedStatus == kSectionLoaded;
    if (undated && dated) {
        return "Undated " + std::to_string(undatedCount) + " : Dated " + std::to_string(datedCount);
    }
    if (undated) {
        return "Undated " + std::to_string(undatedCount);
    }
    if (dated) {
        return "Dated " + std::to_string(datedCount);
    }
    switch (gameType) {
    case kFiveNumber:
        return "No 5 Number Game Data Available";
    case kSixNumber:
        return "No 6 Number Game Data Available";
    default:
        return "No Powerball Game Data Available";
    }
}

} // namespace vantorel
