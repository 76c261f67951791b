// vantorel-cli stats and backtest: the statistics of a history and the backtests of its predictions.

#include "cli/Commands.h"

#include "platform/MessageBox.h"
#include "stats/StatisticsHistory.h"
#include "stats/StatisticsReport.h"

namespace vantorel {

namespace {

// Prints the report of a record, or shows why there is none.
template <class Record>
int PrintRecord(const Outcome<Record>& outcome, ReportLines (*report)(const Record&), std::ostream& out) {
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    PrintLines(out, report(*outcome));
    return kExitDone;
}

} // namespace

int RunStats(const CommandLine& line, CliContext& context) {
    const Outcome<StatisticsHistory> history =
        StatisticsHistory::Load(line.gameType, line.dated, context.profile);
    if (!ShowOutcome(history)) {
        return kExitRefused;
    }
    return PrintRecord(history->Statistics({line.lastDrawings}), StatisticsReportLines, context.out);
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
    return PrintRecord(history->Backtest(request, context.clock), BacktestReportLines, context.out);
}

} // namespace vantorel
