#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build, the
# AddressSanitizer + UndefinedBehaviorSanitizer build, the end-to-end runs under Xvfb and a short
# fuzzing run of the image decoder.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh

echo "== normal build"
./scripts/build.sh build -DWEAPON_WERROR=ON
ctest --test-dir build --output-on-failure -j "$(nproc)"

echo "== sanitizer build"
./scripts/build.sh build-asan -DWEAPON_WERROR=ON -DWEAPON_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

for e2e in tests/e2e/run_*.sh; do
  [ -e "$e2e" ] || continue
  echo "== end-to-end: $e2e"
  "$e2e" build
done

echo "== fuzz smoke run"
./tests/fuzz/smoke.sh build-fuzz 30
