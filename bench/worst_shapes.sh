#!/usr/bin/env bash
# Converts, with trellwick-convert, an ordinary generated macro and macros of
# the worst shapes (bench/shape_generator.cpp) at two sizes, and prints for each
# how the time grows from the small size to the large one (linear is 4) and
# its time per MB against the ordinary macro's, with its peak memory.
#
#   bench/worst_shapes.sh [SMALL_MB [LARGE_MB [ROUNDS]]]   (default 16 64 3)
#
# BUILD_DIR names the Release build to use (default build-bench); CONVERT names
# another trellwick-convert to time instead of the build's. Times are medians
# of ROUNDS runs.
#
# Aims: growth at most 6, time per MB at most 10 times the ordinary macro's,
# and peak memory that doesn't grow with the size, but for a file that is one
# long line, which may be held a few times.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
small="${1:-16}"
large="${2:-64}"
rounds="${3:-3}"
build="${BUILD_DIR:-$root/build-bench}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELLWICK_BENCH=ON \
    -DTRELLWICK_GUI=OFF >/dev/null
cmake --build "$build" -j2 --target trellwick-convert generate_macro >/dev/null
convert="${CONVERT:-$build/cli/trellwick-convert}"
generate="$build/bench/generate_macro"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
options=(--type Hangars --name Hangar --bitmap hangar.bmp --force
         --param 1=Colour --param 2=Brightness --param 3=Roof --param 4=Door)

# Seconds (median of the rounds) and peak kB of converting $1.
measure() {
    local api="$1" times=()
    for _ in $(seq "$rounds"); do
        /usr/bin/time -o "$work/time" -f '%e %M' "$convert" "${options[@]}" "$api" "$work/out.scm" \
            >/dev/null 2>&1 || { echo "trellwick-convert failed on $api" >&2; exit 1; }
        times+=("$(cat "$work/time")")
    done
    printf '%s\n' "${times[@]}" | sort -n | awk -v n="$rounds" '
        { t[NR] = $1; m[NR] = $2 } END { print t[int((n + 1) / 2)], m[n] }'
}

printf '%-22s %8s %8s %7s %10s %10s\n' shape "${small} MB" "${large} MB" growth "per MB" "peak kB"
ordinary_per_mb=""
for shape in ordinary $("$generate" --shape list); do
    for size in "$small" "$large"; do
        if [ "$shape" = ordinary ]; then
            "$generate" "$work/$size.api" "$size"
        else
            "$generate" --shape "$shape" "$work/$size.api" "$size"
        fi
    done
    read -r t_small _ < <(measure "$work/$small.api")
    read -r t_large peak < <(measure "$work/$large.api")
    per_mb="$(awk -v t="$t_large" -v s="$large" 'BEGIN { print t / s }')"
    [ -n "$ordinary_per_mb" ] || ordinary_per_mb="$per_mb"
    awk -v shape="$shape" -v a="$t_small" -v b="$t_large" -v p="$per_mb" -v o="$ordinary_per_mb" \
        -v peak="$peak" 'BEGIN {
            printf "%-22s %7.2fs %7.2fs %7.1f %9.1fx %10d\n", shape, a, b, (a > 0 ? b / a : 0), p / o, peak }'
    rm -f "$work/$small.api" "$work/$large.api" "$work/out.scm"
done
echo "growth: time at ${large} MB / time at ${small} MB (aim: at most 6); per MB: against the ordinary macro (aim: at most 10)"
