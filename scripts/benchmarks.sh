#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks and prints the figures of the README's performance
# tables: the loop's (calc_bench, plot_bench; extra arguments go to both),
# then whole-process timings of the real program beside the floor of writing
# its arrays, all in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needPackages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"

cmake --preset default >/dev/null
cmake --build --preset default --target calc_bench plot_bench arrayfloor windowpress raddrizzatore
build/bench/calc_bench "$@"
build/bench/plot_bench "$@"

largest=53687091
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# whole NAME LABEL INPUT COMMAND...: a whole process under /usr/bin/time -v;
# its wall-clock seconds are also added to $scratch/NAME.
whole() {
    local name=$1 label=$2 input=$3
    shift 3
    /usr/bin/time -v -o "$scratch/time" "$@" <"$input" >/dev/null
    awk -v label="$label" -v seconds="$scratch/$name" -F': ' '
        /Elapsed \(wall clock\)/ { n = split($2, p, ":"); for (i = 1; i <= n; i++) wall = wall * 60 + p[i] }
        /User time/ { user = $2 }
        /System time/ { kernel = $2 }
        /Maximum resident/ { peak = $2 / 1e6 }
        END {
            printf "%-34s %6.2f s (user %.2f s, system %.2f s, peak %.2f GB)\n", label, wall, user, kernel, peak
            print wall >>seconds
        }
    ' "$scratch/time"
}

# rows N COUNT: a --verifica table of COUNT default circuits at N.
rows() {
    awk -v N="$1" -v count="$2" 'BEGIN { print "Vp,f,C,R,N"; for (r = 0; r < count; r++) print "10,50,10,2000," N }'
}

rows "$largest" 1 >"$scratch/largest.csv"
rows 50000000 1 >"$scratch/fifty-million.csv"
rows 1000 50000 >"$scratch/many.csv"

echo
echo "Whole processes (build/app/raddrizzatore, default circuit), $(nproc) cores:"
for run in 1 2 3 4 5; do
    build/bench/arrayfloor "$largest" | tee -a "$scratch/floor" |
        sed "s/^/floor of three arrays of N + 2 doubles, N = $largest: /"
    whole largest "--verifica, 1 row at N = $largest" "$scratch/largest.csv" build/app/raddrizzatore --verifica
done
for run in 1 2 3; do
    whole fifty "--verifica, 1 row at N = 50000000" "$scratch/fifty-million.csv" build/app/raddrizzatore --verifica
    whole many "--verifica, 50000 rows at N = 1000" "$scratch/many.csv" build/app/raddrizzatore --verifica
done
# The window's "Verifica", pressed five times in one process (offscreen): the
# third and later reuse the memory of the first two, as in a user's session.
QT_QPA_PLATFORM=offscreen /usr/bin/time -v -o "$scratch/time" build/bench/windowpress 5 2>/dev/null |
    tee "$scratch/presses"
awk -F': ' '/Maximum resident/ { printf "window, five presses: peak %.2f GB\n", $2 / 1e6 }' "$scratch/time"

# median FILE: the median of the numbers in FILE, one a line.
median() {
    sort -g "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
awk '{ print $2 }' "$scratch/floor" >"$scratch/cold"
awk '{ print $5 }' "$scratch/floor" >"$scratch/warm"
awk 'NR >= 3 { print $3 }' "$scratch/presses" >"$scratch/later"
ratio() {
    awk -v a="$(median "$2")" -v b="$(median "$3")" -v what="$1" \
        'BEGIN { printf "%-52s %.2f s / %.2f s = %.2f x\n", what, a, b, a / b }'
}
echo
echo "Medians:"
ratio "1 row at the largest N against the cold floor" "$scratch/largest" "$scratch/cold"
ratio "a later press in the window against the warm floor" "$scratch/later" "$scratch/warm"
ratio "50000 rows at N = 1000 against 1 row at N = 50000000" "$scratch/many" "$scratch/fifty"
