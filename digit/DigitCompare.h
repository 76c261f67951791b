#pragma once

#include "digit/DigitDrawTable.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vantorel {

// At most this many picks of a pick file are compared.
inline constexpr int kPickFileLimit = 1000;

// The report of a pick file that cannot be opened.
inline constexpr std::string_view kFileInputError = "File Input ERROR";

// Compares the picks of a text file (one a line, read from the line's leading digits) with the table.
// Returns lines each ended by "\n": "We MAY have a WINNER here !\n" and one line per drawing of a pick
// (dated: "7  came in on  01/03/98", undated: "7  was found."), or "Sorry...No Matches Were Found.\n";
// "File Input ERROR" (after its message) when the file cannot be opened.
std::string ComparePickFile(const DigitDrawTable& table, const std::filesystem::path& pickFile);

} // namespace vantorel
