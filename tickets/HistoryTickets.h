// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GameSettings.h"
#include "platform/Outcome.h"
#include "platform/ReportLines.h"
#include "store/FileSystem.h"
#include "store/SectionReader.h"
#include "tickets/DrawingsToCheck.h"
#include "tickets/PrizesFile.h"
#include "tickets/TicketCheck.h"
#include "tickets/TicketsFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantorel {

// The player's tickets file checked against a history file's drawings: what `vantorel-cli tickets`, the
// check after an update or a results import and the My Tickets window share.

// The dated or undated history of `gameType` in `history`, ready for checking tickets. Power Ball drawings
// hold `settings`' PBM first-group balls. Refused, saying so, when the history file could not be read or
// holds no such history.
Outcome<DrawingsToCheck> DrawingsOfHistory(int gameType, bool dated, const GameSettings& settings,
                                           const HistoryText& history);

// The days of a dated history's drawings, in table order.
std::vector<int> DrawingDays(const DrawingsToCheck& drawings);

// The drawings of `after` dated on a day that `before` (DrawingDays of the history before a change) does
// not hold: the drawings an update or a results import added, also those it placed between older ones.
DrawingsToCheck AddedDrawings(const std::vector<int>& before, const DrawingsToCheck& after);

// The prize table of a check: `prizes.txt` beside the tickets file over the built-in table of the preset
// in force (`presetName`, empty for none) or of the game's shape. Its problems are those of the file's
// lines.
PrizesReading PrizesBeside(const std::filesystem::path& ticketsFile, const TicketGame& game,
                           std::string_view presetName, FileSystem& files = RealFileSystem());

struct TicketsFileCheck {
    std::filesystem::path ticketsFile = std::filesystem::path(kTicketsFileName);
    std::string presetName; // the preset in force for the game; empty for none
    CheckScope scope;
};

// "Lines of tickets.txt left out:" and one line per problem, as one warning; nothing without problems.
std::optional<Notice> ProblemsNotice(const std::filesystem::path& file,
                                     const std::vector<TicketProblem>& problems);

// Reads the tickets file and its prize table and checks the tickets against `drawings`. The lines of
// either file that were left out come as warnings before the check. Refused when the tickets file cannot
// be read (missing too) or the check refuses.
Outcome<TicketCheck> CheckTicketsFile(const TicketsFileCheck& request, const TicketGame& game,
                                      const DrawingsToCheck& drawings, FileSystem& files = RealFileSystem());

// After an update or a results import of `gameType`'s dated history: the drawings it added (those of
// `after` on days missing from `before`) checked against the tickets file, as the wins of each drawing
// (NewWinsLines) and the summary. No lines when nothing was added or there is no tickets file; the lines
// of the files that were left out come as warnings. Refused when the check could not be made.
Outcome<ReportLines> NewDrawingsCheck(const TicketsFileCheck& request, const TicketGame& game,
                                      const std::vector<int>& before, const DrawingsToCheck& after,
                                      FileSystem& files = RealFileSystem());

// The same for the history file of the current directory, as an update or a results import uses it: the
// days of the game's dated history before the change (none when there is no such history), and after it
// the check of the drawings it added, with the tickets file and prizes of that folder.
std::vector<int> DatedDaysInHistoryFile(int gameType, const GameSettings& settings);
Outcome<ReportLines> CheckNewDrawings(int gameType, const GameSettings& settings, std::string presetName,
                                      const std::vector<int>& before, FileSystem& files = RealFileSystem());

} // namespace vantorel
