#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh editor
source scripts/lib/need.sh
need_tools cmake:cmake g++:g++ make:make
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTUNEKS_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target tuneks-editor
exec ./build/release/app/tuneks-editor "$@"
