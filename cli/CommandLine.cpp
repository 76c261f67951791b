#include "cli/CommandLine.h"

#include "net/FetchRequest.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>

namespace vantorel {

const std::string_view kUsageText =
    "usage:\n"
    "  vantorel-cli run GAME OPERATION [--undated] [--input TEXT] [--from TEXT] [--to TEXT] [--power TEXT]\n"
    "               [--even-odd balls|numbers] [--high-low balls|numbers]\n"
    "               [--predictions day|month|date-range|normal] [--method balls|numbers]\n"
    "               [--match box|straight] [--strategy optimistic|pessimistic|nihilistic] [--seed N]\n"
    "  vantorel-cli analyze\n"
    "  vantorel-cli import GAME --dated|--undated FILE [--append] [--filter] [--yes]\n"
    "  vantorel-cli import GAME --dated FILE --results [--column NAME] [--yes]\n"
    "  vantorel-cli append GAME --dated|--undated \"DRAWING\" [--yes]\n"
    "  vantorel-cli compare GAME --dated|--undated FILE\n"
    "  vantorel-cli pattern GAME --dated|--undated PATTERN [--reversed]\n"
    "  vantorel-cli backup [--yes]\n"
    "  vantorel-cli restore [--yes]\n"
    "  vantorel-cli settings [KEY=VALUE ...]\n"
    "  vantorel-cli settings --preset NAME | --presets\n"
    "  vantorel-cli update GAME [--url URL] [--column NAME] [--timeout SECONDS] [--yes]\n"
    "  vantorel-cli undo [--yes]\n"
    "  vantorel-cli remove GAME --dated|--undated --at N [--yes]\n"
    "  vantorel-cli repair [--yes]\n"
    "  vantorel-cli --version | --help\n"
    "\n"
    "GAME: 3, 4, 5, 6 or pb\n"
    "OPERATION: distribution, even-odd, high-low, totals, overdue, hottest, random, best-guess, date,\n"
    "           date-range, number, number-range (3 and 4), partial-number (5, 6 and pb)\n"
    "KEY: 5BC, 6BC, PBC, PBB or PBM\n"
    "--dir DIR (any command): work on the history file of DIR instead of the current directory\n";

std::string HelpText() {
    constexpr std::string_view kPurpose =
        "vantorel-cli runs the operations of Vantorel on the drawing history vtrmain.dat and prints the\n"
        "result lines to standard output and messages to standard error.\n\n";
    constexpr std::string_view kDetails =
        "\n"
        "With --dir, a relative FILE is still taken from the current directory.\n"
        "Exit status: 0 done, 1 refused or failed (after its message), 2 usage error.\n"
        "The manual page vantorel-cli(1) describes every command.\n";
    return std::string(kPurpose).append(kUsageText).append(kDetails);
}

namespace {

// The options each command takes; a flag takes no value.
enum class OptionKind { Flag, Value };
using OptionTable = std::map<std::string_view, OptionKind>;

const OptionTable kRunOptions = {
    {"--undated", OptionKind::Flag},   {"--input", OptionKind::Value},
    {"--from", OptionKind::Value},     {"--to", OptionKind::Value},
    {"--power", OptionKind::Value},    {"--even-odd", OptionKind::Value},
    {"--high-low", OptionKind::Value}, {"--predictions", OptionKind::Value},
    {"--method", OptionKind::Value},   {"--match", OptionKind::Value},
    {"--strategy", OptionKind::Value}, {"--seed", OptionKind::Value},
};
const OptionTable kImportOptions = {{"--dated", OptionKind::Flag},  {"--undated", OptionKind::Flag},
                                    {"--append", OptionKind::Flag}, {"--filter", OptionKind::Flag},
                                    {"--yes", OptionKind::Flag},    {"--results", OptionKind::Flag},
                                    {"--column", OptionKind::Value}};
const OptionTable kDatedUndatedOptions = {{"--dated", OptionKind::Flag}, {"--undated", OptionKind::Flag}};
const OptionTable kAppendOptions = {
    {"--dated", OptionKind::Flag}, {"--undated", OptionKind::Flag}, {"--yes", OptionKind::Flag}};
const OptionTable kPatternOptions = {
    {"--dated", OptionKind::Flag}, {"--undated", OptionKind::Flag}, {"--reversed", OptionKind::Flag}};
const OptionTable kYesOption = {{"--yes", OptionKind::Flag}};
const OptionTable kSettingsOptions = {{"--preset", OptionKind::Value}, {"--presets", OptionKind::Flag}};
const OptionTable kUpdateOptions = {{"--url", OptionKind::Value},
                                    {"--column", OptionKind::Value},
                                    {"--timeout", OptionKind::Value},
                                    {"--yes", OptionKind::Flag}};
const OptionTable kRemoveOptions = {{"--dated", OptionKind::Flag},
                                    {"--undated", OptionKind::Flag},
                                    {"--at", OptionKind::Value},
                                    {"--yes", OptionKind::Flag}};
const OptionTable kNoOptions = {};

// Options that every command takes, before the command word or among its own options.
const OptionTable kCommonOptions = {{"--dir", OptionKind::Value}};

struct Option {
    std::string_view name;
    std::string_view value;
};

const OptionKind* FindOption(const OptionTable& table, std::string_view name) {
    for (const OptionTable* options : {&table, &kCommonOptions}) {
        if (const auto found = options->find(name); found != options->end()) {
            return &found->second;
        }
    }
    return nullptr;
}

// Splits arguments from `start` on into options (with their values) and positional words. "--name=value"
// is accepted too. With `stopAtWord` it stops at the first positional word. Returns the index where it
// stopped, or nothing for an unknown option or a missing value.
std::optional<std::size_t> SplitArguments(const std::vector<std::string_view>& arguments, std::size_t start,
                                          const OptionTable& table, bool stopAtWord,
                                          std::vector<Option>& options,
                                          std::vector<std::string_view>& positionals) {
    std::size_t i = start;
    for (; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument.size() < 2 || argument.substr(0, 2) != "--") {
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
        const OptionKind* kind = FindOption(table, argument);
        if (kind == nullptr) {
            return std::nullopt;
        }
        if (*kind == OptionKind::Flag) {
            if (hasInlineValue) {
                return std::nullopt;
            }
            options.push_back({argument, {}});
        } else if (hasInlineValue) {
            options.push_back({argument, inlineValue});
        } else if (i + 1 < arguments.size()) {
            options.push_back({argument, arguments[++i]});
        } else {
            return std::nullopt;
        }
    }
    return i;
}

// Moves the --dir option out of `options` into `directory`; false when it is given twice.
bool TakeDirectory(std::vector<Option>& options, std::optional<std::string>& directory) {
    int given = 0;
    std::erase_if(options, [&](const Option& option) {
        if (option.name != "--dir") {
            return false;
        }
        directory = option.value;
        ++given;
        return true;
    });
    return given <= 1;
}

std::optional<int> ParseGame(std::string_view word) {
    const std::optional<GameType> game = GameOfCliWord(word);
    return game ? std::optional<int>(*game) : std::nullopt;
}

// A Setup choice given by option name and value, as the index of the chosen radio.
std::optional<int> ParseChoice(std::string_view option, std::string_view value) {
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
    return found == kChoices.end() ? std::nullopt : std::optional<int>(found->second);
}

std::optional<int> ParseSeed(std::string_view value) {
    int seed = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seed);
    if (error != std::errc() || end != value.data() + value.size() || seed < 0) {
        return std::nullopt;
    }
    return seed;
}

bool ApplyRunOption(const Option& option, CommandLine& line) {
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
        const std::optional<int> seed = ParseSeed(option.value);
        if (!seed) {
            return false;
        }
        line.seed = *seed;
    } else {
        const std::optional<int> choice = ParseChoice(option.name, option.value);
        if (!choice) {
            return false;
        }
        line.choices.Choose(*choice);
    }
    return true;
}

