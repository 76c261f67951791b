// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotto/LottoOperations.h"

#include "lotto/LottoBestGuess.h"
#include "lotto/LottoRandomPicks.h"
#include "lotto/LottoReports.h"
#include "lotto/LottoTexts.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"
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

// Date fields the searches can read: at least 8 characters each. Otherwise the operation is refused and
// the page stays.
bool DateFieldsFilled(std::initializer_list<const std::string*> fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string* field) { return field->size() >= kDateLength; });
}

Refusal NoDateEntered() {
    return Refusal{std::string(kNoDateEntered), NoticeKind::Plain};
}

// The result with the messages told on the way.
Outcome<LottoResult> Answer(LottoResult result, const Notices& notices) {
    Outcome<LottoResult> outcome(std::move(result));
    outcome.Precede(notices);
    return outcome;
}

void StartRandom(LottoResult& result) {
    result.predictionPicks = {0};
    result.chartPending = true;
}

} // namespace

Outcome<LottoResult> ApplyLottoOperation(Operation operation, const LottoDrawTable& table,
                                         const LottoInputs& inputs, const GameSettings& settings,
                                         const SetupChoices& choices, RandomSource& random) {
    LottoResult result;
    result.operation = operation;
    Notices notices;
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
    case kHottest: {
        const Outcome<std::string> seven = table.SevenBalls(PickModeOf(operation), settings);
        AddNotices(notices, seven.notices());
        result.refused = seven.refused();
        result.resultText = seven ? *seven : std::string(kSetupErrorText);
        break;
    }
    case kRandom:
        StartRandom(result);
        break;
    case kBestGuess:
        result.predictionPicks = BestGuess(table, settings, choices, random);
        result.refused = table.GameMaximum(settings) > table.TallyLimit();
        if (result.refused) {
            AddNotices(notices, table.SevenBalls(PickMode::Hottest, settings).notices());
        }
        result.chartPending = true;
        break;
    case kDateSearch: {
        if (!DateFieldsFilled({&inputs.query})) {
            return NoDateEntered();
        }
        const Outcome<std::string> line = table.FindDate(inputs.query, notices);
        AddNotices(notices, line.notices());
        result.refused = line.refused();
        result.resultText = line ? *line : std::string(kDateErrorText);
        break;
    }
    case kDateRangeSearch: {
        if (!DateFieldsFilled({&inputs.from, &inputs.to})) {
            return NoDateEntered();
        }
        Outcome<std::vector<int>> rows = table.FindDateRange(inputs.from, inputs.to, notices);
        AddNotices(notices, rows.notices());
        result.refused = rows.refused();
        if (rows) {
            result.matchList = std::move(*rows);
        } else {
            result.resultText = kDateErrorText;
        }
        break;
    }
    case kNumberSearch:
    case kPartialNumberSearch: {
        Outcome<MatchList> matches = operation == kNumberSearch ? table.FindNumbers(inputs.query, settings)
                                                                : table.FindPartial(inputs.query, settings);
        AddNotices(notices, matches.notices());
        result.refused = matches.refused();
        if (matches) {
            result.matchList = std::move(*matches);
        }
        break;
    }
    default:
        return Refusal{"This game has no " + std::string(EntryOf(operation).caption) + " operation."};
    }
    return Answer(std::move(result), notices);
}

Outcome<LottoResult> ApplyPowerballOperation(Operation operation, const PowerballDrawTable& table,
                                             const LottoInputs& inputs, const GameSettings& settings,
                                             const SetupChoices& choices, RandomSource& random) {
    LottoResult result;
    result.operation = operation;
    Notices notices;
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
    case kDateSearch: {
        if (!DateFieldsFilled({&inputs.query})) {
            return NoDateEntered();
        }
        Outcome<std::vector<int>> record = table.FindDrawDate(inputs.query);
        AddNotices(notices, record.notices());
        result.refused = record.refused();
        if (record) {
            result.pbDrawRecord = std::move(*record);
        }
        result.resultText = inputs.query;
        break;
    }
    case kDateRangeSearch:
        if (!DateFieldsFilled({&inputs.from, &inputs.to})) {
            return NoDateEntered();
        }
        result.matchList = table.FindDrawRange(inputs.from, inputs.to, notices);
        result.refused = !notices.empty();
        break;
    case kNumberSearch: {
        Outcome<MatchList> matches = table.FindDraw(inputs.query + ' ' + inputs.power);
        if (matches.refused()) {
            return RefusedAs<LottoResult>(matches);
        }
        result.matchList = std::move(*matches);
        break;
    }
    case kPartialNumberSearch: {
        if (inputs.query.empty() && inputs.power.empty()) {
            return Refusal{std::string(kNoNumbersEntered), NoticeKind::Plain};
        }
        const bool powerGiven = !inputs.power.empty();
        const std::string separator = powerGiven && !inputs.query.empty() ? " " : "";
        result.matchList = table.FindPartialDraw(inputs.query + separator + inputs.power, powerGiven);
        break;
    }
    default:
        return Refusal{"This game has no " + std::string(EntryOf(operation).caption) + " operation."};
    }
    return Answer(std::move(result), notices);
}

ReportLines LottoListLines(const LottoDrawTable& table, const LottoResult& result, Notices& notices) {
    switch (result.operation) {
    case kEvenOdd:
        return ReportShareOfCounts(result.firstCount, result.secondCount, 1);
    case kHighLow:
        return ReportShareOfCounts(result.firstCount, result.secondCount, 2);
    case kTotals:
        return ReportLottoTotals(table, notices);
    case kOverdue:
        return ReportSevenBalls(result.resultText, PickMode::Overdue);
    case kHottest:
        return ReportSevenBalls(result.resultText, PickMode::Hottest);
    case kDateSearch:
        return ReportText(result.resultText);
    case kDateRangeSearch:
        return result.refused ? ReportText(result.resultText)
                              : ReportDateRange(table, result.matchList, notices);
    case kNumberSearch:
    case kPartialNumberSearch:
        return ReportMatches(table, result.matchList, result.operation, notices);
    default:
        return {};
    }
}

ReportLines PowerballListLines(const PowerballDrawTable& table, const LottoResult& result, Notices& notices) {
    switch (result.operation) {
    case kEvenOdd:
    case kHighLow:
        return ReportText(result.resultText);
    case kTotals:
        return ReportPowerballTotals(table, notices);
    case kOverdue:
        return ReportSevenPerGroup(result.firstGroupList, result.powerBallList, PickMode::Overdue);
    case kHottest:
        return ReportSevenPerGroup(result.firstGroupList, result.powerBallList, PickMode::Hottest);
    case kDateSearch:
        return ReportPowerballDate(result.pbDrawRecord, result.resultText);
    case kDateRangeSearch:
        return ReportPowerballRange(table, result.matchList, notices);
    case kNumberSearch:
        return ReportPowerballNumber(table, result.matchList, notices);
    case kPartialNumberSearch:
        return ReportMatches(table, result.matchList, notices);
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

GameSettingKeys SettingsNeededBy(int gameType, Operation operation) {
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
    return std::string(GameOf(gameType).noDataStatus);
}

} // namespace vantorel
