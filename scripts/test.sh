#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup-debian.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw
scripts/with-wine.sh build ctest --preset mingw
