#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The release signed as the maker signs it, and rebuilt as anyone rebuilds
# it, with nothing real and no network: a throwaway CA, a code-signing leaf
# whose key lives in a SoftHSM2 token, a time server on 127.0.0.1 at a fixed
# time, and a throwaway OpenPGP key. Leaves the signed release in OUT, for
# the installer check to install.
#   usage: check-signing.sh BUILD_FOLDER OUT
set -u
build=$1 out=$2
source=$(cd "$(dirname "$0")/../.." && pwd)
release=$source/scripts/windows-release
failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=1; }
# A row that passes when its command succeeds (check) or fails (refuse);
# a failed row shows the end of what the command said.
check() {
    if said=$("${@:2}" 2>&1); then pass "$1"; else fail "$1"; tail -n 4 <<<"$said" | sed 's/^/    /'; fi
}
refuse() { if "${@:2}" >/dev/null 2>&1; then fail "$1"; else pass "$1"; fi; }
scratch=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill -- -$server 2>/dev/null; rm -rf "$scratch"' EXIT
MSI='' PACKAGE=''
. "$build/release.env"
# The time make windows gave every file it made.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(stat -c %Y "$build/deploy/LICENSE.txt")}

# The throwaway certificates, made at a fixed time before the time stamp's.
pki=$scratch/pki
mkdir -p "$pki"
made() { # NAME OPTIONS...
    faketime -f "2026-01-01 00:00:00" openssl req -x509 -config /dev/null -newkey rsa:2048 -nodes \
        -keyout "$pki/$1.key" -out "$pki/$1.pem" -days 3000 -subj "/CN=Throwaway $1" "${@:2}" 2>/dev/null
}
made ca -addext basicConstraints=critical,CA:true -addext keyUsage=critical,keyCertSign,cRLSign \
    -addext subjectKeyIdentifier=hash
for use in leaf:codeSigning tsa:timeStamping; do
    made "${use%:*}" -CA "$pki/ca.pem" -CAkey "$pki/ca.key" -addext basicConstraints=critical,CA:false \
        -addext keyUsage=critical,digitalSignature -addext "extendedKeyUsage=critical,${use#*:}"
done
leaf=$(openssl x509 -in "$pki/leaf.pem" -outform der | sha256sum | cut -d' ' -f1)

# The key in a token, behind a PIN that only a file holds.
export SOFTHSM2_CONF=$scratch/softhsm2.conf
mkdir -p "$scratch/tokens"
echo "directories.tokendir = $scratch/tokens" >"$SOFTHSM2_CONF"
pin=$(openssl rand -hex 8)
(umask 077 && printf '%s' "$pin" >"$scratch/pin")
openssl pkcs8 -topk8 -nocrypt -in "$pki/leaf.key" -out "$scratch/leaf.p8"
softhsm2-util --init-token --free --label zerkovan --pin "$pin" --so-pin "$(openssl rand -hex 8)" >/dev/null &&
    softhsm2-util --import "$scratch/leaf.p8" --token zerkovan --label signing --id 01 --pin "$pin" >/dev/null ||
    { fail "could not put the key in a SoftHSM2 token"; exit 1; }
rm "$scratch/leaf.p8"

mkfifo "$scratch/port"
# In a process group of its own, which the end takes down whole.
setsid faketime -f "2026-12-08 12:00:00" /usr/bin/python3 "$(dirname "$0")/timestamp-server.py" \
    "$pki/tsa.pem" "$pki/tsa.key" "$pki/ca.pem" "$pki" >"$scratch/port" 2>"$scratch/server.log" &
server=$!
read -r -t 60 port <"$scratch/port" || { fail "the time server did not start"; exit 1; }

export GNUPGHOME=$scratch/gnupg
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-gen-key 'Throwaway <maker@example.invalid>' ed25519 sign never 2>/dev/null
openpgp=$(gpg --with-colons --list-keys 2>/dev/null | awk -F: '/^fpr/ { print $10; exit }')

# The maker's records, as app/signing holds them once the maker has a certificate.
trust=$scratch/trust
mkdir -p "$trust"
cp "$pki/ca.pem" "$trust/ca.pem"
gpg --export "$openpgp" >"$trust/openpgp.pgp"
printf 'CODE_SIGNING_LEAF_SHA256=%s\nOPENPGP_FINGERPRINT=%s\n' "$leaf" "$openpgp" >"$trust/trust.env"

