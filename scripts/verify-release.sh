#!/usr/bin/env bash
# Checks a signed release folder (what scripts/release.sh leaves in build/release), one line per
# file, and exits non-zero on any mismatch:
#   - SHA256SUMS matches the folder's files;
#   - the MSI's signature, and the signature of each program in the ZIP, verifies: the file is
#     unchanged since it was signed, by the holder of the certificate named. With --ca the
#     certificate must also chain to CERT (the publisher's root or the CA you trust); without it
#     the chain is built from the certificates the signature carries and the system's roots;
#   - the MSI installs exactly the files of the ZIP (INSTALL.txt aside), byte for byte;
#   - Rimtone.dll's Authenticode digest, what its signature signs, equals that of the unsigned DLL
#     built from this checkout (the build is reproducible): the signed DLL comes from these sources.
#     --dll names an unsigned DLL built already instead of building one.
# usage: scripts/verify-release.sh RELEASE_FOLDER [--ca CERT] [--dll UNSIGNED_DLL]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage() { echo "usage: scripts/verify-release.sh RELEASE_FOLDER [--ca CERT] [--dll UNSIGNED_DLL]" >&2; exit 2; }
release= ca= reference=
while [ $# -gt 0 ]; do
  case $1 in
    --ca) [ $# -ge 2 ] || usage; ca=$(realpath -m "$2"); shift 2 ;;
    --dll) [ $# -ge 2 ] || usage; reference=$(realpath -m "$2"); shift 2 ;;
    -*) usage ;;
    *) [ -z "$release" ] || usage; release=$(realpath -m "$1"); shift ;;
  esac
