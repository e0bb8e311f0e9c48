#!/usr/bin/env bash
# Measures the time from starting talvek.exe (no switch) until its setup dialog is shown, with
# a configuration file holding 999 file-list entries, against a small GUI program that shows
# an empty window, as best of [starts] alternating starts (default 5). Prints the ratio
# (target: at most 1.2), the shares, and the dialog's own work measured in-process.
# Usage: scripts/bench_setup.sh [starts]   (BENCH_BUILD=dir to use another build directory)
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/lib/fail.sh"
stop_on_failure
source "$ROOT/scripts/lib/build-tree.sh"
source "$ROOT/scripts/lib/wine-env.sh"
export TALVEK_BENCH_RUNS=${1:-5}
run_bench_tests 'SetupBench.*' '^(setup bench|  )'
