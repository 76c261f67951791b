// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotto/LottoBestGuess.h"

#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"
#include "platform/PlainDecimal.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace vantorel {

namespace {

// Entries of the hottest and overdue lists that a Best Guess looks at.
constexpr std::size_t kListEntries = 7;
// The 6 Number alternating fill and Nihilistic strategy give up after this many rounds.
constexpr int kSixNumberRounds = 14;
// A safeguard against a random source that never yields a usable value.
constexpr int kRandomDrawLimit = 10000;

enum class Parity { Even, Odd };

bool HasParity(int number, Parity parity) {
    return (number % 2 == 0) == (parity == Parity::Even);
}

// The entry at `index` (from 0) of a list; 0 stands for a missing entry.
int EntryAt(const std::vector<int>& list, std::size_t index) {
    return index < list.size() ? list[index] : 0;
}

int CountParity(const std::vector<int>& list, Parity parity) {
    const auto end = list.begin() + static_cast<std::ptrdiff_t>(std::min(list.size(), kListEntries));
    return static_cast<int>(
        std::count_if(list.begin(), end, [parity](int n) { return HasParity(n, parity); }));
}

// The slots of one prediction. 0 marks an open slot. A number is placed only once, and 0 (a missing
// entry) is never placed.
class PickSlots final {
public:
    explicit PickSlots(std::size_t size) : slots_(size, 0) {}

    bool Usable(int number) const {
        return number != 0 && std::find(slots_.begin(), slots_.end(), number) == slots_.end();
    }
    bool Place(std::size_t slot, int number) {
        if (slot >= slots_.size() || !Usable(number)) {
            return false;
        }
        slots_[slot] = number;
        return true;
    }
    // Places into the next slot of the running count.
    bool Append(int number) {
        if (!Place(appended_, number)) {
            return false;
        }
        ++appended_;
        return true;
    }
    std::size_t appended() const { return appended_; }
    bool Complete() const { return std::find(slots_.begin(), slots_.end(), 0) == slots_.end(); }

    // Fills the open slots among the first `count` with the first usable entries of the lists, in order.
    void FillOpen(std::size_t count, std::initializer_list<const std::vector<int>*> lists) {
        for (std::size_t slot = 0; slot < std::min(count, slots_.size()); ++slot) {
            for (const std::vector<int>* list : lists) {
                for (std::size_t i = 0; i < std::min(list->size(), kListEntries) && slots_[slot] == 0; ++i) {
                    Place(slot, (*list)[i]);
                }
            }
        }
    }
    std::vector<int> Take() && { return std::move(slots_); }

private:
    std::vector<int> slots_;
    std::size_t appended_ = 0;
};

// One quota pass: appends the numbers of the wanted parity, in list order from `start`, until the running
// slot count reaches `target`.
void QuotaPass(PickSlots& picks, const std::vector<int>& list, Parity parity, std::size_t start,
               std::size_t target) {
    for (std::size_t i = start; i < std::min(list.size(), kListEntries) && picks.appended() < target; ++i) {
        if (HasParity(list[i], parity)) {
            picks.Append(list[i]);
        }
    }
}

struct ParityCounts {
    int hottestOdd;
    int hottestEven;
    int overdueOdd;
    int overdueEven;

