// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"
#include "store/FileSystem.h"
#include "store/HistoryAnalysis.h"
#include "store/HistoryRewrite.h"

#include <string>
#include <vector>

namespace vantorel {

struct GameSettings;

inline constexpr std::string_view kNothingToRepair = "The analysis names no drawing to remove.";
inline constexpr std::string_view kHistoryChangedSinceAnalysis =
    "VTRMAIN.DAT has changed since it was analysed.\nAnalyse it again and choose the drawings anew.\n\n"
    "OPERATION ABORTED";

// "6 Number Dated: there is no drawing 1200 (the history holds 1039).\n\nOPERATION ABORTED"
std::string NoSuchDrawingMessage(int section, int position, int held);
// "Remove drawing 3 of the 6 Number Dated history?\n\n98/01/02 3 15 22 31 40 49"
std::string RemoveDrawingQuestion(int section, int position, std::string_view drawing);
// "Remove these drawings from VTRMAIN.DAT?\n\n" and the report line of each error, one a line (a
// line's wrong count is set right instead).
std::string RepairQuestion(const std::vector<NamedError>& errors);

// The drawing at `position` (1 = oldest) of the section line the readers take, as it is written; refused
// when the history has no such section or drawing.
Outcome<std::string> DrawingAt(int section, int position, const GameSettings& settings,
                               FileSystem& files = RealFileSystem());

// Removes the drawing at `position` of the section line in use, after `ask` agreed to
// RemoveDrawingQuestion; the line's count becomes the drawings it keeps. kDeclined without agreement.
Outcome<ChangeOutcome> RemoveDrawing(int section, int position, const GameSettings& settings,
                                     const AskQuestion& ask, FileSystem& files = RealFileSystem());

// Removes the drawings of the chosen named errors (each line's count becomes the drawings it keeps; an
// error of a line's count alone sets the count right), after `ask` agreed to RepairQuestion. The history is
// analysed again under the lock: when it no longer names the chosen errors, nothing is written
// (kHistoryChangedSinceAnalysis).
Outcome<ChangeOutcome> RemoveNamedDrawings(const std::vector<NamedError>& chosen,
                                           const GameSettings& settings, const AskQuestion& ask,
                                           FileSystem& files = RealFileSystem());

} // namespace vantorel