// --dated or --undated, exactly one of them.
bool ApplyHistoryChoice(const std::vector<Option>& options, CommandLine& line) {
    int given = 0;
    for (const Option& option : options) {
        if (option.name == "--dated" || option.name == "--undated") {
            line.dated = option.name == "--dated";
            ++given;
        }
    }
    return given == 1;
}

bool ApplyFlag(const Option& option, CommandLine& line) {
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
    return true;
}

// A results import reads a dated history's file as published, so it takes neither --undated, --append nor
// --filter; --column names a column of such a file and is nothing without --results.
bool ResultsOptionsAgree(const std::vector<Option>& options, const CommandLine& line) {
    const bool columnGiven = std::any_of(options.begin(), options.end(),
                                         [](const Option& option) { return option.name == "--column"; });
    if (!line.results) {
        return !columnGiven;
    }
    return line.dated && !line.append && !line.filter && !(columnGiven && line.column.empty());
}

std::optional<CommandLine> ParseRun(const std::vector<Option>& options,
                                    const std::vector<std::string_view>& positionals) {
    if (positionals.size() != 2) {
        return std::nullopt;
    }
    CommandLine line;
    line.command = CliCommand::Run;
    const std::optional<int> game = ParseGame(positionals[0]);
    if (!game) {
        return std::nullopt;
    }
    line.gameType = *game;
    const std::optional<Operation> operation = OperationOfCliWord(positionals[1], GameOf(*game).family);
    if (!operation) {
        return std::nullopt;
    }
    line.operation = *operation;
    for (const Option& option : options) {
        if (!ApplyRunOption(option, line)) {
            return std::nullopt;
        }
    }
    // As on the game pages, Date and Date Range are offered for the dated history only.
    if (EntryOf(line.operation).datedOnly && !line.dated) {
        return std::nullopt;
    }
    return line;
}

