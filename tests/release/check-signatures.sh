#!/usr/bin/env bash
# Checks the test-signed release with scripts/verify-release.sh: every signature verifies against
# the test root, the MSI and the ZIP hold the same signed files, and the signed Rimtone.dll's
# Authenticode digest is that of the unsigned DLL of this build. Then the same release against a
# root that signed nothing of it, and the unsigned release, must both fail.
# usage: check-signatures.sh SOURCE_DIR SIGNED_DIR UNSIGNED_DIR PKI_DIR DLL
set -uo pipefail
source "$(dirname "$0")/need-tools.sh"
need_tools "${release_tools[@]}"
source_dir=$1 signed=$2 unsigned=$3 pki=$4 dll=$5
status=0
fail() { echo "FAIL: $*"; status=1; }
for file in "$signed/release/SHA256SUMS" "$unsigned/release/SHA256SUMS" "$pki/ca.crt" "$dll"; do
  [ -f "$file" ] || { echo "FAIL: $file is missing: the release fixtures did not run"; exit 1; }
done
verify() { "$source_dir/scripts/verify-release.sh" "$@" 2>&1; }
shipped=$(cd "$signed/stage" && find . -type f | wc -l)

output=$(verify "$signed/release" --ca "$pki/ca.crt" --dll "$dll")
code=$?
echo "$output"
[ $code = 0 ] || fail "verify-release.sh exited with $code for the signed release"
# SHA256SUMS, the MSI, the ZIP and each shipped file: one line each, every one OK.
[ "$(grep -c '^OK ' <<<"$output")" = $((3 + shipped)) ] && ! grep -q '^FAIL' <<<"$output" ||
  fail "not $((3 + shipped)) OK lines and no FAIL"
for file in Rimtone-.*\.msi Rimtone.dll RimtoneColours.exe; do
  grep -qE "^OK +$file +signed by /CN=The Rimtone developers/O=The Rimtone developers" <<<"$output" ||
    fail "$file is not shown signed by the test certificate"
done
grep -qE "^OK +Rimtone.dll .*Authenticode digest [0-9A-F]{64} = the unsigned build's" <<<"$output" ||
  fail "Rimtone.dll's digest is not shown equal to the unsigned build's"

# What the MSI installs is the staged DLL (check-msi.sh compares them byte for byte): its signature
# carries SHA-256, the program's name and the publisher's address, and signs the digest that
# authenticode-digest.sh computes for the unsigned DLL.
details=$(osslsigncode verify -CAfile "$pki/ca.crt" -in "$signed/stage/Rimtone.dll" 2>&1) ||
  fail "the staged Rimtone.dll does not verify: $details"
for expected in "Message digest algorithm *: SHA256" "Text description: Rimtone [0-9.]+" "URL description: https://rimtone.example/"; do
  grep -qE "$expected" <<<"$details" || fail "the DLL's signature lacks $expected"
done
signed_digest=$(awk -F': *' '/^Current message digest/ { print $2; exit }' <<<"$details" | tr -d ' ')
unsigned_digest=$("$source_dir/installer/authenticode-digest.sh" "$dll")
[ "$signed_digest" = "$unsigned_digest" ] ||
  fail "the signature signs $signed_digest, the unsigned DLL's Authenticode digest is $unsigned_digest"
echo "the signature signs $signed_digest, the Authenticode digest of $(basename "$dll") as built"

output=$(verify "$signed/release" --ca "$pki/other-ca.crt" --dll "$dll")
code=$?
[ $code != 0 ] || fail "the signed release verifies against a root that did not sign it"
[ "$(grep -cE '^FAIL .* does not verify against other-ca.crt' <<<"$output")" = 3 ] ||
  fail "not three signatures refused against another root: $output"
echo "against another root: $(grep -c '^FAIL' <<<"$output") files refused"

output=$(verify "$unsigned/release" --dll "$dll")
code=$?
[ $code != 0 ] || fail "the unsigned release passes verification"
[ "$(grep -cE '^FAIL .* is not signed' <<<"$output")" = 3 ] || fail "not three files shown unsigned: $output"
grep -qE '^OK +SHA256SUMS' <<<"$output" || fail "the unsigned release's SHA256SUMS is not shown matching"
echo "the unsigned release: $(grep -c '^FAIL' <<<"$output") files refused"

[ $status = 0 ] && echo OK
exit $status
