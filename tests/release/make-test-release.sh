#!/usr/bin/env bash
# Makes a release for the release tests in DIR/release (its staged files in DIR/stage) with
# installer/make-release.sh, as the build's release target does:
#   unsigned  without a certificate, as a release is made by default: one line says it is unsigned
#             and no file carries a signature;
#   signed    with the test certificate of PKI_DIR (make-test-pki.sh), the publisher's address and
#             no time-stamp ("none"); every openssl and osslsigncode command line is recorded, and
#             none may carry the password;
#   timestamped, self-signed  time-stamped, and self-signed; password files end in CRLF, nothing.
# usage: make-test-release.sh KIND DIR PKI_DIR VERSION PUBLISHER INSTALL_TEXT FILE FOLDER...
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/need-tools.sh"
need_tools "${release_tools[@]}"
kind=$1 dir=$(realpath -m "$2") pki=$3
shift 3
version=$1 publisher=$2 install_text=$3
shift 3
die() { echo "FAIL: $*"; exit 1; }
unset RIMTONE_SIGN_PFX RIMTONE_SIGN_PASSWORD_FILE RIMTONE_SIGN_TIMESTAMP_URL RIMTONE_SIGN_URL
rm -rf "$dir"
mkdir -p "$dir"
make_release=("$here/../../installer/make-release.sh" "$version" "$publisher" "$install_text" "$dir/stage" "$dir/release" "$@")
signed_programs() {
  local file
  find "$dir/stage" -type f \( -iname '*.dll' -o -iname '*.exe' \) -print0 | while IFS= read -r -d '' file; do
    osslsigncode extract-signature -in "$file" -out "$dir/signature" >/dev/null 2>&1 && echo "${file#"$dir/stage/"}"
    rm -f "$dir/signature"
  done
}

case $kind in
unsigned)
  "${make_release[@]}" >"$dir/output" 2>&1 || { cat "$dir/output"; die "the unsigned release failed"; }
  cat "$dir/output"
  [ "$(grep -c 'the release is unsigned' "$dir/output")" = 1 ] || die "no one line says that the release is unsigned"
  [ -z "$(signed_programs)" ] || die "signed without a certificate: $(signed_programs)"
  ;;
signed)
  [ -f "$pki/signing.pfx" ] || die "no test certificate in $pki: run make-test-pki.sh"
  # Stand-ins that record their command line, then run the real program.
  mkdir -p "$dir/recorder"
  for tool in openssl osslsigncode; do
    printf '#!/bin/sh\nprintf "%%s\\n" "%s $*" >>"%s"\nexec "%s" "$@"\n' \
      "$tool" "$dir/command-lines" "$(command -v "$tool")" >"$dir/recorder/$tool"
    chmod +x "$dir/recorder/$tool"
  done
  PATH=$dir/recorder:$PATH RIMTONE_SIGN_PFX=$pki/signing.pfx RIMTONE_SIGN_PASSWORD_FILE=$pki/password.txt \
    RIMTONE_SIGN_TIMESTAMP_URL=none RIMTONE_SIGN_URL=https://rimtone.example/ "${make_release[@]}" >"$dir/output" 2>&1 ||
    { cat "$dir/output"; die "the signed release failed"; }
  cat "$dir/output"
  grep -q '^Signing as .*CN=The Rimtone developers' "$dir/output" || die "the release does not say whose certificate signs"
  [ "$(signed_programs | LC_ALL=C sort | tr '\n' ' ')" = "Rimtone.dll RimtoneColours.exe " ] ||
    die "the signed programs are $(signed_programs | tr '\n' ' '), not Rimtone.dll and RimtoneColours.exe"
  [ "$(grep -c '^osslsigncode sign .*-readpass ' "$dir/command-lines")" = 3 ] ||
    die "not three osslsigncode sign commands reading the password from its file: $(cat "$dir/command-lines")"
  grep -qF -- "$(head -1 "$pki/password.txt")" "$dir/command-lines" && die "a command line carried the password"
  echo "$(wc -l <"$dir/command-lines") openssl and osslsigncode command lines, none with the password"
  ;;
timestamped|self-signed)
  pfx=$pki/self-signed.pfx password=$pki/password-bare.txt
  if [ "$kind" = timestamped ]; then
    source "$here/time-stamp-authority.sh"
    start_time_stamp_authority "$pki"
    pfx=$pki/signing.pfx password=$pki/password-crlf.txt
  fi
  RIMTONE_SIGN_PFX=$pfx RIMTONE_SIGN_PASSWORD_FILE=$password RIMTONE_SIGN_TIMESTAMP_URL=${tsa_url:-none} \
    "${make_release[@]}" >"$dir/output" 2>&1 || { cat "$dir/output"; die "the $kind release failed"; }
  cat "$dir/output"
  ;;
*) die "unknown kind $kind" ;;
esac
echo "OK: $dir/release"
