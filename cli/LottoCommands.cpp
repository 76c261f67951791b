// SPDX-License-Identifier: GPL-3.0-or-later
// vantorel-cli run 5|6|pb and compare 5|6|pb: the 5 Number, 6 Number and Power Ball operations.

#include "cli/Commands.h"

#include "cli/CommandOutput.h"

#include "lotto/LottoGameTables.h"
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
#include <tuple>
#include <vector>

namespace vantorel {

namespace {

// The game's history that a command uses, read with the settings a drawing's shape needs, and the other
// one only when it is not there; nothing, after the page's status text, when it is not there.
std::optional<LottoGameTables> LoadChosenHistory(int game, const GameSettings& settings, bool dated) {
    LottoGameTables tables(game);
    tables.LoadChosen(settings, dated);
    if (!ShowOutcome(tables.CheckAvailable(dated))) {
        return std::nullopt;
    }
    return tables;
}

// Distribution as the chart view draws it: one count per ball of each group.
ReportLines DistributionLines(const LottoResult& result, int maximum, int powerMaximum) {
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
    return lines;
}

// Random and Best Guess picks as the chart view draws them; Power Ball writes "+ P" after the first group.
ReportLines PicksLines(int gameType, const ChartPicks& chart) {
    ReportLines lines;
    if (chart.insufficient) {
        lines.Add(kInsufficientBestGuess);
    }
    if (chart.picks.empty()) {
        return lines;
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
    return lines;
}

int RunOnHistory(const CommandLine& line, CliContext& context, const GameSettings& settings) {
    const std::optional<LottoGameTables> tables = LoadChosenHistory(line.gameType, settings, line.dated);
    if (!tables) {
        return kExitRefused;
    }
    RandomGenerator random(static_cast<std::uint32_t>(context.clock.SecondsNow()));
    const LottoInputs inputs{line.input, line.from, line.to, line.power};
    const Outcome<LottoResult> outcome =
        tables->Apply(line.operation, line.dated, inputs, settings, line.choices, random);
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    const LottoResult& result = *outcome;
    ReportLines lines;
    std::optional<ChartPicks> chart;
    LottoChartShown shown;
    if (line.operation == kDistribution) {
        std::tie(shown.maximum, shown.powerMaximum) = tables->ChartMaximums(line.dated, settings);
        lines = DistributionLines(result, shown.maximum, shown.powerMaximum);
    } else if (IsChartOperation(line.operation)) {
        RandomGenerator chartRandom = RandomGenerator::Seeded(line.seed, context.clock);
        chart = LottoChartPicks(line.gameType, result, settings, chartRandom);
        lines = PicksLines(line.gameType, *chart);
    } else {
        Notices notices;
        lines = tables->ListLines(line.dated, result, notices);
        ShowNotices(notices);
    }
    if (line.format == OutputFormat::Text) {
        PrintLines(context.out, lines);
    } else {
        ResultDocument document = StartDocument(line);
        shown.picks = chart ? &*chart : nullptr;
        AddLottoTables(document, line, *tables, result, shown);
        PrintResult(line, context, std::move(document), lines);
    }
    return result.refused ? kExitRefused : kExitDone;
}

// The comparison report, one line per "\n"-ended piece; kFileInputError when the pick file could not be
// read.
int PrintComparison(const CommandLine& line, CliContext& context, const Outcome<std::string>& compared) {
    const bool read = ShowOutcome(compared);
    PrintResult(line, context, StartDocument(line),
                ReportLines::FromText(read ? *compared : kFileInputError));
    return read ? kExitDone : kExitRefused;
}

} // namespace

int RunLottoOperation(const CommandLine& line, CliContext& context) {
    if (!IsLottoGame(line.gameType)) {
        return kExitUsage;
    }
    const Outcome<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsNeededBy(line.gameType, line.operation));
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    return RunOnHistory(line, context, *settings);
}

int RunLottoCompare(const CommandLine& line, CliContext& context) {
    if (!IsLottoGame(line.gameType)) {
        return kExitUsage;
    }
    const Outcome<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsOfDrawingShape(line.gameType));
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    const std::optional<LottoGameTables> tables = LoadChosenHistory(line.gameType, *settings, line.dated);
    if (!tables) {
        return kExitRefused;
    }
    return PrintComparison(line, context, tables->ComparePicks(line.dated, line.input));
}

} // namespace vantorel
