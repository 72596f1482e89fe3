#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The installer as a lab's administrator uses it, under Wine in a prefix of
# its own: silent install for the whole machine, its files, Start-menu
# shortcut and uninstall entry (named as the program's version record names
# it), the installed program at work, and a silent removal that leaves
# nothing behind. Then a desktop shortcut only on request, and the next
# version, which replaces this one in place.
# Wine puts a machine-wide install's shortcuts in the user's Start menu and
# desktop, and records the product's icon (ProductIcon) where Windows writes
# DisplayIcon; the checks take either.
#   usage: check-msi.sh INSTALLER.msi DEPLOY_FOLDER SOURCE_FOLDER ARCH LATER.msi LATER_DEPLOY_FOLDER
#          (on an X display)
set -u
msi=$1 deploy=$2 source=$3 arch=$4 later=$5 later_deploy=$6
tests=$(dirname "$0")
failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=1; }
scratch=$(mktemp -d)
export ZERKOVAN_WINEPREFIX=$scratch/prefix
trap 'WINEPREFIX=$ZERKOVAN_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT
# Wine links the user's Desktop to the home folder: keep it in here.
export HOME=$scratch/home
mkdir -p "$HOME"
wine() { "$tests/wine-run.sh" "$@"; }
drive=$ZERKOVAN_WINEPREFIX/drive_c
# The prefix is a 64-bit Windows: an x86 package goes where 32-bit programs
# go there, its folder and its registry keys alike.
if [ "$arch" = i686 ]; then
    programs="Program Files (x86)" software='HKLM\Software\Wow6432Node'
else
    programs="Program Files" software='HKLM\Software'
fi
folder="$drive/$programs/Zerkovan"
shortcut() { find -L "$drive/users" "$drive/ProgramData" -name Zerkovan.lnk -path "*/$1/*" 2>/dev/null | head -n 1; }
uninstall="$software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
ours="$software\\www.dorvelan.example"

property() { msiinfo export "$2" Property | sed -n "s/^$1\t//p" | tr -d '\r'; }
product_code() { property ProductCode "$1"; }
product_version() { property ProductVersion "$1"; }
# One value of a registry key, or nothing.
value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
key_exists() { wine reg query "$1" >/dev/null 2>&1; }
install() { wine msiexec /i "$@" /qn; }
remove() { wine msiexec /x "$1" /qn; }

code=$(product_code "$msi")
install "$msi" && pass "installed silently" || fail "msiexec /i ended with $?"
expected=$(cd "$deploy" && find . -type f | sort)
actual=$(cd "$folder" 2>/dev/null && find . -type f | sort)
[ "$actual" = "$expected" ] && [ -z "$(cd "$deploy" && find . -type f ! -exec cmp -s {} "$folder/{}" \; -print)" ] &&
    pass "$programs\\Zerkovan holds the deploy folder, file for file" ||
    fail "installed files: $(comm -3 <(echo "$expected") <(echo "$actual") | tr '\n' ' ')"
[ -n "$(shortcut "Start Menu/Programs")" ] && pass "a Start-menu shortcut" || fail "no Start-menu shortcut"
[ -z "$(shortcut Desktop)" ] && pass "nothing on the desktop unless asked" || fail "a desktop shortcut unasked"

