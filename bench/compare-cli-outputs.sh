#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs two builds of vantorel-cli through every run, compare, pattern and analyze variant on the sample
# history, the test histories and a full-capacity history, and reports every command whose standard
# output, standard error or exit status differs. Exit status 0 when all agree.
#
#   bash bench/compare-cli-outputs.sh OLD_VANTOREL_CLI NEW_VANTOREL_CLI
set -euo pipefail

old=$(realpath "${1:?usage: compare-cli-outputs.sh OLD NEW}")
new=$(realpath "${2:?usage: compare-cli-outputs.sh OLD NEW}")
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/bench/bench-common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The histories: the sample, the tests' sample, a full one, one without the 5 Number and Power Ball
# dated sections, and an empty file.
mkdir -p "$work/histories"
cp "$root/sample/vtrmain.dat" "$work/histories/sample.dat"
cp "$root/tests/data/shared/sample-vtrmain.dat" "$work/histories/tests-sample.dat"
bash "$root/bench/make-full-history.sh" "$work/histories/full.dat"
grep -av '^[59] ' "$work/histories/full.dat" >"$work/histories/gaps.dat"
: >"$work/histories/empty.dat"

# Pick files of 1000 picks for every game.
write_pick_files "$work"

# Every variant, one command line a line (GAME stands for the game in the lines that take one).
variants() {
    local game=$1 query=$2 partial=$3 power=$4 number=$5
    for data in "" --undated; do
        echo "run $game distribution $data"
        echo "run $game even-odd $data --even-odd balls"
        echo "run $game even-odd $data --even-odd numbers"
        echo "run $game high-low $data --high-low balls"
        echo "run $game high-low $data --high-low numbers"
        echo "run $game totals $data"
        for operation in overdue hottest; do
            echo "run $game $operation $data"
            echo "run $game $operation $data --method numbers"
            echo "run $game $operation $data --method numbers --predictions normal"
        done
        echo "run $game random $data --seed 7"
        echo "run $game best-guess $data --strategy optimistic"
        echo "run $game best-guess $data --strategy nihilistic"
        echo "run $game number $data --input '$query' --power '$power'"
        echo "run $game number $data --input '$query' --match box"
        echo "run $game number $data --input 'x'"
        echo "compare $game ${data:---dated} $work/picks$game.txt"
        echo "compare $game ${data:---dated} $work/missing-picks.txt"
    done
    echo "run $game date --input 01/05/16"
    echo "run $game date --input 11/05/97 --power 26"
    echo "run $game date --input 13/45/99"
    echo "run $game date-range --from 01/01/84 --to 12/31/83"
    echo "run $game date-range --from 01/01/84 --to 12/31/83 --power 1"
    echo "run $game date-range --from 06/01/16 --to 06/30/16"
    echo "run $game date-range --from 01/01/99 --to 12/31/99"
    echo "run $game hottest --predictions day --input 3"
    echo "run $game overdue --predictions month --input 7"
    echo "run $game hottest --predictions date-range --from 01/01/16 --to 12/31/17"
    if [ "$game" = 3 ] || [ "$game" = 4 ]; then
        echo "run $game number-range --from 0 --to 99999"
        echo "run $game number-range --undated --from 100 --to 150"
        echo "run $game number --input $number"
        echo "pattern $game --dated 12"
        echo "pattern $game --undated 7 --reversed"
        echo "pattern $game --dated 999999"
    else
        echo "run $game partial-number --input '$partial'"
        echo "run $game partial-number --undated --input '$partial'"
        echo "run $game partial-number --power 20"
    fi
}

{
    variants 3 123 "" "" 124
    variants 4 3752 "" "" 3752
    variants 5 "11 18 21 22 7" "11 18" "" 0
    variants 6 "4 9 13 29 31 36" "4 9" "" 0
    variants pb "22 25 28 33 37" "22 25" 20 0
    echo "analyze"
} >"$work/commands.txt"

# Runs one build on one history in a fresh folder with a fresh settings store; prints status, output
# and messages.
run_one() {
    local cli=$1 history=$2 dir
    shift 2
    dir=$(mktemp -d "$work/run.XXXX")
    cp "$history" "$dir/vtrmain.dat"
    (
        cd "$dir"
        export XDG_CONFIG_HOME="$dir/config"
        set +e
        "$cli" "$@" >"$dir/out" 2>"$dir/err"
        echo "status $?"
        cat "$dir/out"
        echo "--- messages"
        cat "$dir/err"
    )
    rm -rf "$dir"
}

differences=0
commands=0
for history in "$work"/histories/*.dat; do
    while IFS= read -r command; do
        eval "set -- $command"
        commands=$((commands + 1))
        # Best Guess is seeded by the clock: a second that passes between the runs changes it, so it
        # gets a few tries.
        for try in 1 2 3; do
            run_one "$old" "$history" "$@" >"$work/old.txt"
            run_one "$new" "$history" "$@" >"$work/new.txt"
            cmp -s "$work/old.txt" "$work/new.txt" && break
        done
        if ! cmp -s "$work/old.txt" "$work/new.txt"; then
            differences=$((differences + 1))
            echo "DIFFERS on $(basename "$history"): vantorel-cli $command"
            diff "$work/old.txt" "$work/new.txt" | head -10
        fi
    done <"$work/commands.txt"
done
echo "$commands commands compared, $differences differ"
[ "$differences" -eq 0 ]
