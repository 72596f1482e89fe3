#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Runs a Windows executable under Wine, in the throwaway prefix of the build.
#   usage: wine-run.sh PROGRAM.exe [ARGUMENTS...]
#          wine-run.sh --server    starts the prefix's Wine server, kept running
# The prefix is a 64-bit one, as on 64-bit Windows, whose own programs and
# services run as they are. A 32-bit program (Zerkovan.exe) runs through
# Wine's 32-bit loader: as it is where this machine runs 32-bit code, and
# under qemu-i386's user-mode emulation where it does not, or where
# ZERKOVAN_WINE32=qemu asks for it. A 32-bit program started that way
# cannot start another itself: start each one from here.
# Environment: ZERKOVAN_WINEPREFIX, the prefix folder.
set -u
[ -n "${DISPLAY:-}" ] || { echo "FAIL: Wine needs an X display: run through xvfb-session.sh"; exit 1; }
export WINEPREFIX=${ZERKOVAN_WINEPREFIX:?set ZERKOVAN_WINEPREFIX}
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
# No menu builder: a shortcut an installer makes stays inside the prefix
# instead of reaching the desktop of the machine that runs the tests.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
mkdir -p "$WINEPREFIX"
wine64=/usr/lib/wine/wine64
[ -x "$wine64" ] || { echo "FAIL: $wine64 is missing (package wine64)"; exit 1; }
if [ "${1:-}" = --server ]; then
    /usr/lib/wine/wineserver -p
    # The prefix is made by the first program.
    exec "$wine64" cmd /c exit 0 >/dev/null 2>&1
fi

# The machine a PE file is built for, from its header: 014c for x86.
machine() {
    local header
    header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
    [ -n "$header" ] && od -An -tx2 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}
if [ ! -f "${1:-}" ] || [ "$(machine "$1")" != 014c ]; then
    exec "$wine64" "$@"
fi
wine32=/usr/lib/wine/wine
[ -x "$wine32" ] || { echo "FAIL: $wine32 is missing (package wine32:i386)"; exit 1; }
if [ "${ZERKOVAN_WINE32:-}" != qemu ] && "$wine32" --version >/dev/null 2>&1; then
    exec "$wine32" "$@"
fi
command -v qemu-i386 >/dev/null || { echo "FAIL: qemu-i386 is missing (package qemu-user)"; exit 1; }
# The prefix and its server are made natively; where no 32-bit program
# runs, wineboot cannot put Wine's 32-bit DLLs in syswow64 itself.
[ -e "$WINEPREFIX/system.reg" ] || "$wine64" wineboot -i >/dev/null 2>&1
syswow64=$WINEPREFIX/drive_c/windows/syswow64
# Wine must not exec its preloader, a 32-bit program the kernel refuses
# here; the guest gets 3 GB of address space below 0xc0000000, where
# Wine's fixed maps (the shared user data) fit.
export WINELOADERNOEXEC=1
# A prefix that a 64-bit program made first has no syswow64 at all, nor the
# 32-bit half of its registry (COM classes among it), which wineboot's own
# 32-bit rundll32 would have written: both are made once, under a lock, as
# the first 32-bit program comes.
(
    flock 9
    if [ ! -e "$syswow64/kernel32.dll" ]; then
        mkdir -p "$syswow64"
        cp -n /usr/lib/i386-linux-gnu/wine/i386-windows/* "$syswow64/"
        qemu-i386 -R 0xc0000000 -L / "$wine32" "$syswow64/rundll32.exe" \
            setupapi.dll,InstallHinfSection Wow64Install 128 '\\?\unix/usr/share/wine/wine.inf' >/dev/null 2>&1
    fi
) 9>"$WINEPREFIX/.syswow64.lock"
exec qemu-i386 -R 0xc0000000 -L / "$wine32" "$@"
