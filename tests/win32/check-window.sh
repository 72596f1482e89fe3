#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Sets the prefix's DPI as a user sets it (Control Panel\Desktop's
# LogPixels), then runs checkwindow.exe against the program.
#   usage: check-window.sh DPI CHECKWINDOW.exe ZERKOVAN.exe [contrast]
set -u
dpi=$1 checker=$2 program=$3
shift 3
wine_run=$(dirname "$0")/../wine-run.sh
export WINEPREFIX=$ZERKOVAN_WINEPREFIX
trap '/usr/lib/wine/wineserver -k 2>/dev/null' EXIT
rm -rf "$ZERKOVAN_WINEPREFIX"
"$wine_run" --server
"$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
/usr/lib/wine/wineserver -k
/usr/lib/wine/wineserver -w
"$wine_run" "$checker" "$(sed 's#/#\\#g; s#^#Z:#' <<<"$program")" "$dpi" "$@"
