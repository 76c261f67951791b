#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs DigitBench and LottoBench and prints, for every operation with its result lines, its best CPU time
next to the best CPU time of reading its section (for a comparison: the section and the pick file), and
the ratio of the two.

    python3 bench/operation-ratios.py BUILD_DIR      (BUILD_DIR: a build with VANTOREL_BUILD_BENCH=ON)
"""
import json
import subprocess
import sys


def best_cpu_times(program):
    """The "_min" CPU time of every benchmark of the program, in microseconds, by benchmark name."""
    output = subprocess.run([program, "--benchmark_format=json", "--benchmark_min_time=0.1"], check=True,
                            capture_output=True, text=True)
    times = {}
    for run in json.loads(output.stdout)["benchmarks"]:
        if run.get("aggregate_name") == "min":
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[run["time_unit"]]
            times[run["run_name"].split("/repeats:")[0]] = run["cpu_time"] * scale
    return times


def rows(times):
    """(operation, its time, its section's read time) for the operations with lines."""
    for name, time in sorted(times.items()):
        if name.startswith("BM_") and name.endswith("_WithLines"):
            game = name.split("_")[1]
            yield name, time, times[f"BM_{game}_ReadSection"]
        elif name.startswith("BM_") and name.endswith("_ComparePickFile"):
            game = name.split("_")[1]
            yield name, time, times[f"BM_{game}_ReadSectionAndPickFile"]
        elif name.startswith("Operation/"):
            game = name.split("/")[1]
            yield name, time, times[f"Load/{game}"]
        elif name.startswith("Compare/"):
            game = name.split("/")[1]
            yield name, time, times[f"LoadWithPicks/{game}"]


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
    print(f"{'operation with its lines':45} {'CPU us':>9} {'read us':>9} {'ratio':>7}")
    worst = 0.0
    for program in ("DigitBench", "LottoBench"):
        for name, time, read in rows(best_cpu_times(f"{build}/bench/{program}")):
            worst = max(worst, time / read)
            print(f"{name:45} {time:9.1f} {read:9.1f} {time / read:6.2f}x")
    print(f"highest ratio: {worst:.2f}x")


if __name__ == "__main__":
    main()
