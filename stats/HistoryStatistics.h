// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"
#include "platform/Outcome.h"
#include "stats/CalendarDay.h"
#include "stats/FairnessTest.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vantorel {

class DigitDrawTable;
class LottoDrawTable;
class PowerballDrawTable;

// The statistics of one history (dated or undated) of a game, over all its drawings or the newest N, in
// time order. Records: a value that does not exist is an empty optional.

// One number of the game's range. A record is kept for every number, 10,000 in the 4 Number game, so it is
// kept to 32 bytes: a value that does not exist is stored as a mark no real value takes, and read as an
// empty optional.
struct NumberStatistics {
    NumberStatistics() = default;
    NumberStatistics(int theNumber, int timesDrawn, std::optional<int> current, std::optional<int> longest,
                     std::optional<double> average, std::optional<CalendarDay> day);

    int number = 0;
    int count = 0; // how often it was drawn

    // Drawings since it last came: 0 when the newest drawing holds it; absent when it never came.
    std::optional<int> currentSkip() const { return Present(currentSkip_); }
    // The longest run of drawings without it between two of its appearances or since its last one;
    // absent when it never came.
    std::optional<int> longestSkip() const { return Present(longestSkip_); }
    // The mean run of drawings without it between two of its appearances; absent below two appearances.
    std::optional<double> averageSkip() const { return Present(averageSkip_); }
    // The date of the newest drawing that holds it (dated histories).
    std::optional<CalendarDay> lastSeen() const {
        return lastSeen_ == CalendarDay{} ? std::nullopt : std::optional(lastSeen_);
    }
    // Nothing but a count of 0: never drawn.
    bool NeverDrawn() const {
        return count == 0 && currentSkip_ < 0 && longestSkip_ < 0 && averageSkip_ < 0 &&
               lastSeen_ == CalendarDay{};
    }

    void SetSkips(int current, int longest) {
        currentSkip_ = current;
        longestSkip_ = longest;
    }
    void SetAverageSkip(double average) { averageSkip_ = average; }
    void SetLastSeen(const std::optional<CalendarDay>& day) { lastSeen_ = day.value_or(CalendarDay{}); }

    bool operator==(const NumberStatistics&) const = default;

private:
    // Skips and their mean are never negative; no drawing is dated 00/00/0000.
    static constexpr int kAbsentSkip = -1;
    static constexpr double kAbsentMean = -1.0;
    template <typename Value> static std::optional<Value> Present(Value value) {
        return value < 0 ? std::nullopt : std::optional(value);
    }

    int currentSkip_ = kAbsentSkip;
    int longestSkip_ = kAbsentSkip;
    double averageSkip_ = kAbsentMean;
    CalendarDay lastSeen_;
};

// The numbers of one group: the whole numbers of a digit game, the balls of a lotto game, or the Power
// Balls.
struct NumberGroupStatistics {
    std::string name; // "numbers", "balls", "Power Balls"
    int lowest = 0;
    int highest = 0;
    std::vector<NumberStatistics> numbers; // one per number lowest .. highest, those never drawn too
    int outsideRange = 0;                  // drawn values outside lowest .. highest (a hand-edited history)
};

// Numbers drawn together (ascending), or the digits of a box combination (ascending), and how many
// drawings hold them.
struct NumberCombination {
    std::vector<int> numbers;
    int count = 0;
    bool operator==(const NumberCombination&) const = default;
};

struct SumCount {
    int sum = 0;
    int drawings = 0;
    bool operator==(const SumCount&) const = default;
};

// Sums of the drawings: of the balls (Power Ball: the first group), or of the digits of a digit game.
struct SumStatistics {
    std::optional<double> mean;
    std::optional<double> standardDeviation; // the sample standard deviation, from two drawings on
    std::vector<SumCount> histogram;         // every sum from the smallest drawn to the largest
};

// Drawings by how their numbers split: `first` even and `second` odd, or `first` high and `second` low,
// in the program's own sense of each game (digit games: digits 5 to 9 are high).
struct SplitPattern {
    int first = 0;
    int second = 0;
    int drawings = 0;
    bool operator==(const SplitPattern&) const = default;
};

// Lotto games: pairs of consecutive numbers in a drawing (1 2 3 holds two).
struct ConsecutiveStatistics {
    std::vector<int> drawingsByPairs; // entry c: drawings that hold c consecutive pairs
    int drawingsWithAny = 0;
};

// Numbers a drawing repeats from the drawing before it (digit games: digits in the same position).
struct RepeatStatistics {
    std::optional<double> meanPerDrawing; // over the drawings that have one before them
    double randomExpectation = 0.0;       // the mean a fair draw gives
    std::vector<int> drawingsByRepeats;   // entry r: drawings that repeat r numbers
};

// Digit games: how often each digit stands in one position.
struct PositionDigits {
    std::string position; // "hundreds", "tens", "units"; "thousands" first in the 4 Number game
    std::array<int, 10> counts{};
};

struct HistoryStatistics {
    int gameType = 0;
    bool dated = false;
    int drawingsInHistory = 0;
    int drawings = 0; // analysed: all, or the newest N
    std::optional<CalendarDay> firstDate;
    std::optional<CalendarDay> lastDate;

    NumberGroupStatistics numbers;                   // digit games: the whole numbers; lotto: the balls
    std::optional<NumberGroupStatistics> powerBalls; // the Power Ball game's second group
    // Every pair drawn together at least once, the most frequent first (then in number order). Digit
    // games: two digits in two different positions of one drawing.
    std::vector<NumberCombination> pairs;
    std::vector<NumberCombination> triples;         // lotto games: the 50 most frequent
    std::vector<PositionDigits> positionDigits;     // digit games, highest position first
    std::vector<NumberCombination> boxCombinations; // digit games: the digits sorted, most frequent first
    SumStatistics sums;
    std::vector<SplitPattern> evenOdd;                // `first` even, `second` odd, one entry per split
    std::vector<SplitPattern> highLow;                // `first` high, `second` low
    std::optional<ConsecutiveStatistics> consecutive; // lotto games
    RepeatStatistics repeats;
    std::optional<RepeatStatistics> powerBallRepeats;
    // First the test of the game's numbers (lotto: the balls; digit games: the digits of every position
    // together), then its parts (the Power Balls; each digit position).
    std::vector<FairnessResult> fairness;
};

struct StatisticsOptions {
    std::optional<int> lastDrawings; // the newest N drawings only (N at least 1)
};

inline constexpr int kTopTriples = 50;

// The statistics of the table's history. Refused: a newest-N count below 1; for the lotto games a maximum
// (5BC, 6BC, PBC, PBB) below the balls of a drawing.
Outcome<HistoryStatistics> ComputeStatistics(const DigitDrawTable& table,
                                             const StatisticsOptions& options = {});
Outcome<HistoryStatistics> ComputeStatistics(const LottoDrawTable& table, const GameSettings& settings,
                                             const StatisticsOptions& options = {});
Outcome<HistoryStatistics> ComputeStatistics(const PowerballDrawTable& table, const GameSettings& settings,
                                             const StatisticsOptions& options = {});

} // namespace vantorel
