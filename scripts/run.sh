#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vantorel and starts the desktop program on the sample history. Installs what it needs on Debian 12 first.
# The program works on run/vtrmain.dat, a copy of sample/vtrmain.dat made on first use; the original is
# never touched, and an existing run/vtrmain.dat (with the drawings you added) is kept.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages
configure_and_build vantorel vantorel-cli

RUN_DIR=${RUN_DIR:-$REPO_DIR/run}
mkdir -p "$RUN_DIR"
if [ ! -f "$RUN_DIR/vtrmain.dat" ]; then
    cp "$REPO_DIR/sample/vtrmain.dat" "$RUN_DIR/vtrmain.dat"
fi
cd "$RUN_DIR"
echo "Starting Vantorel on $RUN_DIR/vtrmain.dat"
exec "$BUILD_DIR/shell/vantorel" "$RUN_DIR" "$@"
