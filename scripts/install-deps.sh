#!/usr/bin/env bash
# Installs the Debian packages the game, its tests, benchmarks and package checks need, when any
# is missing; the packages named as arguments (those only some ways of running need) are
# installed only then. With --build first, installs only what configuring and making the Release
# build need, so that it can start while the rest is installed beside it: the fonts the tests
# draw with, Qt's own translations, the sanitizers' runtime and symbolizer (which names the
# functions of a report; ThreadSanitizer's suppressions match those names), clang-tidy, the
# package checks, the virtual display and window manager that the window-manager tests run on,
# and the message bus that the desktop portal's test starts. With --router-test first, installs
# only what the port-mapping test between network namespaces runs
# (scripts/router-namespaces.sh, which asks for them when it runs).
set -euo pipefail

build_packages=(
    g++ cmake ninja-build pkg-config lld
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-multimedia-dev libqt6multimedia6 libsodium-dev
    libminiupnpc-dev libnatpmp-dev
    libbenchmark-dev clang-format
)
check_packages=(
    fonts-noto-cjk qt6-translations-l10n clang libclang-rt-dev llvm clang-tidy
    dpkg-dev lintian appstream desktop-file-utils man-db
    xvfb openbox xauth x11-utils dbus-daemon
)

# What only some Debian releases package apart, installed where the release has it: Qt's SVG
# plugins, which style sheets load their pictures with (Qt 6.4 keeps them in libqt6svg6).
split_packages=(qt6-svg-plugins)

# Debian's miniupnpd as the router, with its nftables backend alone: the package "miniupnpd"
# would install a service for this machine's own network.
router_test_packages=(miniupnpd-nftables nftables iproute2)

split=("${split_packages[@]}")
case "${1:-}" in
    --build)
        shift
        packages=("${build_packages[@]}" "$@")
        ;;
    --router-test)
        shift
        packages=("${router_test_packages[@]}" "$@")
        split=()
        ;;
    *)
        packages=("${build_packages[@]}" "${check_packages[@]}" "$@")
        ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for package in "${packages[@]}"; do
    if ! installed "$package"; then
        missing+=("$package")
    fi
done

# The split packages this release has and this machine lacks; asked again once the package
# lists are fresh.
add_split_packages() {
    for package in "${split[@]}"; do
        if ! installed "$package" && [[ " ${missing[*]} " != *" $package "* ]] &&
            apt-cache show "$package" >/dev/null 2>&1; then
            missing+=("$package")
        fi
    done
}
add_split_packages

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -q
add_split_packages
echo "Installing missing packages: ${missing[*]}"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
