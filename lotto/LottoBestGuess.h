// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace vantorel {

class LottoDrawTable;
class PowerballDrawTable;
class RandomSource;
class SetupChoices;
struct GameSettings;

// The first pick of a prediction that could not be made (too little history, a maximum the game does not
// accept, a pick outside the game's balls); the chart view then shows "Insufficient Best Guess Data".
inline constexpr int kNoPrediction = -1;

enum class BestGuessStrategy { Optimistic, Pessimistic, Nihilistic };

// The strategy chosen on the Setup page (Pessimistic when, against the rules, none is set).
BestGuessStrategy StrategyOf(const SetupChoices& choices);

// Best Guess of the 5 Number (five picks) and 6 Number game (six picks), from the seven hottest and seven
// overdue balls of the table. `random` is the generator the operation seeds with the clock.
std::vector<int> BestGuess(const LottoDrawTable& table, const GameSettings& settings,
                           const SetupChoices& choices, RandomSource& random);
// Best Guess of the Power Ball game: ballsPerDrawing first-group picks, then the Power Ball.
std::vector<int> BestGuess(const PowerballDrawTable& table, const GameSettings& settings,
                           const SetupChoices& choices, RandomSource& random);

// The steps behind them, on the hottest list H (most drawn first) and the overdue list O (least drawn
// first). A number is never picked twice and a missing entry is never picked; slots that the strategy
// leaves open take the first unused numbers of H, then of O; what stays open is 0.
std::vector<int> FiveNumberGuess(const std::vector<int>& hottest, const std::vector<int>& overdue,
                                 BestGuessStrategy strategy, RandomSource& random);
// The alternating fill and the Nihilistic strategy give up (first pick kNoPrediction) after 14 rounds.
std::vector<int> SixNumberGuess(const std::vector<int>& hottest, const std::vector<int>& overdue,
                                BestGuessStrategy strategy, RandomSource& random);

// Inputs of the Power Ball guess: the lists of SevenPerGroup and the sum of the even percentages of the
// two groups.
struct PowerballGuessLists {
    std::vector<int> hottest;
    std::vector<int> overdue;
    std::vector<int> hottestPower;
    std::vector<int> overduePower;
    int evenShareSum = 0;
};
// `firstGroupBalls` picks from the first group, then the Power Ball; a slot without a number holds 0.
std::vector<int> PowerballGuess(const PowerballGuessLists& lists, int firstGroupBalls,
                                BestGuessStrategy strategy, RandomSource& random);

// A random digit 0..6: the last decimal digit of a random value, drawn again while it is above 6.
int RandomDigit(RandomSource& random);

} // namespace vantorel
