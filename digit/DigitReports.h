// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "digit/DigitOperation.h"
#include "platform/ReportLines.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

class SetupChoices;

// The lines that the "Deja View" list adds for a digit-game operation, in order. `game` is the game of
// `activeGame` (0: 3 Number, 1: 4 Number; any other value adds nothing), `operation` the list's
// operation. Distribution, Random and Best Guess add nothing: the chart shows them. A stored date
// that cannot be shown leaves its message in `notices`.
ReportLines DigitResultLines(Operation operation, int game, bool useDatedData, const SetupChoices& choices,
                             const DigitHistories& tables, const DigitOperationResult& result,
                             Notices& notices);

// Even - Odd (kind 1) or High - Low (kind 2) as a percentage line. `drawCount` is the number of drawings
// of the table the counts came from.
ReportLines AddDigitStatisticLine(int kind, int game, const SetupChoices& choices, int drawCount,
                                  int firstCount, int secondCount);
// Overdue (operation 4) or Hottest (5) digits per position: " Overdue Number(s): " + resultText.
ReportLines AddDigitOverdueHottestLine(Operation operation, std::string_view resultText);

// The lines of each digit-game report.
ReportLines ReportTotals(int game, const std::vector<int>& totals);
ReportLines ReportPickedNumbers(int game, Operation operation, std::string_view resultText);
ReportLines ReportNumberMatches(int game, const std::vector<int>& matchList, bool useDatedData,
                                const DigitHistories& tables, Notices& notices);
ReportLines ReportDateMatches(int game, const std::vector<int>& matchList, const DigitDrawTable& datedTable);

// The pattern report: when the search found hits, the list is emptied first (`clearList`), then the
// heading and the hits 12 to a line are added; "NO HITS for ..." is added as one line.
struct PatternReport {
    bool clearList = false;
    ReportLines lines;
};
PatternReport ReportPattern(std::string_view resultText);

// A number written with leading zeros to 3 (game 0) or 4 (game 1) digits.
std::string PaddedNumber(int game, int number);

} // namespace vantorel
