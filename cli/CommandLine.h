#pragma once

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
    Undo,
    Remove,
    Repair,
    Help,
    Version
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
    std::optional<std::string> url;       // update --url
    std::optional<int> timeout;           // update --timeout, in seconds
    std::vector<std::string> assignments; // settings KEY=VALUE
    std::optional<std::string> preset;    // settings --preset NAME
    bool listPresets = false;             // settings --presets
    std::optional<std::string> directory; // --dir: the folder of the history file, if not the current one
    int at = 0;                           // remove --at: the drawing, 1 = oldest
};

extern const std::string_view kUsageText;
// What --help prints: what the program does, the usage text and the exit statuses.
std::string HelpText();

// Parses the arguments after the program name; nothing when they do not follow the grammar.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string_view>& arguments);

} // namespace vantorel
