#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing for a purpose:
#   install-deps.sh editor   what building and running the editor needs
#   install-deps.sh tests    that, and what the tests, the sanitizer build,
#                            the fuzzer, the desktop-file checks and the
#                            Windows build with its tests under Wine need
#   install-deps.sh windows  what building Qt and the editor for Windows and
#                            running them under Wine needs
# Runs as root (or through sudo when it is there).
set -euo pipefail
source "$(dirname "$0")/lib/need.sh"
need_tools dpkg-query:dpkg apt-get:apt

editor=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-translations-l10n
    fonts-dejavu-core fonts-dejavu-extra
)
tests=(
    libgtest-dev libgmock-dev
    clang libclang-rt-14-dev libbenchmark-dev xvfb
    desktop-file-utils appstream
)
windows=(
    cmake ninja-build dpkg-dev xz-utils
    qt6-base-dev-tools qt6-translations-l10n
    gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    googletest wine64 xvfb x11-utils xdotool zip unzip
    imagemagick
)

case "${1:-}" in
    editor) packages=("${editor[@]}") ;;
    tests) packages=("${editor[@]}" "${tests[@]}" "${windows[@]}") ;;
    windows) packages=("${windows[@]}") ;;
    *) echo "usage: install-deps.sh editor|tests|windows" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]] && command -v sudo >/dev/null; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
