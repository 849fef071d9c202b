#!/usr/bin/env bash
# A plain configure must work on a machine without GoogleTest: the editor is
# still built, the tests are left out, and a note says so.
#
#   configure-without-gtest.sh <source folder>
set -euo pipefail
source_dir=$1
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

if ! output=$(cmake -S "$source_dir" -B "$build" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON 2>&1); then
    echo "$output"
    echo "FAIL: configuring without GoogleTest failed"
    exit 1
fi
grep -q "GoogleTest was not found, so the tests are not built" <<<"$output" \
    || { echo "$output"; echo "FAIL: no note that the tests are left out"; exit 1; }
targets=$(cmake --build "$build" --target help)
grep -q "tuneks-editor" <<<"$targets" \
    || { echo "FAIL: the editor is not part of the build"; exit 1; }
[[ ! -d $build/tests ]] || { echo "FAIL: the tests were configured all the same"; exit 1; }
echo "configure without GoogleTest OK"
