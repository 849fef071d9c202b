#!/usr/bin/env bash
# Runs one Windows program under Wine, headless, with the Windows Qt and the
# MinGW runtime on its DLL path. CTest uses it as the cross-compiling
# emulator. Wine needs an X display even for Qt's offscreen platform, so the
# caller provides DISPLAY (test.sh starts Xvfb).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"

export WINEPREFIX=${WINEPREFIX:-$cache_root/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
windows_path() { echo "Z:${1//\//\\}"; }
export WINEPATH="$(windows_path "$qt_prefix/bin");$(windows_path "$mingw_gcc_dir");$(windows_path "$mingw_sysroot_lib")"
exec /usr/lib/wine/wine64 "$@"
