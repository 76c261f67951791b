// vantorel-cli run 5|6|pb and compare 5|6|pb: the 5 Number, 6 Number and Power Ball operations.

#include "cli/Commands.h"

#include "lotto/LottoDrawTable.h"
#include "lotto/LottoOperations.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/Clock.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "store/DataImport.h"
#include "store/SectionReader.h"
#include "store/TextLines.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace vantorel {

namespace {

// The two histories of a game as its page loads them.
template <typename Table> struct GameTables {
    Table undated;
    Table dated;

    const Table& Chosen(bool useDated) const { return useDated ? dated : undated; }
};

// The game's history that the command uses (`useDated`), and the other one only when that is not available.
GameTables<LottoDrawTable> LoadLottoTables(int gameType, bool useDated) {
    GameTables<LottoDrawTable> tables{LottoDrawTable(SectionNumber(gameType, false)),
                                      LottoDrawTable(SectionNumber(gameType, true))};
    LoadChosenHistory(tables.undated, tables.dated, useDated,
                      [](LottoDrawTable& table, const HistoryText& history) { return table.Load(history); });
    return tables;
}

GameTables<PowerballDrawTable> LoadPowerballTables(const GameSettings& settings, bool useDated) {
    GameTables<PowerballDrawTable> tables{PowerballDrawTable(false), PowerballDrawTable(true)};
    LoadChosenHistory(tables.undated, tables.dated, useDated,
                      [&settings](PowerballDrawTable& table, const HistoryText& history) {
                          return table.Load(settings.powerballBalls, history);
                      });
    return tables;
}

// Refuses with the page's status text when the chosen history is not available.
template <typename Table>
bool ChosenHistoryAvailable(int gameType, const GameTables<Table>& tables, bool useDated) {
    if (tables.Chosen(useDated).loadStatus == kSectionLoaded) {
        return true;
    }
    ShowNotice({LottoStatusText(gameType, tables.undated.loadStatus, tables.undated.count(),
                                tables.dated.loadStatus, tables.dated.count()),
                NoticeKind::Error});
    return false;
}

// Distribution as the chart view draws it: one count per ball of each group.
void PrintDistribution(const LottoResult& result, int maximum, int powerMaximum, std::ostream& out) {
    ReportLines lines;
    const auto addGroup = [&lines](std::string_view name, const std::vector<int>& counts, int highest) {
        for (int ball = 1; ball <= highest; ++ball) {
            const int count =
                ball < static_cast<int>(counts.size()) ? counts[static_cast<std::size_t>(ball)] : 0;
            std::string& line = lines.OpenLine();
            line.append(name).append(" ").append(std::to_string(ball)).append(": ");
            line.append(std::to_string(count));
            lines.EndLine();
        }
    };
    addGroup("ball", result.ballCounts, maximum);
    addGroup("powerball", result.powerBallCounts, powerMaximum);
    PrintLines(out, lines);
}

// Random and Best Guess picks as the chart view draws them; Power Ball writes "+ P" after the first group.
void PrintPicks(int gameType, const LottoResult& result, const GameSettings& settings, int plantedSeed,
                const Clock& clock, std::ostream& out) {
    RandomGenerator chartRandom = RandomGenerator::Seeded(plantedSeed, clock);
    const ChartPicks chart = LottoChartPicks(gameType, result, settings, chartRandom);
    ReportLines lines;
    if (chart.insufficient) {
        lines.Add(kInsufficientBestGuess);
    }
    if (chart.picks.empty()) {
        PrintLines(out, lines);
        return;
    }
    std::string& line = lines.OpenLine();
    for (std::size_t i = 0; i < chart.picks.size(); ++i) {
        const bool powerBall = gameType == kPowerball && i + 1 == chart.picks.size();
        if (i > 0) {
            line += ' ';
        }
        if (powerBall) {
            line += "+ ";
        }
        line += std::to_string(chart.picks[i]);
    }
    lines.EndLine();
    PrintLines(out, lines);
}

bool IsChartOperation(int operation) {
    return operation == kDistribution || operation == kRandom || operation == kBestGuess;
}

int ExitStatusOf(const LottoResult& result) {
    return result.refused ? kExitRefused : kExitDone;
}

int RunOnPowerball(const CommandLine& line, CliContext& context, const GameSettings& settings) {
    const bool useDated = line.dated;
    const GameTables<PowerballDrawTable> tables = LoadPowerballTables(settings, useDated);
    if (!ChosenHistoryAvailable(kPowerball, tables, useDated)) {
        return kExitRefused;
    }
    const PowerballDrawTable& table = tables.Chosen(useDated);
    RandomGenerator random(static_cast<std::uint32_t>(context.clock.SecondsNow()));
    const LottoInputs inputs{line.input, line.from, line.to, line.power};
    const Outcome<LottoResult> outcome =
        ApplyPowerballOperation(line.operation, table, inputs, settings, line.choices, random);
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    const LottoResult& result = *outcome;
    if (line.operation == kDistribution) {
        PrintDistribution(result, settings.powerballGroup1Max, settings.powerballGroup2Max, context.out);
    } else if (IsChartOperation(line.operation)) {
        PrintPicks(kPowerball, result, settings, line.seed, context.clock, context.out);
    } else {
        Notices notices;
        const ReportLines lines = PowerballListLines(table, result, notices);
        ShowNotices(notices);
        PrintLines(context.out, lines);
    }
    return ExitStatusOf(result);
}

int RunOnLotto(const CommandLine& line, CliContext& context, const GameSettings& settings) {
    const bool useDated = line.dated;
    const GameTables<LottoDrawTable> tables = LoadLottoTables(line.gameType, useDated);
    if (!ChosenHistoryAvailable(line.gameType, tables, useDated)) {
        return kExitRefused;
    }
    const LottoDrawTable& table = tables.Chosen(useDated);
    RandomGenerator random(static_cast<std::uint32_t>(context.clock.SecondsNow()));
    const LottoInputs inputs{line.input, line.from, line.to, line.power};
    const Outcome<LottoResult> outcome =
        ApplyLottoOperation(line.operation, table, inputs, settings, line.choices, random);
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    const LottoResult& result = *outcome;
    if (line.operation == kDistribution) {
        PrintDistribution(result, table.GameMaximum(settings), 0, context.out);
    } else if (IsChartOperation(line.operation)) {
        PrintPicks(line.gameType, result, settings, line.seed, context.clock, context.out);
    } else {
        Notices notices;
        const ReportLines lines = LottoListLines(table, result, notices);
        ShowNotices(notices);
        PrintLines(context.out, lines);
    }
    return ExitStatusOf(result);
}

// The comparison report, one line per "\n"-ended piece; kFileInputError when the pick file could not be
// read.
int PrintComparison(const Outcome<std::string>& compared, std::ostream& out) {
    const bool read = ShowOutcome(compared);
    PrintReport(out, read ? *compared : kFileInputError);
    return read ? kExitDone : kExitRefused;
}

} // namespace

