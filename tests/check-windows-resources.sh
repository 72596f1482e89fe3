#!/usr/bin/env bash
# Compiles the Windows resource script with MinGW's windres and reads the
# version record back out of the result.
set -eu
rc=$1
windres=x86_64-w64-mingw32-windres
headers=/usr/share/mingw-w64/include
command -v $windres >/dev/null || { echo "FAIL: $windres missing (binutils-mingw-w64)"; exit 1; }
out=$(mktemp --suffix=.res)
trap 'rm -f "$out"' EXIT
$windres --preprocessor=cpp --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32 \
    --preprocessor-arg=-I$headers -I "$(dirname "$rc")" -O res "$rc" -o "$out"
"$(dirname "$0")/check-version-record.py" --res "$out"
