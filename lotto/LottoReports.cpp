#include "lotto/LottoReports.h"

#include "lotto/LottoTexts.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/Operations.h"

#include <algorithm>

namespace vantorel {

namespace {

constexpr std::size_t kDisplayDateLength = 8;
constexpr std::size_t kSevenShown = 7;

std::string ShareLine(int first, int second, int kind) {
    const std::string_view upper = kind == 1 ? " Even" : " High";
    const std::string_view lower = kind == 1 ? " Odd." : " Low.";
    return " Balls are " + std::to_string(first) + '%' + std::string(upper) + "  -  " +
           std::to_string(second) + '%' + std::string(lower);
}

// A first-group ball of the Power Ball Totals: its digits, then two spaces for one digit, three for more.
std::string TotalsBall(int ball) {
    const std::string digits = std::to_string(ball);
    return digits + (digits.size() == 1 ? "  " : "   ");
}

std::string DisplayedDate(const std::string& storedDate) {
    return DisplayDateOf(storedDate).value_or(storedDate);
}

bool ValidRow(int row, int count) {
    return row >= 0 && row < count;
}

} // namespace

std::string BallCell(int ball) {
    const std::string digits = std::to_string(ball);
    return digits + (digits.size() == 1 ? "   " : " ");
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

std::vector<std::string> ReportDateRange(std::string_view text) {
    if (text.empty()) {
        return {" No drawings found in specified date range."};
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t star = text.find('*'); star != std::string_view::npos; star = text.find('*', start)) {
        lines.emplace_back(text.substr(start, star - start));
        start = star + 1;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

std::vector<std::string> ReportSevenBalls(std::string_view text, int mode) {
    const std::string_view caption =
        mode == kSevenOverdue ? " The seven most overdue balls are " : " The seven hottest balls are ";
    return {std::string(caption) + std::string(text)};
}

std::vector<std::string> ReportLottoTotals(const LottoDrawTable& table) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(table.count()));
    for (int row = 0; row < table.count(); ++row) {
        std::string line;
        if (table.dated) {
            const std::optional<std::string> date = DisplayDateOf(table.Date(row));
            if (!date) {
                break;
            }
            line = ' ' + *date + "    ";
        }
        for (const int ball : table.SortedBalls(row)) {
            line += (table.dated ? "" : " ") + BallCell(ball) + "  ";
        }
        lines.push_back(std::move(line));
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
    std::vector<std::string> lines;
    for (const int row : matchList) {
        if (!ValidRow(row, table.count())) {
            continue;
        }
        std::string line;
        for (int position = 0; position < table.ballsPerDrawing(); ++position) {
            line += BallCell(table.Ball(row, position)) + (table.dated ? "  " : " ");
        }
        if (table.dated) {
            line += std::string("   ") + (number ? " Came  In  on     " : " Partial  Match  on     ") +
                    DisplayedDate(table.Date(row));
        } else {
            line += number ? "was FOUND in the Undated Data." : "Partial Match in Undated Data.";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> ReportMatches(const PowerballDrawTable& table, const MatchList& matchList) {
    if (matchList.empty()) {
        return {" No drawings containing those numbers were found."};
    }
    std::vector<std::string> lines;
    for (const int row : matchList) {
        if (!ValidRow(row, table.count())) {
            continue;
        }
        std::string line;
        for (int position = 0; position < table.ballsPerDrawing; ++position) {
            line += BallCell(table.Ball(row, position)) + (table.dated ? "  " : " ");
        }
        line += " Powerball = " + BallCell(table.PowerBall(row));
        if (table.dated) {
            line += "    Partial  Match  on     " + DisplayedDate(table.Date(row));
        } else {
            line += "Partial Match in Undated Data.";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> ReportPowerballTotals(const PowerballDrawTable& table) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(table.count()));
    for (int row = 0; row < table.count(); ++row) {
        std::string line;
        if (table.dated) {
            const std::optional<std::string> date = DisplayDateOf(table.Date(row));
            if (!date) {
                break;
            }
            line = *date + "   ";
        }
        int oneDigitBalls = 0;
        for (int position = 0; position < table.ballsPerDrawing; ++position) {
            const int ball = table.Ball(row, position);
            line += TotalsBall(ball);
            oneDigitBalls += std::to_string(ball).size() == 1 ? 1 : 0;
        }
        line += std::string(static_cast<std::size_t>(1 + 3 * oneDigitBalls), ' ');
        line += " Powerball  =  " + std::to_string(table.PowerBall(row));
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> ReportSevenPerGroup(const std::vector<int>& firstGroup,
                                             const std::vector<int>& powerBalls, int mode) {
    const bool overdue = mode == kGroupOverdue;
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
    std::vector<std::string> lines;
    for (const int row : matchList) {
        if (!ValidRow(row, table.count())) {
            continue;
        }
        std::string line;
        for (int position = 0; position < table.ballsPerDrawing; ++position) {
            line += BallCell(table.Ball(row, position)) + "  ";
        }
        line += " Powerball = " + BallCell(table.PowerBall(row)) + "    Came  In  on     " +
                DisplayedDate(table.Date(row));
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> ReportPowerballNumber(const PowerballDrawTable& table, const MatchList& matchList) {
    if (matchList.empty()) {
        return {"No  drawing  matching  all  " + std::to_string(table.ballsPerDrawing + 1) +
                "  numbers  was  found."};
    }
    std::vector<std::string> lines;
    for (const int row : matchList) {
        if (!ValidRow(row, table.count())) {
            continue;
        }
        std::string line;
        for (int position = 0; position < table.ballsPerDrawing; ++position) {
            line += std::to_string(table.Ball(row, position)) + "  ";
        }
        line += "Powerball = " + std::to_string(table.PowerBall(row));
        line += table.dated ? "  Matches  the  Numbers  Drawn on  " + DisplayedDate(table.Date(row))
                            : std::string("  Was  Found  in  the  Undated  Data.");
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace vantorel
