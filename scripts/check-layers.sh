#!/usr/bin/env bash
# Fails on any project include that runs upwards, and on any include of a source file (.cpp)
# other than the moc output a source includes for its own classes (moc_<name>.cpp):
# each folder may include only the folders its row below names (its own included). A file belongs to the longest folder of the table that
# holds it; an include is allowed when its path starts with a folder of that file's row.
# Includes without a folder (generated headers such as version.h) are always allowed; files in
# no folder of the table (build output) are not judged.
set -euo pipefail
cd "$(dirname "$0")/.."

ground="rules computer terrain/layouts extra/engine assets"
shell_kit="$ground shell/settings shell/sound shell/windows"
everything="$ground shell match terrain extra net app tools bench"

declare -A allowed=(
    [rules]="rules"
    [assets]="assets"
    [computer/search]="rules computer/search"
    [computer]="rules computer"
    [terrain/layouts]="rules terrain/layouts"
    [extra/engine]="rules extra/engine"
    [shell/settings]="$ground shell/settings"
    [shell/sound]="$ground shell/settings shell/sound"
    [match/model]="$ground shell/settings match/model"
    [shell/windows]="$shell_kit"
    [match/windows]="$shell_kit match/model match/windows net/protocol net/socket"
    [terrain/windows]="$shell_kit terrain/windows"
    [extra/windows]="$shell_kit extra/windows"
    [net/protocol]="rules net/protocol"
    [net/socket]="rules net/protocol net/socket"
    [net/portmap]="net/portmap"
    [net/windows]="$shell_kit net/protocol net/socket net/portmap net/windows"
    [app]="$ground shell match terrain extra net app"
    [tools]="$everything"
    [bench]="$everything"
    [tests]="$everything tests"
)

table=$(for folder in "${!allowed[@]}"; do echo "$folder ${allowed[$folder]}"; done)
files=$(git ls-files -- '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||')

# One pass over every include: grep gives "file:line:#include ...", awk judges each against the
# table and prints what runs upwards.
# shellcheck disable=SC2086
grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' $files |
    awk -v table="$table" '
        BEGIN {
            rows = split(table, lines, "\n")
            for (i = 1; i <= rows; i++) {
                n = split(lines[i], words, " ")
                folders[words[1]] = 1
                for (j = 2; j <= n; j++) allowed[words[1], words[j]] = 1
                permitted[words[1]] = substr(lines[i], length(words[1]) + 2)
            }
        }
        function folder_of(path,    f, best) {
            best = ""
            for (f in folders)
                if (index(path, f "/") == 1 && length(f) > length(best)) best = f
            return best
        }
        {
            split($0, parts, ":")
            file = parts[1]; line = parts[2]
            if (!match($0, /"[^"]*"/)) next
            target = substr($0, RSTART + 1, RLENGTH - 2)
            if (target ~ /\.(c|cc|cpp|cxx)$/ && target !~ /^moc_[^\/]*\.cpp$/) {
                printf "%s:%s: includes \"%s\", a source file, not a header\n", file, line, target
                failures++
                next
            }
            if (index(target, "/") == 0) next
            folder = folder_of(file)
            if (folder == "") next
            ok = 0
            for (key in allowed) {
                split(key, pair, SUBSEP)
                if (pair[1] == folder && index(target, pair[2] "/") == 1) { ok = 1; break }
            }
            if (!ok) {
                printf "%s:%s: includes \"%s\", above %s/ (allowed: %s)\n", file, line, target, folder, permitted[folder]
                failures++
            }
        }
        END {
            if (failures) {
                printf "check-layers: %d include(s) run upwards or name a source file\n", failures > "/dev/stderr"
                exit 1
            }
            print "check-layers: every include runs downwards"
        }'
