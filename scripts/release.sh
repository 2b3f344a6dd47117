#!/usr/bin/env bash
# Makes a release from this checkout: installs what is missing, builds Rimtone.dll and its packages
# and leaves them in build/release (Rimtone-VERSION-x64.msi and .zip, the debug files, SHA256SUMS).
# Signed with the publisher's code-signing certificate when RIMTONE_SIGN_PFX names one (password in
# the file RIMTONE_SIGN_PASSWORD_FILE, time-stamp server RIMTONE_SIGN_TIMESTAMP_URL, RIMTONE_SIGN_URL
# optional, see installer/sign.sh) and then checked by scripts/verify-release.sh against the certificate's own
# chain; unsigned without one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# The certificate's files may be named relative to the folder the command was given in.
for name in RIMTONE_SIGN_PFX RIMTONE_SIGN_PASSWORD_FILE; do
  if [ -n "${!name:-}" ]; then export "$name=$(realpath -m "${!name}")"; fi
done
cd "$root"
scripts/setup-debian.sh --release
scripts/build.sh release
if [ -n "${RIMTONE_SIGN_PFX:-}" ]; then
  # A signed release that is not OK against the chain it was signed with, the certificates of the
  # PKCS#12 file up to its root or to one of the system's roots, is not a release.
  echo "Checking the signed release:"
  chain=$(mktemp -d)
  trap 'rm -rf "$chain"' EXIT
  roots=/etc/ssl/certs/ca-certificates.crt
  if ! installer/sign.sh certificates >"$chain/signing-chain.pem" ||
     ! { [ ! -f "$roots" ] || cat "$roots"; } >>"$chain/signing-chain.pem" ||
     ! scripts/verify-release.sh build/release --ca "$chain/signing-chain.pem" --dll build/bin/Rimtone.dll; then
    rm -rf build/release build/installer/stage
    echo "release.sh: the signed release is not OK against the chain it was signed with (above): build/release removed" >&2
    exit 1
  fi
fi
echo "build/release:"
(cd build/release && for file in *; do printf '  %9d  %s\n' "$(stat -c %s "$file")" "$file"; done)
shipped=build/installer/stage/Rimtone.dll
if [ -n "${RIMTONE_SIGN_PFX:-}" ]; then
  echo "Rimtone.dll shipped: $(stat -c %s "$shipped") bytes signed ($(stat -c %s build/bin/Rimtone.dll) unsigned)," \
       "sha256 $(sha256sum <"$shipped" | cut -d' ' -f1), Authenticode digest $(installer/authenticode-digest.sh "$shipped")"
else
  echo "Rimtone.dll shipped: $(stat -c %s "$shipped") bytes, sha256 $(sha256sum <"$shipped" | cut -d' ' -f1)"
fi
