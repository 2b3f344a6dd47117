#!/usr/bin/env bash
# Changes one byte of the test-signed release at a time, in copies of it, and checks that
# scripts/verify-release.sh refuses each, naming the file: the DLL inside the ZIP (SHA256SUMS
# made anew, as whoever changed it would), the MSI's embedded cabinet (likewise), a release file
# without new checksums, and an unsigned DLL that is not the one the release was signed from.
# usage: check-tampered.sh SOURCE_DIR SIGNED_DIR PKI_DIR DLL WORK_DIR
set -uo pipefail
source "$(dirname "$0")/need-tools.sh"
need_tools "${release_tools[@]}"
source_dir=$1 signed=$2 pki=$3 dll=$4 work=$(realpath -m "$5")
status=0
fail() { echo "FAIL: $*"; status=1; }
[ -f "$signed/release/SHA256SUMS" ] && [ -f "$dll" ] || { echo "FAIL: the signed release or $dll is missing"; exit 1; }
rm -rf "$work"
mkdir -p "$work"

# Inverts the bits of the byte at OFFSET of FILE.
flip() {
  local byte
  byte=$(od -An -t u1 -j "$2" -N 1 "$1" | tr -d ' ')
  printf "\\$(printf '%03o' $((byte ^ 0xff)))" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}
# A fresh copy of the release in $copy.
copy_release() { copy=$work/$1; rm -rf "$copy"; cp -R "$signed/release" "$copy"; }
new_sums() { (cd "$copy" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%f\n' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS); }
# Runs verify-release.sh on $copy and expects it to fail with a FAIL line for FILE matching TEXT.
expect_refused() {
  local label=$1 file=$2 text=$3 output
  shift 3
  if output=$("$source_dir/scripts/verify-release.sh" "$copy" --ca "$pki/ca.crt" --dll "${reference:-$dll}" 2>&1); then
    fail "$label: verify-release.sh passed it"
  elif ! grep -qE "^FAIL +$file +.*$text" <<<"$output"; then
    fail "$label: no FAIL line for $file saying \"$text\":"; echo "$output"
  else
    echo "$label: refused: $(grep -E "^FAIL +$file " <<<"$output" | head -1 | cut -c1-160)"
  fi
}

msi_name=$(basename "$signed"/release/Rimtone-*-x64.msi) zip_name=$(basename "$signed"/release/Rimtone-*-x64.zip)
name=${zip_name%.zip}

# One byte in the middle of the DLL, inside the ZIP.
copy_release dll
mkdir "$work/unpacked"
(cd "$work/unpacked" && unzip -q "$copy/$zip_name")
target=$work/unpacked/$name/Rimtone.dll
flip "$target" $(( $(stat -c %s "$target") / 2 ))
rm "$copy/$zip_name"
(cd "$work/unpacked" && find "$name" -type f | LC_ALL=C sort | zip -q -X "$copy/$zip_name" -@)
new_sums
expect_refused "a byte of the DLL in the ZIP" Rimtone.dll "has changed since it was signed"

# One byte of the cabinet that the MSI embeds.
copy_release msi
cabinet=$(grep -obUa MSCF "$copy/$msi_name" | head -1 | cut -d: -f1)
[ -n "$cabinet" ] || fail "no cabinet found in $msi_name"
flip "$copy/$msi_name" $((cabinet + 4096))
new_sums
expect_refused "a byte of the MSI" "$msi_name" "has changed since it was signed"

# The same change without new checksums.
copy_release sums
flip "$copy/$msi_name" $((cabinet + 4096))
expect_refused "a byte of the MSI, checksums as shipped" SHA256SUMS "does not match"

# An unsigned DLL other than the one signed: not the build of these sources.
copy_release reference
reference=$work/other-build.dll
cp "$dll" "$reference"
flip "$reference" $(( $(stat -c %s "$reference") / 2 ))
expect_refused "another unsigned DLL" Rimtone.dll "differs from [0-9A-F]{64} of other-build.dll"

if [ $status = 0 ]; then rm -rf "$work"; echo OK; fi
exit $status
