#!/usr/bin/env bash
# Measures the time from starting talvek.exe (no switch) until its setup dialog is shown, with
# a configuration file holding 999 file-list entries, over several starts.
# Usage: scripts/bench_setup.sh [starts]   (BENCH_BUILD=dir to use another build directory)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/wine-env.sh"
BENCH_BUILD=${BENCH_BUILD:-$WIN_BUILD}
export TALVEK_BENCH_RUNS=${1:-5}

cmake -S "$ROOT" -B "$BENCH_BUILD" -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BENCH_BUILD" -j"${JOBS:-2}" --target talvek win32_tests >/dev/null

start_display
trap stop_display EXIT
prepare_prefix
cd "$BENCH_BUILD"
as_test_user "$WINE" ./win32_tests.exe --gtest_also_run_disabled_tests \
    --gtest_filter='SetupBench.*' 2>&1 | tr -d '\r' |
    grep -E '^setup bench|FAILED|PASSED'
