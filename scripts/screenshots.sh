#!/usr/bin/env bash
# Renders the settings dialog and the colour picker under Wine on a private Xvfb display and writes
# docs/settings-dialog.png, docs/color-picker.png and, at 144 DPI, the picker opened from the
# keyboard beside the row it edits: docs/color-picker-keyboard-144dpi.png. Installs ImageMagick
# when it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
convert=$(scripts/imagemagick.sh)
scripts/build.sh --quiet ui_screenshots

shots=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$shots"
}
trap cleanup EXIT
trap "exit 130" INT TERM

# A display of a desktop's size, so that at 144 DPI the settings dialog fits on the screen and the
# picker has room beside it as it would on such a desktop (the tests' display is 1024x768).
for n in $(seq 141 190); do
  [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
  Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -e /tmp/.X11-unix/X$n ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -e /tmp/.X11-unix/X$n ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    export DISPLAY=":$n"
    break
  fi
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "screenshots.sh: could not start Xvfb on any display from :141 to :190" >&2; exit 1; }
RIMTONE_USE_DISPLAY=1 scripts/with-wine.sh build wine build/bin/ui_screenshots.exe "$shots"
mkdir -p docs
for name in settings-dialog color-picker color-picker-keyboard-144dpi; do
  "$convert" "$shots/$name.bmp" -strip "docs/$name.png"
  echo "docs/$name.png"
done
