#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a function of the program, its tests, fuzz targets or benchmarks
# runs over 40 lines, from its first line to its closing brace. Universal
# Ctags finds the functions, test bodies included, which clang-tidy's size
# check skips because a macro opens them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needPackages universal-ctags

long=$(git ls-files '*.cpp' '*.h' | xargs ctags --c++-kinds=f --fields=+ne -o - |
    awk -F'\t' '{ for (i = 4; i <= NF; i++) { if ($i ~ /^line:/) s = substr($i, 6); if ($i ~ /^end:/) e = substr($i, 5) }
                  if (e - s + 1 > 40) printf "%s:%d: %s runs %d lines\n", $2, s, $1, e - s + 1 }')
if [ -n "$long" ]; then
    echo "$long" >&2
    echo "function-size: functions over 40 lines (above)" >&2
    exit 1
fi
echo "function-size: no function over 40 lines"
