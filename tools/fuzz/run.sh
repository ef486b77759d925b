#!/usr/bin/env bash
# Fuzzes the GIF block walker for a bounded time: builds tools/fuzz/GifBlockWalkerFuzz.cpp
# natively with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, seeds it with
# every GIF the project ships or tests with, and runs it. Exits non-zero on any finding (the
# failing input is saved in the output folder). FUZZ_SECONDS sets the time (default 60),
# FUZZ_DIR the output folder (default build-fuzz/ in the repository).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out=${FUZZ_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}

mkdir -p "$out/corpus" "$out/seeds"
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$root/src/faces" "$root/src/faces/GifBlockWalker.cpp" "$root/tools/fuzz/GifBlockWalkerFuzz.cpp" \
    -o "$out/gif_walker_fuzz"
cp "$root"/data/images/*.gif "$root"/tests/faces/data/*.gif "$out/seeds/"

# -timeout: one input must not take a second; the walk is linear in its length.
status=0
"$out/gif_walker_fuzz" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/corpus" "$out/seeds" >"$out/fuzz.log" 2>&1 || status=$?
grep -E '^#[0-9]+ +(INITED|DONE)|^stat::|SUMMARY|ERROR' "$out/fuzz.log" || true
if [[ $status -ne 0 ]]; then
    echo "fuzz: the GIF block walker failed (exit $status); see $out/fuzz.log" >&2
    exit "$status"
fi
