#!/usr/bin/env bash
# Checks a signed release folder (what scripts/release.sh leaves in build/release), one line per
# file:
#   - SHA256SUMS matches the folder's files;
#   - the MSI's signature, and the signature of each program in the ZIP, verifies: the file is
#     unchanged since it was signed, by the holder of the certificate named, and that certificate
#     chains to a root you trust: the CA certificates given with --ca (the publisher's root), or
#     without --ca the system's roots. A signature that is intact but chains only to a root the
#     signature brings along (a self-signed certificate, or a private root not given) proves
#     nothing about who made it: its line says UNTRUSTED and "publisher not established";
#   - a time-stamp, where a signature has one, verifies against the --ca certificates or the
#     system's roots and is shown: a time-stamped signature goes on verifying after its
#     certificate expires, one without a time-stamp does not (--at checks as at another date);
#   - the MSI installs exactly the files of the ZIP (INSTALL.txt aside), byte for byte;
#   - Rimtone.dll's Authenticode digest, what its signature signs, equals that of the unsigned DLL
#     built from this checkout (the build is reproducible): the signed DLL comes from these sources.
#     --dll names an unsigned DLL built already instead of building one.
# Exit code: 0 every line OK; 1 a line FAIL (a file changed since it was signed, is unsigned or its
# signature does not verify, the packages differ); 3 no FAIL, but a line UNTRUSTED (intact, but
# the publisher is not established); 2 the check could not run (usage, a missing tool or file).
# usage: scripts/verify-release.sh RELEASE_FOLDER [--ca CERTS] [--dll UNSIGNED_DLL] [--at DATE]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage() { echo "usage: scripts/verify-release.sh RELEASE_FOLDER [--ca CERTS] [--dll UNSIGNED_DLL] [--at DATE]" >&2; exit 2; }
release= ca= reference= at=
while [ $# -gt 0 ]; do
  case $1 in
    --ca) [ $# -ge 2 ] || usage; ca=$(realpath -m "$2"); shift 2 ;;
    --dll) [ $# -ge 2 ] || usage; reference=$(realpath -m "$2"); shift 2 ;;
    --at) [ $# -ge 2 ] || usage
          at=$(date -d "$2" +%s 2>/dev/null) || { echo "verify-release.sh: --at $2 is not a date" >&2; exit 2; }
          shift 2 ;;
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
ok() { printf 'OK         %-28s %s\n' "$1" "$2"; }
fail() { printf 'FAIL       %-28s %s\n' "$1" "$2"; status=1; }
untrusted() { printf 'UNTRUSTED  %-28s %s\n' "$1" "$2"; [ $status = 1 ] || status=3; }
joined() { local text= part; for part; do text+=${text:+; }$part; done; printf '%s' "$text"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The roots trusted for the publisher: the given ones alone, or the system's. A time-stamp
# authority is trusted through either: publishers with a root of their own time-stamp with a
# public authority as often as with their own.
system_roots=/etc/ssl/certs/ca-certificates.crt
[ -f "$system_roots" ] || system_roots=/dev/null
anchors=${ca:-$system_roots} trusted=${ca:+$(basename "$ca")}
trusted=${trusted:-"the system's roots"}
cat ${ca:+"$ca"} "$system_roots" >"$work/tsa-anchors.pem"
if [ -n "$at" ]; then echo "Checking the signatures as on $(date -u -d "@$at" '+%b %e %H:%M:%S %Y GMT')"; fi

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

# Verifies the signature of FILE. Returns 0 when it is intact and chains to a trusted root, 3 when
# it is intact but the publisher or the time-stamp is not established, 1 otherwise; sets `signer`,
# `signed_digest`, `details` (what the line says of the signature) and on failure `problem`.
verify_signature() {
  local file=$1 output code calculated why chain_end stamp result=0
  signer= signed_digest= details= problem=
  rm -f "$work/signature.pem"
  if ! osslsigncode extract-signature -pem -in "$file" -out "$work/signature.pem" >/dev/null 2>&1; then
    problem="is not signed"
    return 1
  fi
  # osslsigncode builds and checks the chain in any case, as at the time-stamp where there is one,
  # else as at --at or now.
  check() { output=$(osslsigncode verify -CAfile "$1" -TSA-CAfile "$work/tsa-anchors.pem" ${at:+-time "$at"} -in "$file" 2>&1); code=$?; }
  verified() { [ $code = 0 ] && grep -q '^Signature verification: ok' <<<"$output"; }
  # A PE file shows "... message digest", an MSI "... DigitalSignature".
  digest_of() { awk -v what="$1" '$0 ~ "^" what " (message digest|DigitalSignature) *:" { sub(/^[^:]*: */, ""); print $1; exit }' <<<"$output"; }
  check "$anchors"
  signer=$(awk '/Signer.s certificate:/ { on = 1 } on && /Subject:/ { sub(/.*Subject: */, ""); print; exit }' <<<"$output")
  signed_digest=$(digest_of Current) calculated=$(digest_of Calculated)
  if [ -n "$signed_digest" ] && [ "$signed_digest" != "$calculated" ]; then
    problem="has changed since it was signed (digest $calculated, signed $signed_digest)"
    return 1
  fi
  if ! verified; then
    # Intact from an unknown publisher, or broken: told apart with the certificates that the
    # signature carries as the roots, which establish who holds the key, not who that is.
    why=$(grep -m1 -o 'Verify error: .*\|Error: .*' <<<"$output")
    openssl pkcs7 -in "$work/signature.pem" -print_certs -out "$work/carried.pem" 2>/dev/null
    check "$work/carried.pem"
    verified || { problem="signature of $signer does not verify${why:+ ($why)}"; return 1; }
    result=3
  fi
  chain_end=$(awk '/^Signing certificate chain verified using:/ { on = 1 } /^Signature verification/ { on = 0 }
                   on && /Subject:/ { sub(/.*Subject: */, ""); subject = $0 }
                   on && /Issuer *:/ { sub(/.*Issuer *: */, ""); if ($0 == subject) { print; exit } }' <<<"$output")
  if [ $result = 3 ]; then
    [ "$chain_end" != "$signer" ] || chain_end="itself (self-signed)"
    details="signed by $signer; publisher not established: its chain ends at $chain_end, which is not among the roots trusted here ($trusted)"
  else
    details="signed by $signer; chains to $chain_end"
  fi
  stamp=$(awk '/^Countersignatures:/ { on = 1 } on && /Timestamp time:/ { sub(/.*Timestamp time: */, ""); print; exit }' <<<"$output")
  if [ -z "$stamp" ]; then
    details+="; not time-stamped: verifies only until $(awk '/Signer.s certificate:/ { on = 1 } on && /notAfter *:/ { sub(/.*notAfter *: */, ""); print; exit }' <<<"$output")"
  elif grep -q '^Timestamp Server Signature verification: ok' <<<"$output"; then
    details+="; time-stamped $stamp"
  else
    details+="; time-stamp authority not established: the time-stamp of $stamp does not verify against ${ca:+$(basename "$ca") or }the system's roots"
    result=3
  fi
  return $result
}

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

verify_signature "$msi"
case $? in
  1) msi_problems=("$problem" "${msi_problems[@]}") ;;
  3) msi_doubt=yes ;;
esac
if [ ${#msi_problems[@]} != 0 ]; then
  fail "$(basename "$msi")" "$(joined "${msi_problems[@]}")"
elif [ -n "${msi_doubt:-}" ]; then
  untrusted "$(basename "$msi")" "$details"
else
  ok "$(basename "$msi")" "$details"
fi

[ -n "$zip_files" ] || zip_problems+=("holds no files in a folder $name")
if [ -n "$zip_files" ] && [ -n "$msi_files" ] && [ "$zip_files" != "$msi_files" ]; then
  zip_problems+=("holds $(tr '\n' ' ' <<<"$zip_files")where the MSI installs $(tr '\n' ' ' <<<"$msi_files")")
fi
if [ ${#zip_problems[@]} = 0 ] && [ -z "$msi_root" ]; then
  ok "$(basename "$zip")" "holds $(wc -l <<<"$zip_files") files and INSTALL.txt"
elif [ ${#zip_problems[@]} = 0 ]; then
  ok "$(basename "$zip")" "holds the $(wc -l <<<"$zip_files") files that the MSI installs, and INSTALL.txt"
else
  fail "$(basename "$zip")" "$(joined "${zip_problems[@]}")"
fi

# Each shipped file as the ZIP holds it: its signature, the MSI's copy, and for the plug-in its
# tie to the unsigned build.
while IFS= read -r rel; do
  [ -n "$rel" ] || continue
  file=$zip_root/$rel notes=() problems=() doubt=
  if [[ $rel =~ \.([dD][lL][lL]|[eE][xX][eE])$ ]]; then
    verify_signature "$file"
    case $? in
      1) problems+=("$problem") ;;
      3) notes+=("$details") doubt=yes ;;
      *) notes+=("$details") ;;
    esac
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
  if [ ${#problems[@]} != 0 ]; then
    fail "$rel" "$(joined "${problems[@]}")"
  elif [ -n "$doubt" ]; then
    untrusted "$rel" "$(joined "${notes[@]}")"
  else
    ok "$rel" "$(joined "${notes[@]}")"
  fi
done <<<"$zip_files"

exit $status
