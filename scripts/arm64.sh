#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds everything for arm64 into build-arm64/ (the preset arm64, with
# cmake/aarch64-linux-gnu.cmake) and runs the tests under QEMU's user-mode
# emulation, ending with CTest's summary. The tests labelled "native" mean
# nothing under an emulator and are left out.
#
#   scripts/arm64.sh                 every target, every test
#   scripts/arm64.sh --ci            the engine's and the command line's tests
#                                    only, and only what they need built
#   scripts/arm64.sh ... -R Calc     further arguments go to CTest
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needArchitecture arm64
needPackages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${ARM64_PACKAGES[@]}"

# QEMU takes the multiarch arm64 loader from /lib; a prefix would give it the
# cross compiler's, which hangs threaded programs (cmake/aarch64-linux-gnu.cmake).
unset QEMU_LD_PREFIX

targets=()
ctestArgs=()
if [ "${1:-}" = "--ci" ]; then
    shift
    targets=(--target calc_tests batch_tests)
    ctestArgs=(-L "^(engine|commandline)$")
fi
cmake --preset arm64 >/dev/null
cmake --build --preset arm64 "${targets[@]}" </dev/null
# The real window's test needs a display server of its own; the others
# ignore it.
xvfb-run -a -s "-screen 0 1600x1000x24" ctest --preset arm64 "${ctestArgs[@]}" "$@"
