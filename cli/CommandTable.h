// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandLine.h"

#include <array>
#include <span>
#include <string_view>

namespace vantorel {

// The commands of vantorel-cli, one row each: what the parser accepts, what `help` prints and what the
// shell completions offer all come from here. A new command is one row (with its options) here and a
// parse case and a handler in CommandLine.cpp and Commands.cpp.

// What a word of the command line is, for completion: a game, an operation of the game, a file, a folder,
// a settings key, a command name, or free text.
enum class WordKind { Game, Operation, File, Folder, Key, Command, Text };

// One option of a command. `value` is empty for a flag, the choices separated by "|" ("balls|numbers"),
// or a placeholder in capitals ("TEXT", "FILE", "DIR", "N"). `games` lists the games (their words,
// separated by blanks) the option is for; empty: every game.
struct OptionRow {
    std::string_view name;
    std::string_view value;
    std::string_view help;
    std::string_view games = {};
};

struct CommandRow {
    std::string_view name;
    CliCommand command;
    std::string_view usage;   // the synopsis after "vantorel-cli ", one line per form ("\n" between)
    std::string_view summary; // one line: what it does
    std::span<const OptionRow> options;
    std::span<const WordKind> words; // its positional words, in order; a last Text/Key word may repeat
    std::string_view games = {};     // the games it works on (their words, separated by blanks); empty: all
};

inline constexpr OptionRow kDirOption = {"--dir", "DIR", "work on the history of DIR"};
inline constexpr OptionRow kFormatOption = {"--format", "text|csv|json",
                                            "write the result as text (the default), CSV or JSON"};

inline constexpr std::array kRunOptions = {
    OptionRow{"--undated", "", "use the undated history (the dated one by default)"},
    OptionRow{"--input", "TEXT", "the first field: number, date (mm/dd/yy), day, month or lotto query"},
    OptionRow{"--from", "TEXT", "the From field of a range"},
    OptionRow{"--to", "TEXT", "the To field of a range"},
    OptionRow{"--power", "TEXT", "the Power Ball field", "pb"},
    OptionRow{"--even-odd", "balls|numbers", "Even - Odd counts balls or whole numbers", "3 4"},
    OptionRow{"--high-low", "balls|numbers", "High - Low counts balls or whole numbers", "3 4"},
    OptionRow{"--predictions", "day|month|date-range|normal", "restrict Overdue and Hottest", "3 4"},
    OptionRow{"--method", "balls|numbers", "Overdue and Hottest by ball position or by whole number", "3 4"},
    OptionRow{"--match", "box|straight", "Number searches match in any order (box) or exactly", "3 4"},
    OptionRow{"--strategy", "optimistic|pessimistic|nihilistic", "the Best Guess strategy"},
    OptionRow{"--seed", "N", "plant the random seed N for Random (0: the clock)"},
    kFormatOption,
};
inline constexpr std::array kImportOptions = {
    OptionRow{"--dated", "", "import into the dated history"},
    OptionRow{"--undated", "", "import into the undated history"},
    OptionRow{"--append", "", "add to the history instead of replacing it"},
    OptionRow{"--filter", "", "take one drawing from the start of each line"},
    OptionRow{"--results", "", "read a results file as lotteries publish it"},
    OptionRow{"--column", "NAME", "with --results: the column where the numbers start"},
    OptionRow{"--yes", "", "answer yes to the questions"},
};
inline constexpr std::array kAppendOptions = {
    OptionRow{"--dated", "", "add to the dated history"},
    OptionRow{"--undated", "", "add to the undated history"},
    OptionRow{"--yes", "", "remove the oldest drawing of a full history to make room"},
};
inline constexpr std::array kRemoveOptions = {
    OptionRow{"--dated", "", "remove from the dated history"},
    OptionRow{"--undated", "", "remove from the undated history"},
    OptionRow{"--at", "N", "the drawing to remove, 1 = the oldest"},
    OptionRow{"--yes", "", "answer yes to the question"},
};
inline constexpr std::array kCompareOptions = {
    OptionRow{"--dated", "", "compare with the dated history"},
    OptionRow{"--undated", "", "compare with the undated history"},
    kFormatOption,
};
inline constexpr std::array kPatternOptions = {
    OptionRow{"--dated", "", "search the dated history"},
    OptionRow{"--undated", "", "search the undated history"},
    OptionRow{"--reversed", "", "let the pattern match reversed too"},
    kFormatOption,
};
inline constexpr std::array kAnalyzeOptions = {kFormatOption};
inline constexpr std::array kYesOptions = {OptionRow{"--yes", "", "answer yes to the question"}};
inline constexpr std::array kSettingsOptions = {
    OptionRow{"--preset", "NAME", "set the maximums of a common game"},
    OptionRow{"--presets", "", "list the presets"},
};
inline constexpr std::array kUpdateOptions = {
    OptionRow{"--url", "URL", "fetch the results file from URL instead of the preset's source"},
    OptionRow{"--column", "NAME", "the column where the numbers start"},
    OptionRow{"--timeout", "SECONDS", "give up after SECONDS"},
    OptionRow{"--yes", "", "answer yes to the questions"},
};
inline constexpr std::array kStatsOptions = {
    OptionRow{"--undated", "", "use the undated history (the dated one by default)"},
    OptionRow{"--last", "N", "only the newest N drawings"},
    kFormatOption,
};
inline constexpr std::array kBacktestOptions = {
    OptionRow{"--undated", "", "use the undated history (the dated one by default)"},
    OptionRow{"--warmup", "W", "start predicting after the first W drawings (100 by default)"},
    OptionRow{"--strategy", "optimistic|pessimistic|nihilistic", "the Best Guess strategy"},
    OptionRow{"--method", "balls|numbers", "Overdue and Hottest by ball position or by whole number", "3 4"},
    OptionRow{"--seed", "N", "the seed of Random and Best Guess (0: the clock)"},
    kFormatOption,
};
inline constexpr std::array kTicketsOptions = {
    OptionRow{"--undated", "", "check against the undated history (the dated one by default)"},
    OptionRow{"--file", "FILE", "read the tickets from FILE instead of tickets.txt"},
    OptionRow{"--since", "MM/DD/YYYY", "check the drawings on and after that day only"},
    kFormatOption,
};
inline constexpr std::array kWheelOptions = {
    OptionRow{"--pool", "\"N ...\"", "the numbers to wheel (1 to 99, each once)"},
    OptionRow{"--count", "V", "wheel the numbers 1 to V"},
    OptionRow{"--size", "K", "numbers a ticket (the game's count of balls by default)"},
    OptionRow{"--guarantee", "T", "match at least T numbers ..."},
    OptionRow{"--if", "M", "... whenever M of the drawn numbers are in the pool"},
    OptionRow{"--keys", "\"N ...\"", "pool numbers that every ticket holds"},
    OptionRow{"--seconds", "S", "the time the search may take (8 by default)"},
    OptionRow{"--seed", "N", "the seed of the search (1 by default): the same seed, the same wheel"},
    OptionRow{"--save", "FILE", "also write the tickets to FILE"},
    OptionRow{"--check", "FILE", "check the tickets of FILE instead of making a wheel"},
    kFormatOption,
};
inline constexpr std::array kNewOptions = {
    OptionRow{"--preset", "NAME", "a preset whose game keys the folder keeps (once for each game)"},
};
inline constexpr std::span<const OptionRow> kNoOptions = {};

inline constexpr std::array kGameOperationWords = {WordKind::Game, WordKind::Operation};
inline constexpr std::array kGameFileWords = {WordKind::Game, WordKind::File};
inline constexpr std::array kGameTextWords = {WordKind::Game, WordKind::Text};
inline constexpr std::array kGameWord = {WordKind::Game};
inline constexpr std::array kKeyWords = {WordKind::Key};
inline constexpr std::array kCommandWord = {WordKind::Command};
inline constexpr std::span<const WordKind> kNoWords = {};
inline constexpr std::array kFolderWord = {WordKind::Folder};

inline constexpr std::array kCommandTable = {
    CommandRow{"run", CliCommand::Run,
               "run GAME OPERATION [--undated] [--input TEXT] [--from TEXT] [--to TEXT] [--power TEXT]\n"
               "    [--even-odd balls|numbers] [--high-low balls|numbers]\n"
               "    [--predictions day|month|date-range|normal] [--method balls|numbers]\n"
               "    [--match box|straight] [--strategy optimistic|pessimistic|nihilistic] [--seed N]\n"
               "    [--format text|csv|json]",
               "run an operation of a game page and print its result", kRunOptions, kGameOperationWords},
    CommandRow{"analyze", CliCommand::Analyze, "analyze [--format text|csv|json]",
               "check the whole history file (exit status 3 when it finds errors)", kAnalyzeOptions,
               kNoWords},
    CommandRow{"import", CliCommand::Import,
               "import GAME --dated|--undated FILE [--append] [--filter] [--yes]\n"
               "import GAME --dated FILE --results [--column NAME] [--yes]",
               "read drawings from a text file or a published results file", kImportOptions, kGameFileWords},
    CommandRow{"append", CliCommand::Append, "append GAME --dated|--undated \"DRAWING\" [--yes]",
               "add one drawing to a history", kAppendOptions, kGameTextWords},
    CommandRow{"compare", CliCommand::Compare, "compare GAME --dated|--undated FILE [--format text|csv|json]",
               "compare a file of picks with a history", kCompareOptions, kGameFileWords},
    CommandRow{"pattern", CliCommand::Pattern,
               "pattern GAME --dated|--undated PATTERN [--reversed] [--format text|csv|json]",
               "search a 3 or 4 Number history for a pattern", kPatternOptions, kGameTextWords, "3 4"},
    CommandRow{"backup", CliCommand::Backup, "backup [--yes]", "copy the history to maindat.bak", kYesOptions,
               kNoWords},
    CommandRow{"restore", CliCommand::Restore, "restore [--yes]", "put the backup copy back", kYesOptions,
               kNoWords},
    CommandRow{"settings", CliCommand::Settings,
               "settings [KEY=VALUE ...]\n"
               "settings --preset NAME | --presets",
               "list or change the game settings", kSettingsOptions, kKeyWords},
    CommandRow{"update", CliCommand::Update,
               "update GAME [--url URL] [--column NAME] [--timeout SECONDS] [--yes]",
               "fetch the latest results and add the new drawings", kUpdateOptions, kGameWord},
    CommandRow{"stats", CliCommand::Stats, "stats GAME [--undated] [--last N] [--format text|csv|json]",
               "statistics of a history: counts, skips, pairs, sums and a fairness test", kStatsOptions,
               kGameWord},
    CommandRow{"backtest", CliCommand::Backtest,
               "backtest GAME overdue|hottest|random|best-guess [--undated] [--warmup W]\n"
               "    [--strategy optimistic|pessimistic|nihilistic] [--method balls|numbers] [--seed N]\n"
               "    [--format text|csv|json]",
               "replay a prediction over the history and hold it against random picks", kBacktestOptions,
               kGameOperationWords},
    CommandRow{"tickets", CliCommand::Tickets,
               "tickets GAME [--undated] [--file FILE] [--since MM/DD/YYYY] [--format text|csv|json]",
               "check your tickets against every drawing by prize tier", kTicketsOptions, kGameWord},
    CommandRow{
        "wheel", CliCommand::Wheel,
        "wheel (--pool \"N ...\" | --count V) [--size K] --guarantee T --if M [--keys \"N ...\"]\n"
        "    [--seconds S] [--seed N] [--save FILE] [--format text|csv|json]\n"
        "wheel --check FILE (--pool \"N ...\" | --count V) --guarantee T --if M [--format text|csv|json]",
        "make a wheel whose guarantee is checked, or check the tickets of a file", kWheelOptions, kNoWords},
    CommandRow{"new", CliCommand::New, "new DIR --preset NAME [--preset NAME ...]",
               "make a lottery folder: its settings from the presets, and an empty history", kNewOptions,
               kFolderWord},
    CommandRow{"where", CliCommand::Where, "where",
               "print the history file, the folder settings file and the user settings file in use",
               kNoOptions, kNoWords},
    CommandRow{"undo", CliCommand::Undo, "undo [--yes]",
               "put back the history as it was before its last change", kYesOptions, kNoWords},
    CommandRow{"remove", CliCommand::Remove, "remove GAME --dated|--undated --at N [--yes]",
               "remove one drawing from a history", kRemoveOptions, kGameWord},
    CommandRow{"repair", CliCommand::Repair, "repair [--yes]",
               "remove every drawing that the file analysis names", kYesOptions, kNoWords},
    CommandRow{"help", CliCommand::Help, "help [COMMAND]", "list the commands, or say how to use one",
               kNoOptions, kCommandWord},
};

// The row of a command word; nothing for an unknown word.
const CommandRow* CommandRowOf(std::string_view name);
// The option of a command (the options every command takes included); nothing when it takes none such.
const OptionRow* OptionOf(const CommandRow& row, std::string_view name);

// The known word closest to `word`: one that starts with it, or one a few typing slips away; empty when
// none is close.
std::string_view ClosestWord(std::string_view word, std::span<const std::string_view> known);

} // namespace vantorel
