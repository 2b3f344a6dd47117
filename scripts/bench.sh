#!/usr/bin/env bash
# Builds and runs the recolouring benchmark once under Wine; its last line holds the figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup-debian.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target RimtoneBench Rimtone pavlib_stub >/dev/null
scripts/with-wine.sh build wine build/bin/RimtoneBench.exe
