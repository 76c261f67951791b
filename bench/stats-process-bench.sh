#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process benchmark of `vantorel-cli stats` and `vantorel-cli backtest` on the full-capacity history of
# make-full-history.sh: each case times the command and the `vantorel-cli run` it is measured against, one
# after the other in every round (which goes first alternates). Prints the medians of CPU time (user +
# system) and of the pairwise ratio. Targets: stats within 1.5 times "run GAME distribution", a Hottest
# backtest within 3 times "run GAME hottest"; Best Guess backtests report their time.
#
#   bash bench/stats-process-bench.sh BUILD_DIR [ROUNDS]   (BUILD_DIR holds cli/ and bench/ of a build)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/bench/bench-common.sh"
bench_arguments stats-process-bench.sh "$@"
cli="$build/cli/vantorel-cli"
require_programs "$cli" "$timer"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
bash "$root/bench/make-full-history.sh" vtrmain.dat
export XDG_CONFIG_HOME="$work/config"
"$cli" settings >/dev/null 2>&1 # the first run writes the settings; it is not timed

# name|command|command it is measured against
cases=()
for game in 3 4 5 6 pb; do
    cases+=("stats $game|stats $game|run $game distribution")
done
for game in 3 4 5 6 pb; do
    cases+=("backtest $game hottest|backtest $game hottest|run $game hottest")
done
for game in 3 5 6 pb; do
    cases+=("backtest $game best-guess|backtest $game best-guess --strategy pessimistic --seed 7|run $game best-guess")
done

timed() {
    local file=$1
    shift
    "$timer" "$@" | awk '{ print $1 + $2 }' >>"$file"
}

for ((round = 0; round < rounds; ++round)); do
    for index in "${!cases[@]}"; do
        IFS='|' read -r _ measured against <<<"${cases[$index]}"
        read -ra measured_arguments <<<"$measured"
        read -ra against_arguments <<<"$against"
        if (((round + index) % 2 == 0)); then
            timed "measured.$index" "$cli" "${measured_arguments[@]}"
            timed "against.$index" "$cli" "${against_arguments[@]}"
        else
            timed "against.$index" "$cli" "${against_arguments[@]}"
            timed "measured.$index" "$cli" "${measured_arguments[@]}"
        fi
    done
done

printf '%-26s %-24s %10s %10s %8s\n' "case ($rounds rounds)" "against" "CPU ms" "run CPU ms" "ratio"
for index in "${!cases[@]}"; do
    IFS='|' read -r name _ against <<<"${cases[$index]}"
    measured_cpu=$(median <"measured.$index")
    against_cpu=$(median <"against.$index")
    ratio=$(paste -d' ' "measured.$index" "against.$index" | awk '{ print ($2 > 0 ? $1 / $2 : 0) }' | median)
    awk -v n="$name" -v a="$against" -v d="$measured_cpu" -v c="$against_cpu" -v q="$ratio" \
        'BEGIN { printf "%-26s %-24s %10.2f %10.2f %7.2fx\n", n, a, d / 1000, c / 1000, q }'
done
