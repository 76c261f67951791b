// A stand-in for the command line's statistics and backtests until they are wired, for timing them as
// whole processes (bench/stats-process-bench.sh) against `vantorel-cli run`: it reads the settings and the
// history file as vantorel-cli does, runs the engine on the dated history and prints a plain summary.
//
//   stats-driver stats GAME
//   stats-driver backtest GAME OPERATION [optimistic|pessimistic|nihilistic] [SEED]
//
// GAME is 3, 4, 5, 6 or pb; OPERATION overdue, hottest, random or best-guess. With STATS_DRIVER_QUIET set it
// prints nothing, which tells the engine's share of a run from the output's.

#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/Clock.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "settings/IniProfileStore.h"
#include "stats/Backtest.h"
#include "stats/HistoryStatistics.h"
#include "store/HistoryFile.h"
#include "store/SectionReader.h"

#include <charconv>
#include <cstdlib>
#include <iostream>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace vantorel;

// Messages (a setting that cannot be used, say) go to standard error; questions get the cautious answer.
class StderrSink final : public MessageSink {
public:
    MessageAnswer Show(std::string_view text, MessageIcon, MessageButtons buttons) override {
        std::cerr << text << "\n\n";
        return CautiousAnswer(buttons);
    }
};

std::optional<int> GameOf(std::string_view word) {
    static const std::map<std::string_view, int> kGames = {
        {"3", kThreeNumber}, {"4", kFourNumber}, {"5", kFiveNumber}, {"6", kSixNumber}, {"pb", kPowerball}};
    const auto found = kGames.find(word);
    return found == kGames.end() ? std::nullopt : std::optional<int>(found->second);
}

// The text is built with std::to_chars into one string, as a formatter of thousands of lines should be.
void Append(std::string& text, int value) {
    char digits[16];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void Append(std::string& text, double value) {
    char digits[32];
    text.append(digits,
                std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2).ptr);
}

template <typename Value> void Append(std::string& text, const std::optional<Value>& value) {
    if (value) {
        Append(text, *value);
    } else {
        text += '-';
    }
}

void PrintStatistics(const HistoryStatistics& statistics, std::ostream& out) {
    std::string text = "drawings ";
    Append(text, statistics.drawings);
    text += '\n';
    for (const NumberStatistics& number : statistics.numbers.numbers) {
        text += "number ";
        Append(text, number.number);
        text += ": ";
        Append(text, number.count);
        text += ' ';
        Append(text, number.currentSkip);
        text += ' ';
        Append(text, number.longestSkip);
        text += ' ';
        Append(text, number.averageSkip);
        text += ' ';
        text += number.lastSeen ? number.lastSeen->Iso() : "-";
        text += '\n';
    }
    for (const NumberCombination& pair : statistics.pairs) {
        text += "pair ";
        Append(text, pair.numbers[0]);
        text += ' ';
        Append(text, pair.numbers[1]);
        text += ": ";
        Append(text, pair.count);
        text += '\n';
    }
    text += "sums ";
    Append(text, statistics.sums.mean);
    text += ' ';
    Append(text, statistics.sums.standardDeviation);
    text += '\n';
    for (const FairnessResult& fairness : statistics.fairness) {
        text += "fairness " + fairness.subject + ": ";
        Append(text, fairness.statistic);
        text += ' ';
        Append(text, fairness.degreesOfFreedom);
        text += ' ';
        Append(text, fairness.pValue);
        text += ' ' + fairness.sentence + '\n';
    }
    out << text;
}

void PrintGroup(const GroupBacktest& group, std::ostream& out) {
    out << group.group << ": picks " << group.pickCount << ", mean " << group.meanMatches;
    if (group.ci95) {
        out << " [" << group.ci95->low << ", " << group.ci95->high << ']';
    }
    out << ", random " << group.randomExpectation << ": " << group.verdict << '\n';
    for (const MatchCount& row : group.distribution) {
        out << "  " << row.matches << ": " << row.drawings << " (" << row.share << " vs "
            << row.randomProbability << ")\n";
    }
}

