#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test under Wine, then the tests of
# the scripts themselves, which start runs of their own and so cannot run inside CTest's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# The release tests make, sign and check releases: their tools too (the build alone needs none).
scripts/setup-debian.sh --release
scripts/build.sh
scripts/with-wine.sh build ctest --preset mingw
tests/scripts/shared-prefix-test.sh
