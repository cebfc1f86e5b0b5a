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
# Each file with the compile command of a build that compiles it: build/ for
# this machine's, build-arm64/ (scripts/arm64.sh, which CI runs first) for the
# sample loop's AdvSIMD stretch, which only an arm64 build compiles. A file no
# configured build compiles is named and left out.
compiles() { [ -f "$1/compile_commands.json" ] && grep -qF "\"file\": \"$PWD/$2\"" "$1/compile_commands.json"; }
runs=()
skipped=0
for f in "${files[@]}"; do
    if compiles build "$f"; then
        runs+=(build "$f")
    elif compiles build-arm64 "$f"; then
        runs+=(build-arm64 "$f")
    else
        echo "tidy: not tidied, no build here compiles $f (scripts/arm64.sh makes build-arm64/)" >&2
        skipped=$((skipped + 1))
    fi
done
# One file per run, two at a time (one per core). The findings go to
# standard output; of standard error only what is not a count is kept.
quietCounts() { grep -v -E '^[0-9]+ warnings? (generated|treated as errors)\.$' >&2 || true; }
if ! printf '%s\n' "${runs[@]}" |
    xargs -P 2 -n 2 sh -c 'clang-tidy -p "$0" --quiet --warnings-as-errors="*" "$1"' 2> >(quietCounts); then
    echo "tidy: clang-tidy has findings (above)" >&2
    exit 1
fi
echo "tidy: $((${#files[@]} - skipped)) files clean"
