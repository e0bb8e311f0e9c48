# Sourced after fail.sh (for SCRIPT_NAME) by the scripts that install packages, which set SUDO.
# A Debian mirror in the middle of a sync serves index files of the wrong size for a few minutes:
# apt-get update is tried again before it counts as failed, and then the lists it already has
# are used, so that a machine with everything installed still goes on; a package that cannot be
# found then fails the install, with its own message.
apt_update() {
    local wait
    for wait in 15 30 60 90 0; do
        ${SUDO:-} apt-get update -qq && return 0
        [ "$wait" -eq 0 ] && break
        echo "$SCRIPT_NAME: apt-get update failed; trying again in $wait s (a mirror may be syncing)" >&2
        sleep "$wait"
    done
    echo "$SCRIPT_NAME: apt-get update failed five times; going on with the package lists already here" >&2
}
