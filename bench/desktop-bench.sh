#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop start-up benchmark: the time from starting vantorel to its main window shown on the screen,
# against a bare Qt window of the same size, run in turn (which goes first alternates); then the time from
# a double-click on the main window to the operations sheet shown. Needs a display: run it in a desktop
# session, or under Xvfb (xvfb-run -a -s "-screen 0 1280x1024x24" bash bench/desktop-bench.sh ...).
#
#   bash bench/desktop-bench.sh BUILD_DIR [ROUNDS]    (a build with VANTOREL_BUILD_BENCH=ON and the GUI)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/bench/bench-common.sh"
bench_arguments desktop-bench.sh "$@"
vantorel="$build/shell/vantorel"
bare="$build/bench/bare-window"
require_programs "$vantorel" "$bare" "$timer" "$build/cli/vantorel-cli"
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || { echo "no display: run it under xvfb-run" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/sample/vtrmain.dat" "$work/vtrmain.dat"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"
"$build/cli/vantorel-cli" --dir "$work" settings >/dev/null 2>&1 # a configured profile, as after a first run

# Appends "cpu_us wall_us" of one timed run to FILE.
timed() {
    local file=$1
    shift
    "$timer" "$@" | awk '{ print $1 + $2, $5 }' >>"$file"
}

for ((round = 0; round < rounds; ++round)); do
    if ((round % 2 == 0)); then
        VANTOREL_STARTUP_PROBE=window timed "$work/vantorel" "$vantorel" "$work"
        timed "$work/bare" "$bare"
    else
        timed "$work/bare" "$bare"
        VANTOREL_STARTUP_PROBE=window timed "$work/vantorel" "$vantorel" "$work"
    fi
    VANTOREL_STARTUP_PROBE=sheet "$vantorel" "$work" 2>&1 >/dev/null | awk '/^sheet shown in/ { print $4 }' >>"$work/sheet"
done

column_median() { cut -d' ' -f"$2" "$1" | median; }
pair_median() { paste -d' ' "$work/vantorel" "$work/bare" | awk -v c="$1" '{ print $c / $(c + 2) }' | median; }

echo "start to the main window shown ($rounds rounds, medians)"
printf '  %-22s %10s %10s\n' "" "wall ms" "CPU ms"
printf '  %-22s %10.1f %10.1f\n' "vantorel" "$(column_median "$work/vantorel" 2 | awk '{ print $1 / 1000 }')" \
    "$(column_median "$work/vantorel" 1 | awk '{ print $1 / 1000 }')"
printf '  %-22s %10.1f %10.1f\n' "bare window" "$(column_median "$work/bare" 2 | awk '{ print $1 / 1000 }')" \
    "$(column_median "$work/bare" 1 | awk '{ print $1 / 1000 }')"
printf '  %-22s %9.2fx %9.2fx\n' "ratio (pairwise)" "$(pair_median 2)" "$(pair_median 1)"
echo "double-click to the sheet shown: median $(median <"$work/sheet") ms, highest $(sort -n "$work/sheet" | tail -1) ms"
