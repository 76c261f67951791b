// SPDX-License-Identifier: GPL-3.0-or-later
// A real history: the New York evening numbers, written into a history file and read back, checked
// against figures that the test counts from the text of the drawings.

#include "digit/DigitDrawTable.h"
#include "digit/DigitReports.h"
#include "platform/Operations.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace vantorel {
namespace {

struct TextDrawing {
    std::string displayDate; // mm/dd/yy
    std::string digits;      // the three digits as drawn
};

std::vector<TextDrawing> ReadDrawings() {
    std::ifstream file(test::TestDataPath("shared/ny-numbers-evening.txt"));
    std::vector<TextDrawing> drawings;
    TextDrawing drawing;
    while (file >> drawing.displayDate >> drawing.digits) {
        drawings.push_back(drawing);
    }
    return drawings;
}

// The dated 3 Number section line: dates turned to yy/mm/dd, numbers without leading zeros.
std::string DatedSectionLine(const std::vector<TextDrawing>& drawings) {
    std::string line = "1 " + std::to_string(drawings.size());
    for (const TextDrawing& drawing : drawings) {
        const std::string& d = drawing.displayDate;
        line += ' ' + d.substr(6, 2) + '/' + d.substr(0, 2) + '/' + d.substr(3, 2);
        line += ' ' + std::to_string(std::stoi(drawing.digits));
    }
    return line + "\r\n";
}

TEST(NewYorkHistory, TotalsAgreeWithTheDrawnTexts) {
    const test::TempWorkingDir dir;
    const std::vector<TextDrawing> drawings = ReadDrawings();
    ASSERT_EQ(drawings.size(), 3549u);
    test::WriteFile("vtrmain.dat", "0 0\r\n" + DatedSectionLine(drawings));
    DigitDrawTable table(1);
    ASSERT_EQ(table.Load(), 1);
    std::map<std::string, int> timesDrawn;
    for (const TextDrawing& drawing : drawings) {
        ++timesDrawn[drawing.digits];
    }
    const ReportLines lines = ReportTotals(kThreeNumber, table.CountTotals());
    ASSERT_EQ(lines.size(), timesDrawn.size());
    // The lines run from the highest number down, as the map does backwards.
    auto expected = timesDrawn.rbegin();
    for (const std::string_view line : lines) {
        EXPECT_EQ(line,
                  " " + expected->first + "  has come in  " + std::to_string(expected->second) + "  time(s)");
        ++expected;
    }
}

} // namespace
} // namespace vantorel
