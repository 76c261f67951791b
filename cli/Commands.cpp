// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "cli/CommandOutput.h"

#include <optional>

#include <ostream>

namespace vantorel {

void PrintLines(std::ostream& out, const ReportLines& lines) {
    const std::string_view text = lines.text();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void PrintReport(std::ostream& out, std::string_view report) {
    out.write(report.data(), static_cast<std::streamsize>(report.size()));
    if (!report.empty() && report.back() != '\n') {
        out.put('\n');
    }
}

namespace {

int RunParsedCommand(const CommandLine& line, CliContext& context) {
    const bool digitGame = IsDigitGame(line.gameType);
    switch (line.command) {
    case CliCommand::Run:
        return digitGame ? RunDigitOperation(line, context) : RunLottoOperation(line, context);
    case CliCommand::Compare:
        return digitGame ? RunDigitCompare(line, context) : RunLottoCompare(line, context);
    case CliCommand::Pattern:
        return RunPattern(line, context);
    case CliCommand::Import:
        return RunImport(line, context);
    case CliCommand::Append:
        return RunAppend(line, context);
    case CliCommand::Analyze:
        return RunAnalyze(line, context);
    case CliCommand::Backup:
        return RunBackup(line, context);
    case CliCommand::Restore:
        return RunRestore(line, context);
    case CliCommand::Settings:
        return RunSettings(line, context);
    case CliCommand::Update:
        return RunUpdate(line, context);
    case CliCommand::Stats:
        return RunStats(line, context);
    case CliCommand::Backtest:
        return RunBacktest(line, context);
    case CliCommand::Tickets:
        return RunTickets(line, context);
    case CliCommand::Wheel:
        return RunWheel(line, context);
    case CliCommand::New:
        return RunNew(line, context);
    case CliCommand::Where:
        return RunWhere(line, context);
    case CliCommand::Undo:
        return RunUndo(line, context);
    case CliCommand::Remove:
        return RunRemove(line, context);
    case CliCommand::Repair:
        return RunRepair(line, context);
    case CliCommand::Help:
    case CliCommand::Version:
        break; // answered by main before the settings store is touched
    }
    return kExitUsage;
}

} // namespace

int RunCommand(const CommandLine& line, CliContext& context) {
    if (line.format == OutputFormat::Text) {
        return RunParsedCommand(line, context);
    }
    // CSV and JSON: the messages are shown as always, and kept for the JSON document.
    MessageRecorder recorder;
    CliContext recording = context;
    recording.messages = &recorder.texts();
    return RunParsedCommand(line, recording);
}

} // namespace vantorel