    bool AtLeast(int hOdd, int hEven, int oOdd, int oEven) const {
        return hottestOdd >= hOdd && hottestEven >= hEven && overdueOdd >= oOdd && overdueEven >= oEven;
    }
};

ParityCounts CountParities(const std::vector<int>& hottest, const std::vector<int>& overdue) {
    return {CountParity(hottest, Parity::Odd), CountParity(hottest, Parity::Even),
            CountParity(overdue, Parity::Odd), CountParity(overdue, Parity::Even)};
}

// A row of the 5 Number quota table.
struct FiveNumberRow {
    std::array<int, 4> minimum; // hOdd, hEven, oOdd, oEven
    std::array<std::size_t, 4> targets;
    std::size_t hottestFallbacks; // fallback slots 1..n take H1..Hn, the others Ok
};

FiveNumberRow FiveNumberRowFor(bool oddDraw, bool optimistic) {
    if (oddDraw) {
        return optimistic ? FiveNumberRow{{2, 1, 1, 1}, {2, 3, 4, 5}, 3}
                          : FiveNumberRow{{1, 1, 2, 1}, {1, 2, 4, 5}, 2};
    }
    return optimistic ? FiveNumberRow{{1, 2, 1, 1}, {1, 3, 4, 5}, 3}
                      : FiveNumberRow{{1, 1, 1, 2}, {1, 2, 3, 5}, 2};
}

void FiveNumberQuotas(PickSlots& picks, const std::vector<int>& hottest, const std::vector<int>& overdue,
                      bool oddDraw, bool optimistic) {
    const FiveNumberRow row = FiveNumberRowFor(oddDraw, optimistic);
    const ParityCounts counts = CountParities(hottest, overdue);
    if (counts.AtLeast(row.minimum[0], row.minimum[1], row.minimum[2], row.minimum[3])) {
        // When pass 1 ends at one slot, pass 2 starts at the second entry of H.
        const std::size_t secondPassStart = row.targets[0] == 1 ? 1 : 0;
        QuotaPass(picks, hottest, Parity::Odd, 0, row.targets[0]);
        QuotaPass(picks, hottest, Parity::Even, secondPassStart, row.targets[1]);
        QuotaPass(picks, overdue, Parity::Odd, 0, row.targets[2]);
        QuotaPass(picks, overdue, Parity::Even, 0, row.targets[3]);
        return;
    }
    for (std::size_t slot = 0; slot < 5; ++slot) {
        const std::vector<int>& list = slot < row.hottestFallbacks ? hottest : overdue;
        picks.Place(slot, EntryAt(list, slot));
    }
}

std::vector<int> NumbersOf(std::string_view text) {
    std::vector<int> numbers;
    std::size_t start = 0;
    for (std::size_t space = text.find(' '); space != std::string_view::npos; space = text.find(' ', start)) {
        numbers.push_back(PlainDecimal(text.substr(start, space - start)));
        start = space + 1;
    }
    return numbers;
}

std::vector<int> NoPrediction(std::size_t size) {
    std::vector<int> picks(size, 0);
    picks.front() = kNoPrediction;
    return picks;
}

// The two interleaved lists of the 6 Number game: for i = 1..7, Hi then Oi when of the list's parity.
std::array<std::vector<int>, 2> InterleavedLists(const std::vector<int>& hottest,
                                                 const std::vector<int>& overdue) {
    std::vector<int> even;
    std::vector<int> odd;
    for (std::size_t i = 0; i < kListEntries; ++i) {
        for (const int number : {EntryAt(hottest, i), EntryAt(overdue, i)}) {
            if (number != 0) {
                (HasParity(number, Parity::Even) ? even : odd).push_back(number);
            }
        }
    }
    return {even, odd};
}

// The alternating fill (no random source) or the Nihilistic walk over the interleaved lists; it gives up
// after the round limit.
void SixNumberWalk(PickSlots& picks, const std::vector<int>& even, const std::vector<int>& odd,
                   RandomSource* random) {
    std::size_t cursor = 0;
    // An entry already picked is passed over: the cursor moves on without filling a slot.
    const auto take = [&](int number) {
        picks.Append(number);
        ++cursor;
    };
    for (int round = 1; picks.appended() < 6 && round <= kSixNumberRounds; ++round) {
        if (random == nullptr) {
            if (EntryAt(even, cursor) != 0) {
                take(EntryAt(even, cursor));
            }
            if (picks.appended() < 6 && EntryAt(odd, cursor) != 0) {
                take(EntryAt(odd, cursor));
            }
            continue;
        }
        const bool evenDraw = random->Next() % 2 == 0;
        const std::vector<int>& preferred = evenDraw ? odd : even;
        const std::vector<int>& other = evenDraw ? even : odd;
        if (EntryAt(preferred, cursor) != 0) {
            take(EntryAt(preferred, cursor));
        } else if (EntryAt(other, cursor) != 0) {
            take(EntryAt(other, cursor));
        }
    }
}

// The slot rules of the Power Ball Optimistic and Pessimistic strategies.
enum class Scan { First, Next };
enum class List { Hottest, Overdue };
struct SlotRule {
    List list;
    Scan scan;
    Parity parity;
    std::size_t fallback; // entry index, from 0
};
struct PowerballRules {
    std::array<SlotRule, 5> slots;
    List powerList;
    Parity powerParity;
};

PowerballRules PowerballRulesFor(bool optimistic, bool evenShareHigh) {
    using enum List;
    using enum Scan;
    constexpr Parity even = Parity::Even;
    constexpr Parity odd = Parity::Odd;
    if (optimistic) {
        return {{{{Hottest, First, even, 0},
                  {Hottest, Next, evenShareHigh ? even : odd, 1},
                  {Hottest, Next, odd, 2},
                  {Overdue, First, even, 0},
                  {Overdue, First, odd, 1}}},
                Hottest,
                evenShareHigh ? even : odd};
    }
    return {{{{Hottest, First, even, 0},
              {Hottest, Next, odd, 1},
              {Overdue, First, even, 0},
              {Overdue, Next, even, 1},
              {Overdue, evenShareHigh ? Next : First, odd, 2}}},
            Overdue,
            evenShareHigh ? odd : even};
}

// The index of the first usable number of the parity at or after `start`.
std::optional<std::size_t> FindParity(const PickSlots& picks, const std::vector<int>& list, Parity parity,
                                      std::size_t start) {
    for (std::size_t i = start; i < std::min(list.size(), kListEntries); ++i) {
        if (HasParity(list[i], parity) && picks.Usable(list[i])) {
            return i;
        }
    }
    return std::nullopt;
}

void PowerballRuleSlots(PickSlots& picks, const PowerballGuessLists& lists, std::size_t firstGroupBalls,
                        const PowerballRules& rules) {
    std::size_t previousPosition = 0;
    for (std::size_t slot = 0; slot < std::min(firstGroupBalls, rules.slots.size()); ++slot) {
        const SlotRule& rule = rules.slots[slot];
        const std::vector<int>& list = rule.list == List::Hottest ? lists.hottest : lists.overdue;
        const std::size_t start = rule.scan == Scan::First ? 0 : previousPosition + 1;
        const std::size_t position = FindParity(picks, list, rule.parity, start).value_or(rule.fallback);
        picks.Place(slot, EntryAt(list, position));
        previousPosition = position;
    }
}

// Nihilistic: random digits pick entries 2, 4, 6 of H (odd digit) or 1, 3, 5, 7 of O (even digit), each
// entry at most once.
void PowerballNihilisticSlots(PickSlots& picks, const PowerballGuessLists& lists, std::size_t firstGroupBalls,
                              RandomSource& random) {
    std::array<bool, kListEntries> marked{};
    const auto entryOf = [&](std::size_t digit) {
        return EntryAt(digit % 2 != 0 ? lists.hottest : lists.overdue, digit);
    };
    const auto anyLeft = [&] {
        for (std::size_t digit = 0; digit < kListEntries; ++digit) {
            if (!marked[digit] && picks.Usable(entryOf(digit))) {
                return true;
            }
        }
        return false;
    };
    for (int draw = 0; picks.appended() < firstGroupBalls && anyLeft() && draw < kRandomDrawLimit; ++draw) {
        const auto digit = static_cast<std::size_t>(RandomDigit(random));
        if (!marked[digit] && picks.Usable(entryOf(digit))) {
            marked[digit] = true;
            picks.Append(entryOf(digit));
        }
    }
}

} // namespace

