#!/usr/bin/env bash
# Memory of a document: builds document_memory (Release, core only, in
# build-memory) and runs it under heaptrack for the small file and the
# 1000-line file. Prints what the program reports and heaptrack's peak heap
# and total allocations.
#   benchmarks/memory/measure-memory.sh [source folder] [build folder]
set -euo pipefail
source=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
build=${2:-$source/build-memory}

cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTUNEKS_CORE_ONLY=ON \
      -DTUNEKS_BUILD_TESTS=OFF -DTUNEKS_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j2 --target document_memory >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in small 1000; do
    echo "== $size"
    heaptrack -o "$work/$size" "$build/benchmarks/document_memory" "$size" 2>/dev/null \
        | grep -E '^(file|heap held|peak RSS)'
    heaptrack_print -f "$work/$size".* 2>/dev/null \
        | grep -E '^(peak heap memory consumption|calls to allocation functions)'
done