// import, append, compare and pattern: GAME, --dated or --undated, one more word.
std::optional<CommandLine> ParseGameFileCommand(CliCommand command, const std::vector<Option>& options,
                                                const std::vector<std::string_view>& positionals) {
    if (positionals.size() != 2) {
        return std::nullopt;
    }
    CommandLine line;
    line.command = command;
    const std::optional<int> game = ParseGame(positionals[0]);
    if (!game || (command == CliCommand::Pattern && !IsDigitGame(*game))) {
        return std::nullopt;
    }
    line.gameType = *game;
    line.input = positionals[1];
    if (!ApplyHistoryChoice(options, line)) {
        return std::nullopt;
    }
    for (const Option& option : options) {
        ApplyFlag(option, line);
    }
    if (!ResultsOptionsAgree(options, line)) {
        return std::nullopt;
    }
    return line;
}

// settings: KEY=VALUE words, or one preset, or the list of presets.
std::optional<CommandLine> ParseSettings(const std::vector<Option>& options,
                                         const std::vector<std::string_view>& positionals) {
    CommandLine line;
    line.command = CliCommand::Settings;
    line.assignments.assign(positionals.begin(), positionals.end());
    for (const Option& option : options) {
        if (option.name == "--presets") {
            line.listPresets = true;
        } else if (line.preset) {
            return std::nullopt;
        } else {
            line.preset = std::string(option.value);
        }
    }
    const int forms = (line.assignments.empty() ? 0 : 1) + (line.preset ? 1 : 0) + (line.listPresets ? 1 : 0);
    return forms <= 1 ? std::optional<CommandLine>(line) : std::nullopt;
}

// update: GAME, and the source's address, column and time allowed when given.
std::optional<CommandLine> ParseUpdate(const std::vector<Option>& options,
                                       const std::vector<std::string_view>& positionals) {
    const std::optional<int> game = positionals.size() == 1 ? ParseGame(positionals[0]) : std::nullopt;
    if (!game) {
        return std::nullopt;
    }
    CommandLine line;
    line.command = CliCommand::Update;
    line.gameType = *game;
    for (const Option& option : options) {
        if (option.name == "--url") {
            if (option.value.empty() || line.url) {
                return std::nullopt;
            }
            line.url = std::string(option.value);
        } else if (option.name == "--timeout") {
            const std::optional<int> seconds = ParseSeed(option.value);
            if (!seconds || *seconds < 1 || *seconds > kLongestFetchTimeout.count()) {
                return std::nullopt;
            }
            line.timeout = seconds;
        } else if (option.name == "--column" && option.value.empty()) {
            return std::nullopt;
        } else {
            ApplyFlag(option, line);
        }
    }
    return line;
}

