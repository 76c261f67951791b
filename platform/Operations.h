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
    kNumberRangeSearch = 11,   // 3 and 4 Number
    kPartialNumberSearch = 11, // 5 Number, 6 Number and Power Ball
};

inline constexpr int kOperationCount = 12;

// A search stops after this many matches: the result list's match store holds 730 entries, the last one
// ending the list.
inline constexpr int kMatchListLimit = 729;

} // namespace vantorel
