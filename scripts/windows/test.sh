#!/usr/bin/env bash
# Builds the editor and its tests for Windows (and Qt for Windows, when the
# cache lacks it) and runs the tests under Wine through CTest, on Qt's
# offscreen platform, with Wine on a virtual X display (see wine-run.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$here/common.sh"
source "$here/with-display.sh"

bash "$here/../install-deps.sh" windows
need_tools "${wine_tools[@]}" ctest:cmake
bash "$here/build.sh"

export WINEPREFIX=$cache_root/wineprefix
export WINEDEBUG=-all
start_display
# One Wine server for the whole run instead of one per test; the first run
# of a prefix sets it up.
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver -p
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build/windows" --output-on-failure -j"$(nproc)" --timeout 300
