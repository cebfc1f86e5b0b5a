#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
needPackages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake --preset default >/dev/null
cmake --build --preset default
# The window tests need a display server of their own; the others ignore it.
xvfb-run -a -s "-screen 0 1600x1000x24" ctest --preset default "$@"
