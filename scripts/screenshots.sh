#!/usr/bin/env bash
# Makes the lesson, exercise and context-menu pictures in docs/ again, the same way every time:
# starts a private X server (Xvfb, 1366 x 768) with openbox, runs build/trayeko with a fresh
# settings directory (no remembered panel width or position), drives it with xdotool and takes
# the pictures with ImageMagick. Needs: Xvfb openbox xdotool imagemagick.
#
#   bash scripts/screenshots.sh            all pictures
#   bash scripts/screenshots.sh NAME...    only these (lesson-dijkstra, lesson-floyd,
#                                          exercise-dijkstra (also makes exercise-summary),
#                                          exercise-floyd, context-menu)
#
# BUILD_DIR chooses the build directory (default: build), OUT_DIR where the pictures go
# (default: docs), SHOTS_DISPLAY the X display (default: :16).
set -euo pipefail

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$root_dir/build}"
out_dir="${OUT_DIR:-$root_dir/docs}"
display="${SHOTS_DISPLAY:-:16}"
screen="1366x768x24"

say() { printf 'screenshots.sh: %s\n' "$*" >&2; }

for cmd in Xvfb openbox xdotool import convert; do
    command -v "$cmd" >/dev/null 2>&1 || {
        say "missing: $cmd (Debian: xvfb openbox xdotool imagemagick)"
        exit 1
    }
done
[[ -x "$build_dir/trayeko" ]] || {
    say "no $build_dir/trayeko; build it first: cmake --build build --target trayeko"
    exit 1
}

# The pictures show the program as an Indonesian classroom runs it; where that locale is not
# generated, C.UTF-8 gives the same texts (they do not depend on the locale) but English-style
# dates and numbers in the status bar.
lang="id_ID.UTF-8"
if ! locale -a 2>/dev/null | grep -qix 'id_ID\.utf-\?8'; then
    say "locale id_ID.UTF-8 is not generated (sudo dpkg-reconfigure locales); using C.UTF-8"
    lang="C.UTF-8"
fi