done
[ -n "$release" ] || usage
[ -d "$release" ] || { echo "verify-release.sh: no folder $release" >&2; exit 2; }
[ -z "$ca" ] || [ -f "$ca" ] || { echo "verify-release.sh: no CA certificate $ca" >&2; exit 2; }
missing=()
for tool in osslsigncode openssl msiextract unzip sha256sum; do command -v "$tool" >/dev/null || missing+=("$tool"); done
[ ${#missing[@]} = 0 ] ||
  { echo "verify-release.sh: ${missing[*]} missing: scripts/setup-debian.sh --release installs them" >&2; exit 2; }

status=0
ok() { printf 'OK    %-28s %s\n' "$1" "$2"; }
fail() { printf 'FAIL  %-28s %s\n' "$1" "$2"; status=1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shopt -s nullglob
msis=("$release"/Rimtone-*-x64.msi) zips=("$release"/Rimtone-*-x64.zip)
shopt -u nullglob
[ ${#msis[@]} = 1 ] && [ ${#zips[@]} = 1 ] ||
  { echo "verify-release.sh: $release does not hold one Rimtone-VERSION-x64.msi and one .zip" >&2; exit 2; }
msi=${msis[0]} zip=${zips[0]} name=$(basename "${zips[0]}" .zip)

# The unsigned DLL to compare with: built from this checkout unless one is given.
if [ -z "$reference" ]; then
  echo "Building Rimtone.dll from $root ($(git -C "$root" describe --always --dirty 2>/dev/null || echo "not a git checkout"))"
  "$root/scripts/build.sh" --quiet Rimtone || { echo "verify-release.sh: the build failed" >&2; exit 2; }
  reference=$root/build/bin/Rimtone.dll
fi
[ -f "$reference" ] || { echo "verify-release.sh: no DLL $reference" >&2; exit 2; }

if [ -f "$release/SHA256SUMS" ]; then
  listed=$(wc -l <"$release/SHA256SUMS")
  present=$(find "$release" -maxdepth 1 -type f ! -name SHA256SUMS | wc -l)
  if ! (cd "$release" && sha256sum --quiet --strict -c SHA256SUMS) >"$work/sums" 2>&1; then
    fail SHA256SUMS "does not match: $(tr '\n' ' ' <"$work/sums")"
  elif [ "$listed" != "$present" ]; then
    fail SHA256SUMS "lists $listed files, the folder holds $present besides it"
  else
    ok SHA256SUMS "matches all $listed files"
  fi
else
  fail SHA256SUMS "is missing"
fi

# Verifies the signature of FILE; sets `signer` and `signed_digest`, and on failure `problem`.
# The trust anchors are the given CA alone, or else the certificates that the signature carries
# together with the system's roots (osslsigncode verifies a chain in any case).
verify_signature() {
  local file=$1 anchors output verdict calculated why
  signer= signed_digest= problem=
  rm -f "$work/signature.pem"
  if ! osslsigncode extract-signature -pem -in "$file" -out "$work/signature.pem" >/dev/null 2>&1; then
    problem="is not signed"
    return 1
  fi
  anchors=$ca
  if [ -z "$anchors" ]; then
    anchors=$work/anchors.pem
    { openssl pkcs7 -in "$work/signature.pem" -print_certs 2>/dev/null
      cat /etc/ssl/certs/ca-certificates.crt 2>/dev/null; } >"$anchors"
  fi
  output=$(osslsigncode verify -CAfile "$anchors" -in "$file" 2>&1)
  verdict=$?
  # A PE file shows "... message digest", an MSI "... DigitalSignature".
  digest_of() { awk -v what="$1" '$0 ~ "^" what " (message digest|DigitalSignature) *:" { sub(/^[^:]*: */, ""); print $1; exit }' <<<"$output"; }
  signer=$(awk '/Signer.s certificate:/ { on = 1 } on && /Subject:/ { sub(/.*Subject: */, ""); print; exit }' <<<"$output")
  signed_digest=$(digest_of Current) calculated=$(digest_of Calculated)
  if [ -n "$signed_digest" ] && [ "$signed_digest" != "$calculated" ]; then
    problem="has changed since it was signed (digest $calculated, signed $signed_digest)"
    return 1
  fi
  if [ $verdict != 0 ] || ! grep -q '^Signature verification: ok' <<<"$output"; then
    why=$(grep -m1 -o 'Verify error: .*\|Error: .*' <<<"$output")
    if [ -n "$ca" ]; then
      problem="signature of $signer does not verify against $(basename "$ca")${why:+ ($why)}"
    else
      problem="signature of $signer does not verify${why:+ ($why)}; give the publisher's root with --ca"
    fi
    return 1
  fi
  return 0
}
if [ -n "$ca" ]; then chain="chain to $(basename "$ca") verified"; else chain="chain not checked against a CA of yours (--ca)"; fi

# Every file of the ZIP and of the MSI, by its place under the install folder.
mkdir -p "$work/zip" "$work/msi"
msi_problems=() zip_problems=()
unzip -q "$zip" -d "$work/zip" 2>"$work/unzip.log" ||
  zip_problems+=("cannot be unpacked: $(head -1 "$work/unzip.log")")
zip_root=$work/zip/$name msi_root=
if (cd "$work/msi" && msiextract "$msi" >/dev/null 2>"$work/msiextract.log"); then
  msi_root=$(find "$work/msi" -type f -name Rimtone.dll -printf '%h\n' | head -1)
  [ -n "$msi_root" ] || msi_problems+=("installs no Rimtone.dll")
else
  msi_problems+=("its files cannot be extracted: $(head -1 "$work/msiextract.log")")
fi
listing() { [ -n "$1" ] && [ -d "$1" ] && (cd "$1" && find . -type f ! -path ./INSTALL.txt | sed 's|^\./||' | LC_ALL=C sort); }
zip_files=$(listing "$zip_root") msi_files=$(listing "$msi_root")

if verify_signature "$msi"; then msi_note="signed by $signer; $chain"; else msi_problems=("$problem" "${msi_problems[@]}"); fi
if [ ${#msi_problems[@]} = 0 ]; then ok "$(basename "$msi")" "$msi_note"; else fail "$(basename "$msi")" "$(IFS=';'; sed 's/;/; /g' <<<"${msi_problems[*]}")"; fi

[ -n "$zip_files" ] || zip_problems+=("holds no files in a folder $name")
if [ -n "$zip_files" ] && [ -n "$msi_files" ] && [ "$zip_files" != "$msi_files" ]; then
  zip_problems+=("holds $(tr '\n' ' ' <<<"$zip_files")where the MSI installs $(tr '\n' ' ' <<<"$msi_files")")
fi
if [ ${#zip_problems[@]} = 0 ] && [ -z "$msi_root" ]; then
  ok "$(basename "$zip")" "holds $(wc -l <<<"$zip_files") files and INSTALL.txt"
elif [ ${#zip_problems[@]} = 0 ]; then
  ok "$(basename "$zip")" "holds the $(wc -l <<<"$zip_files") files that the MSI installs, and INSTALL.txt"
else
  fail "$(basename "$zip")" "$(IFS=';'; sed 's/;/; /g' <<<"${zip_problems[*]}")"
fi

# Each shipped file as the ZIP holds it: its signature, the MSI's copy, and for the plug-in its
# tie to the unsigned build.
while IFS= read -r rel; do
  [ -n "$rel" ] || continue
  file=$zip_root/$rel notes=() problems=()
  if [[ $rel =~ \.([dD][lL][lL]|[eE][xX][eE])$ ]]; then
    if verify_signature "$file"; then notes+=("signed by $signer"); else problems+=("$problem"); fi
    if [ "$(basename "$rel")" = Rimtone.dll ]; then
      ours=$("$root/installer/authenticode-digest.sh" "$reference" 2>&1)
      theirs=$("$root/installer/authenticode-digest.sh" "$file" 2>&1)
      if [ "$theirs" != "$ours" ]; then
        problems+=("Authenticode digest $theirs differs from $ours of $(basename "$reference") built from these sources")
      elif [ -n "$signed_digest" ]; then
        notes+=("Authenticode digest $theirs = the unsigned build's")
      fi
    fi
  fi
  if [ -z "$msi_root" ]; then
    problems+=("not compared with the MSI, whose files could not be read")
  elif [ ! -f "$msi_root/$rel" ]; then
    problems+=("is not in the MSI")
  elif ! cmp -s "$file" "$msi_root/$rel"; then
    problems+=("differs from the MSI's copy")
  else
    notes+=("the MSI's copy is the same")
  fi
  if [ ${#problems[@]} = 0 ]; then
    ok "$rel" "$(IFS=';'; sed 's/;/; /g' <<<"${notes[*]}")"
  else
    fail "$rel" "$(IFS=';'; sed 's/;/; /g' <<<"${problems[*]}")"
  fi
done <<<"$zip_files"

exit $status
