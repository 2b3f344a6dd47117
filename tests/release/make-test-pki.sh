#!/usr/bin/env bash
# Makes a throwaway certificate authority and code-signing certificates in PKI_DIR for the release
# tests, new at each run: no key is ever committed. Every PKCS#12 file has the password of
# password.txt, which holds characters a shell would take apart; the password files end in LF
# (password.txt), CRLF (password-crlf.txt) and nothing (password-bare.txt), and each signed test
# release is made with another of them.
#   ca.crt            the test root
#   signing.pfx       "The Rimtone developers", for code signing, valid for two days
#   expired.pfx       the same, expired
#   server.pfx        the same, for TLS servers only (no codeSigning)
#   self-signed.pfx   "Anyone Claims To Be The Publisher", for code signing, its own root
#   tsa.crt, tsa.key  the test root's time-stamp authority, and tsa.cnf for `openssl ts -reply`
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
password="test pass \$(touch pwned) \"'; *"
printf '%s\n' "$password" >password.txt
printf '%s\r\n' "$password" >password-crlf.txt
printf '%s' "$password" >password-bare.txt
printf '%s\n' "not the password" >wrong-password.txt

root() {  # NAME SUBJECT
  openssl req -x509 -newkey rsa:2048 -nodes -keyout "$1.key" -out "$1.crt" -days 2 -subj "$2" \
    -addext basicConstraints=critical,CA:true -addext keyUsage=critical,keyCertSign,cRLSign 2>/dev/null
}
root ca "/CN=Rimtone Test Root CA"
root other-ca "/CN=Another Test Root CA"
# NAME DAYS EXTENDED_KEY_USAGE [SUBJECT]: a certificate of the test root and its key.
leaf() {
  openssl req -newkey rsa:2048 -nodes -keyout "$1.key" -out "$1.csr" \
    -subj "${4:-/CN=The Rimtone developers/O=The Rimtone developers}" 2>/dev/null
  printf 'basicConstraints=CA:false\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=%s\n' "$3" >"$1.ext"
  openssl x509 -req -in "$1.csr" -CA ca.crt -CAkey ca.key -CAcreateserial -days "$2" -extfile "$1.ext" \
    -out "$1.crt" 2>/dev/null
  rm -f "$1.csr" "$1.ext"
}
# NAME [CHAIN]: the certificate packed with its key (which leaves the folder) and its chain.
pack() {
  openssl pkcs12 -export -inkey "$1.key" -in "$1.crt" ${2:+-certfile "$2"} -out "$1.pfx" -passout file:password.txt
  rm -f "$1.key"
}
for name_days_usage in signing:2:codeSigning expired:-1:codeSigning server:2:serverAuth; do
  IFS=: read -r name days usage <<<"$name_days_usage"
  leaf "$name" "$days" "$usage"
  pack "$name" ca.crt
done
openssl req -x509 -newkey rsa:2048 -nodes -keyout self-signed.key -out self-signed.crt -days 2 \
  -subj "/CN=Anyone Claims To Be The Publisher" -addext extendedKeyUsage=codeSigning 2>/dev/null
pack self-signed

leaf tsa 2 critical,timeStamping "/CN=Rimtone Test Time-Stamp Authority"
cat >tsa.cnf <<END
# The test time-stamp authority of time-stamp-server.py; each server keeps its own serial file.
[ tsa ]
default_tsa = test_tsa
[ test_tsa ]
serial = \$ENV::RIMTONE_TSA_SERIAL
signer_cert = $PWD/tsa.crt
signer_key = $PWD/tsa.key
certs = $PWD/ca.crt
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256, sha384, sha512
accuracy = secs:1
ess_cert_id_alg = sha256
END
rm -f ca.key other-ca.key ca.srl
echo "test PKI in $pki: $(openssl x509 -in signing.crt -noout -subject), $(openssl x509 -in signing.crt -noout -enddate)"
