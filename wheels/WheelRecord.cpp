// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelRecord.h"

#include <algorithm>
#include <string>

namespace vantorel {

namespace {

std::string NumbersText(const std::vector<int>& numbers) {
    std::string text;
    for (const int number : numbers) {
        text += (text.empty() ? "" : " ") + std::to_string(number);
    }
    return text;
}

std::vector<std::string> NumberColumns(std::size_t count) {
    std::vector<std::string> columns;
    for (std::size_t i = 1; i <= count; ++i) {
        columns.push_back("n" + std::to_string(i));
    }
    return columns;
}

Cell Dollars(const std::optional<std::int64_t>& cents) {
    return cents ? Cell(static_cast<double>(*cents) / 100.0) : Cell();
}

} // namespace

ResultTable TicketsTable(const std::vector<WheelTicket>& tickets) {
    std::size_t widest = 0;
    for (const WheelTicket& ticket : tickets) {
        widest = std::max(widest, ticket.size());
    }
    std::vector<std::string> columns = {"ticket"};
    for (std::string& column : NumberColumns(widest)) {
        columns.push_back(std::move(column));
    }
    ResultTable table{"tickets", columns, {}};
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        CellRow row = {static_cast<std::int64_t>(i + 1)};
        for (const int number : tickets[i]) {
            row.emplace_back(number);
        }
        table.AddRow(std::move(row));
    }
    return table;
}

ResultTable WinsResultTable(const WinsTable& wins, int lowestLevel) {
    const int highestLevel = wins.rows.empty() ? lowestLevel : wins.rows.back().drawnInPool;
    ResultTable table{"wins", {"drawn_in_pool", "guaranteed_match", "average_best_match", "every_draw"}, {}};
    for (int level = highestLevel; level >= lowestLevel; --level) {
        table.columns.push_back("tickets_matching_" + std::to_string(level));
    }
    for (const WinsRow& row : wins.rows) {
        CellRow cells = {row.drawnInPool, row.guaranteedMatch, row.averageBestMatch, row.everyDraw};
        for (int level = highestLevel; level >= lowestLevel; --level) {
            const auto at = static_cast<std::size_t>(level);
            if (at < row.averageTicketsMatching.size()) {
                cells.emplace_back(row.averageTicketsMatching[at]);
            } else {
                cells.emplace_back();
            }
        }
        table.AddRow(std::move(cells));
    }
    return table;
}

ResultDocument WheelDocument(const WheelResult& result) {
    const WheelRequest& request = result.request;
    ResultDocument document;
    document.fields.emplace_back("pool", NumbersText(request.pool));
    document.fields.emplace_back("keys", NumbersText(request.keys));
    document.fields.emplace_back("ticket_size", request.ticketSize);
    document.fields.emplace_back("guarantee", request.guarantee);
    document.fields.emplace_back("drawn", request.drawn);
    document.fields.emplace_back("seed", static_cast<std::int64_t>(request.seed));
    document.fields.emplace_back("seconds", request.seconds);
    document.fields.emplace_back("ticket_count", result.tickets.size());
    document.fields.emplace_back("lower_bound", static_cast<std::int64_t>(result.lowerBound));
    document.fields.emplace_back("lower_bound_kind", std::string(LowerBoundName(result.lowerBoundKind)));
    document.fields.emplace_back(
        "schoenheim_bound",
        result.schoenheimBound ? Cell(static_cast<std::int64_t>(*result.schoenheimBound)) : Cell());
    document.fields.emplace_back(
        "best_known", result.bestKnown ? Cell(static_cast<std::int64_t>(result.bestKnown->tickets)) : Cell());
    document.fields.emplace_back("best_known_proven",
                                 result.bestKnown ? Cell(result.bestKnown->proven) : Cell());
    document.fields.emplace_back("method", result.method);
    document.fields.emplace_back("verified", result.verification.status == CoverageVerdict::Status::Holds);
    document.fields.emplace_back("cost", Dollars(result.wins.costCents));
    document.tables.push_back(TicketsTable(result.tickets));
    document.tables.push_back(WinsResultTable(result.wins, request.guarantee));
    return document;
}

ResultDocument WheelCheckDocument(const WheelCheckResult& result) {
    const WheelCheckRequest& request = result.request;
    const bool holds = result.verdict.status == CoverageVerdict::Status::Holds;
    ResultDocument document;
    document.fields.emplace_back("pool", NumbersText(request.pool));
    document.fields.emplace_back("guarantee", request.guarantee);
    document.fields.emplace_back("drawn", request.drawn);
    document.fields.emplace_back("ticket_count", request.tickets.size());
    document.fields.emplace_back("holds", holds);
    document.fields.emplace_back("missing", NumbersText(result.verdict.missing));
    if (holds && result.wins) {
        document.tables.push_back(WinsResultTable(*result.wins, request.guarantee));
        document.fields.emplace_back("cost", Dollars(result.wins->costCents));
    } else if (!holds) {
        ResultTable missing{"missing", NumberColumns(result.verdict.missing.size()), {}};
        CellRow row;
        for (const int number : result.verdict.missing) {
            row.emplace_back(number);
        }
        missing.AddRow(std::move(row));
        document.tables.push_back(std::move(missing));
    }
    return document;
}

} // namespace vantorel
