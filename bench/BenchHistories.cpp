#include "bench/BenchHistories.h"

#include "store/DataImport.h"
#include "store/HistoryFile.h"

#include <algorithm>

namespace vantorel::bench {

GameSettings FirstRunSettings() {
    return GameSettings{26, 49, 49, 42, 5};
}

std::string Padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

std::string DateOf(int drawing) {
    return Padded(drawing % 12 + 1, 2) + '/' + Padded(drawing % 28 + 1, 2) + '/' +
           Padded(drawing / 336 % 100, 2);
}

std::string FullSectionLine(int section, int drawings, int numbers) {
    std::string line = std::to_string(section) + ' ' + std::to_string(drawings);
    for (int drawing = 0; drawing < drawings; ++drawing) {
        if (IsDatedSection(section)) {
            std::string date = DateOf(drawing);
            line += ' ' + date.substr(6, 2) + '/' + date.substr(0, 2) + '/' + date.substr(3, 2);
        }
        for (int number = 0; number < numbers; ++number) {
            line += ' ' + std::to_string((drawing * 7 + number * 13) % 26 + 1);
        }
    }
    return line + "\r\n";
}

std::string FullHistory(const GameSettings& settings, std::initializer_list<int> skipped) {
    std::string history;
    for (int section = 0; section < kSectionCount; ++section) {
        if (std::find(skipped.begin(), skipped.end(), section) != skipped.end()) {
            continue;
        }
        const int gameType = GameOfSection(section);
        history += FullSectionLine(section, CapacityOfGame(gameType), NumbersPerDrawing(gameType, settings));
    }
    return history;
}

std::string FullHistoryWith(const GameSettings& settings, const std::vector<std::string>& ownLines) {
    std::string history;
    for (int section = 0; section < kSectionCount; ++section) {
        const std::string prefix = std::to_string(section) + ' ';
        const auto own = std::find_if(ownLines.begin(), ownLines.end(), [&prefix](const std::string& line) {
            return line.starts_with(prefix);
        });
        const int gameType = GameOfSection(section);
        history += own != ownLines.end() ? *own
                                         : FullSectionLine(section, CapacityOfGame(gameType),
                                                           NumbersPerDrawing(gameType, settings));
    }
    return history;
}

} // namespace vantorel::bench
