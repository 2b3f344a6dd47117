#!/usr/bin/env bash
# Checks the test-signed release with scripts/verify-release.sh: every signature verifies against
# the test root, the MSI and the ZIP hold the same signed files, and the signed Rimtone.dll's
# Authenticode digest is that of the unsigned DLL of this build. Then each release (the time-stamped
# and self-signed ones lie beside SIGNED_DIR) against the roots an administrator may trust, and as
# on a date after the certificates expired: exit code, verdict and text of the signed files' lines.
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

# RELEASE|--ca|--at|EXIT|what the lines of the MSI, Rimtone.dll and RimtoneColours.exe say, with
# the verdict of EXIT (0 OK, 3 UNTRUSTED, 1 FAIL). The test certificates and root are valid for two
# days: three days on, only a time-stamp shows that a signature was made while they were valid.
while IFS='|' read -r kind ca at expected text; do
  args=(--dll "$dll") label="the $kind release, --ca $ca, --at $at"
  if [ "$ca" != - ]; then args+=(--ca "$pki/$ca"); fi
  if [ "$at" != - ]; then args+=(--at "$at"); fi
  output=$(verify "$(dirname "$signed")/$kind/release" "${args[@]}")
  code=$?
  verdict=$(case $expected in 0) echo OK ;; 3) echo UNTRUSTED ;; *) echo FAIL ;; esac)
  [ $code = "$expected" ] || fail "$label: verify-release.sh exited with $code, not $expected"
  [ "$(grep -cE "^$verdict +(Rimtone-.*\.msi|Rimtone\.dll|RimtoneColours\.exe) +.*$text" <<<"$output")" = 3 ] ||
    fail "$label: not three lines $verdict saying \"$text\": $output"
  echo "$label: exit $code; $(grep -m1 -E "^$verdict +Rimtone\.dll" <<<"$output" | cut -c1-200)"
done <<'END'
signed|-|-|3|publisher not established: its chain ends at /CN=Rimtone Test Root CA, which is not among the roots trusted here \(the system's roots\)
signed|other-ca.crt|-|3|publisher not established: .* \(other-ca.crt\)
self-signed|-|-|3|signed by /CN=Anyone Claims To Be The Publisher; publisher not established: its chain ends at itself \(self-signed\)
self-signed|self-signed.crt|-|0|signed by /CN=Anyone Claims To Be The Publisher; chains to /CN=Anyone Claims To Be The Publisher; not time-stamped
timestamped|ca.crt|-|0|chains to /CN=Rimtone Test Root CA; time-stamped [A-Z][a-z]{2} [ 0-9]{2} [0-9:]{8} 20[0-9]{2} GMT
timestamped|ca.crt|+3 days|0|chains to /CN=Rimtone Test Root CA; time-stamped
signed|ca.crt|+3 days|1|does not verify \(Verify error: certificate has expired\)
unsigned|-|-|1|is not signed
END
grep -qE '^OK +SHA256SUMS' <<<"$output" || fail "the unsigned release's SHA256SUMS is not shown matching"

[ $status = 0 ] && echo OK
exit $status
