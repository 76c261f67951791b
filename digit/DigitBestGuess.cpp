// SPDX-License-Identifier: GPL-3.0-or-later
// "Best Guess": one predicted number built from the hottest (Optimistic) or the most overdue
// (Pessimistic) digit of each position, leaning the first digit to the low or high half and the last
// digit to odd or even against or with the history; or a scrambled random number (Nihilistic).

#include "digit/DigitDrawTable.h"
#include "platform/Operations.h"
#include "platform/PlainDecimal.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"

#include <algorithm>

namespace vantorel {

namespace {

using Candidates = std::vector<int>;

// A draw loop that waits for a wanted digit gives up after this many digits and takes the first wanted
// candidate instead, so a generator that never yields one cannot hang the program.
constexpr int kMaximumDraws = 10000;

int RandomDigit(RandomSource& random) {
    return random.Next() % 10;
}

// The candidate digits of each position, taken from a PickByPosition text: a digit stands for itself,
// a "?" for the digits of the next tie list "( a b )", in the order written there.
std::vector<Candidates> CandidatesOf(const std::string& pick, int positions) {
    std::vector<Candidates> tieLists;
    for (std::size_t open = pick.find('('); open != std::string::npos; open = pick.find('(', open + 1)) {
        Candidates list;
        for (std::size_t i = open + 1; i < pick.size() && pick[i] != ')'; ++i) {
            if (pick[i] >= '0' && pick[i] <= '9') {
                list.push_back(pick[i] - '0');
            }
        }
        tieLists.push_back(std::move(list));
    }
    std::vector<Candidates> candidates;
    std::size_t nextTieList = 0;
    for (int position = 0; position < positions && static_cast<std::size_t>(position) < pick.size();
         ++position) {
        const char character = pick[static_cast<std::size_t>(position)];
        if (character == '?' && nextTieList < tieLists.size()) {
            candidates.push_back(tieLists[nextTieList++]);
        } else if (character >= '0' && character <= '9') {
            candidates.push_back({character - '0'});
        } else {
            candidates.push_back({});
        }
    }
    candidates.resize(static_cast<std::size_t>(positions));
    return candidates;
}

template <typename Predicate> Candidates Preferred(const Candidates& candidates, Predicate predicate) {
    Candidates preferred;
    std::copy_if(candidates.begin(), candidates.end(), std::back_inserter(preferred), predicate);
    return preferred;
}

// Draws random digits until one satisfies `wanted`; after kMaximumDraws takes `fallback`.
template <typename Predicate> int DrawUntil(RandomSource& random, Predicate wanted, int fallback) {
    for (int draw = 0; draw < kMaximumDraws; ++draw) {
        const int digit = RandomDigit(random);
        if (wanted(digit)) {
            return digit;
        }
    }
    return fallback;
}

bool Contains(const Candidates& candidates, int digit) {
    return std::find(candidates.begin(), candidates.end(), digit) != candidates.end();
}

int FirstDigit(const Candidates& candidates, bool lowFirst, RandomSource& random) {
    const Candidates preferred =
        Preferred(candidates, [lowFirst](int digit) { return (digit <= 4) == lowFirst; });
    if (preferred.size() == 1) {
        return preferred.front();
    }
    if (candidates.size() == 1) {
        return candidates.front();
    }
    if (preferred.size() >= 2) {
        return DrawUntil(
            random, [&preferred](int digit) { return Contains(preferred, digit); }, preferred.front());
    }
    return RandomDigit(random);
}

int MiddleDigit(const Candidates& candidates, RandomSource& random) {
    return candidates.size() == 1 ? candidates.front() : RandomDigit(random);
}

int LastDigit(const Candidates& candidates, bool oddLast, RandomSource& random) {
    const auto wantedParity = [oddLast](int digit) {
        return (digit % 2 == 1) == oddLast;
    };
    const Candidates preferred = Preferred(candidates, wantedParity);
    if (preferred.size() == 1) {
        return preferred.front();
    }
    if (candidates.size() == 1) {
        return candidates.front();
    }
    if (preferred.empty()) {
        return RandomDigit(random);
    }
    return DrawUntil(random, wantedParity, preferred.front());
}

int NihilisticGuess(const DigitDrawTable& table, RandomSource& random) {
    const int drawn = PlainDecimal(RandomDigits(table.digitPositions(), random));
    const int guess = (drawn / 100) * 70 + ((drawn % 100) / 10) * 87 + (drawn % 10) * 78;
    return guess >= table.numberRange() ? guess % table.numberRange() : guess;
}

} // namespace

int DigitDrawTable::BestGuess(const SetupChoices& choices, RandomSource& random) const {
    if (choices[kBestGuessNihilistic]) {
        return NihilisticGuess(*this, random);
    }
    const bool pessimistic = choices[kBestGuessPessimistic] || !choices[kBestGuessOptimistic];

    // The split of the history by whole numbers, whatever the counting choices say.
    const int highestLow = numberRange() / 2 - 1;
    const auto high =
        std::count_if(numbers.begin(), numbers.end(), [highestLow](int n) { return n > highestLow; });
    const auto even = std::count_if(numbers.begin(), numbers.end(), [](int n) { return n % 2 == 0; });
    const bool highLead = high > count() - high;
    const bool evenLead = even > count() - even;

    // Pessimistic goes against the side that has led and takes the overdue digits, Optimistic goes with
    // it and takes the hottest.
    const bool lowFirst = pessimistic ? highLead : !highLead;
    const bool oddLast = pessimistic ? evenLead : !evenLead;

    const int positions = digitPositions();
    const std::vector<Candidates> candidates =
        CandidatesOf(PickByPosition(pessimistic ? PickMode::Overdue : PickMode::Hottest), positions);
    int guess = FirstDigit(candidates.front(), lowFirst, random);
    for (int position = 1; position < positions - 1; ++position) {
        guess = guess * 10 + MiddleDigit(candidates[static_cast<std::size_t>(position)], random);
    }
    return guess * 10 + LastDigit(candidates.back(), oddLast, random);
}

} // namespace vantorel
