#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks the tree as a user's system would see it: every file
# in its place, both programs answering --version with the project's version, the desktop entry, the
# metainfo and the manual pages passing their validators, the copyright file, changelog and licence, the
# bash completion completing, and the desktop program (from a moved copy of the tree) starting on a copy of
# the installed sample history. Then packs the build as a Debian package for /usr and checks its control
# fields and files, and runs lintian on it when lintian is installed.
# Usage: check-installed-tree.sh BUILD_DIR WORK_DIR VERSION
set -euo pipefail

build=$1
work=$2
version=$3
prefix=$work/prefix
id=net.nulvex.Vantorel
source=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
doc=share/doc/vantorel
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
need cpack cmake
need dpkg-deb dpkg
need dpkg-parsechangelog dpkg-dev

rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$prefix" > "$work/install.log"

# The files.
files=(bin/vantorel bin/vantorel-cli share/vantorel/vtrmain.dat share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/vantorel.1.gz share/man/man1/vantorel-cli.1.gz share/bash-completion/completions/vantorel-cli
    share/zsh/vendor-completions/_vantorel-cli share/fish/vendor_completions.d/vantorel-cli.fish
    $doc/copyright $doc/changelog.gz $doc/LICENSE)
for size in 16 24 32 48 64 128 256; do
    files+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
for file in "${files[@]}"; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done
png_size() { # FILE: prints "WIDTH x HEIGHT"
    # The PNG header holds width and height as big-endian words at bytes 16 and 20.
    local header
    read -r -a header < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((header[2] << 8) + header[3])) x $(((header[6] << 8) + header[7]))"
}
for size in 16 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    [ "$(png_size "$png")" = "$size x $size" ] || fail "$png is $(png_size "$png")"
done

# One version everywhere.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${no_display[@]}" "$prefix/bin/vantorel-cli" --version)" = "vantorel-cli $version" ] || fail "vantorel-cli --version"
[ "$("${no_display[@]}" "$prefix/bin/vantorel" --version)" = "vantorel $version" ] || fail "vantorel --version"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo release"

# The validators. --strict fails on anything above a pedantic hint; validate-tree also checks that the
# metainfo, the desktop entry and the icon fit together.
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic --strict --no-net "$prefix/share/metainfo/$id.metainfo.xml" \
    > "$work/appstream.log" || { cat "$work/appstream.log" >&2; fail "appstreamcli validate --pedantic"; }
appstreamcli validate-tree --pedantic --strict --no-net "$prefix" > "$work/appstream-tree.log" ||
    { cat "$work/appstream-tree.log" >&2; fail "appstreamcli validate-tree --pedantic"; }
