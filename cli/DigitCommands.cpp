// vantorel-cli for the digit games: run 3|4, pattern 3|4 and compare 3|4. Standard output is exactly
// what the result list would show (or, for the chart operations, what the chart would draw).

#include "cli/Commands.h"
#include "digit/DigitCompare.h"
#include "digit/DigitOperation.h"
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

// The history of a digit game that a command uses, read from the history file of the current directory.
struct LoadedDigitGame {
    LoadedDigitGame(int game, bool useDated)
        : undated(SectionNumber(game, false)), dated(SectionNumber(game, true)) {
        LoadChosenHistory(undated, dated, useDated, [](DigitDrawTable& table, const HistoryText& history) {
            return table.Load(history);
        });
    }
    DigitGameTables tables() const { return {undated, dated}; }

    DigitDrawTable undated;
    DigitDrawTable dated;
};

// True when the chosen history is loaded; otherwise shows the page's status text.
bool ChosenHistoryLoaded(int game, const LoadedDigitGame& loaded, bool dated) {
    if (loaded.tables().Chosen(dated).loadStatus == kSectionLoaded) {
        return true;
    }
    ShowNotice({DigitDataStatusText(game, loaded.tables()), NoticeKind::Warning});
    return false;
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
    const int operation = line.operation;
    const LoadedDigitGame loaded(game, line.dated);
    if (!ChosenHistoryLoaded(game, loaded, line.dated)) {
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
    const Outcome<DigitOperationResult> outcome =
        ApplyDigitOperation(loaded.tables(), request, context.clock);
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    const DigitOperationResult& result = *outcome;
    // A result that came with messages (a restricted prediction that could not be made) is listed, but
    // the operation was not done as asked.
    const int status = outcome.notices().empty() ? kExitDone : kExitRefused;
    switch (operation) {
    case kDistribution:
        PrintLines(context.out, DistributionLines(line.dated, result));
        break;
    case kRandom:
    case kBestGuess:
        PrintLines(context.out, {PaddedNumber(game, result.pickedNumber)});
        break;
    default: {
        Notices notices;
        const ReportLines lines =
            DigitResultLines(operation, game, line.dated, line.choices, loaded.tables(), result, notices);
        ShowNotices(notices);
        PrintLines(context.out, lines);
        break;
    }
    }
    return status;
}

int RunDigitCompare(const CommandLine& line, CliContext& context) {
    const LoadedDigitGame loaded(line.gameType, line.dated);
    if (!ChosenHistoryLoaded(line.gameType, loaded, line.dated)) {
        return kExitRefused;
    }
    const Outcome<std::string> compared = ComparePickFile(loaded.tables().Chosen(line.dated), line.input);
    const bool read = ShowOutcome(compared);
    PrintReport(context.out, read ? *compared : kFileInputError);
    return read ? kExitDone : kExitRefused;
}

int RunPattern(const CommandLine& line, CliContext& context) {
    if (line.input.empty()) {
        MessageBox(kNoPatternsEntered);
        return kExitRefused;
    }
    const LoadedDigitGame loaded(line.gameType, line.dated);
    if (!ChosenHistoryLoaded(line.gameType, loaded, line.dated)) {
        return kExitRefused;
    }
    const Outcome<std::string> result =
        FindPattern(loaded.tables().Chosen(line.dated), line.input, line.gameType, !line.reversed);
    if (!ShowOutcome(result)) {
        return kExitRefused;
    }
    PrintLines(context.out, ReportPattern(*result).lines);
    return kExitDone;
}

} // namespace vantorel
