#!/usr/bin/env bash
# Makes a throwaway certificate authority and code-signing certificates in PKI_DIR for the release
# tests, new at each run: no key is ever committed. Every PKCS#12 file has the password in
# password.txt, which holds characters a shell would take apart (password-crlf, -bare, -two-lines
# and -empty.txt: it with CRLF, with no line end, with a second line; nothing).
#   ca.crt            the test root
#   signing.pfx       "The Rimtone developers", for code signing, valid for two days
#   expired.pfx       the same, expired
#   server.pfx        the same, for TLS servers only (no codeSigning)
#   self-signed.pfx   "Anyone Claims To Be The Publisher", for code signing, self-signed
#   tsa.crt, tsa.key  the test root's time-stamp authority (time-stamp-server.py)
#   other-ca.crt      a root that signed none of them
#   wrong-password.txt
# usage: make-test-pki.sh PKI_DIR
set -euo pipefail
source "$(dirname "$0")/need-tools.sh"
need_tools openssl
pki=${1:?usage: make-test-pki.sh PKI_DIR}
rm -rf "$pki"
mkdir -p "$pki"
cd "$pki"
umask 077
printf '%s\n' "test pass \$(touch pwned) \"'; *" >password.txt
sed 's/$/\r/' password.txt >password-crlf.txt
printf '%s' "$(cat password.txt)" >password-bare.txt
printf 'second line\n' | cat password.txt - >password-two-lines.txt
: >password-empty.txt
printf '%s\n' "not the password" >wrong-password.txt

root() {  # NAME SUBJECT
  openssl req -x509 -newkey rsa:2048 -nodes -keyout "$1.key" -out "$1.crt" -days 2 -subj "$2" \
    -addext basicConstraints=critical,CA:true -addext keyUsage=critical,keyCertSign,cRLSign 2>/dev/null
}
root ca "/CN=Rimtone Test Root CA"
root other-ca "/CN=Another Test Root CA"
# NAME DAYS EXTENDED_KEY_USAGE [SUBJECT]: a certificate of the test root, packed with its key and the root.
leaf() {
  openssl req -newkey rsa:2048 -nodes -keyout "$1.key" -out "$1.csr" \
    -subj "${4:-/CN=The Rimtone developers/O=The Rimtone developers}" 2>/dev/null
  printf 'basicConstraints=CA:false\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=%s\n' "$3" >"$1.ext"
  openssl x509 -req -in "$1.csr" -CA ca.crt -CAkey ca.key -CAcreateserial -days "$2" -extfile "$1.ext" \
    -out "$1.crt" 2>/dev/null
  openssl pkcs12 -export -inkey "$1.key" -in "$1.crt" -certfile ca.crt -out "$1.pfx" -passout file:password.txt
  rm -f "$1.csr" "$1.ext" "$1.key"
}
leaf signing 2 codeSigning
leaf expired -1 codeSigning
leaf server 2 serverAuth
leaf tsa 2 critical,timeStamping "/CN=Rimtone Test Time-Stamp Authority"
openssl pkcs12 -in tsa.pfx -passin file:password.txt -nocerts -noenc -out tsa.key
openssl req -x509 -newkey rsa:2048 -noenc -keyout self-signed.key -out self-signed.crt -days 2 \
  -subj "/CN=Anyone Claims To Be The Publisher" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey self-signed.key -in self-signed.crt -out self-signed.pfx -passout file:password.txt
rm -f ca.key other-ca.key ca.srl self-signed.key
echo "test PKI in $pki: $(openssl x509 -in signing.crt -noout -subject), $(openssl x509 -in signing.crt -noout -enddate)"
