// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "platform/GameSettings.h"
#include "platform/ReportLines.h"
#include "store/HistoryFile.h"
#include "store/SectionReader.h"

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

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
int RunStats(const CommandLine& line, CliContext& context);
int RunBacktest(const CommandLine& line, CliContext& context);
int RunTickets(const CommandLine& line, CliContext& context);

// After an update or a results import, the drawings it added (those on days missing from `before`,
// DatedDaysInHistoryFile before the change) checked against the tickets file (the wins and the summary to
// standard output; nothing without a tickets file). The name of the preset in force for the game; empty for
// none.
std::string PresetNameInForce(int gameType, const ProfileStore& profile);
void ShowNewDrawingsCheck(int gameType, const GameSettings& settings, const std::vector<int>& before,
                          CliContext& context);
int RunWheel(const CommandLine& line, CliContext& context);
int RunNew(const CommandLine& line, CliContext& context);
int RunWhere(const CommandLine& line, CliContext& context);
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
