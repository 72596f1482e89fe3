#!/usr/bin/env bash
# Installs into a scratch prefix and validates what a desktop needs.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=example.dorvelan.Zerkovan
for file in bin/zerkovan share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/32x32/apps/$id.xpm; do
    [ -e "$prefix/$file" ] || { echo "FAIL: $file not installed"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
echo "PASS: installed and validated"
