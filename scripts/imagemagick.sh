#!/usr/bin/env bash
# Prints the path of ImageMagick's convert: the first one on the PATH, or Debian's, that really is
# ImageMagick (another program may answer to the name). Installs it when missing, as root.
set -euo pipefail
find_convert() {
  for c in $(type -P -a convert) /usr/bin/convert; do
    if "$c" -version 2>/dev/null | grep -q ImageMagick; then echo "$c"; return 0; fi
  done
  return 1
}
find_convert && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "ImageMagick is missing: apt-get install -y imagemagick (as root)" >&2
  exit 1
fi
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick >/dev/null
find_convert || { echo "imagemagick.sh: ImageMagick installed but its convert was not found" >&2; exit 1; }
