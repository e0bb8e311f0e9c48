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
run_bench_tests 'BackupBench.DISABLED_DueRunAgainstCopyBaseline' '^(backup bench|  )'
