#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a bounded time (default 60 s,
# FUZZ_SECONDS overrides) starting from its seed corpus. Any finding fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${FUZZ_SECONDS:-60}"
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRELLWICK_FUZZ=ON -DTRELLWICK_GUI=OFF -DTRELLWICK_TESTS=OFF \
    -DTRELLWICK_SANITIZE=address,undefined >/dev/null
targets=$(cd "$root/tests/fuzz/corpus" && ls)
cmake --build "$build" -j "$(nproc)" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for t in $targets; do
    echo "== fuzz_$t for ${seconds}s"
    mkdir -p "$work/$t"
    if ! (cd "$work" && "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=65536 \
            -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/crash-$t-" \
            "$work/$t" "$root/tests/fuzz/corpus/$t" >"$work/$t.log" 2>&1); then
        tail -n 60 "$work/$t.log"
        echo "fuzz_$t found a fault; the input that shows it is named in the log above" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units' "$work/$t.log" || true
done
echo "fuzzing: no findings"