BestGuessStrategy StrategyOf(const SetupChoices& choices) {
    if (choices[kBestGuessOptimistic]) {
        return BestGuessStrategy::Optimistic;
    }
    if (choices[kBestGuessNihilistic]) {
        return BestGuessStrategy::Nihilistic;
    }
    return BestGuessStrategy::Pessimistic;
}

int RandomDigit(RandomSource& random) {
    for (int draw = 0; draw < kRandomDrawLimit; ++draw) {
        // The last digit of the value as text, also for a value with a sign.
        const int digit = std::abs(random.Next() % 10);
        if (digit <= 6) {
            return digit;
        }
    }
    return 0;
}

std::vector<int> FiveNumberGuess(const std::vector<int>& hottest, const std::vector<int>& overdue,
                                 BestGuessStrategy strategy, RandomSource& random) {
    const bool oddDraw = random.Next() % 2 != 0;
    PickSlots picks(5);
    if (strategy == BestGuessStrategy::Nihilistic) {
        const bool oddSecondDraw = random.Next() % 2 != 0;
        const std::vector<int>& list = oddDraw == oddSecondDraw ? hottest : overdue;
        for (std::size_t slot = 0; slot < 5; ++slot) {
            picks.Place(slot, EntryAt(list, slot));
        }
    } else {
        FiveNumberQuotas(picks, hottest, overdue, oddDraw, strategy == BestGuessStrategy::Optimistic);
    }
    picks.FillOpen(5, {&hottest, &overdue});
    return std::move(picks).Take();
}

std::vector<int> SixNumberGuess(const std::vector<int>& hottest, const std::vector<int>& overdue,
                                BestGuessStrategy strategy, RandomSource& random) {
    PickSlots picks(6);
    const ParityCounts counts = CountParities(hottest, overdue);
    const bool optimistic = strategy == BestGuessStrategy::Optimistic && counts.AtLeast(2, 2, 1, 1);
    const bool pessimistic = strategy == BestGuessStrategy::Pessimistic && counts.AtLeast(1, 1, 2, 2);
    if (optimistic || pessimistic) {
        QuotaPass(picks, hottest, Parity::Odd, 0, optimistic ? 2 : 1);
        QuotaPass(picks, overdue, Parity::Odd, 0, 3);
        QuotaPass(picks, hottest, Parity::Even, 0, optimistic ? 5 : 4);
        QuotaPass(picks, overdue, Parity::Even, 0, 6);
        picks.FillOpen(6, {&hottest, &overdue});
    } else {
        const auto [even, odd] = InterleavedLists(hottest, overdue);
        RandomSource* walkRandom = strategy == BestGuessStrategy::Nihilistic ? &random : nullptr;
        SixNumberWalk(picks, even, odd, walkRandom);
    }
    // Six slots not filled (the walk gave up, or too few numbers for the quotas): no prediction.
    const bool complete = picks.Complete();
    std::vector<int> result = std::move(picks).Take();
    if (!complete) {
        result.front() = kNoPrediction;
    }
    return result;
}

