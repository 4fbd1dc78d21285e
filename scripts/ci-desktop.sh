#!/usr/bin/env bash
# Checks Trayeko as a desktop application, the way a Debian lab machine meets it:
#   1. installs it into a staging directory (cmake --install) and validates the desktop entry
#      and the AppStream metainfo (desktop-file-validate, appstreamcli validate --no-net),
#      and that the icon the entry names is installed as SVG and as 32 x 32 PNG;
#   2. builds the Debian package (cpack -G DEB) and checks its dependencies and contents;
#   3. starts the program from the staged desktop entry's Exec line under Xvfb with a private
#      accessibility bus and checks over AT-SPI what a screen reader finds, also in the help
#      window and the print preview the keyboard opens, and follows a whole Dijkstra exercise and
#      a Floyd step-through from the keyboard and the announcements alone (scripts/atspi-check.py).
# Any failure fails the run. BUILD_DIR chooses the build directory (default: build).
set -euo pipefail

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$root_dir/build}"

say() { printf 'ci-desktop.sh: %s\n' "$*" >&2; }

# Inside Xvfb and a private D-Bus session: the accessibility bus, the program, the check.
if [[ "${1:-}" == "--inside-session" ]]; then
    shift
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    bus_pid=$!
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" &
    app_pid=$!
    status=0
    /usr/bin/python3 "$root_dir/scripts/atspi-check.py" || status=$?
    if ! kill -0 "$app_pid" 2>/dev/null; then
        say "the program ended on its own"
        status=1
    fi
    kill "$app_pid" "$bus_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    exit "$status"
fi

bash "$root_dir/scripts/setup.sh" install build run desktop

missing=()
for cmd in desktop-file-validate appstreamcli cpack dpkg-shlibdeps xvfb-run \
    dbus-run-session xdotool; do
    command -v "$cmd" >/dev/null 2>&1 || missing+=("$cmd")
done
[[ -x /usr/libexec/at-spi-bus-launcher ]] || missing+=("at-spi-bus-launcher")
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=("python3-pyatspi")
if [[ ${#missing[@]} -gt 0 ]]; then
    say "missing: ${missing[*]} (Debian: desktop-file-utils appstream dpkg-dev xvfb" \
        "dbus xdotool at-spi2-core python3-pyatspi)"
    exit 1
fi

if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
    (cd "$root_dir" && cmake --preset default -B "$build_dir")
fi
cmake --build "$build_dir" --target trayeko trayeko_icons

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
stage="$work/stage"

echo "== install into a staging directory"
DESTDIR="$stage" cmake --install "$build_dir" --prefix /usr >/dev/null
desktop_files=("$stage"/usr/share/applications/*.desktop)
metainfo_files=("$stage"/usr/share/metainfo/*.metainfo.xml)
[[ ${#desktop_files[@]} -eq 1 && -f "${desktop_files[0]}" ]] || {
    say "expected one desktop entry"
    exit 1
}
[[ ${#metainfo_files[@]} -eq 1 && -f "${metainfo_files[0]}" ]] || {
    say "expected one metainfo file"
    exit 1
}
desktop="${desktop_files[0]}"
metainfo="${metainfo_files[0]}"
app_id="$(basename "$desktop" .desktop)"

echo "== desktop-file-validate $(basename "$desktop")"
desktop-file-validate "$desktop"
echo "== appstreamcli validate --no-net $(basename "$metainfo")"
appstreamcli validate --no-net "$metainfo"

echo "== the network file type"
mime="$stage/usr/share/mime/packages/$app_id.xml"
xmllint --noout "$mime"
grep -q 'type="application/x-trayeko-network"' "$mime" || { say "no network type in $mime"; exit 1; }
grep -q '^MimeType=.*application/x-trayeko-network;' "$desktop" || {
    say "the desktop entry does not open application/x-trayeko-network"
    exit 1
}

echo "== icon, launchable and binary"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
hicolor="$stage/usr/share/icons/hicolor"
[[ -f "$hicolor/scalable/apps/$icon.svg" ]] || { say "no scalable icon $icon.svg"; exit 1; }
[[ -f "$hicolor/32x32/apps/$icon.png" ]] || { say "no 32x32 icon $icon.png"; exit 1; }
/usr/bin/python3 - "$hicolor" "$icon" <<'EOF'
import pathlib, struct, sys
hicolor, icon = pathlib.Path(sys.argv[1]), sys.argv[2]
for png in sorted(hicolor.glob("*x*/apps/%s.png" % icon)):
    data = png.read_bytes()
    width, height = struct.unpack(">II", data[16:24])
    expected = png.parent.parent.name
    if data[:8] != b"\x89PNG\r\n\x1a\n" or "%dx%d" % (width, height) != expected:
        sys.exit("ci-desktop.sh: %s is %dx%d, not %s" % (png, width, height, expected))
svg = (hicolor / "scalable/apps" / (icon + ".svg")).read_text()
if "<svg" not in svg or 'viewBox="0 0 32 32"' not in svg:
    sys.exit("ci-desktop.sh: the scalable icon is no 32 x 32 SVG")
EOF
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" || {
    say "the metainfo does not launch $app_id.desktop"
    exit 1
}
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
read -r -a exec_argv <<<"${exec_line// %[fFuUick]/}"
[[ -x "$stage/usr/bin/${exec_argv[0]}" ]] || { say "Exec=${exec_argv[0]} is not installed"; exit 1; }
echo "icon $icon, launchable $app_id.desktop, Exec=$exec_line: ok"

echo "== cpack -G DEB"
(cd "$build_dir" && cpack -G DEB -B "$work/package" >/dev/null)
debs=("$work"/package/trayeko_*.deb)
[[ -f "${debs[0]}" ]] || { say "no package built"; exit 1; }
deb="${debs[0]}"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends
depends="$(dpkg-deb --field "$deb" Depends)"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6charts6 libqt6printsupport6 libqt6svg6 \
    libstdc++6 libc6; do
    [[ "$depends" == *"$needed"* ]] || { say "the package does not depend on $needed"; exit 1; }
done
contents="$(dpkg-deb --contents "$deb")"
for path in "./usr/bin/trayeko" "./usr/lib/trayeko/libtrayeko_growthplot.so" \
    "./usr/lib/trayeko/libtrayeko_exportbackends.so" "./usr/share/applications/$app_id.desktop" \
    "./usr/share/metainfo/$app_id.metainfo.xml" "./usr/share/mime/packages/$app_id.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$icon.svg" \
    "./usr/share/icons/hicolor/32x32/apps/$icon.png" "./usr/share/doc/trayeko/copyright"; do
    grep -q " $path\$" <<<"$contents" || { say "the package lacks $path"; exit 1; }
done
echo "$(basename "$deb"): ok"

echo "== AT-SPI: the Dijkstra window and the windows it opens as a screen reader finds them"
PATH="$stage/usr/bin:$PATH" timeout 180 xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- bash "$0" --inside-session "${exec_argv[@]}"