void PrintBacktest(const BacktestResult& result, std::ostream& out) {
    out << result.operation << (result.variant.empty() ? "" : " (" + result.variant + ")") << ", "
        << result.drawingsTested << " drawings tested after " << result.warmup << ", seed "
        << (result.seed ? std::to_string(*result.seed) : "-") << ", fallbacks " << result.fallbackPredictions
        << '\n';
    PrintGroup(result.picks, out);
    if (result.powerBalls) {
        PrintGroup(*result.powerBalls, out);
    }
}

template <typename Record>
int Print(const Outcome<Record>& outcome, void (*print)(const Record&, std::ostream&)) {
    if (!outcome) {
        std::cerr << outcome.refusal().text << '\n';
        return 1;
    }
    // STATS_DRIVER_QUIET=1 leaves the printing out, to tell the engine's share from the output's.
    if (std::getenv("STATS_DRIVER_QUIET") == nullptr) {
        print(*outcome, std::cout);
    }
    return 0;
}

std::optional<BacktestRequest> RequestOf(int argc, char* argv[]) {
    static const std::map<std::string_view, Operation> kOperations = {
        {"overdue", kOverdue}, {"hottest", kHottest}, {"random", kRandom}, {"best-guess", kBestGuess}};
    static const std::map<std::string_view, int> kStrategies = {{"optimistic", kBestGuessOptimistic},
                                                                {"pessimistic", kBestGuessPessimistic},
                                                                {"nihilistic", kBestGuessNihilistic}};
    if (argc < 4 || !kOperations.contains(argv[3])) {
        return std::nullopt;
    }
    BacktestRequest request;
    request.operation = kOperations.at(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (kStrategies.contains(word)) {
            request.choices.Choose(kStrategies.at(word));
        } else {
            request.plantedSeed = std::atoi(argv[i]);
        }
    }
    return request;
}

int Run(int argc, char* argv[]) {
    const std::optional<int> game = argc >= 3 ? GameOf(argv[2]) : std::nullopt;
    const bool stats = argc >= 3 && std::string_view(argv[1]) == "stats";
    const std::optional<BacktestRequest> request = stats ? std::nullopt : RequestOf(argc, argv);
    if (!game || (!stats && !request)) {
        std::cerr << "usage: stats-driver stats GAME | backtest GAME OPERATION [STRATEGY] [SEED]\n";
        return 2;
    }
    IniProfileStore profile;
    static_cast<void>(RunFirstTimeSetup(profile));
    const Outcome<GameSettings> settings = ReadGameSettings(profile, SettingsNeededByStatistics(*game));
    if (settings.refused()) {
        std::cerr << settings.refusal().text << '\n';
        return 1;
    }
    const HistoryText history = ReadHistoryText(std::string(kHistoryFileName));
    const SystemClock clock;
    if (IsDigitGame(*game)) {
        DigitDrawTable table(SectionNumber(*game, true));
        table.Load(history);
        return stats ? Print(ComputeStatistics(table), PrintStatistics)
                     : Print(Backtest(table, *request, clock), PrintBacktest);
    }
    if (*game == kPowerball) {
        PowerballDrawTable table(true);
        table.Load(settings->powerballBalls, history);
        return stats ? Print(ComputeStatistics(table, *settings), PrintStatistics)
                     : Print(Backtest(table, *settings, *request, clock), PrintBacktest);
    }
    LottoDrawTable table(SectionNumber(*game, true));
    table.Load(history);
    return stats ? Print(ComputeStatistics(table, *settings), PrintStatistics)
                 : Print(Backtest(table, *settings, *request, clock), PrintBacktest);
}

} // namespace

int main(int argc, char* argv[]) {
#if defined(__GLIBC__)
    // As vantorel-cli does: the heap keeps what it was given, so later allocations reuse the history's
    // buffer.
    constexpr int kBeyondAnyHistory = static_cast<int>(2 * kLargestHistoryFile);
    mallopt(M_MMAP_THRESHOLD, kBeyondAnyHistory);
    mallopt(M_TRIM_THRESHOLD, kBeyondAnyHistory);
#endif
    StderrSink sink;
    const ScopedMessageSink installed(sink);
    return Run(argc, argv);
}
