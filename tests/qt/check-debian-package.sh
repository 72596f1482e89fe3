#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Makes the Debian package from the build, holds it to lintian, unpacks it
# and checks what a desktop and a software centre read from it, then starts
# the unpacked program on a real X server. Nothing is installed.
#   usage: check-debian-package.sh BUILD_FOLDER SOURCE_FOLDER
set -u
build=$1 source=$2
id=example.dorvelan.Zerkovan
failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=1; }
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT

# As make package makes it, with its bill of materials.
cmake --build "$build" --target release >/dev/null || { fail "could not make the package"; exit 1; }
deb=$(ls "$build"/zerkovan_*_*.deb)
pass "made $(basename "$deb")"
/usr/bin/python3 "$source/tests/check-notices.py" deb "$build" || failed=1

lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$unpacked.lintian" 2>&1
status=$?
# It also warns that it runs as root, as the CI machine does.
report=$(grep -v 'running with root privileges' "$unpacked.lintian")
rm -f "$unpacked.lintian"
[ "$status" -eq 0 ] && pass "lintian: no error, no warning" || fail "lintian: $report"

dpkg-deb -x "$deb" "$unpacked"
share=$unpacked/usr/share
desktop-file-validate "$share/applications/$id.desktop" && pass "desktop entry validates" ||
    fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null &&
    pass "metainfo validates" || fail "metainfo: $(appstreamcli validate --no-net \
        "$share/metainfo/$id.metainfo.xml")"
grep -q '^Keywords\[bg\]=' "$share/applications/$id.desktop" || fail "no Bulgarian keywords"

for size in 16 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/$id.png
    actual=$(identify -format '%wx%h' "$icon" 2>/dev/null)
    [ "$actual" = "${size}x$size" ] || fail "$size-pixel icon is '$actual'"
done
[ -s "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
different=$(compare -metric AE "$share/icons/hicolor/32x32/apps/$id.png" \
    "$source/app/zerkovan.xpm" null: 2>&1)
[ "$different" = 0 ] && pass "icons at every size; the 32-pixel one is the window's own" ||
    fail "the 32-pixel icon differs from the window's in $different pixels"
[ -s "$share/man/man1/zerkovan.1.gz" ] || fail "no manual page"

"$source/tests/xvfb-session.sh" "$source/tests/qt/check-x11-program.sh" \
    "$unpacked/usr/bin/zerkovan" || fail "the unpacked program"
exit $failed
