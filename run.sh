#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program (incrementally) and starts it; with arguments it runs
# them on the command line (./run.sh --help).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
needPackages "${BUILD_PACKAGES[@]}"

# The program alone, without the tests, in build-app/. Configured once; the
# build reconfigures by itself when a CMakeLists.txt changes.
if [ ! -f build-app/build.ninja ]; then
    cmake --preset app >/dev/null
fi
# Build messages go to standard error: with arguments, standard output is
# the program's CSV.
cmake --build --preset app </dev/null >&2

# With arguments the program works on the command line and needs no display.
if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: start it from a desktop session, or try: xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec build-app/app/raddrizzatore "$@"
