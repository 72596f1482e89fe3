#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Sets the prefix's DPI as a user sets it (Control Panel\Desktop's
# LogPixels), starts the program, and runs checkwindow.exe against it. With
# workarea, the screen's work area leaves room for a taskbar at the left
# and ends 640 pixels down, as a desktop that Wine follows says
# (_NET_WORKAREA).
#   usage: check-window.sh DPI CHECKWINDOW.exe ZERKOVAN.exe
#          [contrast|workarea|windows7|windows81]
set -u
dpi=$1 checker=$2 program=$3
shift 3
wine_run=$(dirname "$0")/wine-run.sh
export WINEPREFIX=$ZERKOVAN_WINEPREFIX
started=
trap '[ -n "$started" ] && kill $started 2>/dev/null; /usr/lib/wine/wineserver -k 2>/dev/null' EXIT
rm -rf "$ZERKOVAN_WINEPREFIX"
"$wine_run" --server
"$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
/usr/lib/wine/wineserver -k
/usr/lib/wine/wineserver -w
if [ "${1:-}" = workarea ]; then
    xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA 64,0,960,640
fi
"$wine_run" --server
case ${1:-} in
windows7 | windows81)
    # The checker first: it hooks every window's creation, and then the
    # program starts as on that Windows.
    said=$(mktemp)
    "$wine_run" "$checker" "$dpi" "$@" >"$said" &
    checking=$!
    timeout 300 sh -c 'until grep -q "^ready for the program" "$1" || ! kill -0 $2; do
                           sleep 0.1; done' - "$said" $checking 2>/dev/null
    "$wine_run" "$program" &
    started=$!
    wait $checking
    status=$?
    cat "$said"
    rm -f "$said"
    ;;
*)
    "$wine_run" "$program" &
    started=$!
    "$wine_run" "$checker" "$dpi" "$@"
    status=$?
    ;;
esac
# The checker closed the window; the program's process ends, with 0.
timeout 60 tail --pid=$started -f /dev/null
if kill -0 $started 2>/dev/null; then
    echo "FAIL: the program still runs after the checker"
    exit 1
fi
wait $started || { echo "FAIL: the program ended with status $?"; status=1; }
started=
exit $status
