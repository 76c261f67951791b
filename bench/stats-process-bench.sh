#!/usr/bin/env bash
# Whole-process benchmark of the statistics and the backtests, on the full-capacity history of
# make-full-history.sh: each case times a run of stats-driver (the engine behind a minimal command, read as
# vantorel-cli reads) and the vantorel-cli command it is measured against, one after the other in every
# round (which goes first alternates). Prints the medians of CPU time (user + system) and of the pairwise
# ratio. Targets: stats within 1.5 times "run GAME distribution", a Hottest backtest within 3 times
# "run GAME hottest".
#
#   bash bench/stats-process-bench.sh BUILD_DIR [ROUNDS]   (BUILD_DIR holds cli/ and bench/ of a build)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/bench/bench-common.sh"
bench_arguments stats-process-bench.sh "$@"
cli="$build/cli/vantorel-cli"
driver="$build/bench/stats-driver"
require_programs "$cli" "$driver" "$timer"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
bash "$root/bench/make-full-history.sh" vtrmain.dat
export XDG_CONFIG_HOME="$work/config"
"$cli" settings >/dev/null 2>&1 # the first run writes the settings; it is not timed

# name|driver arguments|vantorel-cli arguments
cases=()
for game in 3 4 5 6 pb; do
    cases+=("stats $game|stats $game|run $game distribution")
done
for game in 3 4 5 6 pb; do
    cases+=("backtest $game hottest|backtest $game hottest|run $game hottest")
done
for game in 3 5 6 pb; do
    cases+=("backtest $game best-guess|backtest $game best-guess pessimistic 7|run $game best-guess")
done

timed() {
    local file=$1
    shift
    "$timer" "$@" | awk '{ print $1 + $2 }' >>"$file"
}

for ((round = 0; round < rounds; ++round)); do
    for index in "${!cases[@]}"; do
        IFS='|' read -r _ driven command <<<"${cases[$index]}"
        read -ra driver_arguments <<<"$driven"
        read -ra cli_arguments <<<"$command"
        if (((round + index) % 2 == 0)); then
            timed "driver.$index" "$driver" "${driver_arguments[@]}"
            timed "cli.$index" "$cli" "${cli_arguments[@]}"
        else
            timed "cli.$index" "$cli" "${cli_arguments[@]}"
            timed "driver.$index" "$driver" "${driver_arguments[@]}"
        fi
    done
done

printf '%-26s %-24s %10s %10s %8s\n' "case ($rounds rounds)" "against" "CPU ms" "cli CPU ms" "ratio"
for index in "${!cases[@]}"; do
    IFS='|' read -r name _ command <<<"${cases[$index]}"
    driver_cpu=$(median <"driver.$index")
    cli_cpu=$(median <"cli.$index")
    ratio=$(paste -d' ' "driver.$index" "cli.$index" | awk '{ print ($2 > 0 ? $1 / $2 : 0) }' | median)
    awk -v n="$name" -v a="$command" -v d="$driver_cpu" -v c="$cli_cpu" -v q="$ratio" \
        'BEGIN { printf "%-26s %-24s %10.2f %10.2f %7.2fx\n", n, a, d / 1000, c / 1000, q }'
done
