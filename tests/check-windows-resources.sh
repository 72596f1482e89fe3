#!/usr/bin/env bash
# Compiles the Windows resource script with MinGW's windres and checks the
# version record it holds.
set -eu
rc=$1
windres=x86_64-w64-mingw32-windres
headers=/usr/share/mingw-w64/include
command -v $windres >/dev/null || { echo "FAIL: $windres missing (binutils-mingw-w64)"; exit 1; }
out=$(mktemp --suffix=.res)
trap 'rm -f "$out"' EXIT
$windres --preprocessor=cpp --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32 \
    --preprocessor-arg=-I$headers -I "$(dirname "$rc")" -O res "$rc" -o "$out"

strings=$(strings -el "$out")
for expected in 040904B0 ProductName FileDescription InternalName Comments \
    OriginalFilename Zerkovan.exe FileVersion ProductVersion 1.00 CompanyName \
    LegalCopyright www.dorvelan.example; do
    grep -qx -- "$expected" <<<"$strings" || { echo "FAIL: no '$expected' in the version record"; exit 1; }
done
[ "$(grep -cx Zerkovan <<<"$strings")" -eq 4 ] || { echo "FAIL: Zerkovan should name 4 fields"; exit 1; }
# VS_FIXEDFILEINFO: signature, structure version, then 1.0.0.0 twice.
xxd -p "$out" | tr -d '\n' | grep -q 'bd04effe''00000100''00000100''00000000''00000100''00000000' ||
    { echo "FAIL: the fixed version is not 1.0.0.0"; exit 1; }
echo "PASS: $rc compiles; version record and icon present"
