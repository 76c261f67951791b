// SPDX-License-Identifier: GPL-3.0-or-later
// vantorel-cli for the digit games: run 3|4, pattern 3|4 and compare 3|4. Standard output is exactly
// what the result list would show (or, for the chart operations, what the chart would draw).

#include "cli/Commands.h"

#include "cli/CommandOutput.h"
#include "digit/DigitGameTables.h"
#include "digit/DigitPattern.h"
#include "digit/DigitReports.h"
#include "platform/MessageBox.h"
#include "store/SectionReader.h"
#include "store/TextLines.h"

#include <array>
#include <ostream>
#include <string>

namespace vantorel {

namespace {

// The game's history that a command uses, read from the history file of the current directory; nothing,
// after the page's status text, when it is not there.
std::optional<DigitGameTables> LoadChosenHistory(int game, bool dated) {
    DigitGameTables tables(game);
    tables.LoadChosen(dated);
    if (!ShowOutcome(tables.CheckAvailable(dated))) {
        return std::nullopt;
    }
    return tables;
}

// The chart of "Distribution": the deciles of the chosen history, then the digit counts.
ReportLines DistributionLines(bool dated, const DigitOperationResult& result) {
    ReportLines lines;
    const auto addCounts = [&lines](std::string_view name, const std::array<int, 10>& counts) {
        for (std::size_t index = 0; index < counts.size(); ++index) {
            std::string& line = lines.OpenLine();
            line.append(name).append(" ").append(std::to_string(index)).append(": ");
            line.append(std::to_string(counts[index]));
            lines.EndLine();
        }
    };
    addCounts("bucket", dated ? result.decilesDated : result.decilesUndated);
    addCounts("digit", result.digitCounts);
    return lines;
}

} // namespace

int RunDigitOperation(const CommandLine& line, CliContext& context) {
    const int game = line.gameType;
    const Operation operation = line.operation;
    const std::optional<DigitGameTables> tables = LoadChosenHistory(game, line.dated);
    if (!tables) {
        return kExitRefused;
    }
    DigitOperationRequest request;
    request.operation = operation;
    request.useDatedData = line.dated;
    request.numberText = line.input;
    request.fromText = line.from;
    request.toText = line.to;
    request.setupChoices = line.choices;
    request.plantedSeed = line.seed;
    const Outcome<DigitOperationResult> outcome = tables->Apply(request, context.clock);
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    const DigitOperationResult& result = *outcome;
    // A result that came with messages (a restricted prediction that could not be made) is listed, but
    // the operation was not done as asked.
    const int status = outcome.notices().empty() ? kExitDone : kExitRefused;
    ReportLines lines;
    switch (operation) {
    case kDistribution:
        lines = DistributionLines(line.dated, result);
        break;
    case kRandom:
    case kBestGuess:
        lines = ReportLines{PaddedNumber(game, result.pickedNumber)};
        break;
    default: {
        Notices notices;
        lines = tables->ListLines(operation, line.dated, line.choices, result, notices);
        ShowNotices(notices);
        break;
    }
    }
    if (line.format == OutputFormat::Text) {
        PrintLines(context.out, lines);
    } else {
        ResultDocument document = StartDocument(line);
        AddDigitTables(document, line, *tables, result);
        PrintResult(line, context, std::move(document), lines);
    }
    return status;
}

int RunDigitCompare(const CommandLine& line, CliContext& context) {
    const std::optional<DigitGameTables> tables = LoadChosenHistory(line.gameType, line.dated);
    if (!tables) {
        return kExitRefused;
    }
    const Outcome<std::string> compared = tables->ComparePicks(line.dated, line.input);
    const bool read = ShowOutcome(compared);
    PrintResult(line, context, StartDocument(line),
                ReportLines::FromText(read ? *compared : kFileInputError));
    return read ? kExitDone : kExitRefused;
}

int RunPattern(const CommandLine& line, CliContext& context) {
    if (line.input.empty()) {
        MessageBox(kNoPatternsEntered);
        return kExitRefused;
    }
    const std::optional<DigitGameTables> tables = LoadChosenHistory(line.gameType, line.dated);
    if (!tables) {
        return kExitRefused;
    }
    const Outcome<std::string> result = tables->FindPattern(line.dated, line.input, !line.reversed);
    if (!ShowOutcome(result)) {
        return kExitRefused;
    }
    PrintResult(line, context, StartDocument(line), ReportPattern(*result).lines);
    return kExitDone;
}

} // namespace vantorel