// remove: GAME, --dated or --undated, the drawing's place.
std::optional<CommandLine> ParseRemove(const std::vector<Option>& options,
                                       const std::vector<std::string_view>& positionals) {
    const std::optional<int> game = positionals.size() == 1 ? ParseGame(positionals[0]) : std::nullopt;
    if (!game) {
        return std::nullopt;
    }
    CommandLine line;
    line.command = CliCommand::Remove;
    line.gameType = *game;
    if (!ApplyHistoryChoice(options, line)) {
        return std::nullopt;
    }
    for (const Option& option : options) {
        if (option.name == "--at") {
            const std::optional<int> at = ParseSeed(option.value);
            if (!at || *at < 1 || line.at != 0) {
                return std::nullopt;
            }
            line.at = *at;
        } else {
            ApplyFlag(option, line);
        }
    }
    return line.at > 0 ? std::optional<CommandLine>(line) : std::nullopt;
}

struct CommandEntry {
    CliCommand command;
    const OptionTable* options;
};

const std::map<std::string_view, CommandEntry> kCommands = {
    {"run", {CliCommand::Run, &kRunOptions}},
    {"analyze", {CliCommand::Analyze, &kNoOptions}},
    {"import", {CliCommand::Import, &kImportOptions}},
    {"append", {CliCommand::Append, &kAppendOptions}},
    {"compare", {CliCommand::Compare, &kDatedUndatedOptions}},
    {"pattern", {CliCommand::Pattern, &kPatternOptions}},
    {"backup", {CliCommand::Backup, &kYesOption}},
    {"restore", {CliCommand::Restore, &kYesOption}},
    {"settings", {CliCommand::Settings, &kSettingsOptions}},
    {"update", {CliCommand::Update, &kUpdateOptions}},
    {"undo", {CliCommand::Undo, &kYesOption}},
    {"remove", {CliCommand::Remove, &kRemoveOptions}},
    {"repair", {CliCommand::Repair, &kYesOption}},
};

// The command's own grammar, once its options and words are split.
std::optional<CommandLine> ParseCommand(CliCommand command, const std::vector<Option>& options,
                                        const std::vector<std::string_view>& positionals) {
    switch (command) {
    case CliCommand::Run:
        return ParseRun(options, positionals);
    case CliCommand::Import:
    case CliCommand::Append:
    case CliCommand::Compare:
    case CliCommand::Pattern:
        return ParseGameFileCommand(command, options, positionals);
    case CliCommand::Settings:
        return ParseSettings(options, positionals);
    case CliCommand::Update:
        return ParseUpdate(options, positionals);
    case CliCommand::Remove:
        return ParseRemove(options, positionals);
    case CliCommand::Undo:
    case CliCommand::Repair:
    case CliCommand::Analyze:
    case CliCommand::Backup:
    case CliCommand::Restore:
    case CliCommand::Help:
    case CliCommand::Version:
        break;
    }
    if (!positionals.empty()) {
        return std::nullopt;
    }
    CommandLine line;
    line.command = command;
    for (const Option& option : options) {
        ApplyFlag(option, line);
    }
    return line;
}

} // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string_view>& arguments) {
    if (arguments.size() == 1 &&
        (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "--version")) {
        CommandLine line;
        line.command = arguments[0] == "--version" ? CliCommand::Version : CliCommand::Help;
        return line;
    }
    std::vector<Option> options;
    std::vector<std::string_view> positionals;
    const std::optional<std::size_t> commandWord =
        SplitArguments(arguments, 0, kNoOptions, true, options, positionals);
    if (!commandWord || *commandWord == arguments.size()) {
        return std::nullopt;
    }
    const auto found = kCommands.find(arguments[*commandWord]);
    if (found == kCommands.end() ||
        !SplitArguments(arguments, *commandWord + 1, *found->second.options, false, options, positionals)) {
        return std::nullopt;
    }
    std::optional<std::string> directory;
    if (!TakeDirectory(options, directory)) {
        return std::nullopt;
    }
    std::optional<CommandLine> line = ParseCommand(found->second.command, options, positionals);
    if (line) {
        line->directory = std::move(directory);
    }
    return line;
}

} // namespace vantorel
