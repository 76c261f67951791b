#pragma once

#include <string>
#include <vector>

class QPainter;
class QPrinter;

namespace vantorel {

// The printed form of the result list: the first page holds 47 lines, every later page 46.
inline constexpr int kFirstPrintPageLines = 47;
inline constexpr int kLaterPrintPageLines = 46;

// The page texts of a list: each line followed by "\n", a page closed after line index i when i is a
// positive multiple of 46, and after the last line.
std::vector<std::string> SplitIntoPrintPages(const std::vector<std::string>& lines);

// The heading of printed page `pageNumber` (from 1) for the game page activated last (0..4).
std::string PrintHeading(int printGame, int pageNumber);

// Prints pages firstPage..lastPage (from 1) of the page texts on an open painter of the printer, in units
// of 1/1440 inch from the top-left corner of the printable area: the heading at (720, 720 down) and the
// lines at x 720 from 1600 down, 280 apart. Returns false when a new page cannot be started.
bool PrintPages(QPrinter& printer, QPainter& painter, const std::vector<std::string>& pageTexts,
                int printGame, int firstPage, int lastPage);

} // namespace vantorel
