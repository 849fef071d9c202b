#!/usr/bin/env bash
# Runs one Windows program under Wine with the Windows Qt and the MinGW
# runtime on its DLL path. CTest uses it as the cross-compiling emulator.
#
# The tests run on Qt's offscreen platform, as on Linux (the text-fit runs
# excepted, which ask for the Windows platform): the same windows,
# sizes and focus whatever the display does, and tests that may run side by
# side; the packaged editor on Qt's Windows platform is what smoke.sh tries.
# Wine hands a Windows program no variable whose name begins with QT_, but
# hands on WINEQT_X as QT_X, so every QT_ variable here (those a test sets,
# such as QT_SCALE_FACTOR, included) is passed on that way. Wine itself
# needs an X display even then: the caller provides DISPLAY (test.sh starts
# Xvfb).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
need_tools /usr/lib/wine/wine64:wine64

export WINEPREFIX=${WINEPREFIX:-$cache_root/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# A WINEQT_ variable that a test set itself (the text-fit runs ask for the
# Windows platform) wins over the QT_ variable of the same name.
while IFS='=' read -r name _; do
    wine_name=WINE$name
    [[ $name == QT_* && -z ${!wine_name+x} ]] && export "$wine_name=${!name}"
done < <(env)
windows_path() { echo "Z:${1//\//\\}"; }
export WINEPATH="$(windows_path "$qt_prefix/bin");$(windows_path "$mingw_gcc_dir");$(windows_path "$mingw_sysroot_lib")"
exec /usr/lib/wine/wine64 "$@"
