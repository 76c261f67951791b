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

std::string ShareLine(int first, int second, int kind) {
    const std::string_view upper = kind == 1 ? " Even" : " High";
    const std::string_view lower = kind == 1 ? " Odd." : " Low.";
    return " Balls are " + std::to_string(first) + '%' + std::string(upper) + "  -  " +
           std::to_string(second) + '%' + std::string(lower);
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
// written into a scratch text and kept as a copy of just its length.
template <typename WriteLine>
std::vector<std::string> MatchLines(const std::vector<int>& matchList, int count, WriteLine writeLine) {
    std::vector<std::string> lines;
    lines.reserve(matchList.size());
    std::string scratch;
    for (const int row : matchList) {
        if (ValidRow(row, count)) {
            scratch.clear();
            writeLine(scratch, row);
            lines.emplace_back(scratch);
        }
    }
    return lines;
}

} // namespace

std::string BallCell(int ball) {
    std::string cell;
    LineWriter(cell, kBallRoom).BallCell(ball);
    return cell;
}

std::vector<std::string> ReportShare(float share, int kind) {
    if (kind != 1 && kind != 2) {
        return {};
    }
    const auto perMille = static_cast<int>(share * 1000.0f);
    const int first = perMille / 10 + (perMille % 10 > 5 ? 1 : 0);
    return {ShareLine(first, 100 - first, kind)};
}

std::vector<std::string> ReportShareOfCounts(int firstCount, int secondCount, int kind) {
    const long long total = static_cast<long long>(firstCount) + secondCount;
    if (total <= 0) {
        // No ball to share out: both shares are 0 percent.
        return kind == 1 || kind == 2 ? std::vector<std::string>{ShareLine(0, 0, kind)}
                                      : std::vector<std::string>{};
    }
    return ReportShare(static_cast<float>(firstCount) / static_cast<float>(total), kind);
}

std::vector<std::string> ReportText(std::string_view text) {
    if (text.size() == kDisplayDateLength) {
        return {" No record of a drawing on " + std::string(text)};
    }
    return {std::string(text)};
}

std::vector<std::string> ReportDateRange(const LottoDrawTable& table, const std::vector<int>& rows) {
    if (rows.empty()) {
        return {" No drawings found in specified date range."};
    }
    DisplayDateWriter dates;
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

std::vector<std::string> ReportSevenBalls(std::string_view text, PickMode mode) {
    const std::string_view caption =
        mode == PickMode::Overdue ? " The seven most overdue balls are " : " The seven hottest balls are ";
    return {std::string(caption) + std::string(text)};
}

std::vector<std::string> ReportLottoTotals(const LottoDrawTable& table) {
    DisplayDateWriter dates;
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(table.count()));
    const auto balls = static_cast<std::size_t>(table.ballsPerDrawing());
    std::string line;
    for (int row = 0; row < table.count(); ++row) {
        const LottoRow sorted = SortedFirst(table.numbers[static_cast<std::size_t>(row)], balls);
        line.clear();
        LineWriter writer(line, LineRoom(table.ballsPerDrawing(), table.Date(row)));
        if (table.dated) {
            writer.Skip(1);
            if (!writer.Date(dates, table.Date(row))) {
                break;
            }
            writer.Skip(4);
        }
        for (std::size_t position = 0; position < balls; ++position) {
            writer.Skip(table.dated ? 0 : 1);
            writer.BallCell(sorted[position]);
            writer.Skip(2);
        }
        writer.Finish();
        lines.emplace_back(line);
    }
    return lines;
}

std::vector<std::string> ReportMatches(const LottoDrawTable& table, const MatchList& matchList,
                                       int operation) {
    const bool number = operation == kNumberSearch;
    if (matchList.empty()) {
        if (number) {
            return {" No data found matching all " + std::to_string(table.ballsPerDrawing()) + " numbers."};
        }
        return {" No drawings containing those numbers were found."};
    }
    DisplayDateWriter dates;
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

std::vector<std::string> ReportMatches(const PowerballDrawTable& table, const MatchList& matchList) {
    if (matchList.empty()) {
        return {" No drawings containing those numbers were found."};
    }
    DisplayDateWriter dates;
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

std::vector<std::string> ReportPowerballTotals(const PowerballDrawTable& table) {
    DisplayDateWriter dates;
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(table.count()));
    std::string line;
    for (int row = 0; row < table.count(); ++row) {
        line.clear();
        LineWriter writer(line, LineRoom(table.ballsPerDrawing + 1, table.Date(row)));
        if (table.dated) {
            if (!writer.Date(dates, table.Date(row))) {
                break;
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
        writer.Finish();
        lines.emplace_back(line);
    }
    return lines;
}

std::vector<std::string> ReportSevenPerGroup(const std::vector<int>& firstGroup,
                                             const std::vector<int>& powerBalls, PickMode mode) {
    const bool overdue = mode == PickMode::Overdue;
    const auto line = [](std::string caption, const std::vector<int>& list) {
        for (std::size_t i = 0; i < std::min(list.size(), kSevenShown); ++i) {
            caption += std::to_string(list[i]) + "  ";
        }
        return caption;
    };
    return {line(overdue ? "The  Seven  Most  Overdue  Group 1    Balls  are  "
                         : "The  Seven  Hottest  Group 1   Balls  are  ",
                 firstGroup),
            line(overdue ? "The  Seven  Most  Overdue  Powerball  Balls  are  "
                         : "The  Seven  Hottest  Powerball Balls  are  ",
                 powerBalls)};
}

std::vector<std::string> ReportPowerballDate(const std::vector<int>& pbDrawRecord,
                                             std::string_view typedDate) {
    if (pbDrawRecord.empty()) {
        return {"No  Powerball  record  found  for  " + std::string(typedDate)};
    }
    std::string line;
    for (std::size_t i = 0; i + 1 < pbDrawRecord.size(); ++i) {
        line += std::to_string(pbDrawRecord[i]) + "  ";
    }
    line += "Powerball = " + std::to_string(pbDrawRecord.back()) + "  were the Numbers Drawn On  " +
            std::string(typedDate);
    return {line};
}

std::vector<std::string> ReportPowerballRange(const PowerballDrawTable& table, const MatchList& matchList) {
    if (matchList.empty()) {
        return {"No  Drawings  Found  in  Specified  Date  Range."};
    }
    DisplayDateWriter dates;
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

std::vector<std::string> ReportPowerballNumber(const PowerballDrawTable& table, const MatchList& matchList) {
    if (matchList.empty()) {
        return {"No  drawing  matching  all  " + std::to_string(table.ballsPerDrawing + 1) +
                "  numbers  was  found."};
    }
    DisplayDateWriter dates;
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
