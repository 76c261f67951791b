// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vantorel {

// The shell completions of vantorel-cli, written from the command table, the game catalogue, the
// operation table and the presets: commands, games, each game's operations, the options of the chosen
// command (and game), option values, files and folders.
std::string BashCompletionScript();
std::string ZshCompletionScript();
std::string FishCompletionScript();

} // namespace vantorel
