#!/usr/bin/env bash
# Runs every test: the native unit tests (with sanitizers), the fuzz targets for a few seconds
# each (FUZZ_SECONDS, when clang with libFuzzer is there), then the Windows-side tests under
# Wine on a virtual display, and saves the screenshots as PNG under build/screenshots/.
# Extra arguments go to the Windows-side test program (e.g. --gtest_filter=Progress*).
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
[ "${CI:-}" = true ] || bash "$ROOT/scripts/setup.sh" || exit 1
source "$ROOT/scripts/wine-env.sh"
JOBS=${JOBS:-2}
failed_stage=0

echo "== native unit tests"
cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null || exit 1
cmake --build "$BUILD/native" -j"$JOBS" || exit 1
native_out=$(cd "$BUILD/native" && ctest --output-on-failure -j"$JOBS" 2>&1)
native_rc=$?
echo "$native_out" | grep -v -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed' | tail -n 40
native_total=$(echo "$native_out" | sed -n 's/.* tests failed out of \([0-9]*\).*/\1/p' | tail -1)
native_failed=$(echo "$native_out" | sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' | tail -1)
native_total=${native_total:-0}
native_failed=${native_failed:-0}
[ "$native_rc" -eq 0 ] || [ "$native_failed" -gt 0 ] || { native_failed=1; failed_stage=1; }

echo "== fuzz targets"
fuzz_passed=0
fuzz_failed=0
probe=$(mktemp)
if echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer - -o "$probe" 2>/dev/null; then
    fuzz_out=$(JOBS=$JOBS bash "$ROOT/scripts/fuzz.sh" "${FUZZ_SECONDS:-5}" 2>&1)
    fuzz_rc=$?
    echo "$fuzz_out" | tail -n 60
    fuzz_passed=$(echo "$fuzz_out" | grep -c '^PASS ')
    fuzz_failed=$(echo "$fuzz_out" | grep -c '^FAIL ')
    [ "$fuzz_rc" -eq 0 ] || [ "$fuzz_failed" -gt 0 ] || { fuzz_failed=1; failed_stage=1; }
else
    echo "no clang with libFuzzer: fuzz targets skipped"
fi
rm -f "$probe"

echo "== cross builds"
# The program we ship: i686, Windows 95 and later.
cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$BUILD/win32" -j"$JOBS" --target talvek || exit 1
# The build the Windows-side tests run (the same one where 32-bit programs can run).
cmake -S "$ROOT" -B "$WIN_BUILD" -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$WIN_BUILD" -j"$JOBS" --target talvek win32_tests || exit 1
python3 "$ROOT/scripts/check_win95.py" "$BUILD/win32/talvek.exe" --map "$BUILD/win32/talvek.map" || failed_stage=1

echo "== Windows-side tests under Wine ($WINE_ARCH)"
start_display || exit 1
trap stop_display EXIT
prepare_prefix
mkdir -p "$BUILD/screenshots"
rm -f "$BUILD"/screenshots/*.bmp
give_to_test_user "$BUILD/screenshots"
export TALVEK_SCREENSHOTS="Z:$(echo "$BUILD/screenshots" | tr / '\\')"
(cd "$WIN_BUILD" && timeout 1500 "${RUN_AS[@]}" env HOME="$WINEPREFIX" "$WINE" ./win32_tests.exe "$@") \
    > "$BUILD/win32_tests.log" 2>&1
win_rc=$?
win_out=$(tr -d '\r' < "$BUILD/win32_tests.log")
echo "$win_out" | grep -E '^\[ +(RUN|OK|FAILED|PASSED|SKIPPED) +\]|Failure|error:|Expected|Which is|actual|Value of|  [A-Za-z].*' | grep -v '^\[ RUN' | tail -n 400
win_passed=$(echo "$win_out" | sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' | tail -1)
win_failed=$(echo "$win_out" | sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' | tail -1)
win_passed=${win_passed:-0}
win_failed=${win_failed:-0}
if [ "$win_rc" -ne 0 ] && [ "$win_failed" -eq 0 ]; then win_failed=1; failed_stage=1; fi

for bmp in "$BUILD"/screenshots/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
ls "$BUILD"/screenshots/*.png 2>/dev/null | sed 's/^/screenshot: /'

echo "== release package"
package_failed=0
{ bash "$ROOT/scripts/package.sh" && bash "$ROOT/tests/package/check_package.sh" \
    "$(ls "$BUILD"/dist/talvek95-*.zip)"; } || package_failed=1

passed=$((native_total - native_failed + fuzz_passed + win_passed + 1 - package_failed))
failed=$((native_failed + fuzz_failed + win_failed + package_failed))
echo
echo "native: $((native_total - native_failed)) passed, $native_failed failed;" \
    "fuzz: $fuzz_passed passed, $fuzz_failed failed; windows: $win_passed passed, $win_failed failed"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$failed_stage" -eq 0 ]
