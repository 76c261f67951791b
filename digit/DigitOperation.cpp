// SPDX-License-Identifier: GPL-3.0-or-later
#include "digit/DigitOperation.h"

#include "platform/PlainDecimal.h"
#include "platform/RandomGenerator.h"
#include "store/CalendarDates.h"

#include <optional>

namespace vantorel {

namespace {

// A date typed into a search field, converted to the stored form; refused when it is missing, too short,
// or cannot be converted.
Outcome<std::string> TypedSearchDate(const std::string& typed) {
    if (typed.size() < 8) {
        return Refusal{std::string(kNoDateEntered), NoticeKind::Plain};
    }
    return ToStoredDate(typed);
}

void RunDistribution(const DigitDrawTable& table, bool useDatedData, DigitOperationResult& result) {
    auto& deciles = useDatedData ? result.decilesDated : result.decilesUndated;
    table.CountDeciles(deciles, static_cast<double>(table.numberRange()));
    table.CountDigits(result.digitCounts);
}

void RunPrediction(const DigitHistories& tables, const DigitOperationRequest& request,
                   DigitOperationResult& result, Notices& notices) {
    const SetupChoices& choices = request.setupChoices;
    const PickMode mode = PickModeOf(request.operation);
    const bool restricted = request.useDatedData && !choices[kPredictNormal];
    if (!restricted) {
        if (choices[kPredictUseBalls]) {
            result.resultText = tables.Chosen(request.useDatedData).PickByPosition(mode);
        } else if (choices[kPredictUseNumbers]) {
            result.resultText = tables.Chosen(request.useDatedData).PickByNumber(mode);
        }
        return;
    }
    if (choices[kPredictUseBalls]) {
        // "ERROR" and the empty text come with a message that refused the restriction.
        result.resultText = tables.dated.RestrictedPick(mode, request.numberText, request.fromText,
                                                        request.toText, choices, notices);
    } else if (choices[kPredictUseNumbers]) {
        notices.push_back({std::string(kTooManySwitches)});
    }
}

// The matches of Date or Date Range; refused when a date cannot be used.
Outcome<std::vector<int>> RunDateSearch(const DigitHistories& tables, const DigitOperationRequest& request) {
    if (request.operation == kDateSearch) {
        const Outcome<std::string> date = TypedSearchDate(request.numberText);
        if (date.refused()) {
            return RefusedAs<std::vector<int>>(date);
        }
        return tables.dated.FindDate(*date);
    }
    if (request.fromText.size() < 8 || request.toText.size() < 8) {
        return Refusal{std::string(kNoDateEntered), NoticeKind::Plain};
    }
    const Outcome<std::string> from = TypedSearchDate(request.fromText);
    if (from.refused()) {
        return RefusedAs<std::vector<int>>(from);
    }
    const Outcome<std::string> to = TypedSearchDate(request.toText);
    if (to.refused()) {
        return RefusedAs<std::vector<int>>(to);
    }
    return tables.dated.FindDateRange(*from, *to);
}

} // namespace

Outcome<DigitOperationResult> ApplyDigitOperation(const DigitHistories& tables,
                                                  const DigitOperationRequest& request, const Clock& clock) {
    const DigitDrawTable& table = tables.Chosen(request.useDatedData);
    const SetupChoices& choices = request.setupChoices;
    DigitOperationResult result;
    Notices notices;
    result.operation = request.operation;
    switch (request.operation) {
    case kDistribution:
        RunDistribution(table, request.useDatedData, result);
        break;
    case kEvenOdd:
    case kHighLow: {
        const CountPair counts =
            request.operation == kEvenOdd ? table.CountEvenOdd(choices) : table.CountHighLow(choices);
        result.firstCount = counts.first;
        result.secondCount = counts.second;
        break;
    }
    case kTotals:
        result.totals = table.CountTotals();
        break;
    case kOverdue:
    case kHottest:
        RunPrediction(tables, request, result, notices);
        break;
    case kRandom:
        result.pickedNumber = PlainDecimal(RandomDigits(table.digitPositions(), request.plantedSeed, clock));
        result.chartPending = true;
        break;
    case kBestGuess: {
        // Best Guess is always seeded by the clock; a planted seed is for Random only.
        RandomGenerator random = RandomGenerator::Seeded(0, clock);
        result.pickedNumber = table.BestGuess(choices, random);
        result.chartPending = true;
        break;
    }
    case kDateSearch:
    case kDateRangeSearch: {
        Outcome<std::vector<int>> matches = RunDateSearch(tables, request);
        if (matches.refused()) {
            return RefusedAs<DigitOperationResult>(matches);
        }
        result.matchList = std::move(*matches);
        break;
    }
    case kNumberSearch:
        if (!ReadsDigits(request.numberText)) {
            return Refusal{std::string(kNoNumberEntered), NoticeKind::Plain};
        }
        result.matchList = table.FindNumber(PlainDecimal(request.numberText), choices);
        break;
    case kNumberRangeSearch:
        result.matchList =
            table.FindNumberRange(PlainDecimal(request.fromText), PlainDecimal(request.toText));
        break;
    default:
        return Refusal{"The 3 and 4 Number games have no " + std::string(EntryOf(request.operation).caption) +
                       " operation."};
    }
    Outcome<DigitOperationResult> outcome(std::move(result));
    outcome.Precede(notices);
    return outcome;
}

std::string DigitDataStatusText(int game, const DigitHistories& tables) {
    const bool undatedLoaded = tables.undated.loadStatus == 1;
    const bool datedLoaded = tables.dated.loadStatus == 1;
    const std::string undated = std::string("Undated ") + std::to_string(tables.undated.count());
    const std::string dated = std::string("Dated ") + std::to_string(tables.dated.count());
    if (undatedLoaded && datedLoaded) {
        return undated + " : " + dated;
    }
    if (undatedLoaded) {
        return undated;
    }
    if (datedLoaded) {
        return dated;
    }
    return std::string(GameOf(game).noDataStatus);
}

} // namespace vantorel
