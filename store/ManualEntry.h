// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"
#include "platform/Outcome.h"
#include "store/FileSystem.h"
#include "store/HistoryRewrite.h"

#include <string>
#include <string_view>

namespace vantorel {

inline constexpr std::string_view kBadDataEntered = "Insufficient Data or\nBad Data Entered";

// "The 6 Number Dated history is full (1039 drawings).\nRemove the oldest drawing to make room?"
std::string FullHistoryQuestion(int gameType, bool dated, int capacity);

// The settings a typed drawing of the game is checked against: its shape and its maximums.
GameSettingKeys SettingsOfManualEntry(int gameType);

// How a drawing of the history is typed, for the message of a refused entry: "A 5 Number Dated drawing is
// typed as its date (mm/dd/yy) and its 5 numbers from 1 to 26, for example:\n01/02/98 3 9 12 15 17".
std::string AcceptedFormOf(int gameType, bool dated, const GameSettings& settings);

// The entry a typed drawing is written as in the section line ("98/01/02 3 15 22 31 40"), or the refusal
// naming what is wrong and how the drawing is typed. A dated drawing needs a day of the calendar; numbers
// must lie within the game's maximums, once each in their group, as many as a drawing has; a digit-game
// number is 000 to 999 (0000 to 9999), written with at most four digits, and kept as typed.
Outcome<std::string> CheckedEntry(std::string_view text, int gameType, bool dated,
                                  const GameSettings& settings);

// Adds one typed drawing (CheckedEntry) as the newest drawing of the history `2 x gameType + dated` and
// raises the section's count by one. When the section is full, `ask` is asked (FullHistoryQuestion, Yes or
// No) whether to remove its oldest drawing to make room; Yes removes it and adds the new one in the same
// rewrite, No (or no `ask`) leaves everything as it was and answers kDeclined. Refused with what is wrong
// with the text, or with why it could not be written. The history is locked against other writers from
// before it is read until it has been replaced.
Outcome<ChangeOutcome> AppendEntry(std::string_view text, int gameType, bool dated,
                                   const GameSettings& settings, const AskQuestion& ask = {},
                                   FileSystem& files = RealFileSystem());

} // namespace vantorel
