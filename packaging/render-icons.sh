#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG sizes of the program's icon from its SVG (needs rsvg-convert, Debian's librsvg2-bin).
# Run it after changing res/icons/net.nulvex.Vantorel.svg and commit the PNGs with the SVG.
set -euo pipefail
icons="$(cd "$(dirname "${BASH_SOURCE[0]}")/../res/icons" && pwd)"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$icons/net.nulvex.Vantorel.svg" --output "$icons/$size.png"
done
