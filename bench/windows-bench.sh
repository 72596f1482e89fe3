#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The Windows edition's figures, each beside its target: the sizes of
# Zerkovan.exe, the zip and the installer, and under Wine on an X server
# of its own the start until the window is shown, the display click with
# "99" until the output is painted, and the resident memory then. Wine
# runs the 32-bit program where this machine runs 32-bit programs, and its
# 64-bit twin (make test-windows builds it) where it does not.
#   usage: windows-bench.sh WINDOWS_BUILD_FOLDER
set -euo pipefail
build=$1
kib() { echo $(($(stat -c %s "$1") / 1024)); }
echo
echo "Windows (target in brackets)"
printf '  %-38s %6s kB  (at most 1024)\n' "Zerkovan.exe" "$(kib "$build/deploy/Zerkovan.exe")"
printf '  %-38s %6s kB\n' "$(basename "$build"/Zerkovan-*-windows-*.zip)" "$(kib "$build"/Zerkovan-*-windows-*.zip)"
printf '  %-38s %6s kB\n' "$(basename "$build"/Zerkovan-*.msi)" "$(kib "$build"/Zerkovan-*.msi)"

program=$build/deploy/Zerkovan.exe
export ZERKOVAN_WINE=/usr/lib/wine/wine
if ! "$ZERKOVAN_WINE" --version >/dev/null 2>&1; then
    ZERKOVAN_WINE=/usr/lib/wine/wine64
    program=$build-x86_64/deploy/Zerkovan.exe
    [ -f "$program" ] || { echo "  $program is missing: make test-windows builds it"; exit 1; }
fi
export ZERKOVAN_WINEPREFIX
ZERKOVAN_WINEPREFIX=$(mktemp -d)
trap 'WINEPREFIX=$ZERKOVAN_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null; rm -rf "$ZERKOVAN_WINEPREFIX"' EXIT
figures=$("$(dirname "$0")/../tests/xvfb-session.sh" /usr/bin/python3 "$(dirname "$0")/wine-bench.py" "$program" 7)
field() { /usr/bin/python3 -c "import json,sys; print(json.loads(sys.argv[1])[sys.argv[2]])" "$figures" "$1"; }
echo "  under $(basename "$ZERKOVAN_WINE"), $(basename "$(dirname "$(dirname "$program")")"), median of 7:"
printf '  %-38s %6s ms  (at most 1000)\n' "start until the window is shown" "$(field start_ms)"
printf '  %-38s %6s ms  (at most 100)\n' "click with 99 until the output changes" "$(field click_99_ms)"
printf '  %-38s %6s kB\n' "resident memory after the click" "$(field resident_kib)"
