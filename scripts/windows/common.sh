# Shared settings of the Windows scripts; sourced, not run.
source "$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/lib/need.sh"

qt_version=6.4.2
cache_root=${TUNEKS_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tuneks-editor}
# The Qt install is only read once it is complete, so it may be shared
# read-only (between machines, or into a chroot).
qt_prefix=$cache_root/qt-$qt_version-win64
toolchain=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/mingw-toolchain.cmake
mingw_gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name 2>/dev/null || echo /usr/lib/gcc/x86_64-w64-mingw32/12-posix/x)")
mingw_sysroot_lib=/usr/x86_64-w64-mingw32/lib
# Qt's texts in Russian; the compiled files are the same on every platform,
# so Debian's serve the Windows build too.
qt_russian_texts=/usr/share/qt6/translations/qtbase_ru.qm

# What the scripts call, by purpose, with the Debian package of each.
cross_tools=(
    cmake:cmake ninja:ninja-build
    x86_64-w64-mingw32-gcc-posix:gcc-mingw-w64-x86-64-posix
    x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix
    x86_64-w64-mingw32-windres:binutils-mingw-w64-x86-64
    x86_64-w64-mingw32-strip:binutils-mingw-w64-x86-64
    /usr/lib/qt6/libexec/moc:qt6-base-dev-tools
)
wine_tools=(
    /usr/lib/wine/wine64:wine64 /usr/lib/wine/wineserver:wine64
    Xvfb:xvfb xdpyinfo:x11-utils
)
# The zip and the run of the packaged editor: the screenshot is taken with
# ImageMagick's import, which writes a window straight to PNG.
smoke_tools=(
    zip:zip unzip:unzip xdotool:xdotool import:imagemagick
)
