#!/usr/bin/env bash
# Makes tuneks-editor-<version>-win64.zip: the editor for 64-bit Windows with
# everything it needs to run from an empty folder: the Qt and MinGW runtime
# DLLs, the Windows platform and style plugins, the Russian translations of
# Qt's own texts, a read-me in Russian and the licences of all of it.
# Builds whatever is missing first, and fails unless the zip holds exactly
# the files listed below.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$here/common.sh"

bash "$here/../install-deps.sh" windows
# The licence texts come from the files Debian installs with the packages
# whose parts the zip ships.
common_licenses=/usr/share/common-licenses
gcc_copyright=/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright
mingw_copyright=/usr/share/doc/mingw-w64-x86-64-dev/copyright
need_tools zip:zip unzip:unzip x86_64-w64-mingw32-strip:binutils-mingw-w64-x86-64 \
    x86_64-w64-mingw32-strings:binutils-mingw-w64-x86-64 \
    "$qt_russian_texts:qt6-translations-l10n" \
    "$common_licenses/LGPL-3:base-files" "$common_licenses/GPL-3:base-files" \
    "$gcc_copyright:gcc-mingw-w64-x86-64-posix-runtime" "$mingw_copyright:mingw-w64-x86-64-dev"
bash "$here/build.sh"

build=$root/build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=tuneks-editor-$version-win64
stage=$root/build/package/$name
rm -rf "$stage" "$root/build/package/$name.zip"
mkdir -p "$stage"/{platforms,styles,translations,licenses}

# The version information that Explorer shows: the maker, the copyright and
# this version (windres stores the texts in UTF-16).
version_info=$(x86_64-w64-mingw32-strings -el "$build/app/tuneks-editor.exe")
for key in CompanyName LegalCopyright ProductVersion; do
    grep -A1 -x "$key" <<<"$version_info" | sed -n 2p | grep -q . \
        || { echo "tuneks-editor.exe has no $key in its version information" >&2; exit 1; }
done
grep -A1 -x ProductVersion <<<"$version_info" | grep -qx "$version" \
    || { echo "tuneks-editor.exe does not carry the version $version" >&2; exit 1; }
cp "$build/app/tuneks-editor.exe" "$stage/"
cp "$qt_prefix"/bin/Qt6{Core,Gui,Widgets}.dll "$stage/"
cp "$qt_prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$mingw_gcc_dir/libstdc++-6.dll" "$mingw_gcc_dir/libgcc_s_seh-1.dll" \
   "$mingw_sysroot_lib/libwinpthread-1.dll" "$stage/"
# Qt's texts in Russian ("Да", "Нет", "Отмена", the file dialog's words).
cp "$qt_russian_texts" "$stage/translations/"
# The pictures are PNG, which Qt reads without a plugin, so no image-format
# plugin is needed.
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The texts, with Windows line ends so that every Notepad shows them.
crlf() { sed 's/\r$//; s/$/\r/'; }
package_version() { dpkg-query -W -f='${Version}' "$1"; }
# Which Debian source Qt was built from: build-qt.sh notes it; a build made
# before it did is of the version of this machine's Qt host tools, which is
# the one the archive gave it.
qt_source="qt6-base $(package_version qt6-base-dev-tools)"
[[ -f $qt_prefix/debian-source ]] && qt_source=$(cat "$qt_prefix/debian-source")
# The read-me in Russian, UTF-8 with a byte-order mark.
{
    printf '\xef\xbb\xbf'
    sed "s/@VERSION@/$version/" "$root/resources/windows/README.txt.in" | crlf
} > "$stage/README.txt"

licenses=$stage/licenses
sed -e "s/@VERSION@/$version/; s/@QT_VERSION@/$qt_version/g; s/@QT_SOURCE@/$qt_source/" \
    -e "s/@QT_TRANSLATIONS@/$(package_version qt6-translations-l10n)/" \
    -e "s/@GCC_VERSION@/$(package_version gcc-mingw-w64-x86-64-posix-runtime)/" \
    -e "s/@MINGW_VERSION@/$(package_version mingw-w64-x86-64-dev)/" \
    "$root/resources/windows/licenses-README.txt.in" | crlf > "$licenses/README.txt"
crlf < "$root/LICENSE" > "$licenses/tuneks-editor.txt"
crlf < "$root/resources/fonts/LICENSE-Liberation.txt" > "$licenses/OFL-1.1.txt"
crlf < "$common_licenses/LGPL-3" > "$licenses/LGPL-3.0.txt"
crlf < "$common_licenses/GPL-3" > "$licenses/GPL-3.0.txt"
crlf < "$here/build-qt.sh" > "$licenses/build-qt.sh"
# Made from the qt_attribution.json files of Qt's source and the licence
# texts they name.
crlf < "$root/resources/licenses/qt-third-party.txt" > "$licenses/Qt-third-party.txt"
# The exception as Debian's copyright file of the GCC runtime quotes it.
sed -n '/^GCC RUNTIME LIBRARY EXCEPTION$/,/requirements of the license of GCC\.$/p' "$gcc_copyright" \
    | crlf > "$licenses/GCC-exception-3.1.txt"
# winpthreads' part of Debian's copyright file of the MinGW-w64 runtime:
# its stanzas (less its tests, which are not shipped) and the licences they
# name.
{
    echo "winpthreads, from $mingw_copyright:"
    echo
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /^Files: mingw-w64-libraries\/winpthreads\// && !/tests_pthread/ { print; next }
         /^License: (expat|BSD-3-clause|public-domain)\n/ { print }' "$mingw_copyright"
} | crlf > "$licenses/winpthreads.txt"
grep -q 'Grant of Additional Permission' "$licenses/GCC-exception-3.1.txt" \
    || { echo "the GCC Runtime Library Exception was not found in $gcc_copyright" >&2; exit 1; }
grep -q '^License: expat' "$licenses/winpthreads.txt" \
    || { echo "winpthreads' licence was not found in $mingw_copyright" >&2; exit 1; }

if [[ -n $(find "$stage" -type f -empty) ]]; then
    echo "empty files in the zip: $(find "$stage" -type f -empty)" >&2
    exit 1
fi
(cd "$root/build/package" && zip -qrX9 "$name.zip" "$name")

# Exactly these files, nothing more and nothing less.
expected=(
    README.txt
    tuneks-editor.exe
    Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
    platforms/qwindows.dll
    styles/qwindowsvistastyle.dll
    translations/qtbase_ru.qm
    licenses/README.txt licenses/tuneks-editor.txt licenses/OFL-1.1.txt
    licenses/LGPL-3.0.txt licenses/GPL-3.0.txt licenses/build-qt.sh licenses/Qt-third-party.txt
    licenses/GCC-exception-3.1.txt licenses/winpthreads.txt
)
if ! diff -u <(printf "$name/%s\n" "${expected[@]}" | sort) \
             <(unzip -Z1 "$root/build/package/$name.zip" | grep -v '/$' | sort) >&2; then
    echo "the zip does not hold exactly the expected files (- missing, + extra)" >&2
    exit 1
fi
echo "$root/build/package/$name.zip"
