// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "cli/CommandTable.h"
#include "net/FetchRequest.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <stdexcept>

namespace vantorel {

namespace {

constexpr std::string_view kProgram = "vantorel-cli";

// A command line that does not follow the grammar: what is wrong, in words the user typed.
class UsageError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string Quoted(std::string_view word) {
    return "\"" + std::string(word) + "\"";
}

// ", did you mean ...?" when a known word is close to the typed one.
std::string Suggestion(std::string_view word, std::span<const std::string_view> known) {
    const std::string_view closest = ClosestWord(word, known);
    return closest.empty() ? std::string() : "; did you mean " + Quoted(closest) + "?";
}

std::vector<std::string_view> CommandNames() {
    std::vector<std::string_view> names;
    for (const CommandRow& row : kCommandTable) {
        names.push_back(row.name);
    }
    return names;
}

std::vector<std::string_view> OptionNames(const CommandRow& row) {
    std::vector<std::string_view> names = {kDirOption.name};
    for (const OptionRow& option : row.options) {
        names.push_back(option.name);
    }
    return names;
}

std::string GameWords() {
    std::string words;
    for (std::size_t i = 0; i < kGameCatalogue.size(); ++i) {
        words += i == 0 ? "" : (i + 1 == kGameCatalogue.size() ? " or " : ", ");
        words += kGameCatalogue[i].cliWord;
    }
    return words;
}

std::string ChoicesText(std::string_view choices) {
    std::string text(choices);
    const std::size_t last = text.rfind('|');
    std::replace(text.begin(), text.end(), '|', ',');
    if (last != std::string::npos) {
        text.replace(last, 1, " or ");
    }
    std::string spaced;
    for (const char character : text) {
        spaced += character;
        if (character == ',') {
            spaced += ' ';
        }
    }
    return spaced;
}

// "3 4" as "3 and 4".
std::string GamesText(std::string_view games) {
    std::string text(games);
    if (const std::size_t blank = text.find(' '); blank != std::string::npos) {
        text.replace(blank, 1, " and ");
    }
    return text;
}

} // namespace

const CommandRow* CommandRowOf(std::string_view name) {
    const auto found = std::find_if(kCommandTable.begin(), kCommandTable.end(),
                                    [name](const CommandRow& row) { return row.name == name; });
    return found == kCommandTable.end() ? nullptr : &*found;
}

const OptionRow* OptionOf(const CommandRow& row, std::string_view name) {
    if (name == kDirOption.name) {
        return &kDirOption;
    }
    const auto found = std::find_if(row.options.begin(), row.options.end(),
                                    [name](const OptionRow& option) { return option.name == name; });
    return found == row.options.end() ? nullptr : &*found;
}

std::string_view ClosestWord(std::string_view word, std::span<const std::string_view> known) {
    if (word.empty()) {
        return {};
    }
    if (std::find(known.begin(), known.end(), word) != known.end()) {
        return {};
    }
    // A known word that starts with the typed one ("hot"), or that the typed one starts with
    // ("number-range" where only "number" is known).
    constexpr std::size_t kShortestStem = 3;
    for (const std::string_view candidate : known) {
        if (candidate.size() > word.size() && candidate.substr(0, word.size()) == word) {
            return candidate;
        }
    }
    for (const std::string_view candidate : known) {
        if (candidate.size() >= kShortestStem && word.substr(0, candidate.size()) == candidate) {
            return candidate;
        }
    }
    // The fewest single-character insertions, deletions and substitutions; at most a third of the word.
    const auto distance = [](std::string_view a, std::string_view b) {
        std::vector<std::size_t> row(b.size() + 1);
        for (std::size_t j = 0; j <= b.size(); ++j) {
            row[j] = j;
        }
        for (std::size_t i = 1; i <= a.size(); ++i) {
            std::size_t diagonal = row[0];
            row[0] = i;
            for (std::size_t j = 1; j <= b.size(); ++j) {
                const std::size_t above = row[j];
                row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
                diagonal = above;
            }
        }
        return row[b.size()];
    };
    // A word of one or two characters is too short to guess from.
    if (word.size() <= 2) {
        return {};
    }
    const std::size_t allowed = std::max<std::size_t>(2, word.size() / 3);
    std::string_view best;
    std::size_t bestDistance = allowed + 1;
    for (const std::string_view candidate : known) {
        const std::size_t d = distance(word, candidate);
        if (d < bestDistance) {
            best = candidate;
            bestDistance = d;
        }
    }
    return best;
}

std::string UsageText() {
    std::string text = "usage:\n";
    for (const CommandRow& row : kCommandTable) {
        std::string_view usage = row.usage;
        while (!usage.empty()) {
            const std::size_t end = std::min(usage.find('\n'), usage.size());
            const std::string_view form = usage.substr(0, end);
            const bool continued = form.starts_with("    ");
            text.append(continued ? "               " : "  vantorel-cli ")
                .append(continued ? form.substr(4) : form);
            text += '\n';
            usage.remove_prefix(std::min(end + 1, usage.size()));
        }
    }
    text +=
        "  vantorel-cli --version | --help\n"
        "\n"
        "GAME: " +
        GameWords() +
        "\n"
        "OPERATION: distribution, even-odd, high-low, totals, overdue, hottest, random, best-guess, date,\n"
        "           date-range, number, number-range (3 and 4), partial-number (5, 6 and pb)\n"
        "KEY: 5BC, 6BC, PBC, PBB or PBM\n"
        "--dir DIR (any command): work on the history file of DIR instead of the current directory\n";
    return text;
}

std::string HelpText() {
    constexpr std::string_view kPurpose =
        "vantorel-cli runs the operations of Vantorel on the drawing history vtrmain.dat and prints the\n"
        "result lines to standard output and messages to standard error.\n\n";
    constexpr std::string_view kDetails =
        "\n"
        "With --dir, a relative FILE is still taken from the current directory.\n"
        "Exit status: 0 done, 1 refused or failed (after its message), 2 usage error, 3 analyze found "
        "errors.\n"
        "\"vantorel-cli help COMMAND\" describes a command's options; the manual page vantorel-cli(1) "
        "describes\n"
        "every command.\n";
    return std::string(kPurpose).append(UsageText()).append(kDetails);
}

std::string CommandHelpText(std::string_view command) {
    const CommandRow* const row = CommandRowOf(command);
    if (row == nullptr) {
        std::string text = "usage: vantorel-cli COMMAND [ARGUMENTS] [OPTIONS]\n\ncommands:\n";
        for (const CommandRow& each : kCommandTable) {
            text.append("  ").append(each.name).append(
                std::string(10 - std::min<std::size_t>(each.name.size(), 9), ' '));
            text.append(each.summary).append("\n");
        }
        text += "\nTry \"vantorel-cli help COMMAND\" for a command's usage and options.\n";
        return text;
    }
    std::string text = "usage:";
    std::string_view usage = row->usage;
    while (!usage.empty()) {
        const std::size_t end = std::min(usage.find('\n'), usage.size());
        const std::string_view form = usage.substr(0, end);
        const bool continued = form.starts_with("    ");
        text.append(continued ? "\n               " : "\n  vantorel-cli ")
            .append(continued ? form.substr(4) : form);
        usage.remove_prefix(std::min(end + 1, usage.size()));
    }
    text.append("\n\n").append(row->summary).append(".\n\noptions:\n");
    const auto addOption = [&text](const OptionRow& option) {
        std::string name(option.name);
        if (!option.value.empty()) {
            name.append(" ").append(option.value);
        }
        constexpr std::size_t kColumn = 30;
        text.append("  ").append(name);
        text.append(name.size() < kColumn ? kColumn - name.size() : 1, ' ');
        text.append(option.help);
        if (!option.games.empty()) {
            text.append(" (game ").append(GamesText(option.games)).append(" only)");
        }
        text += '\n';
    };
    for (const OptionRow& option : row->options) {
        addOption(option);
    }
    addOption(kDirOption);
    return text;
}

std::string UsageErrorText(const ParsedArguments& parsed) {
    std::string text = std::string(kProgram) + ": " + parsed.problem + "\n";
    text += parsed.commandWord.empty() ? "Try \"vantorel-cli help\".\n"
                                       : "Try \"vantorel-cli help " + parsed.commandWord + "\".\n";
    return text;
}

namespace {

struct Option {
    std::string_view name;
    std::string_view value;
};

// Splits arguments from `start` on into options (with their values) and positional words. "--name=value"
// is accepted too. With `stopAtWord` it stops at the first positional word and returns its index.
std::size_t SplitArguments(const std::vector<std::string_view>& arguments, std::size_t start,
                           const CommandRow* row, bool stopAtWord, std::vector<Option>& options,
                           std::vector<std::string_view>& positionals) {
    std::size_t i = start;
    for (; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        // Before the command word any "-x" is an option; after it only "--name" is, so that a word such as
        // a negative number stays a word.
        const bool optionLike = argument.size() >= 2 && argument.front() == '-' &&
                                (row == nullptr || (argument[1] == '-' && argument.size() > 2));
        if (!optionLike) {
            if (stopAtWord) {
                break;
            }
            positionals.push_back(argument);
            continue;
        }
        std::string_view inlineValue;
        bool hasInlineValue = false;
        if (const auto equals = argument.find('='); equals != std::string_view::npos) {
            inlineValue = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
            hasInlineValue = true;
        }
        const OptionRow* option = nullptr;
        if (row != nullptr) {
            option = OptionOf(*row, argument);
        } else if (argument == kDirOption.name) {
            option = &kDirOption;
        }
        if (option == nullptr) {
            if (row == nullptr) {
                static constexpr std::array<std::string_view, 3> kGlobal = {"--help", "--version", "--dir"};
                throw UsageError("unknown option " + Quoted(argument) + Suggestion(argument, kGlobal));
            }
            const std::vector<std::string_view> known = OptionNames(*row);
            const bool formatWord = OutputFormatOfWord(argument.substr(2)).has_value();
            const std::string hint =
                formatWord && OptionOf(*row, kFormatOption.name) != nullptr
                    ? "; did you mean \"--format " + std::string(argument.substr(2)) + "\"?"
                    : Suggestion(argument, known);
            throw UsageError(std::string(row->name) + " takes no option " + Quoted(argument) + hint);
        }
        if (option->value.empty()) {
            if (hasInlineValue) {
                throw UsageError("option " + Quoted(argument) + " takes no value");
            }
            options.push_back({argument, {}});
        } else if (hasInlineValue) {
            options.push_back({argument, inlineValue});
        } else if (i + 1 < arguments.size()) {
            options.push_back({argument, arguments[++i]});
        } else {
            throw UsageError("option " + Quoted(argument) + " needs a value (" + std::string(option->value) +
                             ")");
        }
    }
    return i;
}

// Moves the --dir option out of `options` into `directory`.
void TakeDirectory(std::vector<Option>& options, std::optional<std::string>& directory) {
    int given = 0;
    std::erase_if(options, [&](const Option& option) {
        if (option.name != kDirOption.name) {
            return false;
        }
        directory = option.value;
        ++given;
        return true;
    });
    if (given > 1) {
        throw UsageError("--dir is given more than once");
    }
}

// --format, at most once; the command table says which commands take it.
void TakeFormat(std::vector<Option>& options, OutputFormat& format) {
    int given = 0;
    std::erase_if(options, [&](const Option& option) {
        if (option.name != kFormatOption.name) {
            return false;
        }
        const std::optional<OutputFormat> chosen = OutputFormatOfWord(option.value);
        if (!chosen) {
            static constexpr std::array<std::string_view, 3> kFormats = {"text", "csv", "json"};
            throw UsageError("--format takes text, csv or json, not " + Quoted(option.value) +
                             Suggestion(option.value, kFormats));
        }
        format = *chosen;
        ++given;
        return true;
    });
    if (given > 1) {
        throw UsageError("--format is given more than once");
    }
}

int ParseGame(std::string_view word) {
    const std::optional<GameType> game = GameOfCliWord(word);
    if (!game) {
        std::vector<std::string_view> known;
        for (const GameEntry& entry : kGameCatalogue) {
            known.push_back(entry.cliWord);
        }
        std::string problem = "unknown game " + Quoted(word) + Suggestion(word, known);
        if (problem.back() != '?') {
            problem += "; GAME is " + GameWords();
        }
        throw UsageError(problem);
    }
    return *game;
}

Operation ParseOperation(std::string_view word, int game) {
    const GameEntry& entry = GameOf(game);
    if (const std::optional<Operation> operation = OperationOfCliWord(word, entry.family)) {
        return *operation;
    }
    std::vector<std::string_view> known;
    for (const OperationEntry& operation : kOperationTable) {
        if (OperationOfCliWord(operation.cliWord, entry.family)) {
            known.push_back(operation.cliWord);
        }
    }
    std::string problem = "unknown operation " + Quoted(word) + " for game " + std::string(entry.cliWord) +
                          Suggestion(word, known);
    if (problem.back() != '?') {
        problem += "; it has ";
        for (std::size_t i = 0; i < known.size(); ++i) {
            problem.append(i == 0 ? "" : ", ").append(known[i]);
        }
    }
    throw UsageError(problem);
}

// A Setup choice given by option name and value, as the index of the chosen radio.
int ParseChoice(std::string_view option, std::string_view value) {
    static const std::map<std::pair<std::string_view, std::string_view>, int> kChoices = {
        {{"--even-odd", "balls"}, kEvenOddCountBalls},
        {{"--even-odd", "numbers"}, kEvenOddCountNumbers},
        {{"--high-low", "balls"}, kHighLowCountBalls},
        {{"--high-low", "numbers"}, kHighLowCountNumbers},
        {{"--predictions", "day"}, kPredictByDay},
        {{"--predictions", "month"}, kPredictByMonth},
        {{"--predictions", "date-range"}, kPredictByDateRange},
        {{"--predictions", "normal"}, kPredictNormal},
        {{"--method", "balls"}, kPredictUseBalls},
        {{"--method", "numbers"}, kPredictUseNumbers},
        {{"--match", "box"}, kSearchBox},
        {{"--match", "straight"}, kSearchStraight},
        {{"--strategy", "optimistic"}, kBestGuessOptimistic},
        {{"--strategy", "pessimistic"}, kBestGuessPessimistic},
        {{"--strategy", "nihilistic"}, kBestGuessNihilistic},
    };
    const auto found = kChoices.find({option, value});
    if (found == kChoices.end()) {
        const OptionRow* const row = OptionOf(*CommandRowOf("run"), option);
        throw UsageError(std::string(option) + " takes " + ChoicesText(row != nullptr ? row->value : "") +
                         ", not " + Quoted(value));
    }
    return found->second;
}

std::optional<int> WholeNumber(std::string_view value) {
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < 0) {
        return std::nullopt;
    }
    return number;
}

void ApplyRunOption(const Option& option, CommandLine& line) {
    if (option.name == "--undated") {
        line.dated = false;
    } else if (option.name == "--input") {
        line.input = option.value;
    } else if (option.name == "--from") {
        line.from = option.value;
    } else if (option.name == "--to") {
        line.to = option.value;
    } else if (option.name == "--power") {
        line.power = option.value;
    } else if (option.name == "--seed") {
        const std::optional<int> seed = WholeNumber(option.value);
        if (!seed) {
            throw UsageError("--seed takes a whole number from 0 up, not " + Quoted(option.value));
        }
        line.seed = *seed;
    } else {
        line.choices.Choose(ParseChoice(option.name, option.value));
    }
}

// --dated or --undated, exactly one of them.
void ApplyHistoryChoice(std::string_view command, const std::vector<Option>& options, CommandLine& line) {
    int given = 0;
    for (const Option& option : options) {
        if (option.name == "--dated" || option.name == "--undated") {
            line.dated = option.name == "--dated";
            ++given;
        }
    }
    if (given != 1) {
        throw UsageError(std::string(command) + " needs one of --dated and --undated" +
                         (given == 0 ? "" : ", not both"));
    }
}

void ApplyFlag(const Option& option, CommandLine& line) {
    if (option.name == "--append") {
        line.append = true;
    } else if (option.name == "--filter") {
        line.filter = true;
    } else if (option.name == "--reversed") {
        line.reversed = true;
    } else if (option.name == "--yes") {
        line.yes = true;
    } else if (option.name == "--results") {
        line.results = true;
    } else if (option.name == "--column") {
        line.column = option.value;
    }
}

// A results import reads a dated history's file as published, so it takes neither --undated, --append nor
// --filter; --column names a column of such a file and is nothing without --results.
void CheckResultsOptions(const std::vector<Option>& options, const CommandLine& line) {
    const bool columnGiven = std::any_of(options.begin(), options.end(),
                                         [](const Option& option) { return option.name == "--column"; });
    if (!line.results) {
        if (columnGiven) {
            throw UsageError("--column goes with --results");
        }
        return;
    }
    if (!line.dated || line.append || line.filter) {
        throw UsageError("--results imports into the dated history and takes neither --append nor --filter");
    }
    if (columnGiven && line.column.empty()) {
        throw UsageError("--column needs a column's name");
    }
}

// The positional words a command takes: exactly `names`, named in the problem when one is missing.
void CheckWordCount(std::string_view command, const std::vector<std::string_view>& positionals,
                    const std::vector<std::string_view>& names) {
    if (positionals.size() < names.size()) {
        throw UsageError(
            std::string(command) + " needs " + std::string(names[positionals.size()]) +
            (positionals.size() == 0 && names.size() > 1 ? " and " + std::string(names[1]) : std::string()));
    }
    if (positionals.size() > names.size()) {
        throw UsageError(std::string(command) + " takes no word " + Quoted(positionals[names.size()]) +
                         " here");
    }
}

CommandLine ParseRun(const std::vector<Option>& options, const std::vector<std::string_view>& positionals) {
    CheckWordCount("run", positionals, {"GAME", "OPERATION"});
    CommandLine line;
    line.command = CliCommand::Run;
    line.gameType = ParseGame(positionals[0]);
    line.operation = ParseOperation(positionals[1], line.gameType);
    // An option meant for other games (--power on game 3, say) is taken and has no effect, as ever; help
    // and completion offer each option for its games only.
    for (const Option& option : options) {
        ApplyRunOption(option, line);
    }
    // As on the game pages, Date and Date Range are offered for the dated history only.
    if (EntryOf(line.operation).datedOnly && !line.dated) {
        throw UsageError(std::string(positionals[1]) +
                         " searches the dated history only; leave out --undated");
    }
    return line;
}

// import, append, compare and pattern: GAME, --dated or --undated, one more word.
CommandLine ParseGameFileCommand(const CommandRow& row, const std::vector<Option>& options,
                                 const std::vector<std::string_view>& positionals) {
    const std::string_view lastWord = row.command == CliCommand::Append    ? "DRAWING"
                                      : row.command == CliCommand::Pattern ? "PATTERN"
                                                                           : "FILE";
    CheckWordCount(row.name, positionals, {"GAME", lastWord});
    CommandLine line;
    line.command = row.command;
    line.gameType = ParseGame(positionals[0]);
    if (row.command == CliCommand::Pattern && !IsDigitGame(line.gameType)) {
        throw UsageError("pattern searches the 3 and 4 Number games only, not game " +
                         std::string(positionals[0]));
    }
    line.input = positionals[1];
    ApplyHistoryChoice(row.name, options, line);
    for (const Option& option : options) {
        ApplyFlag(option, line);
    }
    CheckResultsOptions(options, line);
    return line;
}

// settings: KEY=VALUE words, or one preset, or the list of presets.
CommandLine ParseSettings(const std::vector<Option>& options,
                          const std::vector<std::string_view>& positionals) {
    CommandLine line;
    line.command = CliCommand::Settings;
    line.assignments.assign(positionals.begin(), positionals.end());
    for (const Option& option : options) {
        if (option.name == "--presets") {
            line.listPresets = true;
        } else if (line.preset) {
            throw UsageError("--preset is given more than once");
        } else {
            line.preset = std::string(option.value);
        }
    }
    const int forms = (line.assignments.empty() ? 0 : 1) + (line.preset ? 1 : 0) + (line.listPresets ? 1 : 0);
    if (forms > 1) {
        throw UsageError("settings takes KEY=VALUE words, --preset NAME or --presets, only one of them");
    }
    return line;
}

// update: GAME, and the source's address, column and time allowed when given.
CommandLine ParseUpdate(const std::vector<Option>& options,
                        const std::vector<std::string_view>& positionals) {
    CheckWordCount("update", positionals, {"GAME"});
    CommandLine line;
    line.command = CliCommand::Update;
    line.gameType = ParseGame(positionals[0]);
    for (const Option& option : options) {
        if (option.name == "--url") {
            if (option.value.empty() || line.url) {
                throw UsageError("--url needs one address");
            }
            line.url = std::string(option.value);
        } else if (option.name == "--timeout") {
            const std::optional<int> seconds = WholeNumber(option.value);
            if (!seconds || *seconds < 1 || *seconds > kLongestFetchTimeout.count()) {
                throw UsageError("--timeout takes whole seconds from 1 to " +
                                 std::to_string(kLongestFetchTimeout.count()) + ", not " +
                                 Quoted(option.value));
            }
            line.timeout = seconds;
        } else if (option.name == "--column" && option.value.empty()) {
            throw UsageError("--column needs a column's name");
        } else {
            ApplyFlag(option, line);
        }
    }
    return line;
}

// stats: GAME, and the history and the newest drawings to analyse.
CommandLine ParseStats(const std::vector<Option>& options, const std::vector<std::string_view>& positionals) {
    CheckWordCount("stats", positionals, {"GAME"});
    CommandLine line;
    line.command = CliCommand::Stats;
    line.gameType = ParseGame(positionals[0]);
    for (const Option& option : options) {
        if (option.name == "--undated") {
            line.dated = false;
            continue;
        }
        const std::optional<int> last = WholeNumber(option.value);
        if (!last || line.lastDrawings) {
            throw UsageError("--last takes one whole number of drawings, not " + Quoted(option.value));
        }
        line.lastDrawings = last; // 0 is refused by the statistics, with their message
    }
    return line;
}

// backtest: GAME OPERATION, and the history, the warm-up and the choices that steer the prediction. Any
// operation of the game is taken: the backtest refuses those that are no prediction, saying which are.
CommandLine ParseBacktest(const std::vector<Option>& options,
                          const std::vector<std::string_view>& positionals) {
    CheckWordCount("backtest", positionals, {"GAME", "OPERATION"});
    CommandLine line;
    line.command = CliCommand::Backtest;
    line.gameType = ParseGame(positionals[0]);
    line.operation = ParseOperation(positionals[1], line.gameType);
    for (const Option& option : options) {
        if (option.name != "--warmup") {
            ApplyRunOption(option, line);
            continue;
        }
        const std::optional<int> warmup = WholeNumber(option.value);
        if (!warmup || line.warmup) {
            throw UsageError("--warmup takes one whole number of drawings, not " + Quoted(option.value));
        }
        line.warmup = warmup;
    }
    return line;
}

// tickets: GAME, and the history, the tickets file and the first day when given.
CommandLine ParseTickets(const std::vector<Option>& options,
                         const std::vector<std::string_view>& positionals) {
    CheckWordCount("tickets", positionals, {"GAME"});
    CommandLine line;
    line.command = CliCommand::Tickets;
    line.gameType = ParseGame(positionals[0]);
    for (const Option& option : options) {
        if (option.name == "--undated") {
            line.dated = false;
        } else if (option.name == "--file") {
            if (option.value.empty() || line.ticketsFile) {
                throw UsageError("--file needs one tickets file");
            }
            line.ticketsFile = std::string(option.value);
        } else if (option.name == "--since") {
            line.since = option.value;
        }
    }
    return line;
}

// wheel: a pool (--pool or --count, not both), the guarantee (--guarantee and --if), each option once;
// a check takes only the pool and the guarantee.
CommandLine ParseWheel(const std::vector<Option>& options, const std::vector<std::string_view>& positionals) {
    CheckWordCount("wheel", positionals, {});
    CommandLine line;
    line.command = CliCommand::Wheel;
    WheelOptions& wheel = line.wheel;
    std::optional<std::string> guarantee;
    std::optional<std::string> drawn;
    const std::map<std::string_view, std::optional<std::string>*> slots = {
        {"--pool", &wheel.pool},       {"--count", &wheel.count}, {"--size", &wheel.size},
        {"--guarantee", &guarantee},   {"--if", &drawn},          {"--keys", &wheel.keys},
        {"--seconds", &wheel.seconds}, {"--seed", &wheel.seed},   {"--save", &wheel.save},
        {"--check", &wheel.check},
    };
    for (const Option& option : options) {
        std::optional<std::string>& slot = *slots.at(option.name);
        if (slot) {
            throw UsageError(std::string(option.name) + " is given more than once");
        }
        slot = std::string(option.value);
    }
    if (wheel.pool.has_value() == wheel.count.has_value()) {
        throw UsageError("wheel needs the pool: --pool \"N ...\" or --count V, one of them");
    }
    if (!guarantee || !drawn) {
        throw UsageError("wheel needs the guarantee: --guarantee T and --if M");
    }
    if (wheel.check && (wheel.size || wheel.keys || wheel.seconds || wheel.seed || wheel.save)) {
        throw UsageError("wheel --check takes only the pool and the guarantee");
    }
    for (const std::optional<std::string>* file : {&wheel.check, &wheel.save}) {
        if (*file && (*file)->empty()) {
            throw UsageError("wheel needs a file's name after " +
                             std::string(file == &wheel.check ? "--check" : "--save"));
        }
    }
    wheel.guarantee = std::move(*guarantee);
    wheel.drawn = std::move(*drawn);
    return line;
}

// remove: GAME, --dated or --undated, the drawing's place.
CommandLine ParseRemove(const std::vector<Option>& options,
                        const std::vector<std::string_view>& positionals) {
    CheckWordCount("remove", positionals, {"GAME"});
    CommandLine line;
    line.command = CliCommand::Remove;
    line.gameType = ParseGame(positionals[0]);
    ApplyHistoryChoice("remove", options, line);
    for (const Option& option : options) {
        if (option.name == "--at") {
            const std::optional<int> at = WholeNumber(option.value);
            if (!at || *at < 1 || line.at != 0) {
                throw UsageError("--at takes one drawing's place, a whole number from 1, not " +
                                 Quoted(option.value));
            }
            line.at = *at;
        } else {
            ApplyFlag(option, line);
        }
    }
    if (line.at == 0) {
        throw UsageError("remove needs --at N, the drawing to remove");
    }
    return line;
}

CommandLine ParseHelp(const std::vector<std::string_view>& positionals) {
    if (positionals.size() > 1) {
        throw UsageError("help takes at most one COMMAND");
    }
    CommandLine line;
    line.command = CliCommand::Help;
    if (!positionals.empty()) {
        if (CommandRowOf(positionals[0]) == nullptr) {
            const std::vector<std::string_view> known = CommandNames();
            throw UsageError("unknown command " + Quoted(positionals[0]) + Suggestion(positionals[0], known));
        }
        line.helpTopic = positionals[0];
    }
    return line;
}

// new: DIR and one or more presets.
CommandLine ParseNew(const std::vector<Option>& options, const std::vector<std::string_view>& positionals) {
    CheckWordCount("new", positionals, {"DIR"});
    if (positionals[0].empty()) {
        throw UsageError("new needs the name of the folder to make");
    }
    if (options.empty()) {
        throw UsageError("new needs at least one --preset NAME");
    }
    CommandLine line;
    line.command = CliCommand::New;
    line.input = positionals[0];
    for (const Option& option : options) {
        line.presets.emplace_back(option.value);
    }
    return line;
}

// The command's own grammar, once its options and words are split.
CommandLine ParseCommand(const CommandRow& row, const std::vector<Option>& options,
                         const std::vector<std::string_view>& positionals) {
    switch (row.command) {
    case CliCommand::Run:
        return ParseRun(options, positionals);
    case CliCommand::Import:
    case CliCommand::Append:
    case CliCommand::Compare:
    case CliCommand::Pattern:
        return ParseGameFileCommand(row, options, positionals);
    case CliCommand::Settings:
        return ParseSettings(options, positionals);
    case CliCommand::Update:
        return ParseUpdate(options, positionals);
    case CliCommand::Stats:
        return ParseStats(options, positionals);
    case CliCommand::Backtest:
        return ParseBacktest(options, positionals);
    case CliCommand::Tickets:
        return ParseTickets(options, positionals);
    case CliCommand::Wheel:
        return ParseWheel(options, positionals);
    case CliCommand::Help:
        return ParseHelp(positionals);
    case CliCommand::Remove:
        return ParseRemove(options, positionals);
    case CliCommand::New:
        return ParseNew(options, positionals);
    case CliCommand::Where:
    case CliCommand::Undo:
    case CliCommand::Repair:
    case CliCommand::Analyze:
    case CliCommand::Backup:
    case CliCommand::Restore:
    case CliCommand::Version:
        break;
    }
    CheckWordCount(row.name, positionals, {});
    CommandLine line;
    line.command = row.command;
    for (const Option& option : options) {
        ApplyFlag(option, line);
    }
    return line;
}

bool AsksForHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

CommandLine Parse(const std::vector<std::string_view>& arguments, std::string& commandWord) {
    if (!arguments.empty() && arguments[0] == "--version") {
        if (arguments.size() > 1) {
            throw UsageError("--version takes no other word");
        }
        CommandLine line;
        line.command = CliCommand::Version;
        return line;
    }
    // --help gives the overview; --help COMMAND, as help COMMAND, that command's help.
    if (!arguments.empty() && AsksForHelp(arguments[0])) {
        if (arguments.size() == 1) {
            CommandLine line;
            line.command = CliCommand::Help;
            line.helpTopic = "--help";
            return line;
        }
        commandWord = "help";
        return ParseHelp({arguments.begin() + 1, arguments.end()});
    }
    std::vector<Option> options;
    std::vector<std::string_view> positionals;
    const std::size_t wordAt = SplitArguments(arguments, 0, nullptr, true, options, positionals);
    if (wordAt == arguments.size()) {
        throw UsageError("no command given");
    }
    const CommandRow* const row = CommandRowOf(arguments[wordAt]);
    if (row == nullptr) {
        const std::vector<std::string_view> known = CommandNames();
        throw UsageError("unknown command " + Quoted(arguments[wordAt]) +
                         Suggestion(arguments[wordAt], known));
    }
    commandWord = row->command == CliCommand::Help ? std::string() : std::string(row->name);
    // COMMAND --help anywhere after the command word asks for that command's help.
    if (std::any_of(arguments.begin() + static_cast<std::ptrdiff_t>(wordAt) + 1, arguments.end(),
                    AsksForHelp)) {
        CommandLine line;
        line.command = CliCommand::Help;
        line.helpTopic = row->name;
        return line;
    }
    SplitArguments(arguments, wordAt + 1, row, false, options, positionals);
    std::optional<std::string> directory;
    TakeDirectory(options, directory);
    OutputFormat format = OutputFormat::Text;
    TakeFormat(options, format);
    CommandLine line = ParseCommand(*row, options, positionals);
    line.directory = std::move(directory);
    line.format = format;
    if (line.command == CliCommand::New && line.directory) {
        throw UsageError("new names its folder itself and takes no --dir");
    }
    return line;
}

} // namespace

ParsedArguments ParseArguments(const std::vector<std::string_view>& arguments) {
    ParsedArguments parsed;
    try {
        parsed.line = Parse(arguments, parsed.commandWord);
    } catch (const UsageError& problem) {
        parsed.problem = problem.what();
    }
    return parsed;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string_view>& arguments) {
    return ParseArguments(arguments).line;
}

} // namespace vantorel
