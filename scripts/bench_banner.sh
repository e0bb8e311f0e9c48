#!/usr/bin/env bash
# Measures the about page's banner while it scrolls (ScrollInterval 100, ScrollPixels 1, the
# 60 credit lines): CPU used per second of scrolling, against the same message loop idle, and
# the number of screen copies per frame. Target: below 1 % of one core, one copy per frame.
# Usage: scripts/bench_banner.sh [seconds]   (BENCH_BUILD=dir to use another build directory)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/wine-env.sh"
BENCH_BUILD=${BENCH_BUILD:-$WIN_BUILD}
export TALVEK_BENCH_SECONDS=${1:-20}

cmake -S "$ROOT" -B "$BENCH_BUILD" -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BENCH_BUILD" -j"${JOBS:-2}" --target win32_tests >/dev/null

start_display
trap stop_display EXIT
prepare_prefix
cd "$BENCH_BUILD"
as_test_user "$WINE" ./win32_tests.exe --gtest_also_run_disabled_tests \
    --gtest_filter='ComponentBench.*' 2>&1 | tr -d '\r' |
    grep -E '^(banner bench|  )|FAILED|PASSED'
