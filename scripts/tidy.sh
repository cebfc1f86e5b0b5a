#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# clang-tidy over the program's own sources with the checks of .clang-tidy;
# any warning fails the run. Uses the compile commands of build/, which it
# configures with the default preset.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needPackages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" clang-tidy

cmake --preset default >/dev/null
mapfile -t files < <(git ls-files 'calc/*.cpp' 'graphs/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'app/batch/*.cpp')
# One file per run, two at a time (one per core). The findings go to
# standard output; of standard error only what is not a count is kept.
quietCounts() { grep -v -E '^[0-9]+ warnings? (generated|treated as errors)\.$' >&2 || true; }
if ! printf '%s\n' "${files[@]}" |
    xargs -P 2 -n 1 clang-tidy -p build --quiet --warnings-as-errors='*' 2> >(quietCounts); then
    echo "tidy: clang-tidy has findings (above)" >&2
    exit 1
fi
echo "tidy: ${#files[@]} files clean"
