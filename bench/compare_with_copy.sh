#!/usr/bin/env bash
# Times trellwick-convert against `cp` (and `sed`) in one run on one machine:
#  - a generated 100 MB API macro, against a copy of it and against `sed` doing
#    the 18 placeholder renamings;
#  - a generated library of 2,000 macros of 2 to 50 KB, converted by one call
#    with --output-dir, against copying the same files into one folder;
# and measures the converter's peak memory on 1 MB and on the large macro.
#
#   bench/compare_with_copy.sh [MEGABYTES [MACROS [ROUNDS]]]   (default 100 2000 7)
#
# BUILD_DIR names the Release build to use (default build-bench); CONVERT names
# another trellwick-convert to time instead of the build's. Every figure
# is the median of ROUNDS runs, the tools taking turns in each round so that
# other work on the machine weighs on all of them alike.
#
# Aims: the library (the workload that matters) within 1.5 times the copy, the
# large macro at least 4 times faster than sed, and under 20 MB of peak memory
# whatever the size. bench/worst_shapes.sh keeps the cost linear on every shape.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
megabytes="${1:-100}"
macros="${2:-2000}"
rounds="${3:-7}"
build="${BUILD_DIR:-$root/build-bench}"

if [ ! -x /usr/bin/time ]; then
    apt-get install -y -qq time >/dev/null
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELLWICK_BENCH=ON \
    -DTRELLWICK_GUI=OFF >/dev/null
if [ -n "${CONVERT:-}" ]; then
    cmake --build "$build" -j2 --target generate_macro >/dev/null
    convert="$CONVERT"
else
    cmake --build "$build" -j2 --target trellwick-convert generate_macro >/dev/null
    convert="$build/cli/trellwick-convert"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/bench/generate_macro" "$work/macro.api" "$megabytes"
"$build/bench/generate_macro" "$work/small.api" 1
mkdir "$work/library"
"$build/bench/generate_macro" --library "$work/library" "$macros"
size="$(stat -c %s "$work/macro.api")"
library_size="$(du -sb "$work/library" | cut -f1)"

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
run_copy() { cp "$work/macro.api" "$work/copy.api"; }
run_convert() { "$convert" "${options[@]}" "$work/macro.api" "$work/macro.scm"; }
run_sed() { sed -f "$work/renaming.sed" "$work/macro.api" >"$work/sed.out"; }
run_copy_library() { cp "$work"/library/*.api "$work/out/"; }
run_convert_library() {
    "$convert" --type Hangars --param 1=Colour --param 2=Brightness --param 3=Roof \
        --param 4=Door --quiet --output-dir "$work/out" "$work"/library/*.api
}
run_manifest_library() { "$convert" --manifest "$work/library.csv" --quiet; }
# Each timed run starts from the same state: no output file, no output folder.
clean() { rm -rf "$work/copy.api" "$work/macro.scm" "$work/sed.out" "$work/out"; mkdir "$work/out"; }

# Nanoseconds of wall-clock time of one run, appended to the file $1.
time_into() {
    local into="$1" start end
    shift
    clean
    start="$(date +%s%N)"
    "$@"
    end="$(date +%s%N)"
    echo $((end - start)) >>"$work/$into"
}
median() { sort -n "$work/$1" | awk '{ v[NR] = $1 } END { printf "%.3f", v[int((NR + 1) / 2)] / 1e9 }'; }
ratio() { awk -v a="$1" -v b="$2" -v f="$3" 'BEGIN { printf f, a / b }'; }

# The manifest of the library, with a type of its own for every row: the
# captions in turn, and every fifth a type of the user's own. (A build from
# before the manifest has no such run.)
tools=(copy convert sed copy_library convert_library)
if "$convert" --help | grep -q -- --write-manifest; then
mkdir -p "$work/out"
"$convert" --survey --type Hangars --param 1=Colour --param 2=Brightness --param 3=Roof \
    --param 4=Door --output-dir "$work/out" --write-manifest "$work/library.csv" \
    "$work/library" >/dev/null
awk -F, -v OFS=, 'BEGIN { split("Aircraft,Bridges,Hangars,Fuel,Ships,Signs,Trees,Misc.", types) }
    NR > 1 { if (NR % 5 == 0) { $4 = ""; $5 = "Kiosks" } else { $4 = types[NR % 8 + 1] } } { print }' \
    "$work/library.csv" >"$work/mixed.csv"
mv "$work/mixed.csv" "$work/library.csv"
tools+=(manifest_library)
fi
for tool in "${tools[@]}"; do clean; "run_$tool"; done # warm the page cache
for _ in $(seq "$rounds"); do
    for tool in "${tools[@]}"; do time_into "$tool.ns" "run_$tool"; done
done
clean

peak_kb() {
    /usr/bin/time -v "$convert" "${options[@]}" "$1" "$work/peak.scm" 2>&1 >/dev/null |
        awk -F': ' '/Maximum resident set size/ { print $2 }'
}

copy="$(median copy.ns)"
converted="$(median convert.ns)"
sed_time="$(median sed.ns)"
copy_library="$(median copy_library.ns)"
converted_library="$(median convert_library.ns)"
manifest_library="$( [ -s "$work/manifest_library.ns" ] && median manifest_library.ns || echo 0)"

printf 'Medians of %s interleaved rounds.\n' "$rounds"
printf 'Large macro:          %d bytes (%s MB)\n' "$size" "$megabytes"
printf '  cp:                 %s s\n' "$copy"
printf '  trellwick-convert:  %s s  (%s MB/s)\n' "$converted" \
    "$(awk -v s="$size" -v t="$converted" 'BEGIN { printf "%.0f", s / 1048576 / t }')"
printf '  sed, 18 renamings:  %s s\n' "$sed_time"
printf 'Library:              %s macros, %d bytes\n' "$macros" "$library_size"
printf '  cp into one folder: %s s\n' "$copy_library"
printf '  trellwick-convert:  %s s  (%s ms a file)\n' "$converted_library" \
    "$(awk -v t="$converted_library" -v n="$macros" 'BEGIN { printf "%.2f", t * 1000 / n }')"
printf '  manifest run:       %s s\n' "$manifest_library"
printf 'library convert / cp: %s  (aim: at most 1.5)\n' "$(ratio "$converted_library" "$copy_library" %.2f)"
printf 'manifest run / cp:    %s  (aim: at most 1.5)\n' "$(ratio "$manifest_library" "$copy_library" %.2f)"
printf 'large convert / cp:   %s\n' "$(ratio "$converted" "$copy" %.2f)"
printf 'large sed / convert:  %s  (aim: at least 4)\n' "$(ratio "$sed_time" "$converted" %.1f)"
printf 'peak memory:          %s kB for %s MB, %s kB for 1 MB  (aim: under 20 MB)\n' \
    "$(peak_kb "$work/macro.api")" "$megabytes" "$(peak_kb "$work/small.api")"
