// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"
#include "platform/ReportLines.h"
#include "store/FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

struct GameSettings;

inline constexpr int kFlagSet = 1;
inline constexpr int kFlagClear = -1;
inline constexpr int kEmptyRecord = -1;
inline constexpr int kIllegalSection = -2;

// What the analysis found on one line of the history file.
struct SectionCheck {
    int state = kEmptyRecord;       // the line's section number 0..9, or kIllegalSection
    int badCharacters = kFlagClear; // for kIllegalSection: the illegal number instead
    int outOfRange = kFlagClear;
    int countMismatch = kFlagClear;
    int dateError = kFlagClear;
};

// One error the analysis found, with the drawing it is in: "3 Number Dated, drawing 2456: date 25/13/45 is
// not a date".
struct NamedError {
    int line = 0;      // the line of the file (1 = first)
    int section = 0;   // the section number that heads it
    int position = 0;  // the drawing (1 = oldest); 0 for an error of the line itself (its count)
    bool inUse = true; // false for a line of a section that an earlier line of it hides from the readers
    std::string problem;
};
// The report line of a named error.
std::string NamedErrorLine(const NamedError& error);

// The check table: one record per section line, in file order (blank lines have none), and the errors
// named by drawing, in file order. `wholeFile` tells whether every line was examined (false after a failed
// open or the "too much data" stop).
struct CheckTable {
    std::vector<SectionCheck> records;
    std::vector<NamedError> named;
    bool wholeFile = false;
};

inline constexpr std::string_view kCantOpenForAnalysis =
    "Can't open VTRMAIN.DAT !\n\n The file does not exist or\nis locked by another application.";
inline constexpr std::string_view kTooMuchData =
    "          There has been an Error.\n    Either your data file contains too\n"
    "much data or Vantorel has fallen over.\n\n      Operation Has Been Aborted";

// Checks every line of the history file against the file's grammar and the number ranges of `settings`,
// and records the findings in the check table. Its messages say when the file cannot be opened, or when a
// line holds more numbers than a full history of its section, which ends the analysis there.
Outcome<CheckTable> AnalyseHistoryFile(const GameSettings& settings, FileSystem& files = RealFileSystem());

// AnalyseHistoryFile of a history's text.
Outcome<CheckTable> AnalyseHistoryText(std::string_view history, const GameSettings& settings);

// The report lines of a check table, in order: one verdict per line of the file and the errors under it,
// then one line for each named error. A section that the file does not hold adds no line.
ReportLines ShowAnalysisReport(const CheckTable& table);

// Whether the report of the check table names any error: an illegal section marker, or a section line with
// bad characters, numbers out of range, a wrong count or a bad date.
bool FoundErrors(const CheckTable& table);

} // namespace vantorel
