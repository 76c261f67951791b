#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the tree as a user's system would see it: every file
# in its place, both programs answering --version with the project's version, the desktop entry, the
# metainfo and the manual pages passing their validators, the bash completion completing, and the
# desktop program (from a moved copy of the tree) starting on a copy of the installed sample history.
# Usage: check-installed-tree.sh BUILD_DIR WORK_DIR VERSION
set -euo pipefail

build=$1
work=$2
version=$3
prefix=$work/prefix
id=net.nulvex.Vantorel
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

need() {
    command -v "$1" > /dev/null || { echo "FAIL: $1 is missing; install the Debian package $2 (scripts/setup.sh does)" >&2; exit 1; }
}
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need man man-db

rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$prefix" > "$work/install.log"

# The files.
files=(bin/vantorel bin/vantorel-cli share/vantorel/vtrmain.dat share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/vantorel.1.gz share/man/man1/vantorel-cli.1.gz share/bash-completion/completions/vantorel-cli)
for size in 16 24 32 48 64 128 256; do
    files+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
for file in "${files[@]}"; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done
for size in 16 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    # The PNG header holds width and height as big-endian words at bytes 16 and 20.
    read -r -a header < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((header[2] << 8) + header[3]))
    height=$(((header[6] << 8) + header[7]))
    [ "$width.$height" = "$size.$size" ] || fail "$png is $width x $height"
done

# One version everywhere.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${no_display[@]}" "$prefix/bin/vantorel-cli" --version)" = "vantorel-cli $version" ] || fail "vantorel-cli --version"
[ "$("${no_display[@]}" "$prefix/bin/vantorel" --version)" = "vantorel $version" ] || fail "vantorel --version"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo release"

# The validators.
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" > "$work/appstream.log" ||
    { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
exec_line=$(grep '^Exec=' "$prefix/share/applications/$id.desktop")
[ -x "$prefix/bin/$(echo "${exec_line#Exec=}" | cut -d' ' -f1)" ] || fail "the desktop entry runs no installed program"
for page in vantorel vantorel-cli; do
    MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/$page.1.gz" > "$work/$page.txt" 2> "$work/$page.err"
    [ -s "$work/$page.err" ] && { cat "$work/$page.err" >&2; fail "man -l $page.1 warns"; }
    grep -q "Vantorel $version" "$work/$page.txt" || fail "$page(1) names no version"
    grep -q '^EXIT STATUS' "$work/$page.txt" || fail "$page(1) has no EXIT STATUS"
done

# The bash completion, with the bash-completion helpers it is written for.
helpers=/usr/share/bash-completion/bash_completion
if [ -f "$helpers" ]; then
    complete_line() {
        bash -c 'source "$1" && source "$2" && shift 2 && COMP_WORDS=("$@") && COMP_CWORD=$(($# - 1)) &&
            COMP_LINE="$*" && COMP_POINT=${#COMP_LINE} && _vantorel_cli && echo "${COMPREPLY[*]}"' \
            complete "$helpers" "$prefix/share/bash-completion/completions/vantorel-cli" "$@"
    }
    [ "$(complete_line vantorel-cli ru)" = "run" ] || fail "completion of the command"
    [[ " $(complete_line vantorel-cli run 3 '') " == *" number-range "* ]] || fail "completion of 3's operations"
    [[ " $(complete_line vantorel-cli run pb '') " == *" partial-number "* ]] || fail "completion of pb's operations"
    [ "$(complete_line vantorel-cli --dir /tmp run 3 --strategy n)" = "nihilistic" ] || fail "completion after --dir"
    [ "$(complete_line vantorel-cli import 6 --dated results.csv --r)" = "--results" ] || fail "completion of --results"
    [ -z "$(complete_line vantorel-cli import 6 --results --column '')" ] ||
        fail "completion after --column (a column name, not a file)"
    [ "$(complete_line vantorel-cli settings --preset mega)" = "mega-millions" ] || fail "completion of a preset"
else
    fail "$helpers is missing; install the Debian package bash-completion (scripts/setup.sh does)"
fi

# The desktop program's first start from a moved tree: a copy of the installed sample in the data folder.
moved=$work/moved
cp -a "$prefix" "$moved"
export XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
copy=$XDG_DATA_HOME/Nulvex.Mark/Vantorel/vtrmain.dat
QT_QPA_PLATFORM=offscreen "$moved/bin/vantorel" > "$work/vantorel.log" 2>&1 &
program=$!
for _ in $(seq 100); do
    [ -f "$copy" ] && break
    sleep 0.1
done
kill "$program" 2> /dev/null || true
wait "$program" 2> /dev/null || true
cmp -s "$copy" "$prefix/share/vantorel/vtrmain.dat" || { cat "$work/vantorel.log" >&2; fail "no copy of the sample at $copy"; }
# vantorel-cli works on that copy through --dir.
"$moved/bin/vantorel-cli" --dir "$(dirname "$copy")" run 3 hottest > "$work/hottest.txt" 2> "$work/hottest.err" ||
    fail "vantorel-cli --dir on the data folder"
[ -s "$work/hottest.txt" ] || fail "vantorel-cli printed no result"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the installed tree failed" >&2
    exit 1
fi
echo "The installed tree in $prefix passed every check."
