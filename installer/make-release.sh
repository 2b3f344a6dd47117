#!/usr/bin/env bash
# Makes the release folder: Rimtone-VERSION-x64.msi and Rimtone-VERSION-x64.zip of the shipped files,
# the debug files of the shipped programs, and SHA256SUMS. The files come in pairs FILE FOLDER,
# FOLDER being where FILE goes under the install folder ("." for the folder itself).
# With a code-signing certificate in RIMTONE_SIGN_PFX (see sign.sh) the programs are signed before
# they go into the packages and the MSI after it is made; without one the release is unsigned.
# Everything is made in a temporary folder: STAGE_DIR and OUT_DIR, removed first, appear only when
# every step succeeded, so that a failed release leaves nothing that could be shipped.
# usage: make-release.sh VERSION PUBLISHER INSTALL_TEXT STAGE_DIR OUT_DIR FILE FOLDER [FILE FOLDER]...
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 7 ] && [ $(( ($# - 5) % 2 )) = 0 ] ||
  { echo "usage: make-release.sh VERSION PUBLISHER INSTALL_TEXT STAGE_DIR OUT_DIR FILE FOLDER..." >&2; exit 2; }
version=$1 publisher=$2 install_text=$3 final_stage=$(realpath -m "$4") final_out=$(realpath -m "$5")
shift 5
rm -rf "$final_stage" "$final_out"
missing=()
for tool in wixl msibuild zip sha256sum "${WINDRES:-x86_64-w64-mingw32-windres}"; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[ ${#missing[@]} = 0 ] ||
  { echo "make-release.sh: ${missing[*]} missing: scripts/setup-debian.sh --release installs what a release needs" >&2; exit 1; }
signing=${RIMTONE_SIGN_PFX:+yes}
if [ -n "$signing" ]; then
  "$here/sign.sh" check
elif [ -n "${RIMTONE_SIGN_PASSWORD_FILE:-}${RIMTONE_SIGN_TIMESTAMP_URL:-}${RIMTONE_SIGN_URL:-}" ]; then
  # Settings for signing without a certificate: a mistyped name, not a wish for an unsigned release.
  echo "make-release.sh: RIMTONE_SIGN_* is set but RIMTONE_SIGN_PFX names no certificate: the release is not made" >&2
  exit 1
else
  echo "No code-signing certificate given (RIMTONE_SIGN_PFX): the release is unsigned."
fi
name=Rimtone-$version-x64

mkdir -p "$(dirname "$final_out")"
work=$(mktemp -d "$(dirname "$final_out")/.release.XXXXXX")
trap 'rm -rf "$work"' EXIT
stage=$work/stage out=$work/release
# The install folder's layout, from the list alone: nothing else in the staging folder.
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

# What Windows shows as the signed program's name, beside the certificate's publisher.
description="Rimtone $version"
if [ -n "$signing" ]; then
  mapfile -d '' programs < <(find "$stage" -type f \( -iname '*.dll' -o -iname '*.exe' \) -print0 | sort -z)
  wait $! || { echo "make-release.sh: cannot list the programs to sign in $stage" >&2; exit 1; }
  "$here/sign.sh" "$description" "${programs[@]}"
fi
"$here/make-msi.sh" "$version" "$publisher" "$stage" "$out/$name.msi"
if [ -n "$signing" ]; then "$here/sign.sh" "$description" "$out/$name.msi"; fi

zip_root=$work/zip
mkdir "$zip_root"
cp -R "$stage" "$zip_root/$name"
# Windows line ends, so that every editor there shows the text as written.
sed "s/@VERSION@/$version/g; s/\$/\r/" "$install_text" >"$zip_root/$name/INSTALL.txt"
(cd "$zip_root" && find "$name" -type f | LC_ALL=C sort | zip -q -X "$out/$name.zip" -@)

(cd "$out" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%f\n' | LC_ALL=C sort |
  xargs sha256sum >SHA256SUMS)
rm -rf "$zip_root"

mv "$stage" "$final_stage"
mv "$out" "$final_out"
if [ -n "$signing" ]; then echo "Signed ${programs[*]#"$stage/"} and $name.msi"; fi
