#!/usr/bin/env bash
# Renders the settings dialog and the colour picker under Wine on a private Xvfb display and writes
# docs/settings-dialog.png, docs/color-picker.png, the settings dialog with two colours locked by
# policy and a tooltip: docs/settings-dialog-policy.png, and, at 144 DPI, the picker opened from the
# keyboard beside the row it edits: docs/color-picker-keyboard-144dpi.png. Installs ImageMagick
# when it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
convert=$(scripts/imagemagick.sh)
scripts/build.sh --quiet ui_screenshots

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
# A display of a desktop's size, so that at 144 DPI the settings dialog fits on the screen and the
# picker has room beside it as it would on such a desktop (the tests' display is 1024x768).
RIMTONE_SCREEN=1920x1080x24 scripts/with-wine.sh build wine build/bin/ui_screenshots.exe "$shots"
mkdir -p docs
for name in settings-dialog color-picker settings-dialog-policy color-picker-keyboard-144dpi; do
  "$convert" "$shots/$name.bmp" -strip "docs/$name.png"
  echo "docs/$name.png"
done
