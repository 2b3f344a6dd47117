#!/usr/bin/env bash
# Installs what is missing, then configures and builds the given targets (everything without any)
# in build/. Builds in the same folder take turns: two at once can break each other's files.
# usage: scripts/build.sh [--quiet] [TARGET...]   (--quiet: the build's output only on failure)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
quiet=0
if [ "${1:-}" = --quiet ]; then quiet=1; shift; fi
scripts/setup-debian.sh
mkdir -p build
exec 9>>build/build.lock
if ! flock -n 9; then
  echo "build.sh: waiting for the other build in $root/build" >&2
  flock 9
fi
targets=()
[ $# -eq 0 ] || targets=(--target "$@")
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# A build folder configured with another compiler than the toolchain file names is refused by the
# configuration; its configuration then starts afresh (the Wine prefix stays).
if ! cmake --preset mingw >"$log" 2>&1 9>&-; then
  if grep -q 'was configured with another compiler' "$log"; then
    echo "build.sh: build/ was configured with another compiler: configuring it afresh" >&2
    rm -rf build/CMakeCache.txt build/CMakeFiles
    cmake --preset mingw >"$log" 2>&1 9>&- || { cat "$log" >&2; echo "build.sh: the configuration failed (output above)" >&2; exit 1; }
  else
    cat "$log" >&2
    echo "build.sh: the configuration failed (output above)" >&2
    exit 1
  fi
fi
if [ "$quiet" = 0 ]; then
  cmake --build --preset mingw "${targets[@]}" 9>&-
  exit 0
fi
if ! cmake --build --preset mingw "${targets[@]}" >"$log" 2>&1 9>&-; then
  cat "$log" >&2
  echo "build.sh: the build failed (output above)" >&2
  exit 1
fi