int RunLottoOperation(const CommandLine& line, CliContext& context) {
    if (line.gameType != kPowerball && line.gameType != kFiveNumber && line.gameType != kSixNumber) {
        return kExitUsage;
    }
    const Outcome<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsNeededBy(line.gameType, line.operation));
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    return line.gameType == kPowerball ? RunOnPowerball(line, context, *settings)
                                       : RunOnLotto(line, context, *settings);
}

int RunLottoCompare(const CommandLine& line, CliContext& context) {
    const Outcome<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsOfDrawingShape(line.gameType));
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    if (line.gameType == kPowerball) {
        const GameTables<PowerballDrawTable> tables = LoadPowerballTables(*settings, line.dated);
        if (!ChosenHistoryAvailable(kPowerball, tables, line.dated)) {
            return kExitRefused;
        }
        return PrintComparison(tables.Chosen(line.dated).ComparePicks(line.input), context.out);
    }
    if (line.gameType != kFiveNumber && line.gameType != kSixNumber) {
        return kExitUsage;
    }
    const GameTables<LottoDrawTable> tables = LoadLottoTables(line.gameType, line.dated);
    if (!ChosenHistoryAvailable(line.gameType, tables, line.dated)) {
        return kExitRefused;
    }
    return PrintComparison(tables.Chosen(line.dated).ComparePicks(line.input), context.out);
}

} // namespace vantorel
