#!/usr/bin/env bash
# Brings the English translation files (translations/<area>_en.ts) up to date with the texts in
# the code: a new text comes in unfinished, and its English is written into the file by hand; a
# text no longer in the code is dropped.
#   scripts/update-translations.sh [--check] [LUPDATE]
# With --check the files are left alone: the script fails when updating them would change them
# or when any English text is unfinished or vanished.
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
if [ "${1:-}" = "--check" ]; then
    check=true
    shift
fi
lupdate=${1:-/usr/lib/qt6/bin/lupdate}

# Each translation file and the folders whose texts it holds.
declare -A areas=(
    [app]="app"
    [shell]="shell/windows"
    [match]="match/model match/windows"
    [terrain]="terrain/windows"
    [extra]="extra/windows"
    [net]="net/windows"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for area in "${!areas[@]}"; do
    committed=translations/${area}_en.ts
    updated=$committed
    keep=(-no-obsolete)
    if $check; then
        keep=()
        updated=$work/${area}_en.ts
        cp "$committed" "$updated"
    fi
    # shellcheck disable=SC2086 # the folders are separate words
    "$lupdate" -silent "${keep[@]}" -locations none -no-ui-lines -source-language ja -target-language en -I . \
        ${areas[$area]} -ts "$updated"
    if $check; then
        if ! cmp -s "$committed" "$updated"; then
            echo "$committed is not up to date with the code (run scripts/update-translations.sh):"
            diff -u "$committed" "$updated" | head -40 || true
            status=1
        fi
        if grep -q 'type="\(unfinished\|vanished\|obsolete\)"' "$updated"; then
            echo "$committed has unfinished or vanished English texts:"
            grep -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$updated" | head -40
            status=1
        fi
    fi
done
exit $status
