#!/usr/bin/env bash
# Authenticode signing (SHA-256) of the release's files with the publisher's code-signing
# certificate, named by the environment as scripts/release.sh is given it:
#   RIMTONE_SIGN_PFX             PKCS#12 file: the certificate, its private key and its chain
#   RIMTONE_SIGN_PASSWORD_FILE   file that holds the PKCS#12 file's password on its first line,
#                                ended by LF, CRLF or nothing, and nothing after that line
#   RIMTONE_SIGN_TIMESTAMP_URL   RFC 3161 time-stamp server; "none" signs without a time-stamp
#                                (test releases only: such signatures die with the certificate)
#   RIMTONE_SIGN_URL             optional web address of the publisher, shown with the signature
# The password reaches openssl and osslsigncode as a file name only: a command line can be read
# by every user of the machine in the process list. Both read the same copy of it, the password
# without its line end, since they would take the line ends of the given file apart differently.
# usage: sign.sh check                 checks that the certificate can sign code now and says whose
#        sign.sh certificates          prints the certificates of the PKCS#12 file (PEM): the chain
#                                      the signatures carry
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
given=$RIMTONE_SIGN_PASSWORD_FILE
[ -f "$pfx" ] && [ -r "$pfx" ] || fail "cannot read the certificate file $pfx (RIMTONE_SIGN_PFX)"
[ -f "$given" ] && [ -r "$given" ] || fail "cannot read the password file $given (RIMTONE_SIGN_PASSWORD_FILE)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The password alone, without its line end, in a file only this user can read.
password=$work/password
size=$(stat -c %s "$given") line_ends=$(tr -cd '\n' <"$given" | wc -c)
[ "$size" -gt 0 ] || fail "the password file $given is empty: its first line must hold the password"
if [ "$line_ends" -gt 1 ] || { [ "$line_ends" = 1 ] && [ "$(tail -c 1 "$given" | od -An -t x1 | tr -d ' ')" != 0a ]; }; then
  fail "the password file $given holds more than one line: only the password may be in it, on its first line"
fi
length=$((size - line_ends))
if [ "$line_ends" = 1 ] && [ "$length" -gt 0 ] && [ "$(tail -c 2 "$given" | head -c 1 | od -An -t x1 | tr -d ' ')" = 0d ]; then
  length=$((length - 1))
fi
(umask 077 && head -c "$length" "$given" >"$password")
[ "$length" -gt 0 ] || fail "the first line of the password file $given is empty: it must hold the password"
[ "$(tr -d '\r\0' <"$password" | wc -c)" = "$length" ] ||
  fail "the password in $given holds a carriage return or a NUL byte, which no tool reads alike"

# openssl pkcs12 with the password; files exported by older Windows versions use ciphers that
# OpenSSL 3 keeps in its legacy provider.
pkcs12() {
  openssl pkcs12 -in "$pfx" -passin "file:$password" "$@" 2>>"$work/errors" ||
    openssl pkcs12 -legacy -in "$pfx" -passin "file:$password" "$@" 2>>"$work/errors"
}

check() {
  local cert pem_key pem_cert extensions subject not_after not_before
  if ! pkcs12 -nokeys -clcerts -out "$work/cert.pem"; then
    if grep -qi 'mac verify\|invalid password' "$work/errors"; then
      fail "the password in $given does not open $pfx: the release is not made"
    fi
    fail "$pfx is not a PKCS#12 file that OpenSSL can read: $(grep -m1 -i error "$work/errors" || head -1 "$work/errors")"
  fi
  cert=$work/cert.pem
  grep -q 'BEGIN CERTIFICATE' "$cert" || fail "$pfx holds no certificate of its own key"
  # The key leaves the file only re-encrypted with the same password, and only into a pipe.
  # (openssl reads a second line for -passout when it names the same file as -passin: hence fd 3.)
  pem_key=$(pkcs12 -nocerts -passout fd:3 3<"$password" | openssl pkey -passin fd:3 -pubout 3<"$password" 2>/dev/null) || true
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
    fail "no time-stamp server (RIMTONE_SIGN_TIMESTAMP_URL): without a time-stamp every signature stops verifying the day the certificate expires; give one, or \"none\" for a test release: the release is not made"
  elif [ "$RIMTONE_SIGN_TIMESTAMP_URL" = none ]; then
    echo "Not time-stamped (RIMTONE_SIGN_TIMESTAMP_URL=none): Windows stops trusting the signatures when the certificate expires"
  else
    echo "Time-stamped by $RIMTONE_SIGN_TIMESTAMP_URL: the signatures stay valid after the certificate expires"
  fi
}

case $1 in
  check) check; exit 0 ;;
  certificates) pkcs12 -nokeys || fail "cannot read the certificates of $pfx"; exit 0 ;;
esac
description=$1
shift
[ $# -ge 1 ] || fail "no file to sign for $description"
options=(-pkcs12 "$pfx" -readpass "$password" -h sha256 -n "$description")
if [ -n "${RIMTONE_SIGN_URL:-}" ]; then options+=(-i "$RIMTONE_SIGN_URL"); fi
if [ "${RIMTONE_SIGN_TIMESTAMP_URL:-none}" != none ]; then options+=(-ts "$RIMTONE_SIGN_TIMESTAMP_URL"); fi
for file in "$@"; do
  if ! osslsigncode sign "${options[@]}" -in "$file" -out "$work/signed" >"$work/log" 2>&1; then
    cat "$work/log" >&2
    fail "osslsigncode could not sign ${file##*/} (output above)"
  fi
  # A copy, not a move: the file keeps its place and permissions.
  cat "$work/signed" >"$file"
  rm -f "$work/signed"
done
