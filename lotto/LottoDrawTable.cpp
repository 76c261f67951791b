#include "lotto/LottoDrawTable.h"

#include "store/SectionReader.h"

namespace vantorel {

LottoDrawTable::LottoDrawTable(int section) : section(section >= 4 && section <= 7 ? section : 4) {
    dated = IsDatedSection(this->section);
}

int LottoDrawTable::Load(const std::filesystem::path& historyFile) {
    const int balls = ballsPerDrawing();
    SectionContent content;
    loadStatus = ReadSection(historyFile, {section, balls, capacity(), dated}, content);
    numbers.assign(static_cast<std::size_t>(content.count), LottoRow{});
    for (std::size_t row = 0; row < numbers.size(); ++row) {
        for (int ball = 0; ball < balls; ++ball) {
            numbers[row][static_cast<std::size_t>(ball)] =
                content.numbers[row * static_cast<std::size_t>(balls) + static_cast<std::size_t>(ball)];
        }
    }
    dates = std::move(content.dates);
    return loadStatus;
}

} // namespace vantorel