folder() { # NAME: a build folder as make windows leaves it, the program as built
    mkdir -p "$scratch/$1"
    cp "$build/release.env" "$scratch/$1/"
    cp -a "$build/deploy" "$scratch/$1/"
    cp -p "$build/unsigned/Zerkovan.exe" "$scratch/$1/deploy/"
}
export ZERKOVAN_TRUST=$trust ZERKOVAN_SIGNATURES=$scratch/signatures SIGN_CERT=$pki/leaf.pem \
    SIGN_TIMESTAMP_URL=http://127.0.0.1:$port/

folder maker
check "signed through PKCS#11 from a SoftHSM2 token, time-stamped, and SHA256SUMS with OpenPGP" \
    env SIGN_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so SIGN_PASS_FILE="$scratch/pin" \
    SIGN_KEY="pkcs11:token=zerkovan;object=signing;type=private" SIGN_OPENPGP_KEY="$openpgp" \
    "$release" --sign "$scratch/maker"
maker=$scratch/maker exe=$scratch/maker/deploy/Zerkovan.exe msi=$scratch/maker/$MSI
[ $failed -eq 0 ] || exit 1
refuse "no signing with a certificate the repository does not record" \
    env ZERKOVAN_TRUST="$source/app/signing" SIGN_KEY="$pki/leaf.key" "$release" --sign "$scratch/maker"

# The release checks each signature as it makes it; this is the same check
# made apart from it, with the leaf pinned.
verify() { # FILE
    osslsigncode verify -CAfile "$pki/ca.pem" -TSA-CAfile "$pki/ca.pem" -require-leaf-hash "sha256:$leaf" -in "$1"
}
check "osslsigncode verify, the leaf pinned: the signed program" verify "$exe"
check "osslsigncode verify, the leaf pinned: the signed installer" verify "$msi"
msiextract -C "$scratch/extracted" "$msi" >/dev/null
check "the installer holds the signed program" cmp "$exe" "$(find "$scratch/extracted" -name Zerkovan.exe)"
check "the zip holds the signed program" cmp "$exe" <(unzip -p "$maker/$PACKAGE.zip" "$PACKAGE/Zerkovan.exe")
check "SHA256SUMS lists the files as signed" sh -c "cd '$maker' && sha256sum --check --quiet SHA256SUMS"
for tool in gpgv sqv; do
    check "$tool: SHA256SUMS.asc verifies" "$tool" --keyring "$trust/openpgp.pgp" "$maker/SHA256SUMS.asc" "$maker/SHA256SUMS"
done
check "no PIN and no key in the release, the signatures or the log" \
    bash -c "! grep -rqaF -e '$pin' -e '$(sed -n 2p "$pki/leaf.key")' '$maker' '$scratch/signatures'"

# Anyone's rebuild, with the signatures attached, and a later one they do not fit.
folder anyone
said=$("$release" "$scratch/anyone")
same=yes
for file in deploy/Zerkovan.exe "$MSI" "$PACKAGE.zip" SHA256SUMS SHA256SUMS.asc; do
    cmp -s "$maker/$file" "$scratch/anyone/$file" || same="not $file"
done
[ "$same" = yes ] && pass "a rebuild with the signatures attached is the signed release, byte for byte ($said)" ||
    fail "the rebuild with the signatures attached differs: $same ($said)"
folder later
printf '\x00' | dd of="$scratch/later/deploy/Zerkovan.exe" bs=1 seek=$(($(stat -c %s "$exe") / 2)) conv=notrunc 2>/dev/null
cp "$scratch/later/deploy/Zerkovan.exe" "$scratch/later.exe"
said=$("$release" "$scratch/later")
[ "$(wc -l <<<"$said")" -eq 1 ] && grep -q "do not fit" <<<"$said" &&
    cmp -s "$scratch/later.exe" "$scratch/later/deploy/Zerkovan.exe" && [ ! -e "$scratch/later/SHA256SUMS.asc" ] &&
    ! osslsigncode extract-signature -in "$scratch/later/$MSI" -out "$scratch/later.p7s" >/dev/null 2>&1 &&
    pass "signatures that do not fit leave the files unsigned, in one line ($said)" ||
    fail "with signatures that do not fit: '$said'"

folder keyfile
env -u SIGN_PASS_FILE ZERKOVAN_SIGNATURES="$scratch/keyfile-signatures" SIGN_KEY="$pki/leaf.key" \
    "$release" --sign "$scratch/keyfile" >/dev/null 2>&1
check "signed with a key file: the program verifies" verify "$scratch/keyfile/deploy/Zerkovan.exe"
check "signed with a key file: the installer verifies" verify "$scratch/keyfile/$MSI"

rm -rf "$out"
cp -a "$maker" "$out"
exit $failed
