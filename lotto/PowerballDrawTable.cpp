#include "lotto/PowerballDrawTable.h"

#include "store/SectionReader.h"

#include <algorithm>

namespace vantorel {

PowerballDrawTable::PowerballDrawTable(bool dated) : dated(dated) {}

int PowerballDrawTable::Load(int firstGroupBalls, const std::filesystem::path& historyFile) {
    ballsPerDrawing = std::clamp(firstGroupBalls, 0, kMaxBallsPerDrawing);
    const int perDrawing = ballsPerDrawing + 1;
    SectionContent content;
    loadStatus = ReadSection(historyFile, {section(), perDrawing, kCapacity, dated}, content);
    numbers.assign(static_cast<std::size_t>(content.count), PowerballRow{});
    powerBalls.assign(static_cast<std::size_t>(content.count), 0);
    for (std::size_t row = 0; row < numbers.size(); ++row) {
        const auto first = row * static_cast<std::size_t>(perDrawing);
        for (int ball = 0; ball < ballsPerDrawing; ++ball) {
            numbers[row][static_cast<std::size_t>(ball)] =
                content.numbers[first + static_cast<std::size_t>(ball)];
        }
        powerBalls[row] = content.numbers[first + static_cast<std::size_t>(ballsPerDrawing)];
    }
    dates = std::move(content.dates);
    return loadStatus;
}

} // namespace vantorel
