#pragma once

#include "store/HistoryFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vantorel {

// One digit-game history (3 Number: sections 0 and 1, 4 Number: sections 2 and 3) in memory, oldest
// drawing first. `numbers` and `dates` hold exactly count() entries (`dates` only for a dated table).
class DigitDrawTable {
public:
    static constexpr int kCapacity = kDigitCapacity;

    // An empty table for the section (1, 2 and 3 are taken as such, anything else as 0).
    explicit DigitDrawTable(int section);

    // Reads the table's section from the history file; returns and keeps the reader's result in
    // `loadStatus`.
    int Load(const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));

    int count() const { return static_cast<int>(numbers.size()); }
    // 3 for the 3 Number game, 4 for the 4 Number game.
    int digitPositions() const { return section < 2 ? 3 : 4; }

    bool dated = false;
    int loadStatus = 0;
    std::vector<int> numbers;
    int section = 0;
    std::vector<std::string> dates;
};

} // namespace vantorel
