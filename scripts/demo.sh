#!/usr/bin/env bash
# Installs what is missing, builds the plug-in and runs it in the demo host under Wine.
# usage: scripts/demo.sh [--settings] [DRAWING]   (DRAWING relative to the current folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" --quiet RimtoneDemo Rimtone pavlib_stub
# --settings shows the dialog on the caller's display: on a private one nobody could close it.
for arg in "$@"; do
  if [ "$arg" = --settings ]; then
    if [ -z "${DISPLAY:-}" ]; then
      echo "demo.sh: --settings opens a dialog and needs a display (set DISPLAY)" >&2
      exit 2
    fi
    export RIMTONE_USE_DISPLAY=1
  fi
done
# Run from the caller's folder, which Wine maps to the current drive, so that a drawing path means
# what it means to the caller.
LC_ALL=C.UTF-8 "$root/scripts/with-wine.sh" "$root/build" wine "$root/build/bin/RimtoneDemo.exe" "$@"
