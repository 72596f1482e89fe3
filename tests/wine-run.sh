#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Runs a Windows executable under Wine, in the throwaway prefix of the build.
#   usage: wine-run.sh [--qtest] PROGRAM.exe [ARGUMENTS...]
# --qtest has a QTest executable write its log to a file and prints that:
# under Wine its plain standard output can be lost.
# Environment: ZERKOVAN_WINEPREFIX (the prefix folder) and
# ZERKOVAN_WINE_DLL_DIRS (colon-separated folders to find DLLs in).
set -u
qtest=0
if [ "${1:-}" = --qtest ]; then qtest=1; shift; fi
wine=/usr/lib/wine/wine64
[ -x $wine ] || { echo "FAIL: $wine is missing (package wine64)"; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "FAIL: Wine needs an X display: run through xvfb-session.sh"; exit 1; }

windows_path() { echo "Z:${1//\//\\}"; }
dll_dirs=()
IFS=: read -r -a unix_dirs <<<"${ZERKOVAN_WINE_DLL_DIRS:-}"
for dir in "${unix_dirs[@]}"; do dll_dirs+=("$(windows_path "$dir")"); done

export WINEPREFIX=${ZERKOVAN_WINEPREFIX:?set ZERKOVAN_WINEPREFIX}
export WINEPATH=$(IFS=';'; echo "${dll_dirs[*]}")
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
# No menu builder: a shortcut an installer makes stays inside the prefix
# instead of reaching the desktop of the machine that runs the tests.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
mkdir -p "$WINEPREFIX"
# Wine keeps the toolkit's QT_* variables from Windows programs (they are
# meant for the Linux one) but passes WINEQT_* on as QT_*. Absolute paths in
# them become paths on Wine's drive Z:.
while IFS='=' read -r name value; do
    export "WINE$name=$(sed -E 's#(^|=)/#\1Z:/#g' <<<"$value")"
done < <(env | grep '^QT_')

if [ $qtest -eq 0 ]; then
    exec $wine "$@"
fi
log=$(mktemp --suffix=.txt)
trap 'rm -f "$log"' EXIT
program=$1; shift
$wine "$program" -o "$(windows_path "$log"),txt" "$@" >/dev/null 2>&1
status=$?
cat "$log"
exit $status
