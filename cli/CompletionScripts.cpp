// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CompletionScripts.h"

#include "cli/CommandTable.h"
#include "platform/GameCatalogue.h"
#include "platform/GamePresets.h"
#include "platform/Operations.h"

#include <set>
#include <string_view>
#include <vector>

namespace vantorel {

namespace {

// What completes the value of an option.
enum class ValueKind { None, Choices, File, Folder, Preset, Free };

ValueKind ValueKindOf(const OptionRow& option) {
    if (option.value.empty()) {
        return ValueKind::None;
    }
    if (option.value.find('|') != std::string_view::npos) {
        return ValueKind::Choices;
    }
    if (option.value == "FILE") {
        return ValueKind::File;
    }
    if (option.value == "DIR") {
        return ValueKind::Folder;
    }
    if (option.name == "--preset") {
        return ValueKind::Preset;
    }
    return ValueKind::Free;
}

// "a|b|c" as "a b c".
std::string Words(std::string_view choices) {
    std::string words(choices);
    for (char& character : words) {
        if (character == '|') {
            character = ' ';
        }
    }
    return words;
}

std::string Joined(const std::vector<std::string_view>& words, std::string_view separator = " ") {
    std::string text;
    for (const std::string_view word : words) {
        text.append(text.empty() ? "" : separator).append(word);
    }
    return text;
}

// Every option of every command, each name once (the first row that has it gives its value).
std::vector<OptionRow> EveryOption() {
    std::vector<OptionRow> options = {kDirOption};
    std::set<std::string_view> seen = {kDirOption.name};
    for (const CommandRow& row : kCommandTable) {
        for (const OptionRow& option : row.options) {
            if (seen.insert(option.name).second) {
                options.push_back(option);
            }
        }
    }
    return options;
}

std::vector<std::string_view> OptionNamesTaking(bool value) {
    std::vector<std::string_view> names;
    for (const OptionRow& option : EveryOption()) {
        if (option.value.empty() != value) {
            names.push_back(option.name);
        }
    }
    return names;
}

std::vector<std::string_view> CommandNames() {
    std::vector<std::string_view> names;
    for (const CommandRow& row : kCommandTable) {
        names.push_back(row.name);
    }
    return names;
}

std::vector<std::string_view> GameWords(std::string_view only = {}) {
    std::vector<std::string_view> words;
    for (const GameEntry& game : kGameCatalogue) {
        if (only.empty() || (" " + std::string(only) + " ").find(" " + std::string(game.cliWord) + " ") !=
                                std::string::npos) {
            words.push_back(game.cliWord);
        }
    }
    return words;
}

std::vector<std::string_view> OperationWords(const GameEntry& game) {
    std::vector<std::string_view> words;
    for (const OperationEntry& entry : kOperationTable) {
        if (HasOperation(game.family, entry.operation)) {
            words.push_back(entry.cliWord);
        }
    }
    return words;
}

std::string PresetNames() {
    std::vector<std::string_view> names;
    for (const GamePreset& preset : kGamePresets) {
        names.push_back(preset.name);
    }
    return Joined(names);
}

constexpr std::string_view kKeys = "5BC= 6BC= PBC= PBB= PBM=";

// The options of a command that suit a game: those for every game, and those for `game` ("" for any).
std::vector<std::string_view> OptionsFor(const CommandRow& row, std::string_view game) {
    std::vector<std::string_view> names;
    for (const OptionRow& option : row.options) {
        if (option.games.empty() || game.empty() ||
            (" " + std::string(option.games) + " ").find(" " + std::string(game) + " ") !=
                std::string::npos) {
            names.push_back(option.name);
        }
    }
    return names;
}

bool HasGameWord(const CommandRow& row) {
    return !row.words.empty() && row.words.front() == WordKind::Game;
}

// Single quotes for the shells: 'it''s' does not work in sh, so a quote closes, is escaped and reopens.
std::string Quoted(std::string_view text) {
    std::string quoted = "'";
    for (const char character : text) {
        quoted += character == '\'' ? std::string("'\\''") : std::string(1, character);
    }
    return quoted + "'";
}

// Where the bash and zsh scripts differ in their words; both walk the command table the same way.
struct ShellDialect {
    bool parenthesisedLabels = false; // a case label "(word)" rather than "word)"
    std::string_view files;
    std::string_view folders;
    std::string_view freeText;     // a word of free text
    std::string_view optionsOpen;  // adding to the list of options: its opening ...
    std::string_view optionsClose; // ... and its closing
    std::string (*completeWords)(std::string_view words) = nullptr;
    std::vector<std::string> (*completeKeys)() = nullptr; // the settings keys, a line each
};

std::string Label(const ShellDialect& shell, std::string_view word) {
    return (shell.parenthesisedLabels ? "(" : "") + std::string(word) + ")";
}

// The options each command takes (and each of its games): one case of `case $command in` per command,
// written `indent` blanks in.
void AppendCommandOptions(std::string& s, const ShellDialect& shell, std::size_t indent) {
    const std::string outer(indent, ' ');
    const std::string inner(indent + 4, ' ');
    const std::string innermost(indent + 8, ' ');
    const auto added = [&shell](const CommandRow& row, std::string_view game) {
        return std::string(shell.optionsOpen) + Joined(OptionsFor(row, game)) +
               std::string(shell.optionsClose);
    };
    for (const CommandRow& row : kCommandTable) {
        s.append(outer).append(Label(shell, row.name)).append("\n");
        if (HasGameWord(row)) {
            s.append(inner).append("case $game in\n");
            for (const std::string_view game : GameWords(row.games)) {
                s.append(innermost)
                    .append(Label(shell, game))
                    .append(" ")
                    .append(added(row, game))
                    .append(" ;;\n");
            }
            s.append(innermost).append(Label(shell, "*")).append(" ").append(added(row, "")).append(" ;;\n");
            s.append(inner).append("esac\n");
        } else {
            s.append(inner).append(added(row, "")).append("\n");
        }
        s.append(inner).append(";;\n");
    }
}

// What completes each word after the command, by how many words come before it: one case of
// `case $command in` per command that takes words.
void AppendCommandWords(std::string& s, const ShellDialect& shell) {
    for (const CommandRow& row : kCommandTable) {
        if (row.words.empty()) {
            continue;
        }
        s.append("        ").append(Label(shell, row.name)).append("\n");
        for (std::size_t at = 0; at < row.words.size(); ++at) {
            const bool last = at + 1 == row.words.size();
            s.append(last && (row.words[at] == WordKind::Key || row.words[at] == WordKind::Text)
                         ? "            if ((count >= " + std::to_string(at) + ")); then\n"
                         : "            if ((count == " + std::to_string(at) + ")); then\n");
            const std::string_view indent = "                ";
            switch (row.words[at]) {
            case WordKind::Game:
                s.append(indent).append(shell.completeWords(Joined(GameWords(row.games)))).append("\n");
                break;
            case WordKind::Operation:
                s.append(indent).append("case $game in\n");
                for (const GameEntry& game : kGameCatalogue) {
                    s.append(indent).append("    ").append(Label(shell, game.cliWord)).append(" ");
                    s.append(shell.completeWords(Joined(OperationWords(game)))).append(" ;;\n");
                }
                s.append(indent).append("esac\n");
                break;
            case WordKind::File:
                s.append(indent).append(shell.files).append("\n");
                break;
            case WordKind::Folder:
                s.append(indent).append(shell.folders).append("\n");
                break;
            case WordKind::Key:
                for (const std::string& line : shell.completeKeys()) {
                    s.append(indent).append(line).append("\n");
                }
                break;
            case WordKind::Command:
                s.append(indent).append(shell.completeWords(Joined(CommandNames()))).append("\n");
                break;
            case WordKind::Text:
                s.append(indent).append(shell.freeText).append("\n");
                break;
            }
            s.append("            fi\n");
        }
        s.append("            ;;\n");
    }
}

std::string BashWords(std::string_view words) {
    return "COMPREPLY=($(compgen -W " + Quoted(words) + " -- \"$cur\"))";
}

const ShellDialect kBash = {
    .parenthesisedLabels = false,
    .files = "_filedir",
    .folders = "_filedir -d",
    .freeText = ":",
    .optionsOpen = "options+=\" ",
    .optionsClose = "\"",
    .completeWords = &BashWords,
    .completeKeys =
        [] {
            return std::vector<std::string>{"compopt -o nospace", BashWords(kKeys)};
        },
};

const ShellDialect kZsh = {
    .parenthesisedLabels = true,
    .files = "_files",
    .folders = "_files -/",
    .freeText = "_message 'text'",
    .optionsOpen = "options+=(",
    .optionsClose = ")",
    .completeWords = [](std::string_view words) { return "compadd -- " + std::string(words); },
    .completeKeys = [] { return std::vector<std::string>{"compadd -S '' -- " + std::string(kKeys)}; },
};

} // namespace

std::string BashCompletionScript() {
    std::string s = "# bash completion for vantorel-cli, written from its command table\n\n"
                    "_vantorel_cli() {\n"
                    "    local cur prev words cword\n"
                    "    _init_completion || return\n\n"
                    "    case $prev in\n";
    for (const OptionRow& option : EveryOption()) {
        const ValueKind kind = ValueKindOf(option);
        if (kind == ValueKind::None) {
            continue;
        }
        s.append("        ").append(option.name).append(")\n");
        switch (kind) {
        case ValueKind::Choices:
            s.append("            ").append(BashWords(Words(option.value))).append("\n");
            break;
        case ValueKind::Preset:
            s.append("            ").append(BashWords(PresetNames())).append("\n");
            break;
        case ValueKind::File:
            s.append("            ").append(kBash.files).append("\n");
            break;
        case ValueKind::Folder:
            s.append("            ").append(kBash.folders).append("\n");
            break;
        case ValueKind::None:
        case ValueKind::Free:
            break;
        }
        s.append("            return\n            ;;\n");
    }
    s.append("    esac\n\n"
             "    # The command word and the words after it, without the options and their values.\n"
             "    local i command=\"\" positional=()\n"
             "    for ((i = 1; i < cword; i++)); do\n"
             "        case ${words[i]} in\n"
             "            ")
        .append(Joined(OptionNamesTaking(true), " | "))
        .append(") ((i++)) ;;\n"
                "            -*) ;;\n"
                "            *)\n"
                "                if [[ -z $command ]]; then\n"
                "                    command=${words[i]}\n"
                "                else\n"
                "                    positional+=(\"${words[i]}\")\n"
                "                fi\n"
                "                ;;\n"
                "        esac\n"
                "    done\n"
                "    local game=${positional[0]-}\n\n"
                "    if [[ -z $command ]]; then\n"
                "        if [[ $cur == -* ]]; then\n"
                "            COMPREPLY=($(compgen -W '--dir --help --version' -- \"$cur\"))\n"
                "        else\n"
                "            COMPREPLY=($(compgen -W ")
        .append(Quoted(Joined(CommandNames())))
        .append(" -- \"$cur\"))\n"
                "        fi\n"
                "        return\n"
                "    fi\n\n"
                "    local options=\"--dir --help\"\n"
                "    case $command in\n");
    AppendCommandOptions(s, kBash, 8);
    s.append("    esac\n"
             "    if [[ $cur == -* ]]; then\n"
             "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
             "        return\n"
             "    fi\n\n"
             "    local count=${#positional[@]}\n"
             "    case $command in\n");
    AppendCommandWords(s, kBash);
    s.append("    esac\n"
             "} &&\n"
             "    complete -F _vantorel_cli vantorel-cli\n");
    return s;
}

std::string ZshCompletionScript() {
    std::string s = "#compdef vantorel-cli\n"
                    "# zsh completion for vantorel-cli, written from its command table\n\n"
                    "_vantorel_cli() {\n"
                    "    local command='' i\n"
                    "    local -a positional\n"
                    "    for ((i = 2; i < CURRENT; i++)); do\n"
                    "        case ${words[i]} in\n"
                    "            (";
    s.append(Joined(OptionNamesTaking(true), "|"))
        .append(") ((i++)) ;;\n"
                "            (-*) ;;\n"
                "            (*)\n"
                "                if [[ -z $command ]]; then\n"
                "                    command=${words[i]}\n"
                "                else\n"
                "                    positional+=(${words[i]})\n"
                "                fi\n"
                "                ;;\n"
                "        esac\n"
                "    done\n"
                "    local cur=${words[CURRENT]} prev=${words[CURRENT-1]} game=${positional[1]-}\n\n"
                "    case $prev in\n");
    for (const OptionRow& option : EveryOption()) {
        const ValueKind kind = ValueKindOf(option);
        if (kind == ValueKind::None) {
            continue;
        }
        s.append("        (").append(option.name).append(") ");
        switch (kind) {
        case ValueKind::Choices:
            s.append(kZsh.completeWords(Words(option.value)));
            break;
        case ValueKind::Preset:
            s.append(kZsh.completeWords(PresetNames()));
            break;
        case ValueKind::File:
            s.append(kZsh.files);
            break;
        case ValueKind::Folder:
            s.append(kZsh.folders);
            break;
        case ValueKind::None:
        case ValueKind::Free:
            s.append("_message ").append(Quoted(option.value));
            break;
        }
        s.append("; return ;;\n");
    }
    s.append("    esac\n\n"
             "    if [[ -z $command ]]; then\n"
             "        if [[ $cur == -* ]]; then\n"
             "            compadd -- --dir --help --version\n"
             "        else\n"
             "            local -a commands\n"
             "            commands=(\n");
    for (const CommandRow& row : kCommandTable) {
        s.append("                ")
            .append(Quoted(std::string(row.name) + ":" + std::string(row.summary)))
            .append("\n");
    }
    s.append("            )\n"
             "            _describe command commands\n"
             "        fi\n"
             "        return\n"
             "    fi\n\n"
             "    if [[ $cur == -* ]]; then\n"
             "        local -a options\n"
             "        options=(--dir --help)\n"
             "        case $command in\n");
    AppendCommandOptions(s, kZsh, 12);
    s.append("        esac\n"
             "        compadd -- $options\n"
             "        return\n"
             "    fi\n\n"
             "    local count=${#positional}\n"
             "    case $command in\n");
    AppendCommandWords(s, kZsh);
    s.append("    esac\n"
             "}\n\n"
             "_vantorel_cli \"$@\"\n");
    return s;
}

std::string FishCompletionScript() {
    std::string s = "# fish completion for vantorel-cli, written from its command table\n\n"
                    "# The command word and the words after it, without the options and their values.\n"
                    "function __vantorel_cli_words\n"
                    "    set -l tokens (commandline -opc)\n"
                    "    set -e tokens[1]\n"
                    "    set -l skip 0\n"
                    "    for token in $tokens\n"
                    "        if test $skip = 1\n"
                    "            set skip 0\n"
                    "            continue\n"
                    "        end\n"
                    "        switch $token\n"
                    "            case ";
    s.append(Joined(OptionNamesTaking(true)))
        .append(
            "\n"
            "                set skip 1\n"
            "            case '-*'\n"
            "            case '*'\n"
            "                echo $token\n"
            "        end\n"
            "    end\n"
            "end\n\n"
            "# True when the command is COMMAND (none: no command yet) and COUNT words follow it.\n"
            "function __vantorel_cli_at --argument-names command count\n"
            "    set -l words (__vantorel_cli_words)\n"
            "    if test -z \"$command\"\n"
            "        test (count $words) -eq 0\n"
            "        return\n"
            "    end\n"
            "    test (count $words) -ge 1; and test \"$words[1]\" = \"$command\"; or return 1\n"
            "    test -z \"$count\"; or test (math (count $words) - 1) -eq $count\n"
            "end\n\n"
            "# True when the game word is one of GAMES, or not given yet.\n"
            "function __vantorel_cli_game --argument-names games\n"
            "    set -l words (__vantorel_cli_words)\n"
            "    test (count $words) -lt 2; and return 0\n"
            "    contains -- $words[2] (string split ' ' -- $games)\n"
            "end\n\n"
            "complete -c vantorel-cli -f\n"
            "complete -c vantorel-cli -n '__vantorel_cli_at \"\"' -l help -d 'say how to use vantorel-cli'\n"
            "complete -c vantorel-cli -n '__vantorel_cli_at \"\"' -l version -d 'print the version'\n"
            "complete -c vantorel-cli -l dir -x -a '(__fish_complete_directories)' -d ")
        .append(Quoted(kDirOption.help))
        .append("\n");
    for (const CommandRow& row : kCommandTable) {
        s.append("complete -c vantorel-cli -n '__vantorel_cli_at \"\"' -a ").append(row.name);
        s.append(" -d ").append(Quoted(row.summary)).append("\n");
    }
    for (const CommandRow& row : kCommandTable) {
        const std::string atCommand = "__vantorel_cli_at " + std::string(row.name);
        for (const OptionRow& option : row.options) {
            std::string condition = atCommand;
            if (!option.games.empty()) {
                condition += "; and __vantorel_cli_game \"" + std::string(option.games) + "\"";
            }
            s.append("complete -c vantorel-cli -n ").append(Quoted(condition)).append(" -l ");
            s.append(option.name.substr(2));
            switch (ValueKindOf(option)) {
            case ValueKind::None:
                break;
            case ValueKind::Choices:
                s.append(" -x -a ").append(Quoted(Words(option.value)));
                break;
            case ValueKind::Preset:
                s.append(" -x -a ").append(Quoted(PresetNames()));
                break;
            case ValueKind::File:
                s.append(" -r -F");
                break;
            case ValueKind::Folder:
                s.append(" -x -a '(__fish_complete_directories)'");
                break;
            case ValueKind::Free:
                s.append(" -x");
                break;
            }
            s.append(" -d ").append(Quoted(option.help)).append("\n");
        }
        for (std::size_t at = 0; at < row.words.size(); ++at) {
            const std::string condition = atCommand + " " + std::to_string(at);
            const std::string start = "complete -c vantorel-cli -n " + Quoted(condition);
            switch (row.words[at]) {
            case WordKind::Game:
                s.append(start).append(" -a ").append(Quoted(Joined(GameWords(row.games)))).append("\n");
                break;
            case WordKind::Operation:
                for (const GameEntry& game : kGameCatalogue) {
                    s.append("complete -c vantorel-cli -n ");
                    s.append(Quoted(condition + "; and __vantorel_cli_game " + std::string(game.cliWord)));
                    s.append(" -a ").append(Quoted(Joined(OperationWords(game)))).append("\n");
                }
                break;
            case WordKind::File:
                s.append(start).append(" -F\n");
                break;
            case WordKind::Folder:
                s.append(start).append(" -a '(__fish_complete_directories)'\n");
                break;
            case WordKind::Key:
                s.append("complete -c vantorel-cli -n ").append(Quoted(atCommand)).append(" -a ");
                s.append(Quoted(kKeys)).append("\n");
                break;
            case WordKind::Command:
                s.append(start).append(" -a ").append(Quoted(Joined(CommandNames()))).append("\n");
                break;
            case WordKind::Text:
                break;
            }
        }
    }
    return s;
}

} // namespace vantorel
