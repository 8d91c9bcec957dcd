#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, and checks the package:
#  1. the Release build of the game, its tool and its benchmarks with the plain CMake commands
#     and the default generator (the way a packager or a new contributor builds) but Clang, which
#     compiles it in about three quarters of GCC's time (GCC builds the presets contributors work
#     with), warnings as errors;
#  2. the Debian package made from build 1 and checked as a distribution would;
#  3. the Debug build with assertions, AddressSanitizer and UndefinedBehaviorSanitizer, and every
#     test;
#  4. the ThreadSanitizer build of the tests whose work runs on a worker thread, and those tests;
#  5. clang-tidy's checks over the compile commands of build 1.
# The tests run in the sanitizer builds only: a second run of every test in the Release build
# would find little the sanitizers miss, and would cost a minute of a 2-core machine's time.
# The three builds are unity builds (each library's sources compiled a few at a time as one
# file), which halves their compiling and clang-tidy's parsing; the optimized preset that
# contributors work with compiles file by file, so a source that leans on a neighbour's includes
# shows there.
# Only what building needs is installed before the first build; the rest (the tests' fonts,
# clang-tidy, the package checks) is installed while it builds. The tests spend most of their
# time waiting for timers, so each test run shares the machine with the next step's compiling,
# which runs at a lower priority so that the tests' timing holds: the package check beside
# build 3, build 3's tests beside build 4, build 4's tests beside what is left of clang-tidy.
# clang-tidy starts with build 3's tests at the lowest priority, so that it takes only the time
# the tests and build 4 leave. A step's output is shown when it ends. Each step says how long it
# took.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# Runs a named step in the background, its output kept in a log until it ends.
started() {
    local name=$1
    shift
    (
        begin=$SECONDS
        status=0
        "$@" >"$logs/$name" 2>&1 || status=$?
        echo "== $name: $((SECONDS - begin)) s, exit $status ==" >>"$logs/$name"
        exit "$status"
    ) &
    eval "pid_${name//-/_}=$!"
}

# The checks that failed. A failed check does not stop the ones after it (all are reported at
# the end), but a failed build does, since nothing after it could run.
failed=()

# Waits for a step started in the background and shows its output.
finished() {
    local name=$1 pid_var="pid_${1//-/_}" status=0
    wait "${!pid_var}" || status=$?
    echo "== $name =="
    cat "$logs/$name"
    [ "$status" -eq 0 ] || failed+=("$name")
}

# Runs a named build (or the installation) in the foreground; the command stops when it fails.
build() {
    local name=$1 begin=$SECONDS
    shift
    echo "== $name =="
    "$@"
    echo "== $name: $((SECONDS - begin)) s =="
}

release_build() {
    CXX=clang++ cmake -S . -B build/plain -DCMAKE_BUILD_TYPE=Release -DMORVANE_WERROR=ON \
        -DCMAKE_UNITY_BUILD=ON -DMORVANE_BUILD_TESTS=OFF >/dev/null
    cmake --build build/plain -j "$jobs"
}

# Builds 3 and 4 run beside other checks, at a lower priority.
sanitized_build() {
    cmake --preset sanitized -DMORVANE_WERROR=ON >/dev/null
    nice -n 10 cmake --build --preset sanitized -j "$jobs"
}

# The tests of work on other threads carry the label "threads" (the battle screen's computer and
# hint, the review, the record written by copies at once); the target thread_tests makes them.
thread_build() {
    cmake --preset tsan -DMORVANE_WERROR=ON >/dev/null
    nice -n 10 cmake --build --preset tsan -j "$jobs" --target thread_tests
}

build build-packages scripts/install-deps.sh --build clang
started packages scripts/install-deps.sh
build release-build release_build
finished packages
if [ ${#failed[@]} -ne 0 ]; then
    echo "test.sh: the packages the tests need could not be installed" >&2
    exit 1
fi
started package scripts/check-package.sh build/plain
build sanitized-build sanitized_build
finished package
started sanitized-tests ctest --preset sanitized -j "$jobs"
started clang-tidy nice -n 19 scripts/tidy.sh build/plain
build thread-sanitizer-build thread_build
finished sanitized-tests
started thread-sanitizer-tests ctest --preset tsan -j "$jobs" --no-tests=error -L '^threads$'
finished thread-sanitizer-tests
finished clang-tidy

echo "== all: $SECONDS s =="
if [ ${#failed[@]} -ne 0 ]; then
    echo "test.sh: FAILED: ${failed[*]}" >&2
    exit 1
fi
