#!/usr/bin/env bash
# Fuzzes the settings store's reading of its file for a bounded time, 120
# seconds unless given. Fails on a crash, a sanitizer report, an input that
# takes more than 10 seconds, or more than 2 GB of memory.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}

bash scripts/install-deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARVO_FUZZ=ON -DBUILD_TESTING=OFF -DTARVO_BENCHMARKS=OFF
cmake --build build-fuzz --target settings_fuzz

# New inputs go to the build tree; the seeds in fuzz/corpus stay as they are.
mkdir -p build-fuzz/corpus
build-fuzz/fuzz/settings_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 build-fuzz/corpus fuzz/corpus/settings \
    2>build-fuzz/fuzz.log || { tail -60 build-fuzz/fuzz.log; exit 1; }
grep -E '^Done|stat::number_of_executed_units|stat::peak_rss_mb' build-fuzz/fuzz.log
