#pragma once

namespace vantorel {

// Operation numbers, the same on every game page (one radio button each).
enum Operation : int {
    kDistribution = 0,
    kEvenOdd = 1,
    kHighLow = 2,
    kTotals = 3,
    kOverdue = 4,
    kHottest = 5,
    kRandom = 6,
    kBestGuess = 7,
    kDateSearch = 8,
    kDateRangeSearch = 9,
    kNumberSearch = 10,
    kNumberRangeSearch = 11, // "Number Range" on the 3 and 4 Number pages
};

// Operation 11 is one radio of every game page: "Number Range" on the digit pages, "Partial Number" on the
// 5 Number, 6 Number and Power Ball pages.
inline constexpr Operation kPartialNumberSearch = kNumberRangeSearch;

inline constexpr int kOperationCount = 12;

// Which end of a tally a prediction takes: the numbers drawn least often (Overdue) or most often
// (Hottest).
enum class PickMode { Overdue, Hottest };

// The pick mode of the Overdue and Hottest operations (Hottest for operation 5, Overdue otherwise).
constexpr PickMode PickModeOf(int operation) {
    return operation == kHottest ? PickMode::Hottest : PickMode::Overdue;
}

// A search stops after this many matches: the result list's match store holds 730 entries, the last one
// ending the list.
inline constexpr int kMatchListLimit = 729;

} // namespace vantorel
