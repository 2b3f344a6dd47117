#!/usr/bin/env bash
# Renders the settings dialog and the colour picker under Wine on a private Xvfb display and writes
# docs/settings-dialog.png and docs/color-picker.png. Installs ImageMagick when it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup-debian.sh
# ImageMagick's convert: the first one on the PATH, or Debian's, that really is ImageMagick.
find_convert() {
  for c in $(command -v -a convert 2>/dev/null) /usr/bin/convert; do
    if "$c" -version 2>/dev/null | grep -q ImageMagick; then echo "$c"; return 0; fi
  done
  return 1
}
if ! convert=$(find_convert); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "ImageMagick is missing: apt-get install -y imagemagick (as root)" >&2
    exit 1
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick >/dev/null
  convert=$(find_convert)
fi
scripts/build.sh --quiet ui_screenshots

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
scripts/with-wine.sh build wine build/bin/ui_screenshots.exe "$shots"
mkdir -p docs
for name in settings-dialog color-picker; do
  "$convert" "$shots/$name.bmp" -strip "docs/$name.png"
  echo "docs/$name.png"
done
