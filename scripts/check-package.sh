#!/usr/bin/env bash
# Makes the release package and checks it as a distribution would: lintian (pedantic and
# experimental tags), the AppStream and desktop-entry validators, the manual pages, the files
# the package must hold, and one version and date for the release everywhere it is named.
# Fails on any error or warning; lintian's and appstreamcli's informational notes are shown
# but do not fail.
#
# With a folder as its argument, packages that Release tree (already built, as scripts/test.sh
# leaves it); without one, builds the release preset first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build_dir=${1:-}
if [ -z "$build_dir" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)"
    build_dir=build/release
elif [ "$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build_dir/CMakeCache.txt")" != Release ]; then
    echo "check-package: $build_dir is not a Release build" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Readable by the unprivileged account lintian runs under when this script runs as root.
chmod 755 "$work"
(cd "$build_dir" && cpack -B "$work/out" >/dev/null)
debs=("$work"/out/morvane_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "check-package: expected one morvane_*.deb from cpack, found: ${debs[*]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "== checking $(basename "$deb") =="

failures=()

echo "-- lintian"
lintian=(lintian -EvIL +pedantic --fail-on "error,warning" "$deb")
if [ "$(id -u)" -eq 0 ]; then
    # lintian refuses to be trusted with root privileges; it runs as nobody instead.
    lintian=(runuser -u nobody -- env HOME="$work" "${lintian[@]}")
fi
"${lintian[@]}" || failures+=("lintian")

root=$work/root
dpkg-deb -x "$deb" "$root"

echo "-- files"
metainfo_files=("$root"/usr/share/metainfo/*.metainfo.xml)
app_id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "${metainfo_files[0]}")
for path in \
    usr/games/morvane usr/games/morvane-analyze \
    usr/share/man/man6/morvane.6.gz usr/share/man/man6/morvane-analyze.6.gz \
    "usr/share/metainfo/$app_id.metainfo.xml" "usr/share/applications/$app_id.desktop" \
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "usr/share/mime/packages/$app_id.xml" \
    usr/share/doc/morvane/copyright usr/share/doc/morvane/changelog.gz; do
    if [ ! -f "$root/$path" ]; then
        echo "missing: /$path"
        failures+=("/$path")
    fi
done
desktop=$root/usr/share/applications/$app_id.desktop
if [ -f "$desktop" ] && ! grep -qx "Icon=$app_id" "$desktop"; then
    echo "the desktop entry's icon is not $app_id"
    failures+=("desktop icon")
fi
if [ -f "$desktop" ] && ! grep -qx "MimeType=application/x-morvane-game;x-scheme-handler/morvane;" "$desktop"; then
    echo "the desktop entry does not open saved games and invitations (application/x-morvane-game, x-scheme-handler/morvane)"
    failures+=("desktop mime type")
fi

echo "-- appstreamcli"
appstream_status=0
appstream_report=$(appstreamcli validate-tree --pedantic --no-net "$root" 2>&1) ||
    appstream_status=$?
echo "$appstream_report"
if [ "$appstream_status" -ne 0 ] || grep -qE '^ *[EW]:' <<<"$appstream_report"; then
    failures+=("appstreamcli")
fi

echo "-- desktop-file-validate"
for entry in "$root"/usr/share/applications/*.desktop; do
    desktop_report=$(desktop-file-validate "$entry" 2>&1) || true
    if [ -n "$desktop_report" ]; then
        echo "$desktop_report"
        failures+=("desktop-file-validate")
    fi
done

echo "-- manual pages"
for page in "$root"/usr/share/man/man*/*; do
    # The way lintian renders them: UTF-8, 80 columns, every groff warning on.
    man_status=0
    man_report=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || man_status=$?
    if [ "$man_status" -ne 0 ] || [ -n "$man_report" ]; then
        echo "${page#"$root"}: $man_report"
        failures+=("${page#"$root"}")
    fi
done

echo "-- release version and date"
# The changelog's newest entry gives the release date; its version, the metainfo's newest
# release and the manual pages' title lines must name the package's version and that date.
version=$(dpkg-deb -f "$deb" Version)
release_date=$(date -u -d "$(dpkg-parsechangelog -l packaging/changelog -S Date)" +%F)
check_release() {
    if [ "$2" != "$version $release_date" ]; then
        echo "$1 names release \"$2\", the package is \"$version $release_date\""
        failures+=("$1")
    fi
}
check_release changelog "$(dpkg-parsechangelog -l packaging/changelog -S Version) $release_date"
check_release metainfo "$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' \
    "${metainfo_files[0]}" | head -n 1)"
for page in packaging/*.6; do
    check_release "$page" \
        "$(sed -n 's/^\.TH [^ ]* 6 \([^ ]*\) "Morvane \([^"]*\)".*/\2 \1/p' "$page")"
done

if [ ${#failures[@]} -ne 0 ]; then
    echo "check-package: FAILED: ${failures[*]}" >&2
    exit 1
fi
echo "check-package: $(basename "$deb") passes every check"
