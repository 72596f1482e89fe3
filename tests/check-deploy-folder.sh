#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The deploy folder holds exactly what Zerkovan.exe needs to run on a
# Windows machine with nothing installed: every DLL that the program or a
# plugin imports is in the folder or is part of Windows (as Wine provides
# it), every DLL in the folder is imported by something in it, and beside
# them stand only the platform and style plugins and Qt's Bulgarian texts.
# The zip holds the same files under one folder of its name.
#   usage: check-deploy-folder.sh DEPLOY_FOLDER ZIP
set -u
deploy=$1 zip=$2
windows=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
objdump=x86_64-w64-mingw32-objdump
failed=0
fail() { echo "FAIL: $*"; failed=1; }
[ -f "$deploy/Zerkovan.exe" ] || { fail "no Zerkovan.exe in $deploy"; exit 1; }
[ -d "$windows" ] || { fail "$windows is missing (package libwine)"; exit 1; }

lower() { tr '[:upper:]' '[:lower:]'; }
plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll)
others=(translations/qtbase_bg.qm LICENSE.txt THIRD-PARTY-NOTICES.txt)

imported=()
for binary in "$deploy/Zerkovan.exe" "$deploy"/*.dll "${plugins[@]/#/$deploy/}"; do
    [ -f "$binary" ] || { fail "${binary#"$deploy/"} is missing"; continue; }
    while read -r dll; do
        imported+=("$dll")
        if [ -e "$deploy/$dll" ]; then continue; fi
        # API sets (api-ms-*, ext-ms-*) are names the Windows loader resolves.
        case $(lower <<<"$dll") in api-ms-* | ext-ms-*) continue ;; esac
        [ -e "$windows/$(lower <<<"$dll")" ] || fail "${binary#"$deploy/"} needs $dll, which is not there"
    done < <($objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p')
done

for dll in "$deploy"/*.dll; do
    name=$(basename "$dll")
    printf '%s\n' "${imported[@]}" | grep -qixF "$name" || fail "$name is in the folder but nothing imports it"
done
expected=$( (echo Zerkovan.exe; cd "$deploy" && ls -- *.dll; printf '%s\n' "${plugins[@]}" "${others[@]}") | sort)
actual=$(cd "$deploy" && find . -type f | sed 's#^\./##' | sort)
[ "$actual" = "$expected" ] || fail "unexpected files: $(comm -13 <(echo "$expected") <(echo "$actual") | tr '\n' ' ')"
for file in "${others[@]}"; do [ -s "$deploy/$file" ] || fail "$file is missing"; done

top=$(basename "$zip" .zip)
zipped=$(unzip -Z1 "$zip" 2>/dev/null | grep -v '/$' | sed "s#^$top/##" | sort)
[ "$zipped" = "$actual" ] || fail "$(basename "$zip") does not hold the deploy folder's files under $top/"
scratch=$(mktemp -d)
unzip -q "$zip" -d "$scratch" && diff -r "$deploy" "$scratch/$top" >/dev/null ||
    fail "the zipped files differ from the deploy folder's"
rm -rf "$scratch"

[ $failed -eq 0 ] && echo "PASS: $(wc -l <<<"$actual") files, $(du -sh "$deploy" | cut -f1): all needed, nothing more"
exit $failed
