#!/usr/bin/env bash
# Makes a release from this checkout: installs what is missing, builds Rimtone.dll and its packages
# and leaves them in build/release (Rimtone-VERSION-x64.msi and .zip, the debug files, SHA256SUMS).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh release
echo "build/release:"
(cd build/release && for file in *; do printf '  %9d  %s\n' "$(stat -c %s "$file")" "$file"; done)
echo "Rimtone.dll shipped: $(stat -c %s build/bin/Rimtone.dll) bytes, sha256 $(sha256sum <build/bin/Rimtone.dll | cut -d' ' -f1)"
