// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lotto/LottoDrawTable.h"
#include "store/HistoryFile.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

struct GameSettings;
struct HistoryText;

// First-group balls of one Power Ball drawing; only the first ballsPerDrawing entries are used.
using PowerballRow = std::array<int, 6>;

// Kinds of ShareText.
inline constexpr int kShareEvenOdd = 1;
inline constexpr int kShareHighLow = 2;

// Tallies of a Power Ball group hold at least the ball numbers 0..68.
inline constexpr int kPowerballTallyLimit = 68;

// One Power Ball history (section 8 undated, 9 dated) in memory, oldest drawing first. `numbers`,
// `powerBalls` and `dates` hold exactly count() entries (`dates` only for a dated table).
class PowerballDrawTable {
public:
    static constexpr int kCapacity = kPowerballCapacity;
    static constexpr int kMaxBallsPerDrawing = 6;

    explicit PowerballDrawTable(bool dated);

    // Reads the section with `firstGroupBalls` (the PBM setting) first-group balls per drawing; values
    // outside 0..6 are taken as the nearest of them, so a row never overflows.
    int Load(int firstGroupBalls,
             const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));
    // The same from a history file already read.
    int Load(int firstGroupBalls, const HistoryText& history);

    int count() const { return static_cast<int>(numbers.size()); }
    int section() const { return dated ? 9 : 8; }

    // Accessors; positions count from 0. Out-of-range arguments give 0 and the empty text.
    int Ball(int row, int position) const;
    int PowerBall(int row) const;
    const std::string& Date(int row) const;

    // Distribution of the first group (the first ballsPerDrawing balls of each row) and of the Power
    // Balls: slots 0 up to the larger of 68 and `maximum`; slot 0 stays 0.
    std::vector<int> CountBalls(int maximum) const;
    std::vector<int> CountPowerBalls(int maximum) const;

    // Even - Odd (kShareEvenOdd) or High - Low (kShareHighLow) of both groups as one finished line;
    // "Error in Analysis" for any other kind. An empty history shows 0 percent throughout.
    std::string ShareText(int kind, const GameSettings& settings) const;
    // Overdue (drawn least often among the balls drawn at least once) or Hottest (drawn most often) ball
    // numbers of each group, at most eight per group, ties to the lower number, only numbers from 1 to the
    // group's maximum (PBC, PBB).
    void SevenPerGroup(std::vector<int>& firstOut, std::vector<int>& powerOut, PickMode mode,
                       const GameSettings& settings) const;

    // Date: the first drawing on the typed date as its first-group balls followed by its Power Ball;
    // empty when there is none. Refused when the date cannot be converted.
    Outcome<std::vector<int>> FindDrawDate(std::string_view dateText) const;
    // Date Range: every drawing from the first to the last date, both included, in table order; none when
    // a date cannot be converted (its message goes to `notices`).
    MatchList FindDrawRange(std::string_view fromText, std::string_view toText, Notices& notices) const;
    // Number: `queryText` holds the first-group numbers and then the Power Ball, separated by single
    // spaces; rows that hold them in stored order. Refused with its message when a number is missing or the
    // Power Ball is 0.
    Outcome<MatchList> FindDraw(std::string_view queryText) const;
    // Partial Number; `queryText` as the page builds it (the query field, then a space and the Power
    // Ball field when both are filled), `powerGiven` when the Power Ball field is filled.
    MatchList FindPartialDraw(std::string_view queryText, bool powerGiven) const;

    // Compares a pick file with every drawing and returns the report text ("\n"-ended lines); refused when
    // the file cannot be read.
    Outcome<std::string> ComparePicks(const std::filesystem::path& fileName) const;

    bool dated = false;
    int loadStatus = 0;
    int ballsPerDrawing = 5; // the PBM in force at the last Load
    std::vector<PowerballRow> numbers;
    std::vector<int> powerBalls;
    std::vector<std::string> dates;
};

} // namespace vantorel
