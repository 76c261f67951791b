// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelReport.h"

#include <algorithm>
#include <iomanip>
#include <locale>
#include <sstream>

namespace vantorel {

namespace {

std::string Text(std::uint64_t value) {
    return std::to_string(value);
}

std::string Fixed(double value, int decimals) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

std::string NumbersText(const std::vector<int>& numbers) {
    std::string text;
    for (const int number : numbers) {
        text += (text.empty() ? "" : " ") + std::to_string(number);
    }
    return text;
}

std::string TicketsText(std::uint64_t tickets) {
    return Text(tickets) + (tickets == 1 ? " ticket" : " tickets");
}

std::string BoundLine(const WheelResult& result) {
    const std::uint64_t size = result.tickets.size();
    const std::string name(LowerBoundName(result.lowerBoundKind));
    std::string line =
        "Size against the " + name + ": " + TicketsText(size) + ", the bound " + Text(result.lowerBound);
    if (size == result.lowerBound) {
        return line + " (meets it).";
    }
    return line + " (" + Text(size - result.lowerBound) + " above it).";
}

std::string PadLeft(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

} // namespace

std::string MoneyText(std::int64_t cents) {
    const bool negative = cents < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    std::string dollars = Text(magnitude / 100);
    for (int at = static_cast<int>(dollars.size()) - 3; at > 0; at -= 3) {
        dollars.insert(static_cast<std::size_t>(at), ",");
    }
    const std::uint64_t rest = magnitude % 100;
    return std::string(negative ? "-$" : "$") + dollars + (rest < 10 ? ".0" : ".") + Text(rest);
}

std::vector<std::string> WheelSummaryLines(const WheelResult& result) {
    const WheelRequest& request = result.request;
    std::string first = TicketsText(result.tickets.size()) + " of " + std::to_string(request.ticketSize) +
                        " numbers from a pool of " + std::to_string(request.pool.size());
    if (!request.keys.empty()) {
        first += (request.keys.size() == 1 ? " with key number " : " with key numbers ") +
                 NumbersText(request.keys);
    }
    first += ", guarantee " + GuaranteeText(request.guarantee, request.drawn) + ", verified.";
    std::vector<std::string> lines = {first, BoundLine(result)};
    if (result.bestKnown) {
        lines.push_back("Best known: " + TicketsText(result.bestKnown->tickets) + " (" +
                        (result.bestKnown->proven ? "proven optimal; " : "") + result.bestKnown->source +
                        ").");
    }
    lines.push_back("Made by: " + result.method + ", in " +
                    Fixed(static_cast<double>(result.elapsed.count()) / 1000.0, 1) + " s.");
    return lines;
}

std::string CheckVerdictText(const WheelCheckResult& result) {
    const WheelCheckRequest& request = result.request;
    const std::string guarantee = GuaranteeText(request.guarantee, request.drawn);
    if (result.verdict.status == CoverageVerdict::Status::Holds) {
        return "The tickets hold " + guarantee + " for the " + std::to_string(request.pool.size()) +
               " pool numbers: " + TicketsText(request.tickets.size()) + ".";
    }
    return "The tickets miss the guarantee " + guarantee + ": no ticket holds " +
           std::to_string(request.guarantee) + " of " + NumbersText(result.verdict.missing) + ".";
}

WinsTableCells WinsCells(const WinsTable& wins, int lowestLevel) {
    WinsTableCells cells;
    cells.header = {"In pool", "Guaranteed", "Average best"};
    const int highestLevel = wins.rows.empty() ? lowestLevel : wins.rows.back().drawnInPool;
    for (int level = highestLevel; level >= lowestLevel; --level) {
        cells.header.push_back("Matching " + std::to_string(level));
    }
    for (const WinsRow& row : wins.rows) {
        std::vector<std::string> cellsOfRow = {std::to_string(row.drawnInPool),
                                               std::to_string(row.guaranteedMatch),
                                               Fixed(row.averageBestMatch, 2) + (row.everyDraw ? "" : "*")};
        cells.sampled = cells.sampled || !row.everyDraw;
        for (int level = highestLevel; level >= lowestLevel; --level) {
            const auto at = static_cast<std::size_t>(level);
            cellsOfRow.push_back(at < row.averageTicketsMatching.size()
                                     ? Fixed(row.averageTicketsMatching[at], 2)
                                     : std::string("-"));
        }
        cells.rows.push_back(std::move(cellsOfRow));
    }
    return cells;
}

std::vector<std::string> WinsTableLines(const WinsTable& wins, int lowestLevel) {
    const WinsTableCells cells = WinsCells(wins, lowestLevel);
    std::vector<std::size_t> widths;
    for (const std::string& title : cells.header) {
        widths.push_back(title.size());
    }
    for (const std::vector<std::string>& row : cells.rows) {
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    const auto join = [&widths](const std::vector<std::string>& row) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += (i == 0 ? "" : "  ") + PadLeft(row[i], widths[i]);
        }
        return line;
    };
    std::vector<std::string> lines = {
        "Table of wins: by drawn numbers in the pool, the best match guaranteed and on average, and how "
        "many tickets match each count on average.",
        join(cells.header)};
    for (const std::vector<std::string>& row : cells.rows) {
        lines.push_back(join(row));
    }
    if (cells.sampled) {
        lines.push_back("* averaged over a sample of the draws; the guaranteed match is exact.");
    }
    if (wins.costCents) {
        const std::int64_t each =
            wins.tickets == 0 ? 0 : *wins.costCents / static_cast<std::int64_t>(wins.tickets);
        lines.push_back("Cost: " + TicketsText(wins.tickets) + " at " + MoneyText(each) + " = " +
                        MoneyText(*wins.costCents) + ".");
    }
    return lines;
}

} // namespace vantorel
