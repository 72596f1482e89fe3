#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Runs a command on a fresh headless Weston, as on a desktop that has a
# Wayland display and no X display.
set -u
command -v weston >/dev/null || { echo "FAIL: weston is not installed (package weston)"; exit 1; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=zerkovan-$$
XDG_RUNTIME_DIR=$runtime weston --no-config --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 --width=1024 --height=768 >"$runtime/weston.log" 2>&1 &
weston=$!
# weston gets 10 s to end after SIGTERM, then SIGKILL: the result stands.
trap 'kill $weston 2>/dev/null; timeout 10 tail --pid=$weston -f /dev/null || kill -9 $weston 2>/dev/null
      wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.1
done
[ -S "$runtime/$socket" ] || { echo "FAIL: weston did not start:"; cat "$runtime/weston.log"; exit 1; }
# Headless Weston has no seat, and the toolkit's Wayland text-input support
# dereferences the missing seat on the first key; the compose input method
# (the one X11 uses) stands in. A real desktop always has a seat.
env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" \
    QT_IM_MODULE=compose "$@"
