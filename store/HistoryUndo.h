// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"
#include "store/FileSystem.h"
#include "store/HistoryRewrite.h"

#include <string>
#include <string_view>

namespace vantorel {

inline constexpr std::string_view kNothingToUndo = "There is no change to undo.";
inline constexpr std::string_view kUndoDamaged =
    "VTRMAIN.UNDO is not a file that Vantorel kept for undoing a change.\nNothing was changed.\n\nOPERATION "
    "ABORTED";

// "Undo results import of 12 drawings into 6 Number Dated?\n\nVTRMAIN.DAT goes back to what it was
// before that change. The undo can itself be undone."
std::string UndoQuestion(std::string_view change);
// What undoing `change` is named as: "the undoing of <change>", and the change again for the undoing of
// an undoing.
std::string UndoneChange(std::string_view change);
// "Undo results import of 12 drawings into 6 Number Dated": what the desktop program's menu shows.
std::string UndoActionText(std::string_view change);

// The change the undo file beside the history would take back; nothing when there is none to undo.
std::optional<std::string> LastChange(FileSystem& files = RealFileSystem());

// Puts back the history that the last change replaced, after `ask` agreed (UndoQuestion, Yes or No). It
// goes through the same locked rewrite as every change, so the history it replaces becomes the new undo
// file: undoing again swaps the two back. kDeclined when the question was not agreed to; refused with
// kNothingToUndo when there is no undo file.
Outcome<ChangeOutcome> UndoLastChange(const AskQuestion& ask, FileSystem& files = RealFileSystem());

} // namespace vantorel
