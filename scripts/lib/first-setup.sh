# Sourced by run.sh after fail.sh and wine-env.sh: a first backup run on a fresh prefix, and what it left.
#
# prepare_first_setup: the DOS part of a small Windows 95 system on the prefix's C: drive and
# the configuration a first apply of the setup dialog writes with every default (the ten
# system files, autostart on), so that `run.sh -s` makes a record set without a setup dialog.
# show_record_set: today's record set directory, its files and its protocol.

INI="$WINEPREFIX/drive_c/windows/Talvek95.ini"

# A Windows path of the prefix (C:\Talvek95\081226) as a host path.
host_path() {
    local drive=${1%%:*} rest=${1#*:}
    echo "$WINEPREFIX/dosdevices/${drive,,}:${rest//\\//}"
}

# The value of a key in a section of the configuration file (CP1252, CR LF).
ini_value() { # section key
    LC_ALL=C awk -v s="[$1]" -v k="$2" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == s); next }
        inside && index($0, k "=") == 1 { print substr($0, length(k) + 2); exit }' "$INI"
}

# A text file of the system (CP1252, CR LF) on this terminal.
show_text() {
    iconv -f CP1252 -t UTF-8 "$1" | tr -d '\r'
}

dos_file() { # name content attribute-flags...
    local name=$1 content=$2 path
    path=$(host_path "$name")
    shift 2
    [ -e "$path" ] && return
    printf '%s\r\n' "$content" | sed 's/|/\r\n/g' > "$path"
    give_to_test_user "$path"
    # Wine's attrib applies one "+" flag per line; read-only last, since hidden and system are
    # kept beside the file and an ordinary user cannot change them on a read-only file.
    local flag
    for flag in "$@"; do
        as_test_user "$WINE" cmd /c attrib "+$flag" "$name" >/dev/null 2>&1 ||
            die "Wine's attrib could not set +$flag on $name in $WINEPREFIX"
    done
}

prepare_first_setup() { # exe-path-as-windows-sees-it
    dos_file 'C:\AUTOEXEC.BAT' '@ECHO OFF|SET TEMP=C:\WINDOWS\TEMP|PATH C:\WINDOWS;C:\WINDOWS\COMMAND'
    dos_file 'C:\CONFIG.SYS' 'DEVICE=C:\WINDOWS\HIMEM.SYS|DOS=HIGH,UMB|FILES=40'
    dos_file 'C:\IO.SYS' 'stands in for the DOS kernel of Windows 95' h s r
    dos_file 'C:\COMMAND.COM' 'stands in for the command interpreter of MS-DOS 7.0'
    dos_file 'C:\MSDOS.SYS' '[Paths]|WinDir=C:\WINDOWS|WinBootDir=C:\WINDOWS|HostWinBootDrv=C|[Options]|BootGUI=1|BootMulti=1' h s r
    # Wine has no network setup and keeps its registry elsewhere: stand-ins for the rest of the
    # system file set, with the attributes Windows 95 gives its registry files.
    dos_file 'C:\windows\PROTOCOL.INI' '[ndishlp$]|DriverName=ndishlp$'
    dos_file 'C:\windows\SYSTEM.DAT' 'stands in for the machine part of the registry' h s r
    dos_file 'C:\windows\USER.DAT' 'stands in for the user part of the registry' h s r

    # What the setup's first apply writes: the first date lies the interval plus one day back,
    # so the first backup run is due; Wine's Windows directory is C:\windows.
    local first
    first=$(date -d '-2 days' +%d.%m.%y)
    {
        printf '[Einstellungen]\r\n'
        printf 'max. Anzahl der Datens\xe4tze=3\r\n'
        printf 'Recovery Directory=C:\\Talvek95\r\n'
        printf 'Batchfile=1\r\nBatchname=RECOVERY.BAT\r\nLogfile=1\r\nLogname=PROTOCOL.TXT\r\n'
        printf 'AlleXTage=1\r\nTalvek-Version=1.1\r\nAktiv=1\r\nfirstrun=1\r\n'
        printf '[Aktueller Datensatz]\r\nDatum=%s\r\n' "$first"
        printf '[Recovery Files]\r\n'
        local i=0 f
        for f in 'C:\AUTOEXEC.BAT' 'C:\CONFIG.SYS' 'C:\IO.SYS' 'C:\COMMAND.COM' 'C:\MSDOS.SYS' \
            'C:\windows\WIN.INI' 'C:\windows\SYSTEM.INI' 'C:\windows\PROTOCOL.INI' \
            'C:\windows\SYSTEM.DAT' 'C:\windows\USER.DAT'; do
            printf '%d=%s\r\n' "$i" "$f"
            i=$((i + 1))
        done
    } > "$INI"
    give_to_test_user "$INI"
    # The autostart entry; a path with a blank is quoted, or Windows would split it there.
    local command="$1 -s"
    [[ "$1" == *" "* ]] && command="\"$1\" -s"
    as_test_user "$WINE" reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' \
        /v Talvek95 /t REG_SZ /d "$command" /f >/dev/null 2>&1 ||
        die "Wine's reg could not write the autostart entry into $WINEPREFIX"
    echo "no configuration in the prefix: prepared a small Windows 95 system on its C: drive" \
        "and the configuration of a first setup (the ten system files, autostart on)"
}

show_record_set() {
    local today dir path log
    today=$(date +%d.%m.%y)
    if [ ! -f "$INI" ]; then
        echo "no configuration file: $INI"
        return
    fi
    dir=$(ini_value "$today" Directory)
    if [ -z "$dir" ]; then
        echo "no record set of today ($today); last record set: $(ini_value 'Aktueller Datensatz' Datum)"
        return
    fi
    path=$(host_path "$dir")
    echo "today's record set: $dir"
    echo "  on this machine: $path"
    ls -l "$path" | sed 's/^/  /'
    log=$(ini_value "$today" LogFile)
    if [ -n "$log" ] && [ -f "$path/$log" ]; then
        echo "protocol file $dir\\$log:"
        show_text "$path/$log" | sed 's/^/  | /'
    fi
}
