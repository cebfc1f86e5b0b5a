#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole test suite in a second build folder, instrumented with
# AddressSanitizer and UndefinedBehaviorSanitizer; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needPackages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# The flags are those of the asan preset (CMakePresets.json).
cmake --preset asan >/dev/null
cmake --build --preset asan
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-qt.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
xvfb-run -a -s "-screen 0 1600x1000x24" ctest --test-dir build-asan --output-on-failure -j 2 "$@"
