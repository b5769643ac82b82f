#!/usr/bin/env bash
# Cross-builds the parts that need only the standard library (the file helpers,
# the conversion core, the settings file and trellwick-convert) and their tests
# for 64-bit Windows with MinGW-w64, and runs the tests under Wine, so that the
# Windows branches of the file access and the command line run (the command
# line's tests start trellwick-convert.exe through cmd.exe, as a user's shell
# would). A console program needs no display there. Any failing test fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="$root/build-windows"
# Debian's wine64 puts its loader and server here, not on PATH.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DTRELLWICK_STD_ONLY=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
mapfile -t tests < <(cd "$build" && find tests -name '*.exe' | sort)
[ ${#tests[@]} -gt 0 ] || { echo "no test executables in $build/tests" >&2; exit 1; }

# A private Wine prefix in the build folder; no Mono or Gecko installers.
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# File names in UTF-8 on this side; Windows-1252 as the ANSI code page, as in
# an English locale.
export LC_ALL=C.UTF-8
# One server for the whole run: a server that ends by itself between two
# programs can leave the next one with its connection reset. It starts in the
# prefix, which wineboot then fills.
mkdir -p "$WINEPREFIX"
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$wine" wineboot --init >/dev/null 2>&1

# The desktop program's version resource compiles and keeps its fields.
x86_64-w64-mingw32-windres -I "$root/app" -O coff -o "$build/trellwick.res.o" "$root/app/trellwick.rc"
for field in '"FileVersion", "1.02"' '"ProductVersion", "1.02"' '"ProductName", "Trellwick"' \
    '"FileDescription", "Utility to convert API macros into SCM macros for use with ASD version 2"'; do
    grep -qF "VALUE $field" "$root/app/trellwick.rc" || { echo "trellwick.rc lacks $field" >&2; exit 1; }
done

# The command line's version resource.
for field in FileVersion ProductName Trellwick trellwick-convert.exe; do
    strings -e l "$build/cli/trellwick-convert.exe" | grep -qx "$field" ||
        { echo "trellwick-convert.exe has no version resource with $field" >&2; exit 1; }
done

failed=0
for test in "${tests[@]}"; do
    echo "== $test under Wine"
    "$wine" "$build/$test" --gtest_brief=1 || failed=1
done
exit "$failed"
