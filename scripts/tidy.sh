#!/usr/bin/env bash
# Runs clang-tidy's bug-prone and performance checks (.clang-tidy) over the program's sources,
# using the compile commands of a configured build (default: build/optimized). Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build/optimized}
root=$(pwd)
run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" \
    "^${root}/(app|match|terrain|extra|shell|computer|rules|net|assets|tools)/.*\.cpp$"
