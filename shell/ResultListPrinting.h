// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameCatalogue.h"

#include <optional>
#include <string>
#include <vector>

class QPainter;
class QPrinter;

namespace vantorel {

// The printed form of the result list: the first page holds 47 lines, every later page 46.
inline constexpr int kFirstPrintPageLines = 47;
inline constexpr int kLaterPrintPageLines = 46;

// One printed page: its lines, each followed by "\n", and the game its heading names.
struct PrintPage {
    std::string text;
    GameType game = kThreeNumber;
};

// The pages of a list whose line i is about game games[i] (a line without a game, or beyond `games`, is
// about the game of the line before it, the first one about `fallback`): the first page holds up to 47 lines,
// every later one up to 46, and the lines of another game start a new page, so that every page is headed with
// the game of its lines.
std::vector<PrintPage> SplitIntoPrintPages(const std::vector<std::string>& lines,
                                           const std::vector<std::optional<GameType>>& games = {},
                                           GameType fallback = kThreeNumber);

// The heading of printed page `pageNumber` (from 1) for a game (0..4).
std::string PrintHeading(int game, int pageNumber);

// Prints pages firstPage..lastPage (from 1) on an open painter of the printer, in units of 1/1440 inch from
// the top-left corner of the printable area: the heading at (720, 720 down) and the lines at x 720 from
// 1600 down, 280 apart. Returns false when a new page cannot be started.
bool PrintPages(QPrinter& printer, QPainter& painter, const std::vector<PrintPage>& pages, int firstPage,
                int lastPage);

} // namespace vantorel
