#!/usr/bin/env bash
# Builds the benchmarks and prints the figures of the README's performance
# table; extra arguments go to both benchmark programs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needPackages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake --preset default >/dev/null
cmake --build --preset default --target calc_bench plot_bench
build/bench/calc_bench "$@"
build/bench/plot_bench "$@"
