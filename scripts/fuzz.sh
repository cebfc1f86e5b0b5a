#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the logic of the three buttons and the readout, the CSV of the
# command line and its arguments, for the given number of seconds in all
# (default 60, split between the three). A crash or a broken invariant fails
# the run and leaves its input in the log and in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needPackages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev

seconds="${1:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
# The seeds stay as committed; what the run learns goes to a scratch corpus.
status=0
fuzz() { # TARGET SEEDS SECONDS
    local work="build-fuzz/corpus-$1"
    mkdir -p "$work" build-fuzz/findings
    cp -n "$2"/* "$work"/
    build-fuzz/fuzz/"$1" -max_total_time="$3" -dict=fuzz/fields.dict \
        -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$work" >>build-fuzz/fuzz.log 2>&1 || status=$?
}
: >build-fuzz/fuzz.log
fuzz buttons_fuzz fuzz/corpus $((seconds - 2 * (seconds / 3)))
fuzz csv_fuzz fuzz/csv_corpus $((seconds / 3))
fuzz arguments_fuzz fuzz/arguments_corpus $((seconds / 3))
grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)' build-fuzz/fuzz.log | tail -n 80
if ls build-fuzz/findings/* >/dev/null 2>&1; then
    for f in build-fuzz/findings/*; do
        echo "Input that failed ($f), as hex:"
        od -An -tx1 -v "$f"
    done
    exit 1
fi
exit "$status"
