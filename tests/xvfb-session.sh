#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Runs a command on a fresh Xvfb server of its own and stops the server after.
# The server takes the first free display number itself (-displayfd), so two
# checks started at the same moment never get the same one, as they can with
# xvfb-run -a, which picks the number before the server claims it. It does
# not reset between clients, and a first client must get in before the
# command starts.
#   usage: xvfb-session.sh COMMAND [ARGUMENTS...]
set -u
command -v Xvfb >/dev/null || { echo "FAIL: Xvfb is not installed (package xvfb)"; exit 1; }
dir=$(mktemp -d)
server=
# The server gets 10 s to end after SIGTERM, then SIGKILL: the result stands.
trap '[ -n "$server" ] && kill $server 2>/dev/null &&
      { timeout 10 tail --pid=$server -f /dev/null || kill -9 $server; wait $server 2>/dev/null; }
      rm -rf "$dir"' EXIT
mkfifo "$dir/display"
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1024x768x24 3>"$dir/display" >"$dir/log" 2>&1 &
server=$!
if ! read -r -t 60 number <"$dir/display"; then
    echo "FAIL: Xvfb did not start:"
    cat "$dir/log"
    exit 1
fi
export DISPLAY=:$number
for _ in $(seq 300); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "FAIL: Xvfb on $DISPLAY takes no client"; exit 1; }
"$@"
