#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a history file with every section at its capacity, made of the drawings in tests/data/shared/
# (real drawings for 3 Number, 4 Number, 6 Number and Power Ball; the generated 5 of 26 drawings for
# 5 Number), repeated in order until the section is full. It fits the first-run settings.
#
#   bash bench/make-full-history.sh OUT_FILE
set -euo pipefail

out=${1:?usage: make-full-history.sh OUT_FILE}
data="$(cd "$(dirname "$0")/.." && pwd)/tests/data/shared"

# section_line SECTION CAPACITY DATED FILE...: the section's line from dated drawing files
# ("mm/dd/yy n n ..."), the date stored as yy/mm/dd and left out of an undated section.
section_line() {
    local section=$1 capacity=$2 dated=$3
    shift 3
    cat "$@" | awk -v section="$section" -v capacity="$capacity" -v dated="$dated" '
        NF >= 2 && $1 ~ /^[0-9][0-9]\/[0-9][0-9]\/[0-9][0-9]$/ { drawings[n++] = $0 }
        END {
            printf "%d %d", section, capacity
            for (i = 0; i < capacity; ++i) {
                split(drawings[i % n], field, " ")
                if (dated) {
                    split(field[1], date, "/")
                    printf " %s/%s/%s", date[3], date[1], date[2]
                }
                for (f = 2; f in field; ++f) printf " %d", field[f]
                delete field
            }
            printf "\r\n"
        }'
}

{
    section_line 0 3649 0 "$data/ny-numbers-evening.txt" "$data/sample-3number-dated.txt"
    section_line 1 3649 1 "$data/ny-numbers-evening.txt" "$data/sample-3number-dated.txt"
    section_line 2 3649 0 "$data/ny-win4-evening.txt" "$data/sample-4number-dated.txt"
    section_line 3 3649 1 "$data/ny-win4-evening.txt" "$data/sample-4number-dated.txt"
    section_line 4 2599 0 "$data/sample-5number-dated.txt"
    section_line 5 2599 1 "$data/sample-5number-dated.txt"
    section_line 6 1039 0 "$data/uk-lotto-6-49.txt"
    section_line 7 1039 1 "$data/uk-lotto-6-49.txt"
    section_line 8 2079 0 "$data/powerball-1997-2002.txt"
    section_line 9 2079 1 "$data/powerball-1997-2002.txt"
} >"$out"
