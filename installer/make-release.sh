#!/usr/bin/env bash
# Makes the release folder: Rimtone-VERSION-x64.msi and Rimtone-VERSION-x64.zip of the shipped files,
# the debug files of the shipped programs, and SHA256SUMS. The files come in pairs FILE FOLDER,
# FOLDER being where FILE goes under the install folder ("." for the folder itself).
# usage: make-release.sh VERSION PUBLISHER INSTALL_TEXT STAGE_DIR OUT_DIR FILE FOLDER [FILE FOLDER]...
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 7 ] && [ $(( ($# - 5) % 2 )) = 0 ] ||
  { echo "usage: make-release.sh VERSION PUBLISHER INSTALL_TEXT STAGE_DIR OUT_DIR FILE FOLDER..." >&2; exit 2; }
version=$1 publisher=$2 install_text=$3 stage=$(realpath -m "$4") out=$(realpath -m "$5")
shift 5
command -v zip >/dev/null || { echo "make-release.sh: zip is missing: run scripts/setup-debian.sh" >&2; exit 1; }
name=Rimtone-$version-x64

# The install folder's layout, from the list alone: nothing else in the staging folder.
rm -rf "$stage" "$out"
mkdir -p "$stage" "$out"
while [ $# -gt 0 ]; do
  file=$1 folder=$2
  shift 2
  [ -f "$file" ] || { echo "make-release.sh: $file is not built" >&2; exit 1; }
  mkdir -p "$stage/$folder"
  cp "$file" "$stage/$folder/"
  # A program's symbols stay beside the packages, under the name its debug link gives.
  if [ -f "$file.debug" ]; then cp "$file.debug" "$out/"; fi
done

"$here/make-msi.sh" "$version" "$publisher" "$stage" "$out/$name.msi"

zip_root=$(mktemp -d)
trap 'rm -rf "$zip_root"' EXIT
cp -R "$stage" "$zip_root/$name"
# Windows line ends, so that every editor there shows the text as written.
sed "s/@VERSION@/$version/g; s/\$/\r/" "$install_text" >"$zip_root/$name/INSTALL.txt"
(cd "$zip_root" && find "$name" -type f | LC_ALL=C sort | zip -q -X "$out/$name.zip" -@)

(cd "$out" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%f\n' | LC_ALL=C sort |
  xargs sha256sum >SHA256SUMS)
