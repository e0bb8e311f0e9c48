#!/usr/bin/env bash
# Measures the search for changed lines on two text files of 256 KB, the largest the comparison
# takes, natively and built as the exe builds its code: time and peak memory beside the texts.
# First files whose every line is new (target: under a second and under 2 MB), then files whose
# lines all changed place, which the search has to go through, then everyday and empty cases.
# Usage: scripts/bench_compare.sh   (BENCH_BUILD=dir to use another build directory)
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/lib/fail.sh"
stop_on_failure
source "$ROOT/scripts/lib/build-tree.sh"
BENCH_BUILD=${BENCH_BUILD:-$BUILD/native}
configure "$BENCH_BUILD"
build "$BENCH_BUILD" line_diff_bench
"$BENCH_BUILD/line_diff_bench"
