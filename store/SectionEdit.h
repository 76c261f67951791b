// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The drawings of a section line as runs of words: drawing k (1 = oldest) is the k-th run of
// `wordsPerDrawing` words after the count; words left over at the end make one short drawing more.
std::vector<std::string_view> DrawingsOfLine(std::string_view line, int wordsPerDrawing);

// The section line without the drawings at `positions` (1 = oldest; positions past the last drawing are
// passed over), written anew: its section number, the count of whole drawings it keeps, and the kept
// drawings, each after one blank. Nothing when the line has no section number and count.
std::optional<std::string> LineWithoutDrawings(std::string_view line, int wordsPerDrawing,
                                               const std::vector<int>& positions);

// How a history is named in messages and report lines: "6 Number Dated", "Powerball Undated".
std::string HistoryName(int section);

} // namespace vantorel
