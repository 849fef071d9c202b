# Sourced: gives Wine an X display. Uses the caller's DISPLAY when there is
# one, otherwise starts Xvfb on a free display number and stops it, and the
# Wine server of our prefix, when the calling script exits.
start_display() {
    if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    local n=90
    while [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
        [[ -e /tmp/.X11-unix/X$n ]] && break
        sleep 0.1
    done
    trap 'stop_display' EXIT
}

stop_display() {
    WINEPREFIX=${WINEPREFIX:-} /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
}
