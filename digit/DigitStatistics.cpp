// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-table analyses of DigitDrawTable: Even - Odd, High - Low, Totals, Distribution, the hottest
// and overdue digits per position and whole numbers, and the random digits of "Random".

#include "digit/DigitDigits.h"
#include "digit/DigitDrawTable.h"
#include "digit/DigitText.h"
#include "platform/Clock.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"

#include <algorithm>
#include <charconv>

namespace vantorel {

using digit_detail::DigitsOf;

namespace {

using DigitTally = std::array<int, 10>;

// Counts one digit of every in-range number, once per position, with a predicate on the digit.
template <typename Predicate>
int CountDigitsWhere(const std::vector<int>& numbers, int positions, Predicate predicate) {
    int matching = 0;
    for (const int number : numbers) {
        if (const auto digits = DigitsOf(number, positions)) {
            for (int position = 0; position < positions; ++position) {
                matching += predicate((*digits)[static_cast<std::size_t>(position)]) ? 1 : 0;
            }
        }
    }
    return matching;
}

int DigitsCounted(const std::vector<int>& numbers, int positions) {
    return CountDigitsWhere(numbers, positions, [](int) { return true; });
}

// The digit each rank of a sorted tally stands for: from the highest rank down, the lowest digit not
// yet given whose count equals the rank's count. Equal counts thus give the higher rank the lower digit.
DigitTally DigitsByRank(const DigitTally& tally, const DigitTally& sorted) {
    DigitTally rankDigit{};
    std::array<bool, 10> given{};
    for (int rank = 9; rank >= 0; --rank) {
        for (int digit = 0; digit <= 9; ++digit) {
            const auto d = static_cast<std::size_t>(digit);
            if (!given[d] && tally[d] == sorted[static_cast<std::size_t>(rank)]) {
                rankDigit[static_cast<std::size_t>(rank)] = digit;
                given[d] = true;
                break;
            }
        }
    }
    return rankDigit;
}

// One position's character and, when its extreme count is shared, its tie list "  ( a b )".
void PickPosition(const DigitTally& tally, bool hottest, std::string& characters, std::string& tieLists) {
    DigitTally sorted = tally;
    std::sort(sorted.begin(), sorted.end());
    const DigitTally rankDigit = DigitsByRank(tally, sorted);
    // Hottest walks the ranks down from the top, Overdue up from the bottom.
    const int firstRank = hottest ? 9 : 0;
    const int step = hottest ? -1 : 1;
    const auto at = [](const DigitTally& values, int rank) {
        return values[static_cast<std::size_t>(rank)];
    };
    const int extreme = at(sorted, firstRank);
    if (at(sorted, firstRank + step) != extreme) {
        characters += static_cast<char>('0' + at(rankDigit, firstRank));
        return;
    }
    characters += '?';
    tieLists += "  ( ";
    for (int rank = firstRank; rank >= 0 && rank <= 9 && at(sorted, rank) == extreme; rank += step) {
        tieLists += static_cast<char>('0' + at(rankDigit, rank));
        tieLists += ' ';
    }
    tieLists += ')';
}

} // namespace

std::string PickByPosition(std::span<const int> numbers, int positions, PickMode mode) {
    std::array<DigitTally, 4> tallies{};
    for (const int number : numbers) {
        if (const auto digits = DigitsOf(number, positions)) {
            for (int position = 0; position < positions; ++position) {
                const auto p = static_cast<std::size_t>(position);
                ++tallies[p][static_cast<std::size_t>((*digits)[p])];
            }
        }
    }
    std::string characters;
    std::string tieLists;
    for (int position = 0; position < positions; ++position) {
        PickPosition(tallies[static_cast<std::size_t>(position)], mode == PickMode::Hottest, characters,
                     tieLists);
    }
    return characters + tieLists;
}

std::string DigitDrawTable::PickByPosition(PickMode mode) const {
    return vantorel::PickByPosition(numbers, digitPositions(), mode);
}

std::string DigitDrawTable::PickByNumber(PickMode mode) const {
    const std::vector<int> totals = CountTotals();
    const auto extreme = mode == PickMode::Hottest ? std::max_element(totals.begin(), totals.end())
                                                   : std::min_element(totals.begin(), totals.end());
    const auto ties = std::count(totals.begin(), totals.end(), *extreme);
    if (ties == 1) {
        return std::to_string(extreme - totals.begin());
    }
    // Every tie as its digits and "\n", written straight into room for the longest of them.
    constexpr std::size_t kLongestTie = 6; // at most 5 digits (the table has at most 10000 numbers), "\n"
    std::string tieList(static_cast<std::size_t>(ties) * kLongestTie, '\0');
    char* next = tieList.data();
    for (std::size_t number = 0; number < totals.size(); ++number) {
        if (totals[number] == *extreme) {
            next = std::to_chars(next, next + kLongestTie, number).ptr;
            *next++ = '\n';
        }
    }
    tieList.resize(static_cast<std::size_t>(next - tieList.data()));
    return tieList;
}

CountPair DigitDrawTable::CountEvenOdd(const SetupChoices& choices) const {
    CountPair counts;
    if (choices[kEvenOddCountNumbers]) {
        counts.first =
            static_cast<int>(std::count_if(numbers.begin(), numbers.end(), [](int n) { return n % 2 == 0; }));
        counts.second = count() - counts.first;
    } else if (choices[kEvenOddCountBalls]) {
        counts.first = CountDigitsWhere(numbers, digitPositions(), [](int digit) { return digit % 2 == 0; });
        counts.second = DigitsCounted(numbers, digitPositions()) - counts.first;
    }
    return counts;
}

CountPair DigitDrawTable::CountHighLow(const SetupChoices& choices) const {
    CountPair counts;
    if (choices[kHighLowCountNumbers]) {
        const int highestLow = numberRange() / 2 - 1;
        counts.first = static_cast<int>(
            std::count_if(numbers.begin(), numbers.end(), [highestLow](int n) { return n > highestLow; }));
        counts.second = count() - counts.first;
    } else if (choices[kHighLowCountBalls]) {
        counts.first = CountDigitsWhere(numbers, digitPositions(), [](int digit) { return digit > 4; });
        counts.second = DigitsCounted(numbers, digitPositions()) - counts.first;
    }
    return counts;
}

std::vector<int> DigitDrawTable::CountTotals() const {
    std::vector<int> totals(static_cast<std::size_t>(numberRange()), 0);
    for (const int number : numbers) {
        if (number >= 0 && number < numberRange()) {
            ++totals[static_cast<std::size_t>(number)];
        }
    }
    return totals;
}

void DigitDrawTable::CountDeciles(std::array<int, 10>& deciles, double rangeSize) const {
    static constexpr std::array<double, 9> kBucketFactors = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
    for (const int number : numbers) {
        std::size_t bucket = 0;
        while (bucket < kBucketFactors.size() && number >= rangeSize * kBucketFactors[bucket]) {
            ++bucket;
        }
        ++deciles[bucket];
    }
}

void DigitDrawTable::CountDigits(std::array<int, 10>& digitCounts) const {
    for (const int number : numbers) {
        if (const auto digits = DigitsOf(number, digitPositions())) {
            for (int position = 0; position < digitPositions(); ++position) {
                ++digitCounts[static_cast<std::size_t>((*digits)[static_cast<std::size_t>(position)])];
            }
        }
    }
}

std::string RandomDigits(int digits, RandomSource& random) {
    std::string text;
    for (int i = 0; i < digits; ++i) {
        text += std::to_string(random.Next()).back();
    }
    return text;
}

std::string RandomDigits(int digits, int seed, const Clock& clock) {
    RandomGenerator random = RandomGenerator::Seeded(seed, clock);
    return RandomDigits(digits, random);
}

} // namespace vantorel
