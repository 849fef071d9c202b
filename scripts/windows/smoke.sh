#!/usr/bin/env bash
# Unpacks the Windows zip into an empty folder and runs it under Wine on a
# virtual display with nothing but the zip's contents: no Linux Qt, no
# MinGW folders on the DLL path. Like a user, it opens a physics file
# through Файл > Открыть, saves it through Файл > Сохранить as a new file,
# and checks the bytes written. Leaves a screenshot of the main window with
# the file open in build/package/windows-main-window.png.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$here/common.sh"
source "$here/with-display.sh"

bash "$here/../install-deps.sh" windows
need_tools "${wine_tools[@]}" "${smoke_tools[@]}"
zip=$(bash "$here/package.sh" | tail -n1)
work=$(mktemp -d)
unzip -q "$zip" -d "$work"
app=$(find "$work" -name tuneks-editor.exe)

# The physics file, in a folder with a blank in its name. (The names are
# typed through the virtual keyboard, which has no Russian letters.)
mkdir -p "$work/my cars"
cp "$root/fuzz/corpus/porsche-crlf.ini" "$work/my cars/car.ini"
# An unchanged save writes the two sound lists with a blank after "=".
sed 's/^enginetype=/enginetype= /; s/^horntype=/horntype= /' "$root/fuzz/corpus/porsche-crlf.ini" > "$work/expected.ini"

export WINEPREFIX=$cache_root/wineprefix-smoke
export WINEDEBUG=-all
unset WINEPATH WINEQT_QPA_PLATFORM WINEQT_PLUGIN_PATH
start_display
trap 'stop_display; rm -rf "$work"' EXIT
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true

windows_path() { echo "Z:${1//\//\\}"; }

(cd "$(dirname "$app")" && exec /usr/lib/wine/wine64 ./tuneks-editor.exe) >"$work/app.log" 2>&1 &
app_pid=$!

wait_for_window() { # name pattern, seconds
    local i
    for ((i = 0; i < $2 * 5; i++)); do
        xdotool search --name "$1" 2>/dev/null | head -n1 && return 0
        sleep 0.2
    done
    echo "no window named '$1' appeared" >&2
    return 1
}
fail() { echo "smoke test: $*" >&2; import -window root "$root/build/package/windows-failure.png" || true; exit 1; }

main=$(wait_for_window '^Тюнекс Редактор$' 60) || fail "the main window did not appear"
sleep 1
read -r wx wy < <(xdotool getwindowgeometry "$main" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')

# The File menu opens with a click on "Файл" at the left of the menu bar, on
# top of the client area; its items are reached with the arrow keys, which
# skip the separators: Новый, Открыть, Сохранить, ...
menu() { # how many items down
    xdotool mousemove $((wx + 20)) $((wy + 10)) click 1
    sleep 0.7
    local i
    for ((i = 0; i < $1; i++)); do xdotool key Down; sleep 0.1; done
    xdotool key Return
}
# The visible windows, one id a line.
visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
# Types a full name into the file dialog whose caption matches, and takes it.
# Wine shows the system's Save dialog without a caption, so a dialog is also
# known as a visible window that was not there before the menu was used.
answer_dialog() { # caption pattern, file, windows before
    local i found=""
    for ((i = 0; i < 100; i++)); do
        if xdotool search --name "$1" >/dev/null 2>&1 \
            || [[ -n $(comm -13 <(echo "$3") <(visible_windows)) ]]; then
            found=yes
            break
        fi
        sleep 0.2
    done
    [[ -n $found ]] || fail "no file dialog '$1' appeared"
    sleep 1
    xdotool type --delay 20 "$(windows_path "$2")"
    xdotool key Return
}
before=$(visible_windows)
menu 2
answer_dialog 'Откр|Open' "$work/my cars/car.ini" "$before"
for _ in $(seq 50); do
    xdotool getwindowname "$main" | grep -q 'Porsche' && break
    sleep 0.2
done
xdotool getwindowname "$main" | grep -q 'Porsche' || fail "the file did not open: caption '$(xdotool getwindowname "$main")'"
import -window "$main" "$root/build/package/windows-main-window.png"

before=$(visible_windows)
menu 3
answer_dialog 'Сохран|Save' "$work/my cars/saved.ini" "$before"
for _ in $(seq 50); do
    [[ -s "$work/my cars/saved.ini" ]] && break
    sleep 0.2
done
cmp "$work/my cars/saved.ini" "$work/expected.ini" || fail "the saved file differs from the expected bytes"
cmp "$work/my cars/car.ini" "$root/fuzz/corpus/porsche-crlf.ini" || fail "the opened file changed"
kill "$app_pid" 2>/dev/null || true
echo "smoke test: the packaged editor opened and saved a file under Wine"
