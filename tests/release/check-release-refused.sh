#!/usr/bin/env bash
# A release that cannot be made as asked must stop with a clear message and leave no output:
# neither the release folder nor the staged files (a previous release there included, so that
# nothing unsigned is mistaken for the signed release), nor the temporary folder. Cases: a wrong
# password, an expired certificate, one not for code signing, no password file, signing settings
# without a certificate, signing with no time-stamp server given, a time-stamp server that cannot be
# reached (the failure comes while
# signing, after the files were staged), and a Rimtone.dll whose version cannot be read for the MSI
# (its resources taken out with OBJCOPY). Also a password file of two lines, an empty one and a
# time-stamp server that answers garbage.
# usage: check-release-refused.sh WORK_DIR PKI_DIR OBJCOPY VERSION PUBLISHER INSTALL_TEXT FILE FOLDER...
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/need-tools.sh"
source "$here/time-stamp-authority.sh"
need_tools "${release_tools[@]}"
work=$(realpath -m "$1") pki=$2 objcopy=$3 version=$4 publisher=$5 install_text=$6
shift 6
status=0
fail() { echo "FAIL: $*"; status=1; }
[ -f "$pki/signing.pfx" ] || { echo "FAIL: no test certificate in $pki: run make-test-pki.sh"; exit 1; }
unset RIMTONE_SIGN_PFX RIMTONE_SIGN_PASSWORD_FILE RIMTONE_SIGN_TIMESTAMP_URL RIMTONE_SIGN_URL
rm -rf "$work"

# refused LABEL EXPECTED_MESSAGE VAR=VALUE...: the release with these settings fails saying so.
refused() {
  local label=$1 expected=$2 output code left
  shift 2
  rm -rf "$work"
  mkdir -p "$work/release" "$work/stage"
  echo "an earlier release" >"$work/release/SHA256SUMS"
  output=$(env "$@" "$here/../../installer/make-release.sh" "$version" "$publisher" "$install_text" \
             "$work/stage" "$work/release" "${files[@]}" 2>&1)
  code=$?
  left=$(cd "$work" && find . -mindepth 1 -maxdepth 1 | tr '\n' ' ')
  if [ $code = 0 ]; then
    fail "$label: the release was made: $output"
  elif ! grep -qE "$expected" <<<"$output"; then
    fail "$label: the message does not say \"$expected\": $output"
  elif [ -n "$left" ]; then
    fail "$label: left $left in $work"
  else
    echo "$label: refused, nothing left: $(grep -E "$expected" <<<"$output" | head -1)"
  fi
}
files=("$@")
signing=(RIMTONE_SIGN_PFX="$pki/signing.pfx" RIMTONE_SIGN_PASSWORD_FILE="$pki/password.txt")
refused "wrong password" "password in .* does not open" \
  RIMTONE_SIGN_PFX="$pki/signing.pfx" RIMTONE_SIGN_PASSWORD_FILE="$pki/wrong-password.txt"
for password in two-lines:"holds more than one line" empty:"is empty"; do
  refused "a password file: ${password%%:*}" "${password#*:}" RIMTONE_SIGN_PFX="$pki/signing.pfx" \
    RIMTONE_SIGN_PASSWORD_FILE="$pki/password-${password%%:*}.txt"
done
refused "expired certificate" "expired on" \
  RIMTONE_SIGN_PFX="$pki/expired.pfx" RIMTONE_SIGN_PASSWORD_FILE="$pki/password.txt"
refused "certificate for servers" "not for code signing" \
  RIMTONE_SIGN_PFX="$pki/server.pfx" RIMTONE_SIGN_PASSWORD_FILE="$pki/password.txt"
refused "no password file" "RIMTONE_SIGN_PASSWORD_FILE is not set" RIMTONE_SIGN_PFX="$pki/signing.pfx"
refused "a password without a certificate" "RIMTONE_SIGN_PFX names no certificate" \
  RIMTONE_SIGN_PASSWORD_FILE="$pki/password.txt"
refused "signing without a time-stamp server" "no time-stamp server" "${signing[@]}"
# Nothing listens on the discard port of this machine: the connection is refused at once.
refused "an unreachable time-stamp server" "could not sign Rimtone.dll" \
  "${signing[@]}" RIMTONE_SIGN_TIMESTAMP_URL=http://127.0.0.1:9/
start_time_stamp_authority "$pki"
refused "a time-stamp server that answers garbage" "could not sign Rimtone.dll" \
  "${signing[@]}" RIMTONE_SIGN_TIMESTAMP_URL="${tsa_url}garbage"
stop_time_stamp_authority
unversioned=$(mktemp -d)
trap 'rm -rf "$unversioned"' EXIT
files=()
for file in "$@"; do
  if [ "$(basename "$file")" = Rimtone.dll ]; then
    "$objcopy" --remove-section .rsrc "$file" "$unversioned/Rimtone.dll" || fail "$objcopy cannot copy $file"
    file=$unversioned/Rimtone.dll
  fi
  files+=("$file")
done
refused "a Rimtone.dll without a version resource" "cannot read the version resource of Rimtone.dll"

if [ $status = 0 ]; then rm -rf "$work"; echo OK; fi
exit $status
