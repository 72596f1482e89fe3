#!/usr/bin/env bash
# Reads the version record and the icon back out of the built Zerkovan.exe.
#   usage: check-exe-resources.sh Zerkovan.exe EXPECTED.ico
set -u
exe=$1 icon=$2
command -v wrestool >/dev/null || { echo "FAIL: wrestool is missing (package icoutils)"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

wrestool --extract --raw --type=16 "$exe" >"$scratch/version" &&
    "$(dirname "$0")/check-version-record.py" --raw "$scratch/version" || failed=1

wrestool --extract --type=14 "$exe" >"$scratch/icon.ico"
listing=$(icotool --list "$scratch/icon.ico" 2>/dev/null)
# The same pixels and mask as the icon file the resource script names.
different=$(compare -metric AE "$scratch/icon.ico" "$icon" null: 2>&1)
if [ "$listing" = "--icon --index=1 --width=32 --height=32 --bit-depth=8 --palette-size=256" ] &&
    [ "$different" = 0 ]; then
    echo "PASS: the icon resource is the 32x32, 256-colour $(basename "$icon")"
else
    echo "FAIL: the icon resource is '$listing', $different pixels unlike $(basename "$icon")"
    failed=1
fi
exit $failed
