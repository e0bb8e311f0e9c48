#!/usr/bin/env bash
# Measures a due backup run of talvek.exe under Wine: 999 listed files of 4 KiB and 50
# registered record sets (maximum 50, so the oldest is removed), against the same 999
# CopyFileA calls alone, timed in a loop and as a small program run of its own; then the same
# run in-process without the window, step by step and per kind of platform call.
# Target: the run takes at most twice the baseline.
# Usage: scripts/bench_backup.sh   (BENCH_BUILD=dir to use another build directory)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/wine-env.sh"
BENCH_BUILD=${BENCH_BUILD:-$WIN_BUILD}

cmake -S "$ROOT" -B "$BENCH_BUILD" -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BENCH_BUILD" -j"${JOBS:-2}" --target talvek win32_tests >/dev/null

start_display
trap stop_display EXIT
prepare_prefix
cd "$BENCH_BUILD"
as_test_user "$WINE" ./win32_tests.exe --gtest_also_run_disabled_tests \
    --gtest_filter='BackupBench.DISABLED_DueRunAgainstCopyBaseline' 2>&1 | tr -d '\r' |
    grep -E '^(backup bench|  )|FAILED|PASSED'
