// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileSystem.h"
#include "tickets/Ticket.h"
#include "tickets/TicketGame.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The player's tickets file, one ticket a line:
//
//     # "#" starts a comment; blank lines are passed over
//     3 11 17 21 24                 5 Number: the game's count of balls, 1 to its maximum (5BC, 6BC)
//     3 11 17 21 24 + 7             Power Ball: PBM balls of 1 to PBC, "+", one Power Ball of 1 to PBB
//     123                           3 and 4 Number: the digits, played straight (in this order)
//     123 box                       ... or as a box (in any order); "straight" may be written too
//     3 11 17 21 24 + 7 ; from 01/03/2026 to 06/27/2026
//
// Numbers are separated by blanks, tabs or commas; "+" needs no blanks around it. After ";" a ticket may
// say which drawings it was played for: "from DATE to DATE", "from DATE" (on and after), "to DATE" (up
// to and on) or "on DATE" (that day only), dates MM/DD/YYYY, words in any case. A line that breaks a rule
// is reported with its number and what is wrong, and the other lines are still read.

inline constexpr std::string_view kTicketsFileName = "tickets.txt";
// Larger files are refused unread: about 100000 tickets with their dates.
inline constexpr std::size_t kLargestTicketsFile = std::size_t{8} << 20;
// The tickets read from one file at most; the lines after the last one are reported once.
inline constexpr int kMostTickets = 100000;

struct TicketsReading {
    TicketGame game;
    std::vector<Ticket> tickets;         // in file order
    std::vector<TicketProblem> problems; // one per line not taken, in file order
    // Why the file could not be read at all (nothing was read then); empty when it was read.
    std::string failure;
};

TicketsReading ReadTicketsText(std::string_view text, const TicketGame& game);
TicketsReading ReadTicketsFile(const std::filesystem::path& file, const TicketGame& game,
                               FileSystem& files = RealFileSystem());

// One ticket line (without its line end) read as line `lineNumber`: the ticket, or the problem when the
// line breaks a rule; neither for a blank or comment line. The desktop window checks a line as it is typed
// with this.
struct TicketLine {
    std::optional<Ticket> ticket;
    std::optional<TicketProblem> problem;
};
TicketLine ReadTicketLine(std::string_view line, int lineNumber, const TicketGame& game);

// The text without the UTF-8 byte order mark that some editors write at the start of a file.
std::string_view WithoutByteOrderMark(std::string_view text);

// "<what> <file> could not be read: <cause>." for a file that was not read ("The tickets file").
std::string FileNotReadText(std::string_view what, const std::filesystem::path& file, ReadStatus status);

} // namespace vantorel
