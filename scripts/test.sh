#!/usr/bin/env bash
# Installs what is missing, builds every test twice (a normal build and one
# with AddressSanitizer and UndefinedBehaviorSanitizer) and runs them all
# headless, runs the fuzzer for a minute, then builds the editor and its tests
# for Windows (Qt for Windows too, unless this machine has it cached) and runs
# them under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh tests
# Everything the whole run calls, checked now rather than when its turn comes.
source scripts/windows/common.sh
need_tools cmake:cmake ctest:cmake g++:g++ make:make clang++:clang \
    "${cross_tools[@]}" "${wine_tools[@]}" "${smoke_tools[@]}"

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Normal build"
cmake -S . -B build/tests -DCMAKE_BUILD_TYPE=Debug -DTUNEKS_WERROR=ON >/dev/null
cmake --build build/tests -j"$jobs"
ctest --test-dir build/tests --output-on-failure -j"$jobs"

echo "== Sanitizer build (address, undefined)"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTUNEKS_SANITIZE=ON -DTUNEKS_WERROR=ON >/dev/null
cmake --build build/sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
    ctest --test-dir build/sanitize --output-on-failure -j"$jobs"

echo "== Fuzzer (clang, address and undefined sanitizers, about a minute)"
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTUNEKS_FUZZ=ON -DTUNEKS_CORE_ONLY=ON -DTUNEKS_WERROR=ON -DTUNEKS_BUILD_TESTS=OFF -DFUZZ_SECONDS=60 >/dev/null
cmake --build build/fuzz -j"$jobs" --target fuzz_physics_file
cmake --build build/fuzz --target fuzz-run

echo "== Windows build, tests under Wine"
bash scripts/windows/test.sh
bash scripts/windows/smoke.sh
