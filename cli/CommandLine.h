// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/ResultDocument.h"
#include "platform/Operations.h"
#include "platform/SetupChoices.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

enum class CliCommand {
    Run,
    Analyze,
    Import,
    Append,
    Compare,
    Pattern,
    Backup,
    Restore,
    Settings,
    Update,
    Stats,
    Backtest,
    Tickets,
    Wheel,
    New,
    Where,
    Undo,
    Remove,
    Repair,
    Help,
    Version
};

// wheel: the values as typed; the command reads them and names what is wrong with them.
struct WheelOptions {
    std::optional<std::string> pool;  // --pool "N1 N2 ..."
    std::optional<std::string> count; // --count V: the numbers 1 to V
    std::optional<std::string> size;  // --size K
    std::string guarantee;            // --guarantee T
    std::string drawn;                // --if M
    std::optional<std::string> keys;  // --keys "N ..."
    std::optional<std::string> seconds;
    std::optional<std::string> seed;
    std::optional<std::string> save;  // --save FILE
    std::optional<std::string> check; // --check FILE
};

// One parsed call of vantorel-cli.
struct CommandLine {
    CliCommand command = CliCommand::Settings;
    int gameType = -1;                   // 0..4
    Operation operation = kDistribution; // run
    bool dated = true;                   // the dated history unless --undated
    std::string input;                   // --input, or the FILE / DRAWING / PATTERN argument
    std::string from;
    std::string to;
    std::string power;
    SetupChoices choices;
    int seed = 0;
    bool append = false;
    bool filter = false;
    bool reversed = false;
    bool yes = false;
    bool results = false; // import: a results file as published
    std::string column;   // import --results, update: the header's name of the column where the numbers start
    std::optional<std::string> url;         // update --url
    std::optional<int> timeout;             // update --timeout, in seconds
    std::optional<std::string> ticketsFile; // tickets --file
    std::string since;                      // tickets --since, as typed
    std::vector<std::string> assignments;   // settings KEY=VALUE
    std::optional<std::string> preset;      // settings --preset NAME
    bool listPresets = false;               // settings --presets
    std::vector<std::string> presets;       // new --preset NAME ...
    WheelOptions wheel;                     // wheel
    std::optional<std::string> directory;   // --dir: the folder of the history file, if not the current one
    OutputFormat format =
        OutputFormat::Text; // --format: run, compare, pattern, analyze, tickets, stats, backtest and wheel
    std::string helpTopic;  // help COMMAND, COMMAND --help: the command; empty: all
    std::optional<int> lastDrawings; // stats --last N
    std::optional<int> warmup;       // backtest --warmup W
    int at = 0;                      // remove --at: the drawing, 1 = oldest
};

// The outcome of reading the arguments: the command line, or what is wrong with them.
struct ParsedArguments {
    std::optional<CommandLine> line;
    std::string problem;     // one or two lines, without the program's name
    std::string commandWord; // the command the problem is about, when it is known
};

// The synopsis of every command, from the command table.
std::string UsageText();
// What --help prints: what the program does, the usage text and the exit statuses.
std::string HelpText();
// What `help` prints: every command with one line each; with a command word, that command's usage and its
// options, one line each.
std::string CommandHelpText(std::string_view command);
// What a usage error prints on standard error: "vantorel-cli: " and the problem, then how to get help.
std::string UsageErrorText(const ParsedArguments& parsed);

// Parses the arguments after the program name.
ParsedArguments ParseArguments(const std::vector<std::string_view>& arguments);
// The same, nothing when they do not follow the grammar.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string_view>& arguments);

} // namespace vantorel
