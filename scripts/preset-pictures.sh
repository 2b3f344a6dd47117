#!/usr/bin/env bash
# Draws each preset's 12 category colours as hole outlines on the drawing's black background, once
# for each kind of vision (as RimtoneColours simulate computes them), into docs/preset-NAME.png.
# Installs ImageMagick when it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
convert=$(scripts/imagemagick.sh)
font=$(fc-match -f '%{file}' NanumGothic 2>/dev/null || true)
[ -f "$font" ] || { echo "preset-pictures.sh: the NanumGothic font (fonts-nanum) is missing" >&2; exit 1; }
scripts/build.sh --quiet RimtoneColours

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
label=110 cell=86 top=44 row=62
mkdir -p docs
for preset in default colour-vision; do
  scripts/with-wine.sh build wine build/bin/RimtoneColours.exe simulate "Z:${root//\//\\}\\presets\\$preset.reg" |
    tr -d '\r' >"$work/$preset.csv"
  [ "$(wc -l <"$work/$preset.csv")" = 13 ] || { echo "preset-pictures.sh: simulate gave no 12 colours for $preset" >&2; exit 1; }
  draw=(-font "$font" -pointsize 11)
  slot=0
  while IFS=, read -r value category name normal protan deutan tritan; do
    x=$((label + slot * cell + cell / 2))
    draw+=(-fill '#d0d0d0' -stroke none -gravity NorthWest
           -draw "text $((x - cell / 2 + 4)),8 '$category'" -draw "text $((x - cell / 2 + 4)),24 '$value'")
    r=0
    for colour in "$normal" "$protan" "$deutan" "$tritan"; do
      y=$((top + r * row + row / 2))
      draw+=(-fill none -stroke "$colour" -strokewidth 4 -draw "circle $x,$y $((x + 19)),$y")
      r=$((r + 1))
    done
    slot=$((slot + 1))
  done < <(tail -n +2 "$work/$preset.csv")
  r=0
  for vision in normal protanopia deuteranopia tritanopia; do
    draw+=(-fill '#d0d0d0' -stroke none -draw "text 10,$((top + r * row + row / 2 - 8)) '$vision'")
    r=$((r + 1))
  done
  "$convert" -size $((label + 12 * cell))x$((top + 4 * row + 6)) xc:black "${draw[@]}" -strip "docs/preset-$preset.png"
  echo "docs/preset-$preset.png"
done
