#!/usr/bin/env bash
# Authenticode signing (SHA-256) of the release's files with the publisher's code-signing
# certificate, named by the environment as scripts/release.sh is given it:
#   RIMTONE_SIGN_PFX             PKCS#12 file: the certificate, its private key and its chain
#   RIMTONE_SIGN_PASSWORD_FILE   file whose first line is the PKCS#12 file's password
#   RIMTONE_SIGN_TIMESTAMP_URL   optional RFC 3161 time-stamp server
#   RIMTONE_SIGN_URL             optional web address of the publisher, shown with the signature
# The password reaches openssl and osslsigncode as a file name only: a command line can be read
# by every user of the machine in the process list.
# usage: sign.sh check                 checks that the certificate can sign code now and says whose
#        sign.sh DESCRIPTION FILE...   signs each FILE in place; DESCRIPTION is the program name
#                                      that Windows shows with the publisher
set -euo pipefail
fail() { echo "sign.sh: $*" >&2; exit 1; }
[ $# -ge 1 ] || { echo "usage: sign.sh check | sign.sh DESCRIPTION FILE..." >&2; exit 2; }
for tool in openssl osslsigncode; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup-debian.sh --release"
done
pfx=${RIMTONE_SIGN_PFX:?RIMTONE_SIGN_PFX names no certificate}
[ -n "${RIMTONE_SIGN_PASSWORD_FILE:-}" ] ||
  fail "RIMTONE_SIGN_PASSWORD_FILE is not set: the password of $pfx is read from a file, never from the command line"
password=$RIMTONE_SIGN_PASSWORD_FILE
[ -f "$pfx" ] && [ -r "$pfx" ] || fail "cannot read the certificate file $pfx (RIMTONE_SIGN_PFX)"
[ -f "$password" ] && [ -r "$password" ] || fail "cannot read the password file $password (RIMTONE_SIGN_PASSWORD_FILE)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check() {
  local cert pem_key pem_cert extensions subject not_after not_before
  # Files exported by older Windows versions use ciphers that OpenSSL 3 keeps in its legacy provider.
  if ! openssl pkcs12 -in "$pfx" -passin "file:$password" -nokeys -clcerts -out "$work/cert.pem" 2>"$work/errors" &&
     ! openssl pkcs12 -legacy -in "$pfx" -passin "file:$password" -nokeys -clcerts -out "$work/cert.pem" 2>>"$work/errors"; then
    if grep -qi 'mac verify\|invalid password' "$work/errors"; then
      fail "the password in $password does not open $pfx: the release is not made"
    fi
    fail "$pfx is not a PKCS#12 file that OpenSSL can read: $(grep -m1 -i error "$work/errors" || head -1 "$work/errors")"
  fi
  cert=$work/cert.pem
  grep -q 'BEGIN CERTIFICATE' "$cert" || fail "$pfx holds no certificate of its own key"
  # The key leaves the file only re-encrypted with the same password, and only into a pipe.
  # (openssl reads a second line for -passout when it names the same file as -passin: hence fd 3.)
  pem_key=$({ openssl pkcs12 -in "$pfx" -passin "file:$password" -nocerts -passout fd:3 3<"$password" 2>/dev/null ||
              openssl pkcs12 -legacy -in "$pfx" -passin "file:$password" -nocerts -passout fd:3 3<"$password" 2>/dev/null; } |
            openssl pkey -passin fd:3 -pubout 3<"$password" 2>/dev/null) || true
  pem_cert=$(openssl x509 -in "$cert" -noout -pubkey)
  [ -n "$pem_key" ] || fail "$pfx holds no private key"
  [ "$pem_key" = "$pem_cert" ] || fail "the private key in $pfx does not belong to its certificate"

  subject=$(openssl x509 -in "$cert" -noout -subject -nameopt RFC2253 | sed 's/^subject=//')
  not_after=$(openssl x509 -in "$cert" -noout -enddate | sed 's/^notAfter=//')
  not_before=$(openssl x509 -in "$cert" -noout -startdate | sed 's/^notBefore=//')
  openssl x509 -in "$cert" -noout -checkend 0 >/dev/null ||
    fail "the certificate of $subject expired on $not_after: the release is not made"
  now=$(date +%s)
  [ "$(date -d "$not_before" +%s)" -le "$now" ] ||
    fail "the certificate of $subject is valid only from $not_before: the release is not made"
  extensions=$(openssl x509 -in "$cert" -noout -ext extendedKeyUsage,keyUsage 2>/dev/null)
  grep -A1 'Extended Key Usage' <<<"$extensions" | grep -q 'Code Signing' ||
    fail "the certificate of $subject is not for code signing (its extended key usage lacks codeSigning): the release is not made"
  if grep -q 'X509v3 Key Usage' <<<"$extensions"; then
    grep -A1 'X509v3 Key Usage' <<<"$extensions" | grep -q 'Digital Signature' ||
      fail "the certificate of $subject does not allow digital signatures (key usage): the release is not made"
  fi
  echo "Signing as $subject, issued by $(openssl x509 -in "$cert" -noout -issuer -nameopt RFC2253 | sed 's/^issuer=//'), valid until $not_after"
  if [ -z "${RIMTONE_SIGN_TIMESTAMP_URL:-}" ]; then
    echo "No time-stamp server (RIMTONE_SIGN_TIMESTAMP_URL): Windows stops trusting the signatures when the certificate expires"
  fi
}

if [ "$1" = check ]; then
  check
  exit 0
fi
description=$1
shift
options=(-pkcs12 "$pfx" -readpass "$password" -h sha256 -n "$description")
if [ -n "${RIMTONE_SIGN_URL:-}" ]; then options+=(-i "$RIMTONE_SIGN_URL"); fi
if [ -n "${RIMTONE_SIGN_TIMESTAMP_URL:-}" ]; then options+=(-ts "$RIMTONE_SIGN_TIMESTAMP_URL"); fi
for file in "$@"; do
  if ! osslsigncode sign "${options[@]}" -in "$file" -out "$work/signed" >"$work/log" 2>&1; then
    cat "$work/log" >&2
    fail "osslsigncode could not sign ${file##*/} (output above)"
  fi
  # A copy, not a move: the file keeps its place and permissions.
  cat "$work/signed" >"$file"
  rm -f "$work/signed"
done
