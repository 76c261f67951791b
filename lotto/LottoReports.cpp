// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotto/LottoReports.h"

#include "lotto/LottoTexts.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/Operations.h"

#include <algorithm>

namespace vantorel {

namespace {

constexpr std::size_t kDisplayDateLength = 8;
constexpr std::size_t kSevenShown = 7;
// Room for a ball with its padding, and for the fixed texts and the date of a line.
constexpr std::size_t kBallRoom = kNumberWidth + 6;
constexpr std::size_t kFixedRoom = 48;
// What a listed drawing's line takes, about: room reserved per line of a long report.
constexpr std::size_t kTypicalLineLength = 64;

ReportLines ShareLine(int first, int second, int kind) {
    ReportLines lines;
    std::string& line = lines.OpenLine();
    line += " Balls are ";
    AppendNumber(line, first);
    line += kind == 1 ? "% Even  -  " : "% High  -  ";
    AppendNumber(line, second);
    line += kind == 1 ? "% Odd." : "% Low.";
    lines.EndLine();
    return lines;
}

// A line of fixed text followed by a number and more text.
ReportLines TextNumberLine(std::string_view before, int number, std::string_view after) {
    ReportLines lines;
    std::string& line = lines.OpenLine();
    line += before;
    AppendNumber(line, number);
    line += after;
    lines.EndLine();
    return lines;
}

bool ValidRow(int row, int count) {
    return row >= 0 && row < count;
}

// The room of a line with `balls` ball cells (a Power Ball line counts its Power Ball) and a date,
// which is shown as stored when it cannot be converted.
std::size_t LineRoom(int balls, const std::string& storedDate) {
    return static_cast<std::size_t>(std::max(balls, 0)) * kBallRoom + kFixedRoom + storedDate.size();
}

// The display date of a row, or the stored text when it cannot be converted.
void WriteRowDate(LineWriter& line, DisplayDateWriter& dates, const std::string& storedDate) {
    if (!line.Date(dates, storedDate)) {
        line.Text(storedDate);
    }
}

// The lines of the listed rows, in list order; rows outside the table are passed over. Each line is
// written in place at the end of the report.
template <typename WriteLine>
ReportLines MatchLines(const std::vector<int>& matchList, int count, WriteLine writeLine) {
    ReportLines lines;
    lines.Reserve(matchList.size(), matchList.size() * kTypicalLineLength);
    for (const int row : matchList) {
        if (ValidRow(row, count)) {
            writeLine(lines.OpenLine(), row);
            lines.EndLine();
        }
    }
    return lines;
}

// Writes one line per row of a table, in place at the end of the report, until `writeLine` says that a
// row cannot be written (its line is then taken back and the listing ends).
template <typename WriteLine> ReportLines TableLines(int count, WriteLine writeLine) {
    ReportLines lines;
    const auto rows = static_cast<std::size_t>(std::max(count, 0));
    lines.Reserve(rows, rows * kTypicalLineLength);
    for (int row = 0; row < count; ++row) {
        if (!writeLine(lines.OpenLine(), row)) {
            lines.DropLine();
            break;
        }
        lines.EndLine();
    }
    return lines;
}

} // namespace

std::string BallCell(int ball) {
    std::string cell;
    LineWriter(cell, kBallRoom).BallCell(ball);
    return cell;
}

ReportLines ReportShare(float share, int kind) {
    if (kind != 1 && kind != 2) {
        return {};
    }
    const auto perMille = static_cast<int>(share * 1000.0f);
    const int first = perMille / 10 + (perMille % 10 > 5 ? 1 : 0);
    return ShareLine(first, 100 - first, kind);
}

ReportLines ReportShareOfCounts(int firstCount, int secondCount, int kind) {
    const long long total = static_cast<long long>(firstCount) + secondCount;
    if (total <= 0) {
        // No ball to share out: both shares are 0 percent.
        return kind == 1 || kind == 2 ? ShareLine(0, 0, kind) : ReportLines{};
    }
    return ReportShare(static_cast<float>(firstCount) / static_cast<float>(total), kind);
}

ReportLines ReportText(std::string_view text) {
    ReportLines lines;
    if (text.size() == kDisplayDateLength) {
        lines.OpenLine().append(" No record of a drawing on ");
    }
    lines.OpenLine().append(text);
    lines.EndLine();
    return lines;
}

ReportLines ReportDateRange(const LottoDrawTable& table, const std::vector<int>& rows, Notices& notices) {
    if (rows.empty()) {
        return {" No drawings found in specified date range."};
    }
    DisplayDateWriter dates(notices);
    const auto balls = static_cast<std::size_t>(table.ballsPerDrawing());
    return MatchLines(rows, table.count(), [&](std::string& line, int row) {
        LineWriter writer(line, LineRoom(table.ballsPerDrawing(), table.Date(row)));
        writer.Skip(1);
        WriteRowDate(writer, dates, table.Date(row));
        writer.Skip(8);
        const LottoRow sorted = SortedFirst(table.numbers[static_cast<std::size_t>(row)], balls);
        for (std::size_t position = 0; position < balls; ++position) {
            writer.BallCell(sorted[position]);
            writer.Skip(2);
        }
    });
}

ReportLines ReportSevenBalls(std::string_view text, PickMode mode) {
    ReportLines lines;
    lines.OpenLine()
        .append(mode == PickMode::Overdue ? " The seven most overdue balls are "
                                          : " The seven hottest balls are ")
        .append(text);
    lines.EndLine();
    return lines;
}

ReportLines ReportLottoTotals(const LottoDrawTable& table, Notices& notices) {
    DisplayDateWriter dates(notices);
    const auto balls = static_cast<std::size_t>(table.ballsPerDrawing());
    return TableLines(table.count(), [&](std::string& line, int row) {
        LineWriter writer(line, LineRoom(table.ballsPerDrawing(), table.Date(row)));
        if (table.dated) {
            writer.Skip(1);
            if (!writer.Date(dates, table.Date(row))) {
                return false;
            }
            writer.Skip(4);
        }
        const LottoRow sorted = SortedFirst(table.numbers[static_cast<std::size_t>(row)], balls);
        for (std::size_t position = 0; position < balls; ++position) {
            writer.Skip(table.dated ? 0 : 1);
            writer.BallCell(sorted[position]);
            writer.Skip(2);
        }
        return true;
    });
}

ReportLines ReportMatches(const LottoDrawTable& table, const MatchList& matchList, Operation operation,
                          Notices& notices) {
    const bool number = operation == kNumberSearch;
    if (matchList.empty()) {
        if (number) {
            return TextNumberLine(" No data found matching all ", table.ballsPerDrawing(), " numbers.");
        }
        return {" No drawings containing those numbers were found."};
    }
    DisplayDateWriter dates(notices);
    return MatchLines(matchList, table.count(), [&](std::string& line, int row) {
        LineWriter writer(line, LineRoom(table.ballsPerDrawing(), table.Date(row)));
        for (int position = 0; position < table.ballsPerDrawing(); ++position) {
            writer.BallCell(table.Ball(row, position));
            writer.Skip(table.dated ? 2 : 1);
        }
        if (table.dated) {
            writer.Text(number ? "    Came  In  on     " : "    Partial  Match  on     ");
            WriteRowDate(writer, dates, table.Date(row));
        } else {
            writer.Text(number ? "was FOUND in the Undated Data." : "Partial Match in Undated Data.");
        }
    });
}

ReportLines ReportMatches(const PowerballDrawTable& table, const MatchList& matchList, Notices& notices) {
    if (matchList.empty()) {
        return {" No drawings containing those numbers were found."};
    }
    DisplayDateWriter dates(notices);
    return MatchLines(matchList, table.count(), [&](std::string& line, int row) {
        LineWriter writer(line, LineRoom(table.ballsPerDrawing + 1, table.Date(row)));
        for (int position = 0; position < table.ballsPerDrawing; ++position) {
            writer.BallCell(table.Ball(row, position));
            writer.Skip(table.dated ? 2 : 1);
        }
        writer.Text(" Powerball = ");
        writer.BallCell(table.PowerBall(row));
        if (table.dated) {
            writer.Text("    Partial  Match  on     ");
            WriteRowDate(writer, dates, table.Date(row));
        } else {
            writer.Text("Partial Match in Undated Data.");
        }
    });
}

ReportLines ReportPowerballTotals(const PowerballDrawTable& table, Notices& notices) {
    DisplayDateWriter dates(notices);
    return TableLines(table.count(), [&](std::string& line, int row) {
        LineWriter writer(line, LineRoom(table.ballsPerDrawing + 1, table.Date(row)));
        if (table.dated) {
            if (!writer.Date(dates, table.Date(row))) {
                return false;
            }
            writer.Skip(3);
        }
        // Each ball's digits, then two spaces for one digit or three for more; a filler of three spaces
        // for each one-digit ball lines up the Power Ball.
        std::size_t oneDigitBalls = 0;
        for (int position = 0; position < table.ballsPerDrawing; ++position) {
            const bool oneDigit = writer.Number(table.Ball(row, position)) == 1;
            oneDigitBalls += oneDigit ? 1 : 0;
            writer.Skip(oneDigit ? 2 : 3);
        }
        writer.Skip(1 + 3 * oneDigitBalls);
        writer.Text(" Powerball  =  ");
        writer.Number(table.PowerBall(row));
        return true;
    });
}

ReportLines ReportSevenPerGroup(const std::vector<int>& firstGroup, const std::vector<int>& powerBalls,
                                PickMode mode) {
    const bool overdue = mode == PickMode::Overdue;
    ReportLines lines;
    const auto addLine = [&lines](std::string_view caption, const std::vector<int>& list) {
        std::string& line = lines.OpenLine();
        line += caption;
        for (std::size_t i = 0; i < std::min(list.size(), kSevenShown); ++i) {
            AppendNumber(line, list[i]);
            line += "  ";
        }
        lines.EndLine();
    };
    addLine(overdue ? "The  Seven  Most  Overdue  Group 1    Balls  are  "
                    : "The  Seven  Hottest  Group 1   Balls  are  ",
            firstGroup);
    addLine(overdue ? "The  Seven  Most  Overdue  Powerball  Balls  are  "
                    : "The  Seven  Hottest  Powerball Balls  are  ",
            powerBalls);
    return lines;
}

ReportLines ReportPowerballDate(const std::vector<int>& pbDrawRecord, std::string_view typedDate) {
    ReportLines lines;
    std::string& line = lines.OpenLine();
    if (pbDrawRecord.empty()) {
        line.append("No  Powerball  record  found  for  ").append(typedDate);
        lines.EndLine();
        return lines;
    }
    for (std::size_t i = 0; i + 1 < pbDrawRecord.size(); ++i) {
        AppendNumber(line, pbDrawRecord[i]);
        line += "  ";
    }
    line += "Powerball = ";
    AppendNumber(line, pbDrawRecord.back());
    line.append("  were the Numbers Drawn On  ").append(typedDate);
    lines.EndLine();
    return lines;
}

ReportLines ReportPowerballRange(const PowerballDrawTable& table, const MatchList& matchList,
                                 Notices& notices) {
    if (matchList.empty()) {
        return {"No  Drawings  Found  in  Specified  Date  Range."};
    }
    DisplayDateWriter dates(notices);
    return MatchLines(matchList, table.count(), [&](std::string& line, int row) {
        LineWriter writer(line, LineRoom(table.ballsPerDrawing + 1, table.Date(row)));
        for (int position = 0; position < table.ballsPerDrawing; ++position) {
            writer.BallCell(table.Ball(row, position));
            writer.Skip(2);
        }
        writer.Text(" Powerball = ");
        writer.BallCell(table.PowerBall(row));
        writer.Text("    Came  In  on     ");
        WriteRowDate(writer, dates, table.Date(row));
    });
}

ReportLines ReportPowerballNumber(const PowerballDrawTable& table, const MatchList& matchList,
                                  Notices& notices) {
    if (matchList.empty()) {
        return TextNumberLine("No  drawing  matching  all  ", table.ballsPerDrawing + 1,
                              "  numbers  was  found.");
    }
    DisplayDateWriter dates(notices);
    return MatchLines(matchList, table.count(), [&](std::string& line, int row) {
        LineWriter writer(line, LineRoom(table.ballsPerDrawing + 1, table.Date(row)));
        for (int position = 0; position < table.ballsPerDrawing; ++position) {
            writer.Number(table.Ball(row, position));
            writer.Skip(2);
        }
        writer.Text("Powerball = ");
        writer.Number(table.PowerBall(row));
        if (table.dated) {
            writer.Text("  Matches  the  Numbers  Drawn on  ");
            WriteRowDate(writer, dates, table.Date(row));
        } else {
            writer.Text("  Was  Found  in  the  Undated  Data.");
        }
    });
}

} // namespace vantorel
