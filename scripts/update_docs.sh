#!/usr/bin/env bash
# Refreshes the pictures the README shows (docs/screenshots/) from the screenshots the test
# bench saved under build/screenshots/; run `bash scripts/test.sh` first.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
mkdir -p "$ROOT/docs/screenshots"
for name in progress-done backup-not-due progress-long-status setup-first-run-question \
    setup-autostart-missing setup-page1-files setup-page2-settings setup-page3-record-sets \
    setup-page3-backup-now setup-page3-restore restore-window comparison-window setup-page4-about; do
    shot="$BUILD/screenshots/$name.png"
    [ -f "$shot" ] || { echo "missing $shot: run bash scripts/test.sh first" >&2; exit 1; }
    # Without the time stamps ImageMagick writes, an unchanged picture stays the same file.
    convert "$shot" -strip "$ROOT/docs/screenshots/$name.png"
    echo "docs/screenshots/$name.png"
done
