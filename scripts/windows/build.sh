#!/usr/bin/env bash
# Cross-builds the editor and its tests for 64-bit Windows against the Qt that
# build-qt.sh made, with GoogleTest built from Debian's googletest sources by
# the same toolchain. The result is in build/windows.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$here/common.sh"

bash "$here/../install-deps.sh" windows
need_tools "${cross_tools[@]}" "$qt_russian_texts:qt6-translations-l10n" \
    /usr/src/googletest/CMakeLists.txt:googletest
bash "$here/build-qt.sh"

# GoogleTest, once per machine, beside the Qt build.
gtest_prefix=$cache_root/googletest-win64
if [[ ! -f $gtest_prefix/.complete ]]; then
    rm -rf "$gtest_prefix" "$cache_root/googletest-work"
    cmake -S /usr/src/googletest -B "$cache_root/googletest-work" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -Dgtest_disable_pthreads=OFF >/dev/null
    cmake --build "$cache_root/googletest-work" -j"$(nproc)"
    cmake --install "$cache_root/googletest-work" >/dev/null
    rm -rf "$cache_root/googletest-work"
    touch "$gtest_prefix/.complete"
fi

# Tests are listed when CTest runs them (under Wine), not at build time.
cmake -S "$root" -B "$root/build/windows" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_PREFIX_PATH="$qt_prefix;$gtest_prefix" \
    -DCMAKE_FIND_ROOT_PATH="$qt_prefix;$gtest_prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DTUNEKS_WERROR=ON \
    -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh" >/dev/null
cmake --build "$root/build/windows" -j"$(nproc)"

# Qt's own texts in Russian, where the program looks first: in
# "translations" beside the executable, as in the zip (the Qt install is
# only read, never written).
for exe in app/tuneks-editor.exe tests/ui/main/ui_main_tests.exe; do
    mkdir -p "$root/build/windows/$(dirname "$exe")/translations"
    cp "$qt_russian_texts" "$root/build/windows/$(dirname "$exe")/translations/"
done
