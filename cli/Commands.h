#pragma once

#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "platform/ReportLines.h"
#include "store/HistoryFile.h"
#include "store/SectionReader.h"

#include <filesystem>
#include <iosfwd>
#include <string_view>

namespace vantorel {

// Each command returns the exit status of vantorel-cli.
int RunDigitOperation(const CommandLine& line, CliContext& context); // run 3|4
int RunLottoOperation(const CommandLine& line, CliContext& context); // run 5|6|pb
int RunDigitCompare(const CommandLine& line, CliContext& context);   // compare 3|4
int RunLottoCompare(const CommandLine& line, CliContext& context);   // compare 5|6|pb
int RunPattern(const CommandLine& line, CliContext& context);        // pattern 3|4
int RunImport(const CommandLine& line, CliContext& context);
int RunAppend(const CommandLine& line, CliContext& context);
int RunAnalyze(const CommandLine& line, CliContext& context);
int RunBackup(const CommandLine& line, CliContext& context);
int RunRestore(const CommandLine& line, CliContext& context);
int RunSettings(const CommandLine& line, CliContext& context);
int RunUpdate(const CommandLine& line, CliContext& context);
int RunUndo(const CommandLine& line, CliContext& context);
int RunRemove(const CommandLine& line, CliContext& context);
int RunRepair(const CommandLine& line, CliContext& context);

// Writes every line, each followed by "\n", in one piece.
void PrintLines(std::ostream& out, const ReportLines& lines);
// Writes a report whose lines end with "\n" as its lines: a last line without "\n" gets one.
void PrintReport(std::ostream& out, std::string_view report);

// Dispatches a parsed command line to its command.
int RunCommand(const CommandLine& line, CliContext& context);

} // namespace vantorel
