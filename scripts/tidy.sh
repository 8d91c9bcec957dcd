#!/usr/bin/env bash
# Runs clang-tidy's bug-prone and performance checks (.clang-tidy) over the program's sources,
# using the compile commands of a configured build (default: build/optimized). Fails on any finding.
# In a unity build (CMAKE_UNITY_BUILD) the compile commands name the generated files that
# gather a library's sources, so those are checked: each source is then parsed with its
# neighbours once instead of alone. Their #include of a .cpp is how a unity build works (as is a
# source's include of its classes' moc output), so bugprone-suspicious-include is left to the
# include check (scripts/check-layers.sh), which refuses any other .cpp include in the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build/optimized}
root=$(pwd)
programs="(app|match|terrain|extra|shell|computer|rules|net|assets|tools)"
build_root=$(cd "$build_dir" && pwd)
run-clang-tidy -quiet -p "$build_dir" -j "$(nproc)" -checks=-bugprone-suspicious-include \
    "^(${root}/${programs}/.*\.cpp|${build_root}/${programs}/.*/Unity/unity_[0-9]+_cxx\.cxx)$"
