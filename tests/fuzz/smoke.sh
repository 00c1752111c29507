#!/usr/bin/env bash
# Fuzz smoke run: configures a clang build tree, builds decode_image_fuzz (the kit and the
# platform libraries only) and runs it for about 30 seconds on the seed corpus in fuzz/corpus.
# Usage: tests/fuzz/smoke.sh [build-dir] [seconds]
set -euo pipefail
cd "$(dirname "$0")/../.."
dir=${1:-build-fuzz}
seconds=${2:-30}
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$dir" --target decode_image_fuzz -j 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp fuzz/corpus/* "$work"/
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$dir"/fuzz/decode_image_fuzz -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 \
  -artifact_prefix="$dir/" \
  -print_final_stats=1 "$work"
