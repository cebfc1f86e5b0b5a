#!/usr/bin/env bash
# Builds the benchmarks and prints the figures of the README's performance
# table; extra arguments go to both benchmark programs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needPackages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRADDRIZZATORE_TESTS=ON -DRADDRIZZATORE_BENCH=ON >/dev/null
cmake --build build --target calc_bench plot_bench
build/bench/calc_bench "$@"
build/bench/plot_bench "$@"
