#!/usr/bin/env bash
# Makes tuneks-editor-<version>-win64.zip: the editor for 64-bit Windows with
# everything it needs to run from an empty folder: the Qt and MinGW runtime
# DLLs, the Windows platform and style plugins and the Russian translations
# of Qt's own texts. Builds whatever is missing first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$here/common.sh"

bash "$here/build.sh"

build=$root/build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=tuneks-editor-$version-win64
stage=$root/build/package/$name
rm -rf "$stage" "$root/build/package/$name.zip"
mkdir -p "$stage"/{platforms,styles,translations}

cp "$build/app/tuneks-editor.exe" "$stage/"
cp "$qt_prefix"/bin/Qt6{Core,Gui,Widgets}.dll "$stage/"
cp "$qt_prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$mingw_gcc_dir/libstdc++-6.dll" "$mingw_gcc_dir/libgcc_s_seh-1.dll" \
   "$mingw_sysroot_lib/libwinpthread-1.dll" "$stage/"
# Qt's texts in Russian ("Да", "Нет", "Отмена", the file dialog's words);
# the files are the same on every platform.
cp /usr/share/qt6/translations/qtbase_ru.qm "$stage/translations/"
# The pictures are PNG, which Qt reads without a plugin, so no image-format
# plugin is needed.
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

(cd "$root/build/package" && zip -qr9 "$name.zip" "$name")
echo "$root/build/package/$name.zip"
