# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers of the benchmark scripts; sourced, not run.

# bench_arguments SCRIPT BUILD_DIR [ROUNDS]: sets `build` (the build folder, absolute), `rounds` (21 unless
# given) and `timer` (the build's process-timer).
bench_arguments() {
    local script=$1
    build=$(realpath "${2:?usage: $script BUILD_DIR [ROUNDS]}")
    rounds=${3:-21}
    timer="$build/bench/process-timer"
}

# require_programs PROGRAM...: stops the script when one of them is not built.
require_programs() {
    local program
    for program in "$@"; do
        [ -x "$program" ] || { echo "missing $program: build it first" >&2; exit 2; }
    done
}

# median: the median of the numbers on standard input, one a line.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# write_pick_files DIR: files of 1000 picks for every game, picks3.txt ... pickspb.txt.
write_pick_files() {
    local dir=$1
    awk 'BEGIN { for (i = 0; i < 1000; ++i) printf "%03d\r\n", i * 7 % 1000 }' >"$dir/picks3.txt"
    awk 'BEGIN { for (i = 0; i < 1000; ++i) printf "%04d\r\n", i * 37 % 10000 }' >"$dir/picks4.txt"
    awk 'BEGIN { for (i = 0; i < 1000; ++i)
                     printf "%d %d %d %d %d\r\n", i%5+1, i%7+6, i%3+13, i%4+17, i%5+22 }' >"$dir/picks5.txt"
    awk 'BEGIN { for (i = 0; i < 1000; ++i)
                     printf "%d %d %d %d %d %d\r\n", i%5+1, i%7+8, i%3+16, i%9+20, i%8+30, i%9+40 }' >"$dir/picks6.txt"
    awk 'BEGIN { for (i = 0; i < 1000; ++i)
                     printf "%d %d %d %d %d %d\r\n", i%5+1, i%7+8, i%3+16, i%9+20, i%8+30, i%42+1 }' >"$dir/pickspb.txt"
}
