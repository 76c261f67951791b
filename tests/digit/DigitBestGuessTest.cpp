#include "digit/DigitDrawTable.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "tests/digit/DigitTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::UndatedTable;

SetupChoices Strategy(int strategy) {
    SetupChoices choices;
    choices.Choose(strategy);
    return choices;
}

// Scripted values that also records how many were drawn.
class CountingRandom final : public RandomSource {
public:
    explicit CountingRandom(std::vector<int> values) : scripted_(std::move(values)) {}
    int Next() override {
        ++drawn;
        return scripted_.Next();
    }
    int drawn = 0;

private:
    ScriptedRandom scripted_;
};

// More high than low numbers and more even than odd; the overdue digits are 2 (hundreds), 5 (tens) and
// 8 (units) without ties, and the hottest are tied between 0 and 6 in every position.
std::vector<int> LeaningHistory() {
    std::vector<int> numbers;
    for (int digit = 0; digit <= 9; ++digit) {
        numbers.push_back(digit * 111);
    }
    for (const int extra : {0, 111, 322, 433, 544, 665, 776, 887, 999, 0, 666}) {
        numbers.push_back(extra);
    }
    return numbers;
}

TEST(DigitBestGuess, BuildsTheGuessFromTheCandidatesOfEachPosition) {
    const struct {
        const char* name;
        int game;
        std::vector<int> numbers;
        int strategy;
        std::vector<int> random;
        int expected;
        int drawn;
    } cases[] = {
        // lowFirst and oddLast hold: 2 is preferred, 5 single, 8 single although even.
        {"pessimistic without ties", 0, LeaningHistory(), kBestGuessPessimistic, {}, 258, 0},
        // lowFirst false: of the tie 0 6 only 6 is preferred; the tens tie takes any random digit; the
        // units tie 0 6 draws until an even digit comes (the first odd one is passed over).
        {"optimistic with ties", 0, LeaningHistory(), kBestGuessOptimistic, {13, 21, 40}, 630, 3},
        // A first position tied between 1 and 3 with lowFirst: draw until 1 or 3 comes.
        {"tie with two preferred", 0, {123, 323}, kBestGuessOptimistic, {5, 8, 3}, 323, 3},
        // A first position tied between 1 and 3 without lowFirst: any one random digit.
        {"tie with none preferred",
         0,
         {123, 123, 323, 323, 599, 699, 799, 899, 999},
         kBestGuessOptimistic,
         {7},
         799,
         1},
        // The units tied between 3 and 5 while more numbers are even (oddLast false): any one random digit.
        {"units tie of the wrong parity",
         0,
         {113, 115, 113, 115, 110, 112, 114, 116, 118},
         kBestGuessOptimistic,
         {4},
         114,
         1},
        // 4 Number: the middle positions without a tie give their digit.
        {"four number", 1, {1234, 1234, 5678}, kBestGuessOptimistic, {}, 1234, 0},
        {"nihilistic 999", 0, {1, 2}, kBestGuessNihilistic, {9, 9, 9}, 115, 3},
        {"nihilistic 0", 0, {}, kBestGuessNihilistic, {0, 10, 20}, 0, 3},
        {"nihilistic 4 number", 1, {}, kBestGuessNihilistic, {1, 2, 3, 4}, 1413, 4},
    };
    for (const auto& c : cases) {
        CountingRandom random(c.random);
        EXPECT_EQ(UndatedTable(c.game, c.numbers).BestGuess(Strategy(c.strategy), random), c.expected)
            << c.name;
        EXPECT_EQ(random.drawn, c.drawn) << c.name;
    }
}

TEST(DigitBestGuess, AGeneratorThatNeverYieldsAWantedDigitCannotHang) {
    ScriptedRandom onlyZeros({0});
    // The first position is tied between 1 and 3, both preferred: the first of them is taken in the end.
    EXPECT_EQ(UndatedTable(0, {123, 323}).BestGuess(Strategy(kBestGuessOptimistic), onlyZeros), 123);
}

} // namespace
} // namespace vantorel
