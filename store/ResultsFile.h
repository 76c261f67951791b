// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/HistoryFile.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

struct GameSettings;

// Results files as lotteries and open-data portals publish them: one drawing a line, its date, then the
// game's numbers in order. A line's fields (its columns) are separated by the first of tab, comma, ";" and
// "|" that it holds, outside double quotes; a line that holds none of them has one field a word. Within a
// field, words are separated by blanks and the other separators. Anything before the date (a draw number,
// a game's name) is ignored.
//
// The date is the first of: a word in one of the forms mm/dd/yyyy, m/d/yyyy, mm/dd/yy, yyyy-mm-dd and
// dd-Mon-yyyy (26-Sep-2020); the fields that the header names month, day and year (the month as a number
// or an English name); three words naming the month by name, before or after the day, then the year
// ("Feb 14, 2020", "14 Feb 2020"); or, on a line whose first field is a name (the game's), the month, day
// and year in the three fields after it.
//
// The drawing's numbers come from its own fields only: the field after the date's last (past fields that
// hold a weekday or that the header names as something else; where every word is a field, words without
// digits right after the date, such as a weekday, are passed over), read on into the next field only while
// the drawing is not complete and either field holds a single number. Every word of those fields must be a
// whole number; an empty field, or one that the header names as something else (a bonus ball, a
// multiplier, a sum, a ball set, a machine, a draw number, ...), ends the drawing. Fields after a complete
// drawing are ignored. A Power Ball game's power ball is read from the column the header names as its
// second group (Powerball, Mega Ball, PB, Red Ball, Bonus, ...) when there is one; for the other games such
// a column holds no ball. A digit-game number is written as one number (007 or 7) or as its digits one by
// one, in one field or one a field. The header is the last line before the first drawing that holds no
// date, a letter and more than one field.
//
// Where a file holds several games in columns, a column name chooses where the numbers start: the first
// line that has a field of that name (compared case-insensitively, blanks and quotes around it ignored)
// is the header; its separator separates the columns of every line. A line whose field under that name
// holds no digit holds no drawing of the game.
//
// A JSON array of drawings (see ResultsJson.h) is read as the lines it gives, its names as the header.

// The most numbers a drawing has: the widest Power Ball first group and the power ball.
inline constexpr int kMostNumbersPerDrawing = kMaxPowerballBalls + 1;

// The oldest and newest years that the stored form's two-digit year can hold.
inline constexpr int kFirstStorableYear = 1984;
inline constexpr int kLastStorableYear = 2083;

// One drawing of a results file.
struct ResultsDrawing {
    int line = 0;    // where it is in the file, counted from 1
    int dateKey = 0; // year * 10000 + month * 100 + day, the year with four digits
    std::array<int, kMostNumbersPerDrawing> numbers{};
};

// The date of a drawing in the stored form yy/mm/dd.
std::string StoredDateOf(const ResultsDrawing& drawing);
// The drawing as a dated section line writes it: the stored date and the numbers, separated by blanks.
std::string SectionTextOf(const ResultsDrawing& drawing, int numbersPerDrawing);

// What a results file gave.
struct ResultsReading {
    std::vector<ResultsDrawing> drawings; // oldest first, one per date
    int repeatedLines = 0;                // lines that gave a drawing of an earlier line again
    int passedOverLines = 0;     // lines that hold digits but no drawing (not the header): no date read, or
                                 // no number in the drawing's field
    int firstPassedOverLine = 0; // the first of them, counted from 1
    // Drawings (one per day) left out before their numbers were read: dated before the years a history
    // can hold, or before the era of the game's rules.
    int leftOutBeforeStorableYears = 0;
    int leftOutBeforeEra = 0;
    std::string problem; // why nothing can be taken from the file; empty when read
};

// Reads the drawings of the game `gameType` from the text of a results file, the numbers checked against
// the game's maximums in `settings` (5BC, 6BC, PBC and PBB; PBM first-group numbers and the power ball
// for Power Ball; 0..999 and 0..9999 for the digit games). An empty `column` takes the numbers from the
// field after the date. Drawings dated before kFirstStorableYear, and those before `eraStart` (a day as
// DateKeyOf gives it; 0 for none: the first drawing of the game's current rules), are left out and
// counted, whatever their numbers. The first line that breaks the rules (a word in the drawing's fields
// that is no whole number, a number out of range, too few numbers, an impossible date, a year after
// kLastStorableYear) makes `problem` name it with its line number; two lines that give different drawings
// for one date do too. Lines that give the same drawing again are kept once. Memory stays within a small
// table of the storable days besides the text, whatever the file holds.
ResultsReading ReadResultsText(std::string_view text, int gameType, const GameSettings& settings,
                               std::string_view column = {}, int eraStart = 0);

// "10/07/2015": a day as DateKeyOf gives it, in the form mm/dd/yyyy.
std::string DisplayDateOfKey(int dateKey);

} // namespace vantorel
