// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameCatalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantorel {

// The operations of the game pages, one radio button each.
enum class Operation : std::uint8_t {
    kDistribution,
    kEvenOdd,
    kHighLow,
    kTotals,
    kOverdue,
    kHottest,
    kRandom,
    kBestGuess,
    kDateSearch,
    kDateRangeSearch,
    kNumberSearch,
    kNumberRangeSearch,   // 3 and 4 Number
    kPartialNumberSearch, // 5 Number, 6 Number and Power Ball, on the radio of Number Range
};
using enum Operation;
inline constexpr int kOperationCount = 13;

// The three groups of radios on a game page.
enum class OperationGroup { kAnalyze, kPredict, kSearch };

// The fields of a game page that an operation reads.
enum OperationInput : unsigned {
    kNoInput = 0,
    kQueryInput = 1,  // the first field: a date, a number or the lotto query
    kRangeInputs = 2, // From and To
    kPowerInput = 4,  // the Power Ball field
};

// Which games have an operation, by family.
enum FamilyMask : unsigned { kDigitGames = 1, kLottoGames = 2, kPowerballGame = 4, kEveryGame = 7 };

constexpr unsigned MaskOf(GameFamily family) {
    return family == GameFamily::kDigit   ? kDigitGames
           : family == GameFamily::kLotto ? kLottoGames
                                          : kPowerballGame;
}

// What one operation is: the row of the operation table that the pages, the sheet and vantorel-cli read.
struct OperationEntry {
    Operation operation;
    int radio;                  // its radio's place on a game page, in page order
    OperationGroup group;       // the group of radios it stands in
    std::string_view caption;   // the radio's caption
    std::string_view radioName; // the radio's object name
    std::string_view cliWord;   // vantorel-cli's OPERATION
    unsigned inputs;            // OperationInput flags: the fields the page enables for it
    bool chart;                 // drawn by the chart view after OK, rather than listed on "Deja View"
    bool datedOnly;             // searches the dated history only
    unsigned families;          // FamilyMask: the games that have it
};

inline constexpr std::array<OperationEntry, kOperationCount> kOperationTable = {{
    // clang-format off
    {kDistribution,        0, OperationGroup::kAnalyze, "Distribution",   "distributionRadio",  "distribution",   kNoInput,    true,  false, kEveryGame},
    {kEvenOdd,             1, OperationGroup::kAnalyze, "Even - Odd",     "evenOddRadio",       "even-odd",       kNoInput,    false, false, kEveryGame},
    {kHighLow,             2, OperationGroup::kAnalyze, "High - Low",     "highLowRadio",       "high-low",       kNoInput,    false, false, kEveryGame},
    {kTotals,              3, OperationGroup::kAnalyze, "Totals",         "totalsRadio",        "totals",         kNoInput,    false, false, kEveryGame},
    {kOverdue,             4, OperationGroup::kPredict, "Overdue",        "overdueRadio",       "overdue",        kNoInput,    false, false, kEveryGame},
    {kHottest,             5, OperationGroup::kPredict, "Hottest",        "hottestRadio",       "hottest",        kNoInput,    false, false, kEveryGame},
    {kRandom,              6, OperationGroup::kPredict, "Random",         "randomRadio",        "random",         kNoInput,    true,  false, kEveryGame},
    {kBestGuess,           7, OperationGroup::kPredict, "Best Guess",     "bestGuessRadio",     "best-guess",     kNoInput,    true,  false, kEveryGame},
    {kDateSearch,          8, OperationGroup::kSearch, "Date",           "dateRadio",          "date",           kQueryInput, false, true,  kEveryGame},
    {kDateRangeSearch,     9, OperationGroup::kSearch, "Date Range",     "dateRangeRadio",     "date-range",     kRangeInputs, false, true, kEveryGame},
    {kNumberSearch,       10, OperationGroup::kSearch, "Number",         "numberRadio",        "number",         kQueryInput | kPowerInput, false, false, kEveryGame},
    {kNumberRangeSearch,  11, OperationGroup::kSearch, "Number Range",   "numberRangeRadio",   "number-range",   kRangeInputs, false, false, kDigitGames},
    {kPartialNumberSearch, 11, OperationGroup::kSearch, "Partial Number", "partialNumberRadio", "partial-number", kQueryInput | kPowerInput, false, false, kLottoGames | kPowerballGame},
    // clang-format on
}};

// The radios of a game page: one place for each radio number of the table (the last one is Number Range or
// Partial Number, by the game).
inline constexpr int kOperationRadioCount = [] {
    int highest = 0;
    for (const OperationEntry& entry : kOperationTable) {
        highest = entry.radio > highest ? entry.radio : highest;
    }
    return highest + 1;
}();

constexpr const OperationEntry& EntryOf(Operation operation) {
    return kOperationTable[static_cast<std::size_t>(operation)];
}
constexpr int RadioOf(Operation operation) {
    return EntryOf(operation).radio;
}
constexpr bool HasOperation(GameFamily family, Operation operation) {
    return (EntryOf(operation).families & MaskOf(family)) != 0;
}
// Distribution, Random and Best Guess: the chart view draws their results after the sheet closes.
constexpr bool IsChartOperation(Operation operation) {
    return EntryOf(operation).chart;
}
// The operation of a game's radio; nothing for a radio that is no operation.
constexpr std::optional<Operation> OperationAtRadio(int radio, GameFamily family) {
    for (const OperationEntry& entry : kOperationTable) {
        if (entry.radio == radio && (entry.families & MaskOf(family)) != 0) {
            return entry.operation;
        }
    }
    return std::nullopt;
}
// The operation vantorel-cli names by `word` for a game of the family; nothing when the game has none.
constexpr std::optional<Operation> OperationOfCliWord(std::string_view word, GameFamily family) {
    for (const OperationEntry& entry : kOperationTable) {
        if (entry.cliWord == word && (entry.families & MaskOf(family)) != 0) {
            return entry.operation;
        }
    }
    return std::nullopt;
}

// Which end of a tally a prediction takes: the numbers drawn least often (Overdue) or most often
// (Hottest).
enum class PickMode { Overdue, Hottest };

// The pick mode of the Overdue and Hottest operations (Hottest for Hottest, Overdue otherwise).
constexpr PickMode PickModeOf(Operation operation) {
    return operation == kHottest ? PickMode::Hottest : PickMode::Overdue;
}

// A search stops after this many matches: the result list's match store holds 730 entries, the last one
// ending the list.
inline constexpr int kMatchListLimit = 729;

} // namespace vantorel
