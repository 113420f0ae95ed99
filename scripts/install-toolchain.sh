#!/usr/bin/env bash
# Installs the cross toolchain, Wine and the test libraries on Debian 12 (as root).
# Idempotent: does nothing when every tool is already there.
set -euo pipefail

packages=(cmake make ninja-build git g++-mingw-w64-i686-posix mingw-w64-tools wine wine32:i386
          libwine-dev:i386 googletest libxml2-utils)

missing() {
    for tool in cmake make ninja git i686-w64-mingw32-g++-posix i686-w64-mingw32-widl \
                i686-w64-mingw32-windres wine xmllint; do
        command -v "$tool" >/dev/null 2>&1 || return 0
    done
    [ -f /usr/src/googletest/CMakeLists.txt ] || return 0
    [ -f /usr/include/wine/wine/windows/oaidl.idl ] || return 0
    [ -f /usr/lib/i386-linux-gnu/wine/i386-windows/stdole2.tlb ] || return 0
    return 1
}

missing || exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "install-toolchain: packages are missing and this is not root; install as root: ${packages[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
dpkg --add-architecture i386
apt-get update
apt-get install -y --no-install-recommends ca-certificates "${packages[@]}"
