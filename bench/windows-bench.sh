#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The Windows edition's figures, each beside its target: the sizes of
# Zerkovan.exe, the zip and the installer, and under Wine on an X server
# of its own the start until the window is shown, the display click with
# "99" until the output is painted, and the resident memory then. Wine
# runs the 32-bit program where this machine runs 32-bit programs; where it
# does not, its 64-bit twin (make bench builds it), since emulation would
# time qemu rather than the program.
#   usage: windows-bench.sh WINDOWS_BUILD_FOLDER
set -euo pipefail
build=$1
kib() { echo $(($(stat -c %s "$1") / 1024)); }
echo
echo "Windows (target in brackets)"
# FIGURE TARGET: met or NOT MET, as every benchmark here says it.
verdict() { [ "$1" -le "$2" ] && echo met || echo "NOT MET"; }
exe=$(kib "$build/deploy/Zerkovan.exe")
printf '  %-38s %6s kB  [<= 1024] %s\n' "Zerkovan.exe" "$exe" "$(verdict "$exe" 1024)"
printf '  %-38s %6s kB\n' "$(basename "$build"/Zerkovan-*-windows-*.zip)" "$(kib "$build"/Zerkovan-*-windows-*.zip)"
printf '  %-38s %6s kB\n' "$(basename "$build"/Zerkovan-*.msi)" "$(kib "$build"/Zerkovan-*.msi)"

program=$build/deploy/Zerkovan.exe
loader=wine
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    loader=wine64
    program=$build-x86_64/deploy/Zerkovan.exe
    [ -f "$program" ] || { echo "  $program is missing: make bench builds it"; exit 1; }
fi
export ZERKOVAN_WINEPREFIX
ZERKOVAN_WINEPREFIX=$(mktemp -d)
trap 'WINEPREFIX=$ZERKOVAN_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null; rm -rf "$ZERKOVAN_WINEPREFIX"' EXIT
figures=$("$(dirname "$0")/../tests/xvfb-session.sh" /usr/bin/python3 "$(dirname "$0")/wine-bench.py" "$program" 7)
field() { /usr/bin/python3 -c "import json,sys; print(json.loads(sys.argv[1])[sys.argv[2]])" "$figures" "$1"; }
echo "  under $loader, $(basename "$(dirname "$(dirname "$program")")"), median of 7:"
start=$(field start_ms) click=$(field click_99_ms)
printf '  %-38s %6s ms  [<= 1000] %s\n' "start until the window is shown" "$start" \
    "$(verdict "${start%.*}" 1000)"
printf '  %-38s %6s ms  [<= 100] %s\n' "click with 99 until the output changes" "$click" \
    "$(verdict "${click%.*}" 100)"
printf '  %-38s %6s kB\n' "resident memory after the click" "$(field resident_kib)"
