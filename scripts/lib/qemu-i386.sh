#!/usr/bin/env bash
# Runs a command with 32-bit (i386) Linux programs going through qemu-user, for machines whose
# kernel runs no 32-bit code: 32-bit Wine then starts. Needs root and qemu-i386 9 or later
# (setup.sh installs it; older ones take about a minute to start each Wine process).
# The handler goes into a binfmt_misc of a user and mount namespace of the command's own
# (Linux 6.7 and later), so no other process on the machine sees it; while it is registered
# machine-wide, 64-bit Wine would start its 32-bit helpers through qemu too, and a machine that
# runs 32-bit code natively would run all of it through qemu. On older kernels it is registered
# machine-wide for the command's time and removed afterwards, however the command ends.
# Usage: qemu-i386.sh command [argument...]
set -uo pipefail
source "$(dirname "$0")/fail.sh"
QEMU=/usr/bin/qemu-i386
HANDLER=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'$QEMU':F'
BINFMT=/proc/sys/fs/binfmt_misc

register() {
    { [ -e "$BINFMT/register" ] || mount -t binfmt_misc binfmt_misc "$BINFMT" 2>/dev/null; } &&
        printf '%s' "$HANDLER" > "$BINFMT/register" 2>/dev/null
}

if [ "${1:-}" = --inside ]; then
    # In the new namespaces, once the outer shell has mapped the ids (a fresh exec: the shell
    # that made the namespace keeps credentials that fail on files of other users).
    shift
    mark=$1
    shift
    register || exit 1
    echo registered > "$mark"
    exec "$@"
fi

[ "$(id -u)" -eq 0 ] || die "32-bit programs can only run through qemu-user as root (binfmt_misc); run as root"
major=$("$QEMU" --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p')
[ "${major:-0}" -ge 9 ] || die "$QEMU 9 or later is needed (found: ${major:-none}); bash scripts/setup.sh installs it"
[ $# -gt 0 ] || die "usage: $0 command [argument...]"

# Every id maps to itself, so the test user and its files are the same inside.
mark=$(mktemp)
unshare --user --mount --propagation private sh -c \
    'i=0; while [ "$(id -u)" != 0 ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i + 1)); done
     [ "$(id -u)" = 0 ] && exec "$@"' sh "$0" --inside "$mark" "$@" &
child=$!
mapped=0
for _ in $(seq 1 100); do
    [ -e "/proc/$child/gid_map" ] || break
    if echo "0 0 4294967295" > "/proc/$child/gid_map" 2>/dev/null &&
        echo "0 0 4294967295" > "/proc/$child/uid_map" 2>/dev/null; then
        mapped=1
        break
    fi
    sleep 0.02
done
[ "$mapped" -eq 1 ] || kill "$child" 2>/dev/null
wait "$child"
rc=$?
if [ -s "$mark" ]; then
    rm -f "$mark"
    exit "$rc"
fi
rm -f "$mark"

# No binfmt_misc of its own in a namespace (a kernel before 6.7): machine-wide, for this command.
if [ -e "$BINFMT/qemu-i386" ]; then
    echo "note: a qemu-i386 handler is already registered on this machine; using it" >&2
    "$@"
    exit
fi
register || die "could not register $QEMU with binfmt_misc (mount -t binfmt_misc binfmt_misc $BINFMT failed or was refused)"
trap 'echo -1 > "$BINFMT/qemu-i386"' EXIT
trap 'exit 130' INT TERM
"$@"
