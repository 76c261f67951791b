#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process benchmark: vantorel-cli against the minimal section reader, on a full-capacity history.
# For each game it times Totals, Hottest, Date Range over the whole history and compare with 1000 picks;
# every round runs each command and the reader of the same section one after the other (which goes first
# alternates), so both see the same machine. Prints the medians of CPU time (user + system, as the system
# accounts it) and peak memory, and the median of the pairwise CPU ratios.
#
#   bash bench/process-bench.sh BUILD_DIR [ROUNDS]     (BUILD_DIR holds cli/ and bench/ of a build)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/bench/bench-common.sh"
bench_arguments process-bench.sh "$@"
cli="$build/cli/vantorel-cli"
reader="$build/bench/minimal-section-reader"
require_programs "$cli" "$reader" "$timer"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
bash "$root/bench/make-full-history.sh" vtrmain.dat
export XDG_CONFIG_HOME="$work/config"
"$cli" settings >/dev/null 2>&1 # the first run writes the settings; it is not timed
write_pick_files .

# name|dated section|command
cases=()
for game in 3 4 5 6 pb; do
    case $game in 3) section=1 ;; 4) section=3 ;; 5) section=5 ;; 6) section=7 ;; pb) section=9 ;; esac
    cases+=("run $game totals|$section|run $game totals")
    cases+=("run $game hottest|$section|run $game hottest")
    cases+=("run $game date-range (all)|$section|run $game date-range --from 01/01/84 --to 12/31/83")
    cases+=("compare $game (1000 picks)|$section|compare $game --dated picks$game.txt")
done

# Appends "cpu_us maxrss_kib" of one timed run to FILE.
timed() {
    local file=$1
    shift
    "$timer" "$@" | awk '{ print $1 + $2, $3 }' >>"$file"
}

for ((round = 0; round < rounds; ++round)); do
    for index in "${!cases[@]}"; do
        IFS='|' read -r _ section command <<<"${cases[$index]}"
        read -ra arguments <<<"$command"
        if (((round + index) % 2 == 0)); then
            timed "cli.$index" "$cli" "${arguments[@]}"
            timed "reader.$index" "$reader" "$section"
        else
            timed "reader.$index" "$reader" "$section"
            timed "cli.$index" "$cli" "${arguments[@]}"
        fi
    done
done

printf '%-28s %12s %12s %8s %12s %12s\n' "command ($rounds rounds)" "cli CPU ms" "reader CPU ms" "ratio" "cli peak MiB" "reader MiB"
for index in "${!cases[@]}"; do
    IFS='|' read -r name _ _ <<<"${cases[$index]}"
    cli_cpu=$(cut -d' ' -f1 "cli.$index" | median)
    reader_cpu=$(cut -d' ' -f1 "reader.$index" | median)
    ratio=$(paste -d' ' "cli.$index" "reader.$index" | awk '{ print ($3 > 0 ? $1 / $3 : 0) }' | median)
    cli_memory=$(cut -d' ' -f2 "cli.$index" | median)
    reader_memory=$(cut -d' ' -f2 "reader.$index" | median)
    awk -v n="$name" -v c="$cli_cpu" -v r="$reader_cpu" -v q="$ratio" -v cm="$cli_memory" -v rm="$reader_memory" \
        'BEGIN { printf "%-28s %12.2f %12.2f %7.2fx %12.2f %12.2f\n", n, c / 1000, r / 1000, q, cm / 1024, rm / 1024 }'
done
