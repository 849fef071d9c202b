#!/usr/bin/env bash
# Tries the README's two commands on a fresh Debian 12 as a new user would:
# builds a pristine Debian 12 (bookworm) root with mmdebstrap, copies the
# committed tree (HEAD, as a clean clone has it, without .git) into
# /root/tuneks-editor there and runs, as root in that root:
#   bash scripts/run.sh    on Qt's offscreen platform; passes when the editor
#                          is still running a few seconds after it started
#   bash scripts/test.sh   passes when it exits with 0
# and prints how long each step took.
#
# Qt for Windows takes a long while to build. When this machine's cache holds
# a complete build (or one being made, which is waited for before the test
# command), it is mounted read-only where the scripts in the root look for
# it; with --build-qt the root builds its own, like a machine that has none.
#
#   fresh-machine.sh [--build-qt] [--keep]
#
# --keep leaves the root in place afterwards (its path is printed). The
# folders /proc, /sys and /dev are mounted into the root while it runs and
# unmounted when the script ends, however it ends. Needs root and network
# access to Debian's archive; this is not part of .ci/run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
source "$here/lib/need.sh"
need_tools mmdebstrap:mmdebstrap git:git mount:mount umount:mount findmnt:util-linux \
    chroot:coreutils timeout:coreutils

build_qt=0
keep=0
for arg in "$@"; do
    case $arg in
        --build-qt) build_qt=1 ;;
        --keep) keep=1 ;;
        *) echo "usage: fresh-machine.sh [--build-qt] [--keep]" >&2; exit 2 ;;
    esac
done
if [[ $(id -u) -ne 0 ]]; then
    echo "fresh-machine.sh: run it as root (it builds and enters a chroot)" >&2
    exit 1
fi
if [[ -n $(git -C "$repo" status --porcelain --untracked-files=no) ]]; then
    echo "note: uncommitted changes are not tried; the root gets HEAD $(git -C "$repo" rev-parse --short HEAD)"
fi

qt_version=6.4.2
host_cache=${TUNEKS_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tuneks-editor}
host_qt=$(readlink -f "$host_cache/qt-$qt_version-win64" || true)

rootfs=$(mktemp -d /var/tmp/tuneks-fresh-machine.XXXXXX)
project=/root/tuneks-editor

# Ends whatever still runs inside the root (Xvfb, the Wine server), then
# unmounts everything below it, deepest first, and removes it unless asked
# to keep it. Never removes a root that still has something mounted.
cleanup() {
    local status=$? pid
    trap - EXIT INT TERM
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        [[ $(readlink "/proc/$pid/root" 2>/dev/null) == "$rootfs" ]] && { kill "$pid" 2>/dev/null || true; }
    done
    sleep 1
    findmnt -rn -o TARGET | grep -F "$rootfs/" | sort -r | while read -r target; do
        umount "$target" 2>/dev/null || umount -l "$target"
    done
    if findmnt -rn -o TARGET | grep -qF "$rootfs/"; then
        echo "fresh-machine.sh: something is still mounted under $rootfs; it is left there" >&2
    elif ((keep)); then
        echo "the root is kept in $rootfs"
    else
        rm -rf --one-file-system "$rootfs"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

clock() { date +%s; }
took() { local s=$(($(clock) - $1)); printf '%dm%02ds' $((s / 60)) $((s % 60)); }
start=$(clock)

echo "== A pristine Debian 12 root in $rootfs"
step=$(clock)
mmdebstrap --variant=important --quiet bookworm "$rootfs" \
    "deb http://deb.debian.org/debian bookworm main" \
    "deb http://deb.debian.org/debian bookworm-updates main" \
    "deb http://deb.debian.org/debian-security bookworm-security main"
root_time=$(took "$step")

mount -t proc proc "$rootfs/proc"
for fs in sys dev; do
    mount --rbind "/$fs" "$rootfs/$fs"
    # Unmounting the root's copies must never unmount the machine's own.
    mount --make-rslave "$rootfs/$fs"
done

mkdir -p "$rootfs$project"
git -C "$repo" archive --format=tar HEAD | tar -x -C "$rootfs$project"

# Shares this machine's Qt for Windows into the root, read-only, when it is
# complete; a build of it that is still running is waited for (up to an
# hour and a half) rather than made a second time inside the root.
share_qt() {
    local work=$host_cache/qt-$qt_version-work waited=0
    if ((build_qt)); then
        echo "Qt for Windows is built inside the root"
        return
    fi
    while [[ ! -f $host_qt/.complete && -d $work ]] && ((waited < 5400)); do
        ((waited == 0)) && echo "waiting for the build of Qt for Windows running in $work"
        sleep 20
        waited=$((waited + 20))
        host_qt=$(readlink -f "$host_cache/qt-$qt_version-win64" || true)
    done
    if [[ -f $host_qt/.complete ]]; then
        local shared=$rootfs/root/.cache/tuneks-editor/qt-$qt_version-win64
        mkdir -p "$shared"
        mount --bind "$host_qt" "$shared"
        mount -o remount,bind,ro "$shared"
        echo "Qt for Windows is shared read-only from $host_qt (waited ${waited}s)"
    else
        echo "Qt for Windows is built inside the root"
    fi
}

# A login shell of root in the root, with a new user's environment. Its X
# displays start at 210, away from the machine's own (the root shares the
# machine's abstract socket namespace).
in_root() {
    chroot "$rootfs" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        TUNEKS_FIRST_DISPLAY=${TUNEKS_FIRST_DISPLAY:-210} \
        bash -lc "cd $project || exit 1
$1"
}

echo "== The run command: bash scripts/run.sh"
step=$(clock)
# run.sh ends by replacing itself with the editor, so the process started
# here (a subshell that replaces itself with run.sh) becomes the editor once
# it is built.
in_root '
(export QT_QPA_PLATFORM=offscreen; exec bash scripts/run.sh) & pid=$!
while kill -0 $pid 2>/dev/null; do
    [[ $(readlink /proc/$pid/exe) == */tuneks-editor ]] && break
    sleep 1
done
kill -0 $pid 2>/dev/null || { wait $pid; echo "run.sh ended before the editor started (status $?)"; exit 1; }
echo "the editor started; it has to keep running for 10 seconds"
sleep 10
kill -0 $pid 2>/dev/null || { wait $pid; echo "the editor ended within 10 seconds (status $?)"; exit 1; }
kill $pid
echo "the editor was still running after 10 seconds"
'
run_time=$(took "$step")

share_qt
echo "== The test command: bash scripts/test.sh"
step=$(clock)
in_root 'bash scripts/test.sh'
test_time=$(took "$step")

echo "== Passed: root $root_time, run command $run_time, test command $test_time, in all $(took "$start")"
