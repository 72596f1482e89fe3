#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The deploy folder holds what a Windows machine with nothing installed
# needs: Zerkovan.exe alone, at most 1 MB, with its terms and notices
# beside it. The zip holds the same files under one folder of its name.
#   usage: check-deploy-folder.sh DEPLOY_FOLDER ZIP
set -u
deploy=$1 zip=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }
expected=$(printf '%s\n' LICENSE.txt THIRD-PARTY-NOTICES.txt Zerkovan.exe)
actual=$(cd "$deploy" && find . -type f | sed 's#^\./##' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "the folder holds $(tr '\n' ' ' <<<"$actual")"
size=$(stat -c %s "$deploy/Zerkovan.exe" 2>/dev/null || echo 0)
[ "$size" -gt 0 ] && [ "$size" -le 1048576 ] || fail "Zerkovan.exe is $size bytes, not 1 MB at most"

top=$(basename "$zip" .zip)
zipped=$(unzip -Z1 "$zip" 2>/dev/null | grep -v '/$' | sed "s#^$top/##" | LC_ALL=C sort)
[ "$zipped" = "$actual" ] || fail "$(basename "$zip") does not hold the deploy folder's files under $top/"
scratch=$(mktemp -d)
unzip -q "$zip" -d "$scratch" && diff -r "$deploy" "$scratch/$top" >/dev/null ||
    fail "the zipped files differ from the deploy folder's"
rm -rf "$scratch"

[ $failed -eq 0 ] && echo "PASS: Zerkovan.exe ($((size / 1024)) kB), its terms and notices, the same in the zip"
exit $failed