# What Add/Remove Programs shows, against the version record of the exe.
record=$(/usr/bin/python3 "$tests/check-exe-resources.py" --print "$folder/Zerkovan.exe")
field() { sed -n "s/^$1=//p" <<<"$record"; }
entry="$uninstall\\$code"
for pair in "DisplayName=ProductName" "Publisher=CompanyName" "DisplayVersion=ProductVersion"; do
    shown=$(value "$entry" "${pair%%=*}")
    [ -n "$shown" ] && [ "$shown" = "$(field "${pair#*=}")" ] &&
        pass "Add/Remove Programs: ${pair%%=*} '$shown', the record's ${pair#*=}" ||
        fail "Add/Remove Programs: ${pair%%=*} is '$shown', the record says '$(field "${pair#*=}")'"
done
[ "$(value "$entry" URLInfoAbout)" = "https://$(field CompanyName)/" ] &&
    pass "Add/Remove Programs: the maker's web address" || fail "URLInfoAbout is '$(value "$entry" URLInfoAbout)'"
icon=$(value "$entry" DisplayIcon)
[ -n "$icon" ] || icon=$(wine reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null |
    tr -d '\r' | sed -n 's/^ *ProductIcon *REG_SZ *//p' | head -n 1)
icon_file=$drive/$(sed 's/^C://; s#\\#/#g' <<<"$icon")
cmp -s "$icon_file" "$source/app/zerkovan.ico" && pass "Add/Remove Programs: the program's icon" ||
    fail "the product's icon is '$icon'"

ZERKOVAN_WINEPREFIX=$ZERKOVAN_WINEPREFIX "$tests/../qt/check-x11-program.sh" "$tests/wine-run.sh" \
    "$folder/Zerkovan.exe" || fail "the installed program"

left_over() {
    [ -e "$folder" ] && echo "$programs\\Zerkovan"
    [ -n "$(shortcut "Start Menu/Programs")" ] && echo "the Start-menu shortcut"
    [ -n "$(shortcut Desktop)" ] && echo "the desktop shortcut"
    key_exists "$uninstall\\$1" && echo "the uninstall entry"
    key_exists "$ours" && echo "$ours"
}
remove "$msi" && pass "removed silently" || fail "msiexec /x ended with $?"
leftovers=$(left_over "$code")
[ -z "$leftovers" ] && pass "nothing of the program is left" || fail "left behind: $leftovers"

install "$msi" DESKTOPSHORTCUT=1 && [ -n "$(shortcut Desktop)" ] && pass "DESKTOPSHORTCUT=1 adds a desktop shortcut" ||
    fail "no desktop shortcut with DESKTOPSHORTCUT=1"

# The next version replaces this one in place; this one then refuses to go
# over it and changes nothing. Windows shows the refusal, in Bulgarian, as
# the package holds it; Wine's msiexec does not log it.
later_code=$(product_code "$later")
entries() { wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | grep -c '^ *DisplayName *REG_SZ *Zerkovan$'; }
shortcuts() { find -L "$drive/users" "$drive/ProgramData" -name Zerkovan.lnk -path "*/Start Menu/Programs/*" | wc -l; }
later_version=$(product_version "$later")
upgraded() {
    [ "$(entries)" = 1 ] && [ "$(value "$uninstall\\$later_code" DisplayVersion)" = "$later_version" ] &&
        cmp -s "$folder/Zerkovan.exe" "$later_deploy/Zerkovan.exe" && [ "$(shortcuts)" = 1 ]
}
install "$later"
upgraded && pass "$later_version replaces it in place: one uninstall entry, its program, one Start-menu shortcut" ||
    fail "after installing $later_version: $(entries) uninstall entries, $(shortcuts) Start-menu shortcuts, the program $(cmp -s "$folder/Zerkovan.exe" "$later_deploy/Zerkovan.exe" && echo is || echo "is not") $later_version's"
# The refusal in the Cyrillic code page, which the whole database is in, and
# 1603 as Wine's exit status gives it (modulo 256).
refusal=$(msiinfo export "$msi" LaunchCondition | sed -n 's/^NOT WIX_DOWNGRADE_DETECTED\t//p' | tr -d '\r')
codepage=$(msiinfo export "$msi" _ForceCodepage | tr -d '\r\0' | sed -n 's/\t_ForceCodepage$//p')
wine msiexec /i "$msi" /qn
status=$?
[ $status -eq $((1603 % 256)) ] && [ "$codepage" = 1251 ] && LC_ALL=C grep -q $'\xd0' <<<"$refusal" && upgraded &&
    pass "$(product_version "$msi") over $later_version is refused (1603), '$refusal'" ||
    fail "$(product_version "$msi") over $later_version: status $status, code page $codepage, refusal '$refusal'"
remove "$later"
leftovers=$(left_over "$later_code")
[ -z "$leftovers" ] && pass "removed again, nothing is left" || fail "left behind: $leftovers"
exit $failed
