#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The installer as a lab's administrator uses it, under Wine in a prefix of
# its own: silent install for the whole machine, its files, Start-menu
# shortcut and uninstall entry (named as the program's version record names
# it), the installed program at work, and a silent removal that leaves
# nothing behind. Then a desktop shortcut only on request, and a later
# version that replaces this one in place.
# Wine puts a machine-wide install's shortcuts in the user's Start menu and
# desktop, and records the product's icon (ProductIcon) where Windows writes
# DisplayIcon; the checks take either.
#   usage: check-msi.sh INSTALLER.msi DEPLOY_FOLDER SOURCE_FOLDER ARCH   (on an X display)
set -u
msi=$1 deploy=$2 source=$3 arch=$4
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

product_code() { msiinfo export "$1" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r'; }
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

# A later version, built from the same folder, replaces this one in place.
later=$scratch/Zerkovan-9.99.msi
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-0} cmake -DDEPLOY="$deploy" -DVERSION=9.99 -DSOURCE="$source" \
    -DOUTPUT="$later" -DARCH="$arch" -P "$source/cmake/msi.cmake" >/dev/null || fail "could not make a later version"
later_code=$(product_code "$later")
install "$later"
[ "$later_code" != "$code" ] && ! key_exists "$uninstall\\$code" &&
    [ "$(value "$uninstall\\$later_code" DisplayVersion)" = 9.99 ] && [ -s "$folder/Zerkovan.exe" ] &&
    pass "a later version replaces it in place: one entry, version 9.99" ||
    fail "after installing 9.99: entries for 1.00 $(key_exists "$uninstall\\$code" && echo present || echo gone), 9.99 '$(value "$uninstall\\$later_code" DisplayVersion)'"
remove "$later"
leftovers=$(left_over "$later_code")
[ -z "$leftovers" ] && pass "removed again, nothing is left" || fail "left behind: $leftovers"
exit $failed