std::vector<int> PowerballGuess(const PowerballGuessLists& lists, int firstGroupBalls,
                                BestGuessStrategy strategy, RandomSource& random) {
    const auto balls = static_cast<std::size_t>(std::max(firstGroupBalls, 0));
    const int digit = RandomDigit(random);
    PickSlots picks(balls + 1);
    int power = 0;
    if (strategy == BestGuessStrategy::Nihilistic) {
        PowerballNihilisticSlots(picks, lists, balls, random);
        const auto lastDigit = static_cast<std::size_t>(RandomDigit(random));
        power = EntryAt(lastDigit % 2 != 0 ? lists.overduePower : lists.hottestPower, lastDigit);
    } else {
        const PowerballRules rules =
            PowerballRulesFor(strategy == BestGuessStrategy::Optimistic, lists.evenShareSum >= 100);
        PowerballRuleSlots(picks, lists, balls, rules);
        const std::vector<int>& powerList =
            rules.powerList == List::Hottest ? lists.hottestPower : lists.overduePower;
        const auto seen =
            powerList.begin() + static_cast<std::ptrdiff_t>(std::min(powerList.size(), kListEntries));
        const auto firstOfParity = std::find_if(powerList.begin(), seen, [&](int number) {
            return number != 0 && HasParity(number, rules.powerParity);
        });
        power = firstOfParity != seen ? *firstOfParity : EntryAt(powerList, static_cast<std::size_t>(digit));
    }
    picks.FillOpen(balls, {&lists.hottest, &lists.overdue});
    std::vector<int> result = std::move(picks).Take();
    // The Power Ball comes from its own group, so it may equal a first-group pick.
    result.back() = power != 0 ? power : EntryAt(lists.hottestPower, 0);
    return result;
}

std::vector<int> BestGuess(const LottoDrawTable& table, const GameSettings& settings,
                           const SetupChoices& choices, RandomSource& random) {
    const auto balls = static_cast<std::size_t>(table.ballsPerDrawing());
    // The maximum's message is the operation's to tell (see ApplyLottoOperation).
    const Outcome<std::string> hottestText = table.SevenBalls(PickMode::Hottest, settings);
    if (hottestText.refused()) {
        return NoPrediction(balls);
    }
    const std::vector<int> hottest = NumbersOf(*hottestText);
    const std::vector<int> overdue = NumbersOf(table.SevenBalls(PickMode::Overdue, settings).value());
    const BestGuessStrategy strategy = StrategyOf(choices);
    if (table.gameType() == kSixNumber) {
        return SixNumberGuess(hottest, overdue, strategy, random);
    }
    std::vector<int> picks = FiveNumberGuess(hottest, overdue, strategy, random);
    const int maximum = settings.fiveNumberMax;
    if (std::any_of(picks.begin(), picks.end(), [maximum](int pick) { return pick < 1 || pick > maximum; })) {
        picks.front() = kNoPrediction;
    }
    return picks;
}

std::vector<int> BestGuess(const PowerballDrawTable& table, const GameSettings& settings,
                           const SetupChoices& choices, RandomSource& random) {
    PowerballGuessLists lists;
    table.SevenPerGroup(lists.overdue, lists.overduePower, PickMode::Overdue, settings);
    table.SevenPerGroup(lists.hottest, lists.hottestPower, PickMode::Hottest, settings);
    // The even percentages of both groups: the numbers before the first and the third percent sign of the
    // Even - Odd line.
    const std::string shares = table.ShareText(kShareEvenOdd, settings);
    std::vector<int> percents;
    for (std::size_t sign = shares.find('%'); sign != std::string::npos; sign = shares.find('%', sign + 1)) {
        const std::size_t start = shares.find_last_of(' ', sign) + 1;
        percents.push_back(PlainDecimal(std::string_view(shares).substr(start, sign - start)));
    }
    lists.evenShareSum = percents.size() >= 3 ? percents[0] + percents[2] : 0;

    std::vector<int> picks = PowerballGuess(lists, table.ballsPerDrawing, StrategyOf(choices), random);
    const auto inGroup = [](int pick, int maximum) {
        return pick >= 1 && pick <= maximum;
    };
    const bool firstGroupValid = std::all_of(
        picks.begin(), picks.end() - 1, [&](int pick) { return inGroup(pick, settings.powerballGroup1Max); });
    if (!firstGroupValid || !inGroup(picks.back(), settings.powerballGroup2Max)) {
        picks.front() = kNoPrediction;
    }
    return picks;
}

} // namespace vantorel
