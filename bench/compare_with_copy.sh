#!/usr/bin/env bash
# Times trellwick-convert on a generated 100 MB API macro against a plain `cp`
# of the same file and against `sed` doing the 18 placeholder renamings, in one
# run on one machine, and measures the converter's peak memory.
#
#   bench/compare_with_copy.sh [MEGABYTES]     (default 100)
#
# BUILD_DIR names the Release build to use (default build-bench).
#
# Aims: the whole conversion within 4 times the copy, at least 10 times faster
# than sed, and under 20 MB of peak memory whatever the size.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
megabytes="${1:-100}"
build="${BUILD_DIR:-$root/build-bench}"

if [ ! -x /usr/bin/time ]; then
    apt-get install -y -qq time >/dev/null
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELLWICK_BENCH=ON \
    -DTRELLWICK_GUI=OFF >/dev/null
cmake --build "$build" -j2 --target trellwick-convert generate_macro >/dev/null
convert="$build/cli/trellwick-convert"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/bench/generate_macro" "$work/macro.api" "$megabytes"
"$build/bench/generate_macro" "$work/small.api" 1
size="$(stat -c %s "$work/macro.api")"

# The renaming table, in its order, as sed substitutions.
cat >"$work/renaming.sed" <<'SED'
s/%1 /%lat /g
s/%2 /%lon /g
s/%3 /%ran /g
s/%4 /%sca /g
s/%5 /%hea /g
s/%6 /%up1 /g
s/%6=/%up1=/g
s/%7 /%up2 /g
s/%7=/%up2=/g
s/%8 /%up3 /g
s/%8=/%up3=/g
s/%9 /%up4 /g
s/%9=/%up4=/g
s/%10 /%v1v /g
s/%11 /%alt /g
s/%12 /%scc /g
s/%13 /%v2= /g
s/%14 /%v2v /g
SED

options=(--type Hangars --name Hangar --bitmap hangar.bmp --force
         --param 1=Colour --param 2=Brightness --param 3=Roof --param 4=Door)
run_copy() { rm -f "$work/copy.api"; cp "$work/macro.api" "$work/copy.api"; }
run_convert() { "$convert" "${options[@]}" "$work/macro.api" "$work/macro.scm"; }
run_sed() { sed -f "$work/renaming.sed" "$work/macro.api" >"$work/sed.out"; }

# Best of five wall-clock runs, in seconds; the first run of each warms up.
best_of() {
    local best="" start end elapsed
    "$@"
    for _ in 1 2 3 4 5; do
        start="$(date +%s%N)"
        "$@"
        end="$(date +%s%N)"
        elapsed=$((end - start))
        if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then
            best="$elapsed"
        fi
    done
    awk -v ns="$best" 'BEGIN { printf "%.3f", ns / 1e9 }'
}

peak_kb() {
    /usr/bin/time -v "$convert" "${options[@]}" "$1" "$work/peak.scm" 2>&1 >/dev/null |
        awk -F': ' '/Maximum resident set size/ { print $2 }'
}

copy="$(best_of run_copy)"
converted="$(best_of run_convert)"
sed_time="$(best_of run_sed)"

printf 'API macro:           %d bytes (%s MB)\n' "$size" "$megabytes"
printf 'cp:                  %s s\n' "$copy"
printf 'trellwick-convert:   %s s  (%s MB/s)\n' "$converted" \
    "$(awk -v s="$size" -v t="$converted" 'BEGIN { printf "%.0f", s / 1048576 / t }')"
printf 'sed, 18 renamings:   %s s\n' "$sed_time"
printf 'convert / cp:        %s  (aim: at most 4)\n' \
    "$(awk -v a="$converted" -v b="$copy" 'BEGIN { printf "%.2f", a / b }')"
printf 'sed / convert:       %s  (aim: at least 10)\n' \
    "$(awk -v a="$sed_time" -v b="$converted" 'BEGIN { printf "%.1f", a / b }')"
printf 'peak memory:         %s kB for %s MB, %s kB for 1 MB  (aim: under 20 MB)\n' \
    "$(peak_kb "$work/macro.api")" "$megabytes" "$(peak_kb "$work/small.api")"
