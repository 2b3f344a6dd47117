#!/usr/bin/env bash
# Renders the settings dialog and the colour picker under Wine on a private Xvfb display and writes
# docs/settings-dialog.png and docs/color-picker.png. Installs ImageMagick when it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
convert=$(scripts/imagemagick.sh)
scripts/build.sh --quiet ui_screenshots

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
scripts/with-wine.sh build wine build/bin/ui_screenshots.exe "$shots"
mkdir -p docs
for name in settings-dialog color-picker; do
  "$convert" "$shots/$name.bmp" -strip "docs/$name.png"
  echo "docs/$name.png"
done
