// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/DrawingsToCheck.h"

#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "tickets/TicketDates.h"

#include <algorithm>

namespace vantorel {

namespace {

constexpr int kHighestBallBit = 127;

void AddBall(DrawingToCheck& drawing, int ball) {
    if (ball < 1 || ball > kHighestBallBit) {
        return;
    }
    if (ball < 64) {
        drawing.low |= std::uint64_t{1} << ball;
    } else {
        drawing.high |= std::uint64_t{1} << (ball - 64);
    }
}

int DateOf(bool dated, const std::vector<std::string>& dates, int row) {
    return dated && row < static_cast<int>(dates.size())
               ? DateKeyOfStored(dates[static_cast<std::size_t>(row)])
               : kNoDate;
}

} // namespace

DrawingsToCheck DrawingsOf(const LottoDrawTable& table) {
    DrawingsToCheck history{table.gameType(), table.dated, {}};
    history.drawings.reserve(static_cast<std::size_t>(table.count()));
    for (int row = 0; row < table.count(); ++row) {
        DrawingToCheck drawing;
        for (int position = 0; position < table.ballsPerDrawing(); ++position) {
            AddBall(drawing, table.Ball(row, position));
        }
        drawing.date = DateOf(table.dated, table.dates, row);
        history.drawings.push_back(drawing);
    }
    return history;
}

DrawingsToCheck DrawingsOf(const PowerballDrawTable& table) {
    DrawingsToCheck history{kPowerball, table.dated, {}};
    history.drawings.reserve(static_cast<std::size_t>(table.count()));
    for (int row = 0; row < table.count(); ++row) {
        DrawingToCheck drawing;
        for (int position = 0; position < table.ballsPerDrawing; ++position) {
            AddBall(drawing, table.Ball(row, position));
        }
        drawing.bonus = table.PowerBall(row);
        drawing.date = DateOf(table.dated, table.dates, row);
        history.drawings.push_back(drawing);
    }
    return history;
}

DrawingsToCheck DrawingsOf(const DigitDrawTable& table) {
    DrawingsToCheck history{table.game(), table.dated, {}};
    history.drawings.reserve(static_cast<std::size_t>(table.count()));
    for (int row = 0; row < table.count(); ++row) {
        DrawingToCheck drawing;
        const int number = table.numbers[static_cast<std::size_t>(row)];
        if (number >= 0 && number < table.numberRange()) {
            drawing.number = number;
            std::vector<int> digits;
            for (int rest = number, position = 0; position < table.digitPositions(); ++position, rest /= 10) {
                digits.push_back(rest % 10);
            }
            drawing.sortedDigits = SortedDigitsKey(std::move(digits));
        }
        drawing.date = DateOf(table.dated, table.dates, row);
        history.drawings.push_back(drawing);
    }
    return history;
}

int SortedDigitsKey(std::vector<int> digits) {
    std::sort(digits.begin(), digits.end());
    int key = 0;
    for (const int digit : digits) {
        key = key * 10 + digit;
    }
    return key;
}

} // namespace vantorel
