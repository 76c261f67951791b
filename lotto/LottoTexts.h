// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lotto/LottoDrawTable.h"
#include "store/DisplayDateWriter.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vantorel {

// Messages and fixed texts of the lotto and Power Ball operations that more than one routine uses.
inline constexpr std::string_view kInvalidDate = "The date enetred is invalid.\n     Operation Aborted.";
inline constexpr std::string_view kDateErrorText = "Date Error";
inline constexpr std::string_view kQueryParseError =
    "Parse error in query string or not\nenough information entered "
    "to\ncompletely evaluate the query.\n\n  Operation Aborted.";
inline constexpr std::string_view kBallAboveLimit =
    "A specified ball number exceeds the\nupper limit of the game type.";
inline constexpr std::string_view kDuplicateBalls =
    "Duplicate ball numbers found in query.\n\tSearch Aborted.";
inline constexpr std::string_view kTooManyPartialNumbers = "Too many numbers for a partial search.\n"
                                                           "Please use the \"Number\" option to\n"
                                                           "match All numbers.\n\tSearch Aborted.";
inline constexpr std::string_view kNoNumbersEntered = "No Numbers Entered";

// Splits off the text up to the next single space (the piece) and the space; nothing when no space is
// left. Two adjacent spaces give an empty piece.
std::optional<std::string_view> NextPiece(std::string_view& rest);

// A number typed in a query: blanks skipped, an optional sign, digits up to the first non-digit; nothing
// read gives 0. Values beyond the range of int saturate. Inline: a pick file of 1000 lines reads thousands.
inline int QueryNumber(std::string_view piece) {
    std::size_t position = 0;
    while (position < piece.size() && (piece[position] == ' ' || piece[position] == '\t')) {
        ++position;
    }
    bool negative = false;
    if (position < piece.size() && (piece[position] == '-' || piece[position] == '+')) {
        negative = piece[position] == '-';
        ++position;
    }
    long long value = 0;
    for (; position < piece.size() && piece[position] >= '0' && piece[position] <= '9'; ++position) {
        value = value * 10 + (piece[position] - '0');
        if (value > INT_MAX) {
            return negative ? INT_MIN : INT_MAX;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

// Records a match, up to the limit of the result list's store.
inline void AppendMatch(MatchList& matchList, int row) {
    if (static_cast<int>(matchList.size()) < kMatchListLimit) {
        matchList.push_back(row);
    }
}

// A stored date that a date search can compare: 8 characters.
inline bool IsComparableDate(std::string_view storedDate) {
    return storedDate.size() == 8;
}

// A stored date as one number that orders dates in time through the century window (yy below 84 is
// 20yy): the order of CompareStoredDates.
int DateKey(std::string_view storedDate);

// Builders of result lines, appending to a line without temporary texts.
void AppendNumber(std::string& line, int number);
// The display form of a stored date (through ToDisplayDate, whose message on a wrong length goes to
// `notices`); false, with nothing appended, when it cannot be converted.
bool AppendDisplayDate(std::string& line, std::string_view storedDate, Notices& notices);

// Writes one result line at the end of a text in place. The text is first extended by room for the
// longest line, filled with spaces, so padding is a skip and fields are written straight into it; Finish()
// (or the destructor) cuts the text to what was written. Nothing is written beyond the room.
class LineWriter final {
public:
    LineWriter(std::string& text, std::size_t longest);
    ~LineWriter() { Finish(); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void Skip(std::size_t spaces) { position_ = std::min(position_ + spaces, text_.size()); }
    void Text(std::string_view text);
    // Returns how many characters the number took.
    std::size_t Number(int value);
    // A ball cell: the digits, then three spaces for one character or one space for more.
    void BallCell(int ball) { Skip(Number(ball) == 1 ? 3 : 1); }
    // False, with nothing written, when the stored date cannot be converted.
    bool Date(DisplayDateWriter& dates, std::string_view storedDate);
    void Finish() { text_.resize(position_); }

private:
    std::string& text_;
    std::size_t position_;
};

// Room that a number takes at most in a LineWriter line (the digits and sign of an int).
inline constexpr std::size_t kNumberWidth = 11;

// Exchanges of the sorting networks for 5, 6 and 7 numbers (each verified for every input of 0s and 1s).
using Exchange = std::pair<std::uint8_t, std::uint8_t>;
inline constexpr std::array<Exchange, 9> kSortFive = {
    {{0, 1}, {3, 4}, {2, 4}, {2, 3}, {0, 3}, {0, 2}, {1, 4}, {1, 3}, {1, 2}}};
inline constexpr std::array<Exchange, 12> kSortSix = {
    {{1, 2}, {0, 2}, {0, 1}, {4, 5}, {3, 5}, {3, 4}, {0, 3}, {1, 4}, {2, 5}, {2, 4}, {1, 3}, {2, 3}}};
inline constexpr std::array<Exchange, 16> kSortSeven = {{{0, 6},
                                                         {2, 3},
                                                         {4, 5},
                                                         {0, 2},
                                                         {1, 4},
                                                         {3, 6},
                                                         {0, 1},
                                                         {2, 5},
                                                         {3, 4},
                                                         {1, 2},
                                                         {4, 6},
                                                         {2, 3},
                                                         {4, 5},
                                                         {1, 2},
                                                         {3, 4},
                                                         {5, 6}}};

template <typename Row> inline void ExchangeIfGreater(Row& row, std::size_t first, std::size_t second) {
    const auto low = std::min(row[first], row[second]);
    const auto high = std::max(row[first], row[second]);
    row[first] = low;
    row[second] = high;
}

// Runs a network's exchanges, unrolled at compile time.
template <const auto& Network, typename Row, std::size_t... Step>
inline void SortByNetwork(Row& row, std::index_sequence<Step...>) {
    (ExchangeIfGreater(row, Network[Step].first, Network[Step].second), ...);
}

template <const auto& Network, typename Row> inline void SortByNetwork(Row& row) {
    SortByNetwork<Network>(row, std::make_index_sequence<Network.size()>());
}

// The first `count` entries of a row sorted ascending (the others as they were). Drawings and picks
// hold 5, 6 or 7 numbers, which sorting networks of branch-free exchanges sort fastest. Always inlined:
// a comparison sorts every pick and every drawing, and a call that copies the row in and out costs more
// than the sorting.
template <typename Row> [[gnu::always_inline]] inline Row SortedFirst(Row row, std::size_t count) {
    const std::size_t end = std::min(count, row.size());
    if (end == 5) {
        SortByNetwork<kSortFive>(row);
    } else if (end == 6) {
        SortByNetwork<kSortSix>(row);
    } else if (end == 7 && row.size() >= 7) {
        SortByNetwork<kSortSeven>(row);
    } else {
        for (std::size_t i = 1; i < end; ++i) {
            for (std::size_t j = i; j > 0 && row[j] < row[j - 1]; --j) {
                std::swap(row[j], row[j - 1]);
            }
        }
    }
    return row;
}

} // namespace vantorel
