#!/usr/bin/env bash
# Checks the test releases with scripts/verify-release.sh. The signed release against the test
# root: every line OK, the MSI and the ZIP hold the same signed files, and the signed Rimtone.dll's
# Authenticode digest is that of the unsigned DLL of this build. Then each release against the
# roots an administrator may trust, and as on a date after the certificates expired: the exit code
# (0 OK, 3 intact but the publisher not established, 1 FAIL) and the verdict and text of the lines
# of the three signed files, the time-stamps included.
# usage: check-signatures.sh SOURCE_DIR RELEASES_DIR PKI_DIR DLL
set -uo pipefail
source "$(dirname "$0")/need-tools.sh"
need_tools "${release_tools[@]}"
source_dir=$1 releases=$2 pki=$3 dll=$4 signed=$2/signed
status=0
fail() { echo "FAIL: $*"; status=1; }
for file in "$releases"/{signed,unsigned,timestamped,self-signed}/release/SHA256SUMS "$pki/ca.crt" "$dll"; do
  [ -f "$file" ] || { echo "FAIL: $file is missing: the release fixtures did not run"; exit 1; }
done
verify() { "$source_dir/scripts/verify-release.sh" "$@" --dll "$dll" 2>&1; }
shipped=$(cd "$signed/stage" && find . -type f | wc -l)

output=$(verify "$signed/release" --ca "$pki/ca.crt")
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

# RELEASE|--ca|--at|EXIT|what the lines of the MSI, Rimtone.dll and RimtoneColours.exe say (a
# regular expression), with the verdict of EXIT. The test certificates and root are valid for two
# days: three days on, only a time-stamp shows that a signature was made while they were valid.
while IFS='|' read -r kind ca at expected text; do
  args=() label="the $kind release"
  if [ "$ca" != - ]; then args+=(--ca "$pki/$ca") label+=" --ca $ca"; fi
  if [ "$at" != - ]; then args+=(--at "$at") label+=" --at '$at'"; fi
  output=$(verify "$releases/$kind/release" "${args[@]}")
  code=$?
  case $expected in 0) verdict=OK ;; 3) verdict=UNTRUSTED ;; *) verdict=FAIL ;; esac
  [ $code = "$expected" ] || fail "$label: verify-release.sh exited with $code, not $expected"
  for file in 'Rimtone-.*\.msi' 'Rimtone\.dll' 'RimtoneColours\.exe'; do
    grep -qE "^$verdict +$file +.*$text" <<<"$output" || fail "$label: no $verdict line for $file saying \"$text\""
  done
  [ "$expected" = 0 ] || ! grep -qE '^OK +(Rimtone-.*\.msi|Rimtone\.dll|RimtoneColours\.exe) ' <<<"$output" ||
    fail "$label: a signed file is shown OK"
  grep -qE '^OK +SHA256SUMS' <<<"$output" || fail "$label: SHA256SUMS is not shown matching"
  echo "$label: exit $code; $(grep -m1 -E "^$verdict +Rimtone\.dll" <<<"$output" | cut -c1-220)"
done <<'END'
signed|-|-|3|signed by /CN=The Rimtone developers/O=The Rimtone developers; publisher not established: its chain ends at /CN=Rimtone Test Root CA, which is not among the roots trusted here \(the system's roots\)
signed|other-ca.crt|-|3|publisher not established: its chain ends at /CN=Rimtone Test Root CA, which is not among the roots trusted here \(other-ca.crt\)
self-signed|-|-|3|signed by /CN=Anyone Claims To Be The Publisher; publisher not established: its chain ends at itself \(self-signed\)
self-signed|self-signed.crt|-|0|signed by /CN=Anyone Claims To Be The Publisher; chains to /CN=Anyone Claims To Be The Publisher; not time-stamped
timestamped|ca.crt|-|0|chains to /CN=Rimtone Test Root CA; time-stamped [A-Z][a-z]{2} [ 0-9]{2} [0-9:]{8} [0-9]{4} GMT
timestamped|ca.crt|+3 days|0|chains to /CN=Rimtone Test Root CA; time-stamped
signed|ca.crt|+3 days|1|does not verify \(Verify error: certificate has expired\)
unsigned|-|-|1|is not signed
END

# The time-stamp is the time the release was signed: within the last hour.
stamp=$(verify "$releases/timestamped/release" --ca "$pki/ca.crt" | sed -n 's/^OK  *Rimtone\.dll .*time-stamped \([^;]*\).*/\1/p')
age=$(( $(date +%s) - $(date -d "$stamp" +%s 2>/dev/null || echo 0) ))
[ "$age" -ge 0 ] && [ "$age" -lt 3600 ] || fail "the time-stamp \"$stamp\" is not of the last hour"

[ $status = 0 ] && echo OK
exit $status
