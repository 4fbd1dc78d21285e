#!/usr/bin/env bash
# Sets Trayeko up on Debian 12, builds only what changed, and then starts it or tests it.
#
#   bash scripts/setup.sh run    install what is missing, build the program and start it
#   bash scripts/setup.sh test   install what is missing, build everything and run every test
#   bash scripts/setup.sh install SECTION...
#                                only install what is missing from those sections of
#                                scripts/debian-packages.txt (used by the other scripts)
#
# Run it as root, or as a user who may use sudo: only apt-get is run through sudo.
set -euo pipefail

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
package_list="$root_dir/scripts/debian-packages.txt"
build_dir="$root_dir/build"

say() { printf 'setup.sh: %s\n' "$*" >&2; }

# The package names of the given sections of the package list.
packages_in() {
    awk -v wanted=" $* " '
        { sub(/#.*/, "") }
        /^[[:space:]]*\[[^]]+\][[:space:]]*$/ {
            name = $0; gsub(/[][:space:][]/, "", name)
            active = index(wanted, " " name " ") > 0
            next
        }
        active && NF { print $1 }
    ' "$package_list"
}

as_root() {
    if [[ "$(id -u)" -eq 0 ]]; then
        env DEBIAN_FRONTEND=noninteractive "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo env DEBIAN_FRONTEND=noninteractive "$@"
    else
        say "installing packages needs root: run this as root, or install sudo"
        exit 1
    fi
}

install_sections() {
    local missing=() pkg
    for pkg in $(packages_in "$@"); do
        if [[ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]]; then
            missing+=("$pkg")
        fi
    done
    if [[ ${#missing[@]} -eq 0 ]]; then
        return 0
    fi
    say "installing ${missing[*]}"
    as_root apt-get update -q
    as_root apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
}

# build/ is the tree of the "default" preset (CMakePresets.json); it is configured once.
configure() {
    if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
        (cd "$root_dir" && cmake --preset default)
    fi
}

have_display() {
    [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" || -n "${QT_QPA_PLATFORM:-}" ]]
}

case "${1:-}" in
run)
    install_sections build run
    configure
    cmake --build "$build_dir" --target trayeko
    if ! have_display; then
        say "no display to show the program on (DISPLAY is not set); to run it headless: xvfb-run -a bash scripts/setup.sh run"
        exit 1
    fi
    exec "$build_dir/trayeko"
    ;;
test)
    install_sections build test
    configure
    cmake --build "$build_dir"
    (cd "$root_dir" && ctest --preset default --parallel "$(nproc)")
    ;;
install)
    shift
    install_sections "$@"
    ;;
*)
    say "usage: bash scripts/setup.sh run|test"
    exit 2
    ;;
esac
