#pragma once

#include "store/HistoryFile.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace vantorel {

// First-group balls of one Power Ball drawing; only the first ballsPerDrawing entries are used.
using PowerballRow = std::array<int, 6>;

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

    int count() const { return static_cast<int>(numbers.size()); }

    bool dated = false;
    int loadStatus = 0;
    int ballsPerDrawing = 5; // the PBM in force at the last Load
    std::vector<PowerballRow> numbers;
    std::vector<int> powerBalls;
    std::vector<std::string> dates;
    int section() const { return dated ? 9 : 8; }
};

} // namespace vantorel
