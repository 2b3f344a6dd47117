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
if [ "$quiet" = 0 ]; then
  cmake --preset mingw >/dev/null 9>&-
  cmake --build --preset mingw "${targets[@]}" 9>&-
  exit 0
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake --preset mingw && cmake --build --preset mingw "${targets[@]}"; } >"$log" 2>&1 9>&-; then
  cat "$log" >&2
  echo "build.sh: the build failed (output above)" >&2
  exit 1
fi
