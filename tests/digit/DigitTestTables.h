// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "digit/DigitDrawTable.h"
#include "platform/SetupChoices.h"

#include <string>
#include <utility>
#include <vector>

namespace vantorel::test {

// A table of the game (0: 3 Number, 1: 4 Number) holding the numbers, as if read.
inline DigitDrawTable UndatedTable(int game, std::vector<int> numbers) {
    DigitDrawTable table(SectionNumber(game, false));
    table.loadStatus = 1;
    table.numbers = std::move(numbers);
    return table;
}

// A dated table of the game holding the drawings (stored date, number), oldest first, as if read.
inline DigitDrawTable DatedTable(int game, const std::vector<std::pair<std::string, int>>& drawings) {
    DigitDrawTable table(SectionNumber(game, true));
    table.loadStatus = 1;
    for (const auto& [storedDate, number] : drawings) {
        table.dates.push_back(storedDate);
        table.numbers.push_back(number);
    }
    return table;
}

// Setup choices with the given radios chosen, the defaults elsewhere.
inline SetupChoices Choices(std::initializer_list<int> chosen) {
    SetupChoices choices;
    for (const int choice : chosen) {
        choices.Choose(choice);
    }
    return choices;
}

} // namespace vantorel::test