work="$(mktemp -d)"
server_pid=""
wm_pid=""
app_pid=""
cleanup() {
    for pid in "$app_pid" "$wm_pid" "$server_pid"; do
        if [[ -n "$pid" ]]; then kill "$pid" 2>/dev/null || true; fi
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export DISPLAY="$display"
[[ -e "/tmp/.X11-unix/X${display#:}" ]] && {
    say "display $display is in use; choose another with SHOTS_DISPLAY"
    exit 1
}
Xvfb "$display" -screen 0 "$screen" -nolisten tcp >"$work/xvfb.log" 2>&1 &
server_pid=$!

# Polls (every 0.1 s, 10 s at most) until the command succeeds.
poll() {
    local tries=100
    until "$@" >/dev/null 2>&1; do
        ((--tries > 0)) || { say "gave up waiting for: $*"; return 1; }
        sleep 0.1
    done
}
poll xdpyinfo
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
poll bash -c 'xprop -root _NET_SUPPORTED | grep -q _NET_ACTIVE_WINDOW'

# The id of the visible window titled exactly $1, once it is there.
window_titled() {
    poll xdotool search --onlyvisible --name "^$1\$"
    xdotool search --onlyvisible --name "^$1\$" | head -1
}

# Waits until the screen (without the status bar, whose clock ticks) stays the same for 0.2 s,
# so that a picture never catches a half-painted window; 4 s at most (a blinking total).
settle() {
    local before="" now tries=20
    while ((tries-- > 0)); do
        now="$(import -window root -crop 1366x740+0+0 rgb:- | md5sum)"
        [[ "$now" == "$before" ]] && return 0
        before="$now"
        sleep 0.2
    done
}

keys() { xdotool key --delay 60 "$@"; }
typed() { xdotool type --delay 40 "$1"; }

start_app() {
    rm -rf "$work/config"
    mkdir -p "$work/config"
    LANG="$lang" LC_ALL="$lang" XDG_CONFIG_HOME="$work/config" "$build_dir/trayeko" \
        >"$work/trayeko.log" 2>&1 &
    app_pid=$!
    xdotool windowactivate --sync "$(window_titled MDIForm1)"
    settle
}

stop_app() {
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}

shoot() {
    xdotool mousemove 100 700 # over the empty document area: no hover highlight, no tool tip
    settle
    import -window root "$out_dir/$1.png"
    say "made $out_dir/$1.png"
}

open_floyd() {
    keys alt+f f
    settle
}

# The exercise from a code, as a teacher writes it on the board.
open_exercise() {
    keys ctrl+shift+o
    xdotool windowactivate --sync "$(window_titled 'Buka soal')"
    typed "$1"
    keys Return
    poll bash -c '! xdotool search --onlyvisible --name "^Buka soal\$"'
    settle
}

lesson_dijkstra() {
    start_app
    keys F10 Right Right Right
    shoot lesson-dijkstra
    stop_app
}

lesson_floyd() {
    start_app
    open_floyd
    keys F10 Right Right Right
    shoot lesson-floyd
    stop_app
}

# Weights of 4821-7: node 1 (0) is set first, then 4 (10), 7 (12), 6 (15), 2 (17), 3 (19),
# 5 (25). Step 2 is first answered with the distance 8 (the default weight of 1->4).
exercise_dijkstra() {
    start_app
    open_exercise 4821-7
    keys shift+Tab # from Simpul up to Nama siswa
    typed "Sari Wulandari"
    keys Tab
    answer() {
        typed "$1"
        keys Tab
        typed "$2"
        keys Return
        settle
    }
    answer 1 0
    answer 4 8
    shoot exercise-dijkstra
    answer 4 10
    answer 7 12
    answer 6 15
    answer 2 17
    answer 3 19
    answer 5 25
    shoot exercise-summary
    stop_app
}

# Iteration 1 changes nothing (no path leads into node 1): checked empty, then Lanjut.
# Iteration 2: d[1][3] stays 19 (17 + 13 is longer), d[1][5] becomes 17 + 9 = 26.
exercise_floyd() {
    start_app
    open_floyd
    open_exercise 4821-7
    keys ctrl+Return
    settle
    keys ctrl+Return
    settle
    keys Right Right # the current cell starts at d[1][1]
    typed 30
    keys Return Right Right
    typed 26
    keys Return Down # the marks stay visible, not under the current cell
    keys ctrl+Return
    shoot exercise-floyd
    stop_app
}

# The Dijkstra window after Proses with its context menu, cut to the window and the menu.
context_menu() {
    start_app
    keys Return
    settle
    xdotool mousemove 640 420 click 3
    # The menu is a second visible window of the program.
    # shellcheck disable=SC2016 # expanded by the inner shell, at every poll
    poll bash -c '(( $(xdotool search --onlyvisible --class trayeko | wc -l) > 1 ))'
    settle
    # The total under the drawing blinks (yellow, then the strip's red); catch it shown.
    local tries=20
    while ((tries-- > 0)); do
        import -window root "$work/menu.png"
        [[ "$(convert "$work/menu.png" -fill black +opaque '#ffff00' -format '%[fx:mean>0]' \
            info:)" == 1 ]] && break
        sleep 0.1
    done
    # The window and the menu are all that is not the grey of the empty document area.
    local box
    box="$(convert "$work/menu.png" -crop 1366x700+0+40 +repage -fuzz 2% -trim \
        -format '%w %h %X %Y' info:)"
    read -r w h x y <<<"$box"
    convert "$work/menu.png" -crop "$((w + 10))x$((h + 10))+$((x - 5))+$((y + 40 - 5))" +repage \
        "$out_dir/context-menu.png"
    say "made $out_dir/context-menu.png"
    keys Escape
    stop_app
}

names=("$@")
[[ ${#names[@]} -gt 0 ]] ||
    names=(lesson-dijkstra lesson-floyd exercise-dijkstra exercise-floyd context-menu)
for name in "${names[@]}"; do
    case "$name" in
    lesson-dijkstra) lesson_dijkstra ;;
    lesson-floyd) lesson_floyd ;;
    exercise-dijkstra | exercise-summary) exercise_dijkstra ;;
    exercise-floyd) exercise_floyd ;;
    context-menu) context_menu ;;
    *)
        say "unknown picture: $name"
        exit 1
        ;;
    esac
done
