# Shared settings of the Windows scripts; sourced, not run.
qt_version=6.4.2
cache_root=${TUNEKS_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tuneks-editor}
qt_prefix=$cache_root/qt-$qt_version-win64
toolchain=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/mingw-toolchain.cmake
mingw_gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name 2>/dev/null || echo /usr/lib/gcc/x86_64-w64-mingw32/12-posix/x)")
mingw_sysroot_lib=/usr/x86_64-w64-mingw32/lib
