// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "digit/DigitDrawTable.h"
#include "platform/Outcome.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vantorel {

// At most this many picks of a pick file are compared.
inline constexpr int kPickFileLimit = 1000;

// Compares the picks of a text file (one a line, read from the line's leading digits) with the table.
// Returns lines each ended by "\n": "We MAY have a WINNER here !\n" and one line per drawing of a pick
// (dated: "7  came in on  01/03/98", undated: "7  was found."), or "Sorry...No Matches Were Found.\n".
// Refused with "Can't open specified file." when the file cannot be read (the report then is
// kFileInputError); a file of more than kPickFileLimit picks is compared in part, with a message.
Outcome<std::string> ComparePickFile(const DigitDrawTable& table, const std::filesystem::path& pickFile);

} // namespace vantorel
