#!/usr/bin/env bash
# Installs what is missing, builds talvek.exe, prepares the project's own Wine prefix
# (build/wineprefix, its C:\windows holds Talvek95.ini) and starts the program with the
# given arguments: no argument opens the setup dialog, -s makes a backup run. A backup run on a
# prefix without a configuration first prepares the files a first setup leaves (first-setup.sh);
# afterwards it shows today's record set. Without an X display it runs on a virtual one and
# saves build/screenshots/run.png. Under root, Wine runs as the test user in a place of its own
# (wine-env.sh); the script prints where.
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/lib/fail.sh"
stop_on_failure
bash "$ROOT/scripts/setup.sh" || die "the packages could not be installed (see above)"
source "$ROOT/scripts/lib/build-tree.sh"
TALVEK_PREFIX=wineprefix
source "$ROOT/scripts/lib/wine-env.sh"
source "$ROOT/scripts/lib/first-setup.sh"
case "${1:-}" in -s | -S) backup_run=1 ;; *) backup_run=0 ;; esac
configure "$BUILD/win32" "$ROOT/cmake/mingw-i686.cmake"
build "$BUILD/win32" talvek
if [ "$WINE_ARCH" = win64 ]; then
    # 32-bit programs cannot run on this machine: run the x86_64 build of the same sources.
    configure "$WIN_BUILD" "$WIN_TOOLCHAIN"
    build "$WIN_BUILD" talvek
    echo "note: this machine runs no 32-bit code; starting the x86_64 build under 64-bit Wine"
fi
own_display=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    unset DISPLAY
    start_display
    own_display=1
    trap stop_display EXIT
fi
prepare_prefix
stage_programs "$WIN_BUILD" talvek.exe
if [ "$backup_run" -eq 1 ] && [ ! -f "$INI" ]; then
    prepare_first_setup "Z:$(echo "$RUN_DIR/talvek.exe" | tr / '\\')"
fi
ini_before=$(md5sum "$INI" 2>/dev/null || true)
echo "Wine prefix: $WINEPREFIX (C:\\windows\\Talvek95.ini is the configuration file)"
echo "starting: talvek.exe $*"
cd "$RUN_DIR"
as_test_user "$WINE" ./talvek.exe "$@" &
pid=$!
if [ "$own_display" -eq 1 ]; then
    mkdir -p "$BUILD/screenshots"
    # The window closes itself after a run without errors: keep the last picture taken while
    # the program was still running, at most 8 s after the start.
    shot="$BUILD/screenshots/run.png"
    rm -f "$shot"
    for _ in $(seq 1 16); do
        kill -0 "$pid" 2>/dev/null || break
        import -window root -trim +repage "$shot.new.png" 2>/dev/null && kill -0 "$pid" 2>/dev/null &&
            mv "$shot.new.png" "$shot"
        sleep 0.5
    done
    rm -f "$shot.new.png"
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program is waiting for input on the virtual display $DISPLAY; ending it"
        as_test_user "$WINESERVER" -k || true
    fi
fi
wait "$pid" || true
echo "talvek.exe ended"
[ "$own_display" -eq 1 ] && stop_display
if [ "$backup_run" -eq 1 ]; then
    [ -n "$ini_before" ] && [ "$ini_before" = "$(md5sum "$INI")" ] &&
        echo "not due: the configuration is unchanged (last record set $(ini_value 'Aktueller Datensatz' Datum), one every $(ini_value Einstellungen AlleXTage) day(s))"
    show_record_set
fi
if [ "$own_display" -eq 1 ] && [ -f "$shot" ]; then
    echo "screenshot of the virtual display: $shot"
fi
exit 0