exec_line=$(grep '^Exec=' "$prefix/share/applications/$id.desktop")
[ -x "$prefix/bin/$(echo "${exec_line#Exec=}" | cut -d' ' -f1)" ] || fail "the desktop entry runs no installed program"
for page in vantorel vantorel-cli; do
    MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/$page.1.gz" > "$work/$page.txt" 2> "$work/$page.err"
    [ -s "$work/$page.err" ] && { cat "$work/$page.err" >&2; fail "man -l $page.1 warns"; }
    grep -q "Vantorel $version" "$work/$page.txt" || fail "$page(1) names no version"
    grep -q '^EXIT STATUS' "$work/$page.txt" || fail "$page(1) has no EXIT STATUS"
done

# The copyright file (machine-readable, GPL-3+), the licence text as Debian ships it, the upstream changelog
# as the source holds it, and a metainfo release for each release of the changelog with the licences.
check_copyright() { # FILE: the copyright file of a tree
    [ "$(head -n 1 "$1")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
        fail "$1 is not in the machine-readable format"
    grep -qx 'Upstream-Name: Vantorel' "$1" || fail "$1 names no Upstream-Name"
    grep -qx 'Upstream-Contact: .* <[^ ]*@[^ ]*>' "$1" || fail "$1 names no Upstream-Contact with an address"
    grep -qx 'Files: \*' "$1" || fail "$1 has no paragraph for every file"
    [ "$(grep -c '^License: GPL-3+$' "$1")" -ge 2 ] || fail "$1 gives no GPL-3+ licence with its notice"
    grep -q '"/usr/share/common-licenses/GPL-3"' "$1" || fail "$1 does not point to Debian's licence text"
}
check_copyright "$prefix/$doc/copyright"
cmp -s "$prefix/$doc/LICENSE" "$source/LICENSE" || fail "the installed LICENSE is not the source's"
[ "$(head -n 2 "$source/LICENSE" | sed 's/^ *//' | tr '\n' '|')" = "GNU GENERAL PUBLIC LICENSE|Version 3, 29 June 2007|" ] ||
    fail "LICENSE is not the GNU GPL version 3"
if [ -f /usr/share/common-licenses/GPL-3 ]; then
    cmp -s "$source/LICENSE" /usr/share/common-licenses/GPL-3 || fail "LICENSE differs from Debian's GPL-3"
fi
zcat "$prefix/$doc/changelog.gz" | cmp -s - "$source/CHANGELOG.md" || fail "changelog.gz is not CHANGELOG.md"
grep -q "^## $version - [0-9-]*\$" "$source/CHANGELOG.md" || fail "CHANGELOG.md has no section for $version"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
changelog_releases=$(sed -n 's/^## \([0-9.]*\) - \([0-9-]*\)$/\1 \2/p' "$source/CHANGELOG.md")
metainfo_releases=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$metainfo")
[ "$metainfo_releases" = "$changelog_releases" ] ||
    fail "metainfo releases [$metainfo_releases] are not the changelog's [$changelog_releases]"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "metainfo project_license"
grep -q '<metadata_license>CC0-1.0</metadata_license>' "$metainfo" || fail "metainfo metadata_license"
for kind in homepage bugtracker; do
    grep -q "<url type=\"$kind\">https://[^<]*</url>" "$metainfo" || fail "metainfo names no $kind"
done
# The screenshot is the picture committed in packaging/screenshots/, with its size.
screenshot=$(sed -n 's/.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">[^<]*\/\([^/<]*\)<\/image>.*/\3 \1 \2/p' "$metainfo")
read -r picture width height <<< "$screenshot"
if [ -f "$source/packaging/screenshots/$picture" ]; then
    [ "$(png_size "$source/packaging/screenshots/$picture")" = "$width x $height" ] ||
        fail "the metainfo gives the screenshot $picture a size of $width x $height"
else
    fail "the metainfo's screenshot [$screenshot] is no picture in packaging/screenshots/"
fi

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

# The Debian package, packed for /usr whatever prefix the build was configured for (the manual pages then
# name the build's folders, which only the package's users would read).
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" -D VANTOREL_PACKAGE_PREFIX=/usr \
    > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$(find "$work/package" -maxdepth 1 -name '*.deb')
if [ -f "$deb" ]; then
    field() { dpkg-deb --field "$deb" "$1"; }
    [ "$(field Version)" = "$version-1" ] || fail "package version $(field Version)"
    [ "$(field Section)" = games ] || fail "package section $(field Section)"
    [[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\ ]+@[^@\ ]+\>$ ]] || fail "package maintainer $(field Maintainer)"
    [[ "$(field Homepage)" == https://* ]] || fail "package homepage $(field Homepage)"
    long=$(dpkg-deb --field "$deb" Description | awk 'length > 80')
    [ -z "$long" ] || fail "description lines longer than 80 characters: $long"
    dpkg-deb --extract "$deb" "$work/package/tree"
    tree=$work/package/tree
    for file in usr/games/vantorel usr/games/vantorel-cli usr/$doc/copyright usr/$doc/changelog.gz \
        usr/$doc/changelog.Debian.gz usr/share/lintian/overrides/vantorel; do
        [ -f "$tree/$file" ] || fail "not in the package: $file"
    done
    for file in usr/bin usr/$doc/LICENSE; do
        [ ! -e "$tree/$file" ] || fail "in the package: $file"
    done
    [ -x "$tree/usr/games/$(echo "${exec_line#Exec=}" | cut -d' ' -f1)" ] ||
        fail "the package's desktop entry runs no program in /usr/games"
    check_copyright "$tree/usr/$doc/copyright"
    zcat "$tree/usr/$doc/changelog.Debian.gz" > "$work/package/changelog.Debian"
    [ "$(dpkg-parsechangelog -l "$work/package/changelog.Debian" -S Version)" = "$version-1" ] ||
        fail "the Debian changelog's latest entry is not $version-1"
    if command -v lintian > /dev/null; then
        lintian --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1 ||
            { cat "$work/lintian.log" >&2; fail "lintian"; }
    else
        echo "NOTE: lintian is not installed, so the package was not linted (scripts/setup.sh installs it)"
    fi
else
    fail "cpack made no Debian package"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the installed tree failed" >&2
    exit 1
fi
echo "The installed tree in $prefix passed every check."
