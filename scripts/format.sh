#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats every C++ file the project tracks; with --check, only reports the
# files that differ and fails if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
needPackages clang-format

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
    clang-format --dry-run --Werror "${files[@]}"
    echo "format: ${#files[@]} files follow .clang-format"
else
    clang-format -i "${files[@]}"
fi
