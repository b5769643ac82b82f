#!/usr/bin/env bash
# Installs what is missing, builds Trellwick and runs every test: once in a
# plain build and once built with AddressSanitizer and UndefinedBehaviorSanitizer,
# then the whole tree built for Windows: its tests, its ZIP and its window
# under Wine; then the Debian package's check, then the fuzzers. Any failing test or sanitizer
# report makes it exit non-zero.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
jobs="$(nproc)"

echo "== plain build"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELLWICK_TESTS=ON >/dev/null
cmake --build "$root/build" -j "$jobs"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== sanitizer build (address, undefined)"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTRELLWICK_SANITIZE=address,undefined >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
    LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "== Windows build: tests, ZIP and window under Wine"
"$root/scripts/test-windows.sh"

echo "== Debian package"
"$root/scripts/test-package.sh"

echo "== fuzzing"
"$root/scripts/fuzz.sh"
