#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Loads the shell completions of vantorel-cli that the build wrote into FOLDER in bash, zsh and fish and
# checks what they offer. A shell that is not installed is passed over with a note.
#
#   bash tests/cli/check-completions.sh FOLDER
set -uo pipefail

folder=$(realpath "${1:?usage: check-completions.sh FOLDER}")
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect() { # expect WHAT GOT WANTED
    [ "$2" = "$3" ] || fail "$1: got [$2], wanted [$3]"
}

helpers=/usr/share/bash-completion/bash_completion
if [ -f "$helpers" ]; then
    bash_complete() {
        bash -c 'source "$1" && source "$2" && shift 2 && COMP_WORDS=("$@") && COMP_CWORD=$(($# - 1)) &&
            COMP_LINE="$*" && COMP_POINT=${#COMP_LINE} && _vantorel_cli && echo "${COMPREPLY[*]}"' \
            complete "$helpers" "$folder/vantorel-cli" "$@"
    }
    expect "bash: command" "$(bash_complete vantorel-cli ru)" "run"
    expect "bash: help's command" "$(bash_complete vantorel-cli help an)" "analyze"
    expect "bash: 3's operations" "$(bash_complete vantorel-cli run 3 number)" "number number-range"
    expect "bash: pb's operations" "$(bash_complete vantorel-cli run pb p)" "partial-number"
    expect "bash: pattern's games" "$(bash_complete vantorel-cli pattern '')" "3 4"
    expect "bash: after --dir" "$(bash_complete vantorel-cli --dir /tmp run 3 --strategy n)" "nihilistic"
    expect "bash: --format" "$(bash_complete vantorel-cli analyze --format j)" "json"
    expect "bash: --results" "$(bash_complete vantorel-cli import 6 --dated results.csv --r)" "--results"
    expect "bash: after --column" "$(bash_complete vantorel-cli import 6 --results --column '')" ""
    expect "bash: a preset" "$(bash_complete vantorel-cli settings --preset mega)" "mega-millions"
    expect "bash: pb's options" "$(bash_complete vantorel-cli run pb hottest --p)" "--power"
    expect "bash: 3's options" "$(bash_complete vantorel-cli run 3 hottest --p)" "--predictions"
    expect "bash: 6's options" "$(bash_complete vantorel-cli run 6 hottest --m)" ""
    expect "bash: no options of other commands" "$(bash_complete vantorel-cli backup --)" "--dir --help --yes"
else
    echo "NOTE: $helpers is missing (Debian package bash-completion): bash completion not checked"
fi

if command -v zsh >/dev/null; then
    zsh -n "$folder/_vantorel-cli" || fail "zsh: the completion does not parse"
    registered=$(zsh -f -c 'fpath=("$1" $fpath); autoload -Uz compinit; compinit -u -D; echo ${_comps[vantorel-cli]}' \
        zsh "$folder" 2>&1)
    expect "zsh: the completion function registered" "$registered" "_vantorel-cli"
else
    echo "NOTE: zsh is not installed: zsh completion not checked"
fi

if command -v fish >/dev/null; then
    fish_complete() {
        fish --no-config -c 'source $argv[1]; complete -C $argv[2]' "$folder/vantorel-cli.fish" "$1" | cut -f1 |
            tr '\n' ' ' | sed 's/ $//'
    }
    expect "fish: command" "$(fish_complete 'vantorel-cli ru')" "run"
    expect "fish: 6's operations" "$(fish_complete 'vantorel-cli run 6 h')" "high-low hottest"
    expect "fish: pb's options" "$(fish_complete 'vantorel-cli run pb hottest --p')" "--power"
    expect "fish: 3's options" "$(fish_complete 'vantorel-cli run 3 hottest --p')" "--predictions"
    expect "fish: --format" "$(fish_complete 'vantorel-cli compare 3 --dated picks.txt --format ')" "csv json text"
    expect "fish: a preset" "$(fish_complete 'vantorel-cli settings --preset mega')" "mega-millions"
else
    echo "NOTE: fish is not installed: fish completion not checked"
fi

[ "$failures" -eq 0 ]
