// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/BenchHistories.h"

#include "store/DataImport.h"
#include "store/HistoryFile.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>

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

std::string ModernPowerballResults() {
    using namespace std::chrono;
    const sys_days first = year{2010} / February / 3;
    const sys_days mondaysFrom = year{2021} / August / 23;
    const sys_days narrowerPowerball = year{2012} / January / 15;
    const sys_days todaysMatrix = year{2015} / October / 7;
    std::uint32_t state = 20100203;
    const auto next = [&state](int highest) {
        state = state * 1103515245U + 12345U;
        return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(highest)) + 1;
    };
    std::vector<std::string> lines;
    for (sys_days day = year{2025} / October / 4; day >= first; day -= days{1}) {
        const weekday weekdayOfDay{day};
        if (weekdayOfDay != Wednesday && weekdayOfDay != Saturday &&
            !(weekdayOfDay == Monday && day >= mondaysFrom)) {
            continue;
        }
        const int whiteBalls = day >= todaysMatrix ? 69 : 59;
        const int powerBalls = day >= todaysMatrix ? 26 : day >= narrowerPowerball ? 35 : 39;
        std::array<int, 5> balls{};
        for (std::size_t i = 0; i < balls.size(); ++i) {
            do {
                balls[i] = next(whiteBalls);
            } while (std::find(balls.begin(), balls.begin() + static_cast<std::ptrdiff_t>(i), balls[i]) !=
                     balls.begin() + static_cast<std::ptrdiff_t>(i));
        }
        std::sort(balls.begin(), balls.end());
        const year_month_day date{day};
        std::string line = Padded(static_cast<int>(static_cast<unsigned>(date.month())), 2) + '/' +
                           Padded(static_cast<int>(static_cast<unsigned>(date.day())), 2) + '/' +
                           std::to_string(static_cast<int>(date.year())) + ',';
        for (const int ball : balls) {
            line += Padded(ball, 2) + ' ';
        }
        lines.push_back(line + Padded(next(powerBalls), 2) + ',' + std::to_string(next(5)) + '\n');
    }
    std::string text = "Draw Date,Winning Numbers,Multiplier\n";
    for (const std::string& line : lines) {
        text += line;
    }
    return text;
}

std::string Joined(const std::vector<int>& numbers) {
    std::string text;
    for (const int number : numbers) {
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(number);
    }
    return text;
}

} // namespace vantorel::bench
