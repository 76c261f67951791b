// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"
#include "store/DataImport.h"
#include "store/FileSystem.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vantorel {

inline constexpr std::string_view kResultsImportSuccessful = "Results Import Successful";
inline constexpr std::string_view kNoNewDrawings = "No new drawings: VTRMAIN.DAT was not changed.";
inline constexpr std::string_view kHeldSectionDamaged =
    "The history of this game in VTRMAIN.DAT\ndoes not hold as many drawings as its count says\n"
    "(the file analysis shows it).";

// "This history can hold at most <capacity> drawings.\nTo make room for the newer drawings of the file,\n
// its <removed> oldest drawings would be removed.\n\nRemove them?"
std::string RemoveOldestQuestion(int capacity, int removed);

// What a results import did, for its closing message. Every drawing of the file (one per date) is counted
// once: written, already held and still there, or not in the history afterwards.
struct ResultsImportCounts {
    int added = 0;               // drawings of the file written
    int alreadyHeld = 0;         // drawings of the file whose date the history held and still holds
    int heldDiffering = 0;       // of those, the ones it holds with other numbers (kept as they are)
    int repeatedLines = 0;       // lines of the file that gave a drawing of an earlier line again
    int leftOut = 0;             // drawings of the file that the history does not hold afterwards (no room)
    int removed = 0;             // oldest drawings of the history removed to make room
    int passedOverLines = 0;     // lines of the file that hold digits but no drawing
    int firstPassedOver = 0;     // the first of them
    int beforeStorableYears = 0; // drawings of the file dated before the years a history can hold
    int beforeEra = 0;           // drawings of the file before the era of the game's rules
    int eraStart = 0;            // that era's first day (DateKeyOf)
};
// The closing message: kResultsImportSuccessful (or kNoNewDrawings when nothing was added), a blank
// line, and one line for each count that applies ("New drawings written: 12", ..., "Drawings before
// 10/07/2015 left out (an earlier game): 1871", "Lines passed over: 2 (the first: line 3)").
std::string ResultsImportSummary(const ResultsImportCounts& counts);

// How a results import ended when it was not refused: kReplaced when drawings were written, kUnchanged
// when the file held none that the history lacks (the file is untouched), kDeclined when the user did not
// agree to remove drawings; with the counts of what it did and, unless declined, the mark
// (HistorySectionMark) of the game's dated section as the import left it.
struct ResultsImported {
    ChangeOutcome change = ChangeOutcome::kUnchanged;
    ResultsImportCounts counts;
    std::string sectionMark;
};

// The settings a results import of the game reads: the shape of a drawing and the maximums its numbers
// are checked against.
GameSettingKeys SettingsOfResultsImport(int gameType);

// Which drawings of a results file an import takes: those whose numbers start in `column` (empty: the field
// after the date), and none before `eraStart`, the first day of the game's current rules (DateKeyOf; 0 for
// none): a drawing before it is of an earlier game.
struct ResultsSelection {
    std::string_view column = {};
    int eraStart = 0;
};

// Imports a results file as published (see ReadResultsText) into the dated history of `gameType`, the
// drawings chosen by `selection`. Drawings whose date the history holds are not
// written again; the others are placed in date order among the drawings it holds, so importing a newer
// file again only adds the new drawings. When the history cannot hold them all, the newest are kept: the
// older drawings of the file are left out, and the oldest drawings of the history are removed only when
// the user agrees (a Yes/No question put to `ask`, while no lock is held). A missing history file or
// section is created. The history line is rewritten only when a drawing is added, under the writers' lock
// and through a fresh work file, like every rewrite. Unless declined, the outcome carries the closing
// message (ResultsImportSummary); refused with the message that says why nothing was written.
Outcome<ResultsImported> ImportResults(const std::filesystem::path& resultsFile, int gameType,
                                       const ResultsSelection& selection, const ProgressLight& progress,
                                       const GameSettings& settings, const AskQuestion& ask,
                                       FileSystem& files = RealFileSystem());

// ImportResults of a results file's text already read.
Outcome<ResultsImported> ImportResultsText(std::string_view text, int gameType,
                                           const ResultsSelection& selection, const ProgressLight& progress,
                                           const GameSettings& settings, const AskQuestion& ask,
                                           FileSystem& files = RealFileSystem());

} // namespace vantorel
