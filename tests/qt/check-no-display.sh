#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Without a display the program says why in one line and exits non-zero,
# with no abort and no Qt trace. When it does start, what the toolkit had to
# say while starting still reaches stderr.
set -u
program=$1
failed=0
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

check() {
    local what=$1 expected=$2; shift 2
    local err status lines
    err=$(mktemp)
    "$@" >"$err.out" 2>"$err"
    status=$?
    lines=$(wc -l <"$err")
    if [ "$status" -eq 0 ] || [ "$status" -ge 128 ] || [ "$lines" -ne 1 ] ||
        [ -s "$err.out" ] || ! grep -qF "zerkovan: cannot open the window: $expected" "$err"; then
        echo "FAIL: $what: exit $status, stderr:"; cat "$err"; failed=1
    else
        echo "PASS: $what: exit $status: $(cat "$err")"
    fi
    rm -f "$err" "$err.out"
}

# XDG_RUNTIME_DIR keeps the toolkit from warning that it is unset.
env=(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime")
check "no display" "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)" \
    "${env[@]}" "$program"
check "unreachable X display" 'X display ":4242" is not reachable' \
    "${env[@]}" DISPLAY=:4242 "$program"
check "unreachable Wayland display" 'Wayland display "zerkovan-none" is not reachable' \
    "${env[@]}" WAYLAND_DISPLAY=zerkovan-none "$program"
check "neither reachable" \
    'neither Wayland display "zerkovan-none" nor X display ":4242" is reachable' \
    "${env[@]}" WAYLAND_DISPLAY=zerkovan-none DISPLAY=:4242 "$program"
# Held back while starting, passed on once the window can open.
err=$(XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen timeout 2 "$program" -style none 2>&1)
if [ $? -eq 124 ] && grep -q "invalid style override 'none'" <<<"$err"; then
    echo "PASS: a warning while starting reaches stderr"
else
    echo "FAIL: a warning while starting was lost: $err"; failed=1
fi
exit $failed
