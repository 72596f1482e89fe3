#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Runs a Windows executable under Wine, in the throwaway prefix of the build.
#   usage: wine-run.sh PROGRAM.exe [ARGUMENTS...]
#          wine-run.sh --server    starts the prefix's Wine server, kept running
# Environment: ZERKOVAN_WINEPREFIX (the prefix folder) and ZERKOVAN_WINE,
# the loader: /usr/lib/wine/wine for 32-bit programs (package wine32), in a
# 32-bit prefix, as on 32-bit Windows; /usr/lib/wine/wine64 by default.
set -u
wine=${ZERKOVAN_WINE:-/usr/lib/wine/wine64}
[ -x "$wine" ] || { echo "FAIL: $wine is missing (package wine64 or wine32)"; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "FAIL: Wine needs an X display: run through xvfb-session.sh"; exit 1; }

export WINEPREFIX=${ZERKOVAN_WINEPREFIX:?set ZERKOVAN_WINEPREFIX}
[ "$(basename "$wine")" = wine ] && export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
# No menu builder: a shortcut an installer makes stays inside the prefix
# instead of reaching the desktop of the machine that runs the tests.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
mkdir -p "$WINEPREFIX"
if [ "${1:-}" = --server ]; then
    /usr/lib/wine/wineserver -p
    # The prefix is made by the first program.
    exec "$wine" cmd /c exit 0 >/dev/null 2>&1
fi
exec "$wine" "$@"
