#!/usr/bin/env bash
# Cross-builds the whole tree for 64-bit Windows (MinGW-w64 and a Qt built for
# it) and checks it under Wine:
# - every test program runs, headless on Qt's offscreen platform (the command
#   line's tests start trellwick-convert.exe through cmd.exe, as a user's
#   shell would);
# - both programs carry their version resources;
# - cpack packs the installed folder into a ZIP; unzipped, with nothing but
#   its own libraries, its trellwick-convert.exe converts the worked example
#   into the golden file, and its trellwick.exe runs on a virtual display
#   (Xvfb) on Qt's windows platform, driven by keys and clicks (xdotool): a
#   first start shows the Preferences window and saves the three directories
#   typed into it; the next start shows the main window, through which the
#   worked example converts into the golden file.
# Any failure fails. The Qt for MinGW comes packed from ../shared/qt6-mingw
# beside the repository, or from the tarball that TRELLWICK_QT_MINGW names.
# TRELLWICK_SCREENSHOT=FILE also takes a picture of the main window under Wine
# at the step Macro information (ImageMagick: install-deps.sh screenshots).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="$root/build-windows" # as the preset windows-cross names it
# Debian's wine64 puts its loader and server here, not on PATH.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
fail() {
    echo "test-windows.sh: $*" >&2
    exit 1
}

