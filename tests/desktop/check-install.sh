#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what a desktop needs of
# it: the program, a launcher that names it, the AppStream description that
# names the launcher, the launcher's icon in every hicolor size and the
# licence where Debian keeps it. The
# launcher and the description are also checked by desktop-file-validate and
# appstreamcli where those are installed.
#
#   check-install.sh <build folder> <project version>
set -euo pipefail
build=$1
version=$2
app_id=org.tuneks.Editor

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

launcher=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[[ -f $launcher ]] || fail "no launcher at share/applications/$app_id.desktop"
[[ -f $metainfo ]] || fail "no AppStream file at share/metainfo/$app_id.metainfo.xml"
((failures == 0)) || exit 1

# The launcher starts the installed program, with no arguments: the editor
# takes no command line.
exec_line=$(sed -n 's/^Exec=//p' "$launcher")
[[ -x $prefix/bin/$exec_line ]] || fail "Exec=$exec_line is not an installed program in bin/"

cmp -s "$prefix/share/doc/$exec_line/copyright" "$(dirname "$0")/../../LICENSE" \
    || fail "the licence is not installed as share/doc/$exec_line/copyright"

icon=$(sed -n 's/^Icon=//p' "$launcher")
for size in 16 22 24 32 48 64 128 256; do
    [[ -f $prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png ]] \
        || fail "icon $icon missing in ${size}x${size}"
done

grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "the AppStream file does not name the launcher $app_id.desktop"
grep -q "<binary>$exec_line</binary>" "$metainfo" \
    || fail "the AppStream file does not name the program $exec_line"
grep -q "<release version=\"$version\"" "$metainfo" \
    || fail "the AppStream file does not list the release $version"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$launcher" || fail "desktop-file-validate refused the launcher"
else
    echo "desktop-file-validate is not installed: launcher not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refused the AppStream file"
else
    echo "appstreamcli is not installed: AppStream file not validated"
fi

((failures == 0)) || exit 1
echo "install layout OK"
