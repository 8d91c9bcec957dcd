#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the optimised build, then the debug build
# with assertions, AddressSanitizer and UndefinedBehaviorSanitizer, both with warnings as errors;
# runs clang-tidy's checks; then builds the Debian package and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)

for preset in optimized sanitized; do
    echo "== ${preset} build =="
    cmake --preset "$preset" -DMORVANE_WERROR=ON >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done

echo "== clang-tidy =="
scripts/tidy.sh build/optimized

echo "== package =="
scripts/check-package.sh