# Qt, unpacked into the build folder once for each tarball.
archive="${TRELLWICK_QT_MINGW:-$root/../shared/qt6-mingw/qt6-mingw-6.4.2.tar.xz}"
[ -f "$archive" ] || fail "no Qt for MinGW at $archive (set TRELLWICK_QT_MINGW to its tarball)"
qt="$build/qt6-mingw"
stamp="$(realpath "$archive") $(stat -c %Y "$archive")"
if [ "$(cat "$qt/.unpacked" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$qt"
    mkdir -p "$build"
    tar -C "$build" -xJf "$archive"
    [ -d "$qt" ] || fail "$archive holds no qt6-mingw folder"
    echo "$stamp" >"$qt/.unpacked"
fi
# The preset windows-cross configures build-windows with that Qt's toolchain; a
# folder configured with another toolchain starts afresh.
grep -qsF "$qt/lib/cmake/Qt6/qt.toolchain.cmake" "$build/CMakeCache.txt" ||
    rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
(cd "$root" && cmake --preset windows-cross >/dev/null)
cmake --build "$build" -j "$(nproc)"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"

# Both programs' version resources: each field's value follows its name.
for program in "app/trellwick.exe|Utility to convert API macros into SCM macros for use with ASD version 2" \
    "cli/trellwick-convert.exe|Converts API macros into SCM macros for ASD version 2 from the command line"; do
    file="$build/${program%%|*}"
    strings -n 3 -e l "$file" >"$build/resource.txt"
    for field in "FileVersion|$version" "ProductVersion|$version" "ProductName|Trellwick" \
        "OriginalFilename|$(basename "$file")" "FileDescription|${program#*|}"; do
        grep -A1 -xF "${field%%|*}" "$build/resource.txt" | tail -n 1 | grep -qxF "${field#*|}" ||
            fail "$file has no version resource with ${field/|/ = }"
    done
done
echo "both programs carry version $version in their version resources"

# A private Wine prefix in the build folder; no Mono or Gecko installers.
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# File names in UTF-8 on this side; Windows-1252 as the ANSI code page, as in
# an English locale.
export LC_ALL=C.UTF-8
# One server at a time, kept for the whole of each part: a server that ends by
# itself between two programs can leave the next one with its connection
# reset, and one left from a run without a display breaks windows in a run
# with one. It starts in the prefix, which wineboot then fills.
xvfb=""
stop_wine() {
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
}
cleanup() {
    stop_wine
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
mkdir -p "$WINEPREFIX"
"$wineserver" -p
"$wine" wineboot --init >/dev/null 2>&1

# The test programs find Qt and the MinGW runtime through Wine's search path;
# the window tests draw offscreen, with the DejaVu fonts. Wine passes the
# WINEQT_ variables on as QT_ ones.
mapfile -t tests <"$build/test_programs.txt"
[ ${#tests[@]} -gt 0 ] || fail "no test programs in $build/test_programs.txt"
runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
threads="$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")"
failed=0
summary=()
run_test() { # NAME PROGRAM [ARGUMENT...], with the environment given before it
    echo "== $1 under Wine"
    local status=0 count
    WINEPATH="Z:$qt/bin;Z:$runtime;Z:$threads" WINEQT_QPA_PLATFORM=offscreen \
        WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu' \
        timeout 600 "$wine" "${@:2}" --gtest_brief=1 >"$build/test.log" 2>&1 || status=$?
    cat "$build/test.log"
    count="$(sed -n 's/^\[==========\] \([0-9]*\) tests\? from .*/\1/p' "$build/test.log")"
    summary+=("$1: ${count:-?} tests$([ "$status" = 0 ] || echo ", FAILED")")
    [ "$status" = 0 ] || failed=1
}
for test in "${tests[@]}"; do
    run_test "$(basename "$test" .exe)" "$test"
done
# The preview once more at a scale factor of 2, as ctest runs it.
WINEQT_SCALE_FACTOR=2 run_test "ui_tests at scale factor 2" "$build/tests/ui/ui_tests.exe" \
    --gtest_filter='BitmapPreviewTest.*'
printf '%s\n' "Test programs run under Wine:" "${summary[@]/#/  }"
[ "$failed" = 0 ] || fail "a test program failed under Wine"
stop_wine

# The ZIP, unzipped as a user would.
rm -f "$build"/trellwick-*.zip
(cd "$build" && cpack -G ZIP >/dev/null)
zip="$(echo "$build"/trellwick-*.zip)"
[ -f "$zip" ] || fail "cpack made no ZIP in $build"
unzipped="$build/unzipped"
rm -rf "$unzipped"
mkdir -p "$unzipped"
(cd "$unzipped" && cmake -E tar xf "$zip")
bin="$(echo "$unzipped"/*/bin)"
echo "$(basename "$zip"): $(du -k "$zip" | cut -f1) KB, $(find "$unzipped" -type f | wc -l) files"

check="$build/check"
rm -rf "$check"
mkdir -p "$check"
cp "$root/tests/data/worked_example.api" "$check/hangar.api"
"$wineserver" -p
(cd "$check" && "$wine" "$bin/trellwick-convert.exe" --type Hangars --name Hangar --bitmap hangar.bmp \
    --param 1=Color1 hangar.api hangar.scm) || fail "the unzipped trellwick-convert.exe failed"
cmp "$check/hangar.scm" "$root/tests/data/worked_example.scm"
echo "the unzipped trellwick-convert.exe wrote the golden SCM file"
stop_wine

# The unzipped trellwick.exe in a virtual display, on the windows platform.
rm -f "$build/display"
# No reset when its last client leaves, which a program that ends is.
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp -noreset 4>"$build/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$build/display" ] && break
    sleep 0.1
done
[ -s "$build/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$build/display")"
"$wineserver" -p
to_wine() { # a path of this side as Wine names it
    local path="Z:$1"
    echo "${path//\//\\}"
}
start_program() {
    (cd "$check" && WINEQT_QPA_PLATFORM=windows exec "$wine" "$bin/trellwick.exe") &
    program=$!
}
window() { # the visible window of this title
    timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}
end_program() { # closes the window with Alt+F4 as a user would; the program ends with it
    xdotool windowfocus --sync "$1" key alt+F4
    local status=0
    timeout 30 tail --pid="$program" -f /dev/null || fail "trellwick.exe did not end with its window"
    wait "$program" || status=$?
    [ "$status" = 0 ] || fail "trellwick.exe ended with status $status"
}
mkdir -p "$check/api" "$check/scm"
mv "$check/hangar.api" "$check/api/"
if [ -n "${TRELLWICK_SCREENSHOT:-}" ]; then # the bitmap that the picture previews, as take-screenshots.sh draws it
    convert -size 64x48 xc:'#9cc8f0' -fill '#6b6b6b' -draw 'rectangle 6,22 58,46' \
        -fill '#4a4a4a' -draw 'polygon 2,24 32,6 62,24' -fill '#2b2b2b' -draw 'rectangle 22,30 42,46' \
        BMP3:"$check/scm/hangar.bmp"
fi

# A first start: the Preferences window, whose three directories are typed and saved.
start_program
preferences="$(window Preferences)"
[ -n "$preferences" ] || fail "trellwick.exe without quorvel.ini showed no Preferences window"
xdotool windowfocus --sync "$preferences"
xdotool type --delay 20 "$(to_wine "$check")"
xdotool key Tab
xdotool type --delay 20 "$(to_wine "$check/api")"
xdotool key Tab
xdotool type --delay 20 "$(to_wine "$check/scm")"
# From the SCM box past the three "..." buttons to "Save preferences".
xdotool key Tab Tab Tab Tab space
main="$(window Trellwick)"
[ -n "$main" ] || fail "saving the preferences showed no main window"
printf '%s\r\n' "$(to_wine "$check")" "$(to_wine "$check/api")" "$(to_wine "$check/scm")" |
    cmp - "$check/quorvel.ini" || fail "the Preferences window saved another quorvel.ini"
end_program "$main"
echo "a first start of trellwick.exe showed the Preferences window and saved quorvel.ini"

# With the settings: the main window alone, through which the worked example
# converts. The clicks go to the controls' places, in pixels from the
# window's top left corner (the layout places them in twips, 15 to a pixel).
start_program
main="$(window Trellwick)"
[ -n "$main" ] || fail "trellwick.exe with quorvel.ini showed no main window"
[ -z "$(xdotool search --onlyvisible --name '^Preferences$' || true)" ] ||
    fail "trellwick.exe with quorvel.ini showed the Preferences window"
click() {
    xdotool mousemove --window "$main" "$1" "$2" click 1
    sleep 0.3
}
xdotool windowfocus --sync "$main"
# The focus starts on the API "..." button; the API box, "Convert", the SCM box follow.
xdotool key Tab
xdotool type --delay 20 "$(to_wine "$check/api/hangar.api")"
xdotool key Tab Tab
xdotool type --delay 20 "$(to_wine "$check/scm/hangar.scm")"
xdotool key alt+c
sleep 1
click 192 142 # Name
xdotool key ctrl+a type --delay 20 Hangar
click 192 166 # Bitmap
xdotool key ctrl+a type --delay 20 hangar.bmp
click 246 205 # Hangars
if [ -n "${TRELLWICK_SCREENSHOT:-}" ]; then
    import -window "$main" "$TRELLWICK_SCREENSHOT"
    echo "wrote $TRELLWICK_SCREENSHOT"
fi
click 492 425 # Continue
click 128 559 # %6
xdotool type --delay 20 Color1
click 292 666 # Continue
for _ in $(seq 50); do
    cmp -s "$check/scm/hangar.scm" "$root/tests/data/worked_example.scm" && break
    sleep 0.2
done
cmp "$check/scm/hangar.scm" "$root/tests/data/worked_example.scm"
end_program "$main"
echo "the unzipped trellwick.exe showed its main window and wrote the golden SCM file"
