#pragma once

#include "store/HistoryFile.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace vantorel {

// The balls of one lotto drawing in the order the file lists them; a 5 Number drawing uses the first five.
using LottoRow = std::array<int, 6>;

// One 5 Number (sections 4 and 5) or 6 Number (sections 6 and 7) history in memory, oldest drawing first.
// `numbers` and `dates` hold exactly count() entries (`dates` only for a dated table).
class LottoDrawTable {
public:
    // An empty table for section 4, 5, 6 or 7 (anything else is taken as 4).
    explicit LottoDrawTable(int section);

    int Load(const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));

    int count() const { return static_cast<int>(numbers.size()); }
    // 5 or 6 balls a drawing.
    int ballsPerDrawing() const { return section < 6 ? 5 : 6; }
    int capacity() const { return section < 6 ? kFiveNumberCapacity : kSixNumberCapacity; }

    bool dated = false;
    int loadStatus = 0;
    std::vector<LottoRow> numbers;
    int section = 4;
    std::vector<std::string> dates;
};

} // namespace vantorel
