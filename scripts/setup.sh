# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh and test.sh: installs the Debian packages the build needs when any is missing, then
# configures and builds the project in $BUILD_DIR. Sourced, not run.

REPO_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$REPO_DIR/build}
# The build and its tests (qt6-svg-dev: the chart's SVG export; libcurl4-openssl-dev: fetching results files;
# nlohmann-json3-dev: results files given as JSON;
# libboost-dev: Boost.Math, header-only, the chi-square and hypergeometric distributions of the statistics;
# qt6-charts-dev: the Statistics window's charts, with libqt6opengl6-dev, which its CMake package needs);
# the validators and helpers that the test of the installed tree runs (desktop-file-utils, appstream, man-db,
# bash-completion, and lintian on the Debian package it packs); zsh and fish, whose completions the tests load; dpkg-dev and file for cpack -G DEB;
# poppler-utils, whose pdftotext reads a printed result list back in the widget tests; libcpp-httplib-dev (found
# through pkg-config): the HTTP server on the loopback address that the fetching tests start.
PACKAGES=(cmake ninja-build pkg-config g++ qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libcurl4-openssl-dev nlohmann-json3-dev libboost-dev libgtest-dev libgmock-dev libcpp-httplib-dev
    libbenchmark-dev desktop-file-utils appstream man-db bash-completion zsh fish lintian dpkg-dev file poppler-utils)

install_missing_packages() {
    local missing=()
    for package in "${PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo=sudo
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build [TARGET ...]: configures $BUILD_DIR (tests included) and builds the given targets,
# or everything.
configure_and_build() {
    local werror=OFF
    if [ -n "${CI:-}" ]; then
        werror=ON
    fi
    cmake -S "$REPO_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVANTOREL_WERROR=$werror -DVANTOREL_BUILD_TESTS=ON
    if [ $# -gt 0 ]; then
        cmake --build "$BUILD_DIR" --target "$@"
    else
        cmake --build "$BUILD_DIR"
    fi
}
