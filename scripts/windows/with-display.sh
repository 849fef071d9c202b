# Sourced: gives Wine an X display. Uses the caller's DISPLAY when there is
# one, otherwise starts Xvfb on a free display number and stops it, and the
# Wine server of our prefix, when the calling script exits.
#
# A display number is free when no lock file, no socket file and no socket
# in the abstract namespace (which every root of a chroot shares with the
# machine) names it. Xvfb listens only on its socket file, so a display
# started in a chroot is not mistaken for one of the machine's. The search
# starts at TUNEKS_FIRST_DISPLAY (90 unless set) and moves on when Xvfb
# cannot start.
display_taken() {
    [[ -e /tmp/.X$1-lock || -e /tmp/.X11-unix/X$1 ]] \
        || grep -q "@/tmp/.X11-unix/X$1\$" /proc/net/unix 2>/dev/null
}

start_display() {
    if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    local n=${TUNEKS_FIRST_DISPLAY:-90} tries
    for tries in $(seq 20); do
        while display_taken "$n"; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -nolisten local >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        trap 'stop_display' EXIT
        for _ in $(seq 50); do
            kill -0 "$xvfb_pid" 2>/dev/null || break
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        n=$((n + 1))
    done
    echo "could not start Xvfb on any display from ${TUNEKS_FIRST_DISPLAY:-90} to $n" >&2
    return 1
}

stop_display() {
    WINEPREFIX=${WINEPREFIX:-} /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    if [[ -n ${xvfb_pid:-} ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
