#!/usr/bin/env bash
# Makes a release from this checkout: installs what is missing, builds Rimtone.dll and its packages
# and leaves them in build/release (Rimtone-VERSION-x64.msi and .zip, the debug files, SHA256SUMS).
# Signed with the publisher's code-signing certificate when RIMTONE_SIGN_PFX names one (password in
# the file RIMTONE_SIGN_PASSWORD_FILE; RIMTONE_SIGN_TIMESTAMP_URL and RIMTONE_SIGN_URL optional, see
# installer/sign.sh) and then checked by scripts/verify-release.sh; unsigned without one.
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
  # A signed release that does not verify is not a release.
  echo "Checking the signed release:"
  if ! scripts/verify-release.sh build/release --dll build/bin/Rimtone.dll; then
    rm -rf build/release build/installer/stage
    echo "release.sh: the signed release does not verify (above): build/release removed" >&2
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
