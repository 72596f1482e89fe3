#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The engine built for Windows, run under Wine, and built for this machine
# give the same output for every input the sweep tries: MinGW's runtime,
# not glibc, reads and writes the numbers there.
#   usage: check-engine.sh WINE_RUN SWEEP.exe HOST_SWEEP
set -u
wine_run=$1 windows=$2 host=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$host" >"$scratch/host"
# Windows writes its lines with CR LF.
"$wine_run" "$windows" | tr -d '\r' >"$scratch/windows"
lines=$(wc -l <"$scratch/host")
if [ "$lines" -gt 1000 ] && cmp -s "$scratch/host" "$scratch/windows"; then
    echo "PASS: $lines runs of the engine, the same bytes under Wine as on Linux"
    exit 0
fi
echo "FAIL: the engine under Wine differs from Linux's ($lines runs):"
diff "$scratch/host" "$scratch/windows" | head -n 10
exit 1
