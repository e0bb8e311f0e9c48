#!/usr/bin/env bash
# Measures the about page's banner while it scrolls (ScrollInterval 100, ScrollPixels 1, the
# 60 credit lines): CPU used per second of scrolling, against the same message loop idle, and
# the number of screen copies per frame. Target: below 1 % of one core, one copy per frame.
# Usage: scripts/bench_banner.sh [seconds]   (BENCH_BUILD=dir to use another build directory)
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/lib/fail.sh"
stop_on_failure
source "$ROOT/scripts/lib/build-tree.sh"
source "$ROOT/scripts/lib/wine-env.sh"
export TALVEK_BENCH_SECONDS=${1:-20}
run_bench_tests 'ComponentBench.*' '^(banner bench|  )'
