#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 (run as root or with sudo).
source "$(dirname "$0")/lib/fail.sh"
source "$(dirname "$0")/lib/apt.sh"
stop_on_failure
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
fi
need=()
command -v cmake >/dev/null || need+=(cmake)
command -v python3 >/dev/null || need+=(python3)
command -v g++ >/dev/null || need+=(g++)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -d /usr/src/googletest ] || need+=(googletest)
command -v i686-w64-mingw32-g++-win32 >/dev/null || need+=(g++-mingw-w64-i686-win32)
command -v x86_64-w64-mingw32-g++-win32 >/dev/null || need+=(g++-mingw-w64-x86-64-win32)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
[ -x /usr/lib/wine/wine ] || need+=(wine32:i386)
command -v wine >/dev/null || need+=(wine)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdpyinfo >/dev/null || need+=(x11-utils)
command -v convert >/dev/null && convert -version 2>/dev/null | grep -q ImageMagick || need+=(imagemagick)
[ -d /usr/share/fonts/truetype/liberation ] || need+=(fonts-liberation)
[ -f /usr/share/i18n/locales/de_DE ] || need+=(locales)
command -v zip >/dev/null || need+=(zip)
command -v unzip >/dev/null || need+=(unzip)
command -v clang++ >/dev/null || need+=(clang)
[ -n "$(ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a 2>/dev/null)" ] ||
    need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
    echo "installing: ${need[*]}"
    if [ -n "$SUDO" ] && ! command -v sudo >/dev/null; then
        die "missing packages and no sudo: as root, run apt-get install ${need[*]}"
    fi
    dpkg --print-foreign-architectures | grep -q i386 || $SUDO dpkg --add-architecture i386 ||
        die "could not add the i386 architecture (dpkg --add-architecture i386) for wine32"
    apt_update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" ||
        die "could not install ${need[*]}; check the network and the apt sources, then run again"
fi
# Where the kernel runs no 32-bit code, test.sh runs the i686 exe through qemu-user, which needs
# qemu 9 or later: Debian 12's qemu 7.2 searches the address space page by page for each mapping
# and spends about a minute starting every 32-bit Wine process (a prefix boots in nine minutes
# instead of half a minute). Debian 12 has a newer one in its backports, added from the mirror
# this machine already uses.
qemu_major() {
    local v
    v=$(/usr/bin/qemu-i386 --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p')
    echo "${v:-0}"
}
needs_qemu() { [ "${TALVEK_I686:-}" = qemu ] || ! /usr/lib/wine/wine --version >/dev/null 2>&1; }
if [ "$(id -u)" -eq 0 ] && needs_qemu && [ "$(qemu_major)" -lt 9 ]; then
    . /etc/os-release
    if ! apt-cache policy | grep -q " ${VERSION_CODENAME}-backports/main "; then
        mirror=$(apt-cache policy | sed -n "s|^ *[0-9]* \([a-z]*://[^ ]*\) ${VERSION_CODENAME}/main .*|\1|p" | head -1)
        [ -n "$mirror" ] || die "no apt source for ${VERSION_CODENAME}/main to take ${VERSION_CODENAME}-backports from; install qemu-user 9 or later by hand"
        echo "adding ${VERSION_CODENAME}-backports ($mirror) for qemu-user"
        echo "deb $mirror ${VERSION_CODENAME}-backports main" > /etc/apt/sources.list.d/${VERSION_CODENAME}-backports.list
        apt_update
    fi
    echo "installing: qemu-user from ${VERSION_CODENAME}-backports"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -t "${VERSION_CODENAME}-backports" qemu-user >/dev/null ||
        die "could not install qemu-user from ${VERSION_CODENAME}-backports; check the network and the apt sources"
fi
# The Wine prefix runs in German (wine-env.sh): message box buttons "Ja", "Nein", German dialogs.
if ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
    echo "generating the locale de_DE.UTF-8"
    $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen &&
        $SUDO locale-gen >/dev/null || die "could not generate the locale de_DE.UTF-8 (locale-gen)"
fi
