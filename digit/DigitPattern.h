// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "digit/DigitDrawTable.h"
#include "platform/Outcome.h"

#include <string>
#include <string_view>

namespace vantorel {

// Texts of the pattern dialog.
inline constexpr std::string_view kNoGameSelected = "No Game Selected !";
inline constexpr std::string_view kNoPatternsEntered = "No Patterns Entered !";

// Finds the drawings whose number, written with leading zeros to the game's width (game 0: 3 digits,
// game 1: 4), contains the pattern; with `strict` false a pattern of two or more characters is also
// searched reversed. Returns "The pattern P was found in N draws:\n" followed by the hits, each followed
// by a blank; "NO HITS for P" when nothing was found. Refused when the pattern is too long for the game
// (or the game is no digit game).
Outcome<std::string> FindPattern(const DigitDrawTable& table, std::string_view pattern, int game,
                                 bool strict);

} // namespace vantorel
