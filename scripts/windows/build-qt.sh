#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source with
# Debian's MinGW-w64, into a cache folder outside the tree named by the Qt
# version. Skips everything when that folder already holds a complete build.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"

if [[ -f $qt_prefix/.complete ]]; then
    echo "Qt $qt_version for Windows is cached in $qt_prefix"
    exit 0
fi

bash "$here/../install-deps.sh" windows
need_tools "${cross_tools[@]}" apt-get:apt tar:tar xz:xz-utils

work=$cache_root/qt-$qt_version-work
rm -rf "$work" "$qt_prefix"
mkdir -p "$work"
cd "$work"

# The source comes from Debian's source package; its deb-src entry is
# enabled for this one download only.
sources=/etc/apt/sources.list.d/tuneks-qt-source.sources
if [[ ! -f $sources ]]; then
    cat > "$sources" <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
fi
only_source=(-o Dir::Etc::sourcelist="$sources" -o Dir::Etc::sourceparts=- -o APT::Get::List-Cleanup=0)
apt-get update -qq "${only_source[@]}"
apt-get source --download-only -qq "${only_source[@]}" qt6-base
rm -f "$sources"
# Which source this is (its Debian version), for the licence notes of the zip.
dsc=$(ls qt6-base_*.dsc)
source_version=${dsc#qt6-base_}
source_version=${source_version%.dsc}

tar xf qt6-base_"$qt_version"*.orig.tar.xz
src=$(find . -maxdepth 1 -type d -name 'qtbase*' | head -n1)

# Qt 6.4.2 compiles its dynamic-OpenGL branch in the Windows window code even
# with OpenGL switched off; guard it by OpenGL too.
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$src/src/plugins/platforms/windows/qwindowswindow.cpp"
# Likewise, Qt Gui builds its DirectWrite font database only with Direct2D,
# which the editor does not need, but the platform plugin asks for it
# whenever DirectWrite 3 is there.
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$src/src/plugins/platforms/windows/qwindowsintegration.cpp"

cmake -S "$src" -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_icu=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_direct2d=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_doubleconversion=OFF
cmake --build build -j"$(nproc)"
cmake --install build
# Which source this is, for the licence notes of the Windows zip.
echo "qt6-base $source_version" > "$qt_prefix/debian-source"
touch "$qt_prefix/.complete"
cd / && rm -rf "$work"
echo "Qt $qt_version for Windows is installed in $qt_prefix"
