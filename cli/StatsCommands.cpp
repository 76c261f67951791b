// SPDX-License-Identifier: GPL-3.0-or-later
// vantorel-cli stats and backtest: the statistics of a history and the backtests of its predictions.

#include "cli/CommandOutput.h"
#include "cli/Commands.h"

#include "platform/MessageBox.h"
#include "stats/StatisticsHistory.h"
#include "stats/StatisticsReport.h"
#include "stats/StatisticsTables.h"

namespace vantorel {

namespace {

// Prints a record as the command line asks: its report as text, or its tables as CSV or JSON; or shows
// why there is none.
template <class Record>
int PrintRecord(const CommandLine& line, CliContext& context, const Outcome<Record>& outcome,
                ReportLines (*report)(const Record&), void (*tables)(ResultDocument&, const Record&)) {
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    ResultDocument document = StartDocument(line);
    if (line.format != OutputFormat::Text) { // the text is the report alone
        tables(document, *outcome);
    }
    PrintResult(line, context, std::move(document), report(*outcome));
    return kExitDone;
}

} // namespace

int RunStats(const CommandLine& line, CliContext& context) {
    const Outcome<StatisticsHistory> history =
        StatisticsHistory::Load(line.gameType, line.dated, context.profile);
    if (!ShowOutcome(history)) {
        return kExitRefused;
    }
    return PrintRecord(line, context, history->Statistics({line.lastDrawings}), StatisticsReportLines,
                       AddStatisticsTables);
}

int RunBacktest(const CommandLine& line, CliContext& context) {
    const Outcome<StatisticsHistory> history =
        StatisticsHistory::Load(line.gameType, line.dated, context.profile);
    if (!ShowOutcome(history)) {
        return kExitRefused;
    }
    BacktestRequest request;
    request.operation = line.operation;
    request.choices = line.choices;
    request.warmup = line.warmup.value_or(kDefaultWarmup);
    request.plantedSeed = line.seed;
    return PrintRecord(line, context, history->Backtest(request, context.clock), BacktestReportLines,
                       AddBacktestTables);
}

} // namespace vantorel
