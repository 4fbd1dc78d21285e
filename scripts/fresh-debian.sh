#!/usr/bin/env bash
# Builds and tests Trayeko the way a newcomer would: in a brand-new minimal Debian 12 with nothing
# installed by hand, with the README's two set-up commands. A machine that has collected packages
# over time (fonts above all) can pass every test while a new one fails; this cannot.
#
#   bash scripts/fresh-debian.sh [test|run|both]     (as root, on Debian or Ubuntu)
#     test   `bash scripts/setup.sh test` must build and pass every test
#     run    `bash scripts/setup.sh run` must build, say that there is no display, and the
#            program it built must stay up for 15 s under xvfb-run
#     both   the two, in one system (the default)
#
# The system is what `debootstrap --variant=minbase bookworm` makes; it is made once and kept as a
# tar file in $TRAYEKO_FRESH_CACHE (default /var/cache/trayeko-fresh), beside the Debian packages
# downloaded into it, so later runs skip the downloads. Each run unpacks a new copy, clones the
# committed HEAD of this clone into it and removes it afterwards. The log is $TRAYEKO_FRESH_LOG
# (default /tmp/trayeko-fresh.log); the last lines of a failure are printed, and every failed
# check of a failed test. With TRAYEKO_FRESH_KEEP=1 the system is left in place to look into.
set -uo pipefail

what=${1:-both}
case "$what" in test | run | both) ;; *) echo "usage: bash scripts/fresh-debian.sh [test|run|both]" >&2; exit 2 ;; esac
[[ "$(id -u)" -eq 0 ]] || { echo "fresh-debian.sh: needs root (debootstrap, chroot)" >&2; exit 2; }

src=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=${TRAYEKO_FRESH_CACHE:-/var/cache/trayeko-fresh}
log=${TRAYEKO_FRESH_LOG:-/tmp/trayeko-fresh.log}
base="$cache/bookworm-minbase.tar"
root=$(mktemp -d /tmp/trayeko-fresh.XXXXXX)
: >"$log"

say() { printf 'fresh-debian.sh: %s\n' "$*"; }
fail() {
    say "$*"
    grep -E -A3 '^FAIL!' "$log" | head -n 40 | sed 's/^/    /'
    tail -n 25 "$log" | sed 's/^/    /'
    exit 1
}

cleanup() {
    local m
    if [[ -n "${TRAYEKO_FRESH_KEEP:-}" ]]; then
        say "kept the system in $root (TRAYEKO_FRESH_KEEP); unmount its proc, sys, dev and var/cache/apt/archives before removing it"
        return
    fi
    for m in var/cache/apt/archives dev/pts dev sys proc; do
        umount -l "$root/$m" 2>/dev/null
    done
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT

# The mirror this machine uses, so that the new system reaches the same one.
mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null)
[[ -n "$mirror" ]] || mirror=$(awk '/^deb / {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
[[ -n "$mirror" ]] || mirror=http://deb.debian.org/debian

mkdir -p "$cache/archives/partial"
if [[ ! -s "$base" ]]; then
    if ! command -v debootstrap >/dev/null; then
        say "installing debootstrap"
        { apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap; } \
            >>"$log" 2>&1 </dev/null || fail "could not install debootstrap"
    fi
    say "making a minimal Debian 12 (once; kept in $base)"
    debootstrap --variant=minbase bookworm "$root" "$mirror" >>"$log" 2>&1 || fail "debootstrap failed"
    tar -C "$root" -cf "$base.part" . && mv "$base.part" "$base" || fail "could not keep the system in $base"
else
    tar -C "$root" -xf "$base" || fail "could not unpack $base"
fi

# The same package sources as this machine, and a name server.
if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    cp /etc/apt/sources.list.d/debian.sources "$root/etc/apt/sources.list.d/"
    rm -f "$root/etc/apt/sources.list"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null
# Keep downloaded packages for the next run (a plain download cache: the system stays new).
echo 'Binary::apt::APT::Keep-Downloaded-Packages "true";' >"$root/etc/apt/apt.conf.d/01keep-debs"
mount -t proc proc "$root/proc" && mount --rbind /sys "$root/sys" && mount --rbind /dev "$root/dev" &&
    mount --bind "$cache/archives" "$root/var/cache/apt/archives" || fail "could not mount into $root"

git clone -q "$src" "$root/srv/trayeko" >>"$log" 2>&1 || fail "could not clone $src"

inside() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        bash -c "cd /srv/trayeko && $1" </dev/null >>"$log" 2>&1
}

status=0
if [[ "$what" != run ]]; then
    started=$SECONDS
    say "bash scripts/setup.sh test"
    inside "bash scripts/setup.sh test" || fail "the test command failed after $((SECONDS - started)) s"
    say "$(grep -E '^[0-9]+% tests passed' "$log" | tail -n 1) ($((SECONDS - started)) s)"
fi
if [[ "$what" != test ]]; then
    started=$SECONDS
    say "bash scripts/setup.sh run (no display), then the program for 15 s under xvfb-run"
    inside "bash scripts/setup.sh run"
    grep -q 'setup.sh: no display' "$log" || fail "the run command did not build, or did not say that there is no display"
    inside "xvfb-run -a timeout 15 build/trayeko"
    status=$?
    [[ $status -eq 124 ]] || fail "the program ended with status $status instead of staying up"
    status=0
    say "the program built and stayed up for 15 s ($((SECONDS - started)) s)"
fi
exit $status
