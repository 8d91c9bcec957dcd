#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the ordinary build, then the build with
# AddressSanitizer and UndefinedBehaviorSanitizer; then builds the Debian package and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)

for preset in default asan; do
    echo "== ${preset} build =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done

echo "== package =="
scripts/check-package.sh
