#!/usr/bin/env bash
# Runs one Windows program under Wine with the Windows Qt and the MinGW
# runtime on its DLL path. CTest uses it as the cross-compiling emulator.
#
# The program runs on Qt's Windows platform plugin, the one the packaged
# editor uses, on the caller's X display (test.sh starts Xvfb): the run
# under Wine is there to try the Windows side of Qt, which the offscreen
# runs on Linux do not. Wine hands a Windows program no variable whose name
# begins with QT_, but hands on WINEQT_X as QT_X, so the QT_ variables that
# a test sets (QT_SCALE_FACTOR, ...) are passed on that way; QT_QPA_PLATFORM
# is not, as the platform is chosen here.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
need_tools /usr/lib/wine/wine64:wine64

export WINEPREFIX=${WINEPREFIX:-$cache_root/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
while IFS='=' read -r name _; do
    [[ $name == QT_* && $name != QT_QPA_PLATFORM ]] && export "WINE$name=${!name}"
done < <(env)
export WINEQT_QPA_PLATFORM=windows
windows_path() { echo "Z:${1//\//\\}"; }
export WINEPATH="$(windows_path "$qt_prefix/bin");$(windows_path "$mingw_gcc_dir");$(windows_path "$mingw_sysroot_lib")"
exec /usr/lib/wine/wine64 "$@"
