// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Operations.h"
#include "platform/Outcome.h"
#include "store/HistoryFile.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

struct GameSettings;
struct HistoryText;

// The balls of one lotto drawing in the order the file lists them; a 5 Number drawing uses the first five.
using LottoRow = std::array<int, 6>;

// Row indexes of the drawings a search found, oldest first; at most kMatchListLimit of them.
using MatchList = std::vector<int>;

// The text SevenBalls leaves when the game's maximum is beyond what its tallies hold.
inline constexpr std::string_view kSetupErrorText = "Setup Error";

// One 5 Number (sections 4 and 5) or 6 Number (sections 6 and 7) history in memory, oldest drawing first.
// `numbers` and `dates` hold exactly count() entries (`dates` only for a dated table). Ball values come
// from a file a user may have edited, so every tally checks them before it counts them.
class LottoDrawTable {
public:
    // An empty table for section 4, 5, 6 or 7 (anything else is taken as 4).
    explicit LottoDrawTable(int section);

    // Reads the table's section from the history file, or from a history file already read; returns and
    // keeps the reader's result in `loadStatus`.
    int Load(const std::filesystem::path& historyFile = std::filesystem::path(kHistoryFileName));
    int Load(const HistoryText& history);

    int count() const { return static_cast<int>(numbers.size()); }
    // 5 or 6 balls a drawing.
    int ballsPerDrawing() const { return section < 6 ? 5 : 6; }
    int capacity() const { return section < 6 ? kFiveNumberCapacity : kSixNumberCapacity; }
    int gameType() const { return section < 6 ? kFiveNumber : kSixNumber; }

    // The game's highest ball number from the settings: 5BC or 6BC.
    int GameMaximum(const GameSettings& settings) const;
    // The highest maximum that Overdue, Hottest and Best Guess accept (45 or 70); their tallies hold
    // the ball numbers 0 up to it.
    int TallyLimit() const { return section < 6 ? 45 : 70; }

    // Accessors; positions count from 0. Out-of-range arguments give 0 and the empty text.
    int Ball(int row, int position) const;
    const std::string& Date(int row) const;
    // The balls of a drawing sorted ascending.
    std::vector<int> SortedBalls(int row) const;

    // Distribution: ballCounts[b] is how often ball b was drawn, for b from 1 to the larger of
    // TallyLimit() and `maximum`; slot 0 stays 0 and balls outside the slots are not counted.
    std::vector<int> CountBalls(int maximum) const;
    // Even - Odd: adds every ball's parity to the counters.
    void CountEvenOdd(int& oddCount, int& evenCount) const;
    // High - Low: a ball up to half of `maximum` (integer division) is Low, a greater one High.
    void CountHighLow(int& highCount, int& lowCount, int maximum) const;
    // The seven most overdue (drawn least often among the balls drawn at least once) or the seven hottest
    // ball numbers, each followed by one space, ties to the lower number. Fewer balls are listed when fewer
    // were drawn. A maximum beyond TallyLimit() is refused with its message (the list shows "Setup Error").
    Outcome<std::string> SevenBalls(PickMode mode, const GameSettings& settings) const;

    // Date: the result line of the drawing on the typed date (mm/dd/yy), or the date itself in display
    // form when no drawing has it; refused as an invalid date (the list shows "Date Error"). A date that
    // cannot be converted leaves its message in `notices` first.
    Outcome<std::string> FindDate(std::string_view dateText, Notices& notices) const;
    // Date Range: the rows of every drawing from the first to the last date, both included, in table
    // order; refused as an invalid date (the result list then shows "Date Error").
    Outcome<std::vector<int>> FindDateRange(std::string_view fromText, std::string_view toText,
                                            Notices& notices) const;
    // Number: the drawings that consist of exactly the typed numbers. Partial Number: the drawings that
    // hold all of them. Refused with the message of a query that cannot be read.
    Outcome<MatchList> FindNumbers(std::string_view queryText, const GameSettings& settings) const;
    Outcome<MatchList> FindPartial(std::string_view queryText, const GameSettings& settings) const;
    // True when 0 <= number <= the game's maximum.
    bool BallInRange(int number, const GameSettings& settings) const;

    // Compares a pick file with every drawing and returns the report text ("\n"-ended lines); refused when
    // the file cannot be read.
    Outcome<std::string> ComparePicks(const std::filesystem::path& fileName) const;

    bool dated = false;
    int loadStatus = 0;
    std::vector<LottoRow> numbers;
    int section = 4;
    std::vector<std::string> dates;

private:
    // Reads the next number of a typed query into `query`; the parse-error or upper-limit refusal when it
    // cannot.
    std::optional<Refusal> ReadQueryBall(std::string_view& rest, const GameSettings& settings,
                                         std::vector<int>& query) const;
};

} // namespace vantorel
