#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing for a purpose:
#   install-deps.sh editor   what building and running the editor needs
#   install-deps.sh tests    that, and what the tests, the sanitizer build,
#                            the fuzzer and the desktop-file checks need
# Runs as root (or through sudo when it is there).
set -euo pipefail

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

case "${1:-}" in
    editor) packages=("${editor[@]}") ;;
    tests) packages=("${editor[@]}" "${tests[@]}") ;;
    *) echo "usage: install-deps.sh editor|tests" >&2; exit 2 ;;
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
