#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz/ with clang (libFuzzer, AddressSanitizer, UBSan) in
# build/fuzz and runs each for the given seconds (default 60), its corpus kept between runs.
# Prints one line per target ("PASS"/"FAIL", executions) and fails when any target found
# something; the input that broke it is saved under build/fuzz/findings/.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/lib/fail.sh"
source "$ROOT/scripts/lib/build-tree.sh"
SECONDS_EACH=${1:-60}
FUZZ=${BUILD:-$ROOT/build}/fuzz
JOBS=${JOBS:-2}

# clang has no CP1252 execution character set: the build reads a copy of the sources converted
# to CP1252, so its literals hold the same bytes as the program's. Unchanged files keep their
# time stamps, so a second build compiles only what changed.
SRC=$FUZZ/src
mkdir -p "$SRC"
(cd "$ROOT" && find CMakeLists.txt cmake config backup app platform ui \
    scripts/tools/check_layers.py tests/fakes tests/fuzz -type f) | while read -r f; do
    mkdir -p "$SRC/$(dirname "$f")"
    case "$f" in
    *.cpp | *.h) iconv -f UTF-8 -t CP1252 "$ROOT/$f" > "$SRC/$f.new" || exit 1 ;;
    *) cp "$ROOT/$f" "$SRC/$f.new" ;;
    esac
    if cmp -s "$SRC/$f.new" "$SRC/$f"; then rm "$SRC/$f.new"; else mv "$SRC/$f.new" "$SRC/$f"; fi
done || die "could not copy the sources into $SRC"
# A file renamed or deleted since the last build must not stay behind in the copy.
(cd "$SRC" && find . -type f) | while read -r f; do
    [ -e "$ROOT/$f" ] || rm -f "$SRC/$f"
done

CC=clang CXX=clang++ SOURCE_DIR=$SRC configure "$FUZZ/build" "" -DTALVEK_FUZZ=ON
cmake --build "$FUZZ/build" -j"$JOBS" 2>&1 | grep -E 'error|warning'
[ "${PIPESTATUS[0]}" -eq 0 ] || die "the fuzz build in $FUZZ/build failed (errors above)"

failed=0
mkdir -p "$FUZZ/findings"
for exe in "$FUZZ"/build/*Fuzz; do
    name=$(basename "$exe")
    corpus=$FUZZ/corpus/$name
    mkdir -p "$corpus"
    dict=()
    case "$name" in IniFileFuzz | BackupRunFuzz) dict=(-dict="$SRC/tests/fuzz/ini.dict") ;; esac
    log=$FUZZ/$name.log
    rm -f "$FUZZ/findings/$name-"*
    "$exe" "${dict[@]}" -max_total_time="$SECONDS_EACH" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$FUZZ/findings/$name-" "$corpus" "$SRC/tests/fuzz/seeds/$name" \
        > "$log" 2>&1
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    if [ "$rc" -eq 0 ]; then
        echo "PASS $name: ${runs:-0} executions in ${SECONDS_EACH} s"
    else
        failed=$((failed + 1))
        echo "FAIL $name: ${runs:-?} executions; finding:"
        grep -a -E -A8 'property broken|ERROR: (AddressSanitizer|libFuzzer: (timeout|out-of))|runtime error' \
            "$log" | grep -a -v -E '^ *#[0-9]+ |deadly signal' | head -n 20 | sed 's/^/    /'
        ls "$FUZZ/findings/$name-"* 2>/dev/null | sed 's/^/    input: /'
    fi
done
[ "$failed" -eq 0 ]
