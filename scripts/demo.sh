#!/usr/bin/env bash
# Installs what is missing, builds the plug-in and runs it in the demo host under Wine.
# usage: scripts/demo.sh [--settings] [DRAWING]   (DRAWING relative to the current folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
args=()
for arg in "$@"; do
  # Wine's current drive maps /, so an absolute Unix path reaches the program intact.
  if [ -e "$arg" ]; then args+=("$(readlink -f "$arg")"); else args+=("$arg"); fi
done
cd "$root"
scripts/setup-debian.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target RimtoneDemo Rimtone pavlib_stub >/dev/null
# --settings shows the dialog on the caller's display: on a private one nobody could close it.
for arg in "${args[@]}"; do
  if [ "$arg" = --settings ]; then
    if [ -z "${DISPLAY:-}" ]; then
      echo "demo.sh: --settings opens a dialog and needs a display (set DISPLAY)" >&2
      exit 2
    fi
    export RIMTONE_USE_DISPLAY=1
  fi
done
LC_ALL=C.UTF-8 scripts/with-wine.sh build wine build/bin/RimtoneDemo.exe "${args[@]}"
