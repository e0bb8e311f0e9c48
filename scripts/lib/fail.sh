# Sourced first by every entry point: a step that fails ends the script with one line that says
# what failed and what to do, never with a silent exit status.
SCRIPT_NAME=$(basename "$0")

# Ends the script with one line: what failed, and what to do about it.
die() {
    echo "$SCRIPT_NAME: $*" >&2
    exit 1
}

# For scripts that stop at the first failing command (set -e): a command that has no message of
# its own still says where the script stopped. Printed once, by the script's own shell, not again
# by each function or subshell the failure passes through.
stop_on_failure() {
    set -euE -o pipefail
    trap 'rc=$?; if [ "$BASH_SUBSHELL" -eq 0 ] && [ -z "${FAIL_SAID:-}" ]; then FAIL_SAID=1
        echo "$SCRIPT_NAME: line $LINENO failed (status $rc): $BASH_COMMAND; run it again with bash -x $0 to see why" >&2; fi' ERR
}
