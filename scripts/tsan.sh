#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The engine's tests under ThreadSanitizer, in build-tsan/: the sample loop
# runs its stretches on threads there. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needPackages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# The flags are those of the tsan preset (CMakePresets.json).
cmake --preset tsan >/dev/null
cmake --build --preset tsan
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
build-tsan/tests/calc_tests "$@"
