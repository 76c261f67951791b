#include "digit/DigitOperation.h"

#include "platform/MessageBox.h"
#include "platform/PlainDecimal.h"
#include "platform/RandomGenerator.h"
#include "store/CalendarDates.h"

#include <optional>

namespace vantorel {

namespace {

// A date typed into a search field, converted to the stored form; nothing (after its message) when
// it is missing, too short, or cannot be converted.
std::optional<std::string> TypedSearchDate(const std::string& typed) {
    if (typed.size() < 8) {
        MessageBox(kNoDateEntered);
        return std::nullopt;
    }
    std::string date = typed;
    if (ToStoredDate(date) != 1) {
        return std::nullopt;
    }
    return date;
}

void RunDistribution(const DigitDrawTable& table, bool useDatedData, DigitOperationResult& result) {
    auto& deciles = useDatedData ? result.decilesDated : result.decilesUndated;
    table.CountDeciles(deciles, static_cast<double>(table.numberRange()));
    table.CountDigits(result.digitCounts);
}

void RunPrediction(const DigitGameTables& tables, const DigitOperationRequest& request,
                   DigitOperationResult& result) {
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
        result.resultText =
            tables.dated.RestrictedPick(mode, request.numberText, request.fromText, request.toText, choices);
        // "ERROR" and the empty text follow a message that refused the restriction.
        if (result.resultText.empty() || result.resultText == kRestrictedPickError) {
            result.outcome = DigitOutcome::Failed;
        }
    } else if (choices[kPredictUseNumbers]) {
        MessageBox(kTooManySwitches);
        result.outcome = DigitOutcome::Failed;
    }
}

void RunDateSearch(const DigitGameTables& tables, const DigitOperationRequest& request,
                   DigitOperationResult& result) {
    if (request.operation == kDateSearch) {
        const std::optional<std::string> date = TypedSearchDate(request.numberText);
        if (!date) {
            result.outcome = DigitOutcome::Refused;
            return;
        }
        result.matchList = tables.dated.FindDate(*date);
        return;
    }
    if (request.fromText.size() < 8 || request.toText.size() < 8) {
        MessageBox(kNoDateEntered);
        result.outcome = DigitOutcome::Refused;
        return;
    }
    const std::optional<std::string> from = TypedSearchDate(request.fromText);
    const std::optional<std::string> to = from ? TypedSearchDate(request.toText) : std::nullopt;
    if (!from || !to) {
        result.outcome = DigitOutcome::Refused;
        return;
    }
    result.matchList = tables.dated.FindDateRange(*from, *to);
}

} // namespace

DigitOperationResult ApplyDigitOperation(const DigitGameTables& tables, const DigitOperationRequest& request,
                                         const Clock& clock) {
    const DigitDrawTable& table = tables.Chosen(request.useDatedData);
    const SetupChoices& choices = request.setupChoices;
    DigitOperationResult result;
    result.currentOperation = request.operation;
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
        RunPrediction(tables, request, result);
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
    case kDateRangeSearch:
        RunDateSearch(tables, request, result);
        break;
    case kNumberSearch:
        if (!ReadsDigits(request.numberText)) {
            MessageBox(kNoNumberEntered);
            result.outcome = DigitOutcome::Refused;
            break;
        }
        result.matchList = table.FindNumber(PlainDecimal(request.numberText), choices);
        break;
    case kNumberRangeSearch:
        result.matchList =
            table.FindNumberRange(PlainDecimal(request.fromText), PlainDecimal(request.toText));
        break;
    default:
        result.currentOperation = -1;
        result.outcome = DigitOutcome::Refused;
        break;
    }
    return result;
}

std::string DigitDataStatusText(int game, const DigitGameTables& tables) {
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
    return game == kFourNumber ? "No 4 Number Game Data Available" : "No 3 Number Game Data Available";
}

} // namespace vantorel
