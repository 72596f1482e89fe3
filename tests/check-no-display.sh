#!/usr/bin/env bash
# Without a display the program says so in one line and exits non-zero,
# with no abort and no Qt trace.
set -u
program=$1
failed=0

check() {
    local what=$1; shift
    local err status
    err=$(mktemp)
    "$@" >"$err.out" 2>"$err"
    status=$?
    local lines
    lines=$(wc -l <"$err")
    if [ "$status" -eq 0 ] || [ "$status" -ge 128 ] || [ "$lines" -ne 1 ] ||
        [ -s "$err.out" ] || ! grep -q '^zerkovan: cannot open the window' "$err"; then
        echo "FAIL: $what: exit $status, stderr:"; cat "$err"; failed=1
    else
        echo "PASS: $what: exit $status: $(cat "$err")"
    fi
    rm -f "$err" "$err.out"
}

check "no DISPLAY" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
check "unreachable DISPLAY" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4242 "$program"
exit $failed
