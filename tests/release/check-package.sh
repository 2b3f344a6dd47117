#!/usr/bin/env bash
# Checks the release folder without installing: the checksums, a ZIP that holds the shipped files
# and INSTALL.txt, an INSTALL.txt that names every file of the ZIP and nothing else, and an MSI of
# the same files and version that is per-machine and has nothing to write or delete under
# HKEY_CURRENT_USER; the version resource of each program, staged (as built) and in the MSI.
# usage: check-package.sh RELEASE_DIR STAGE_DIR VERSION PUBLISHER WINDRES
set -uo pipefail
source "$(dirname "$0")/need-tools.sh"
need_tools msiinfo msiextract unzip sha256sum
release=$1 stage=$2 version=$3 publisher=$4 windres=$5
name=Rimtone-$version-x64 msi=$1/Rimtone-$version-x64.msi zip=$1/Rimtone-$version-x64.zip
status=0
fail() { echo "FAIL: $*"; status=1; }
for file in "$msi" "$zip" "$release/SHA256SUMS" "$release/Rimtone.dll.debug"; do
  [ -f "$file" ] || { echo "FAIL: $file is missing: build the release first"; exit 1; }
done
(cd "$release" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"
[ "$(wc -l <"$release/SHA256SUMS")" = "$(find "$release" -maxdepth 1 -type f ! -name SHA256SUMS | wc -l)" ] ||
  fail "SHA256SUMS does not cover every file of $release"

shipped=$(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
# The ZIP: one top folder, the shipped files as staged, and INSTALL.txt.
listing=$(unzip -Z1 "$zip" | grep -v '/$' | LC_ALL=C sort)
grep -qv "^$name/" <<<"$listing" && fail "the ZIP holds files outside $name/"
in_zip=$(sed "s|^$name/||" <<<"$listing")
[ "$in_zip" = "$(printf '%s\n' "$shipped" INSTALL.txt | LC_ALL=C sort)" ] ||
  fail "the ZIP holds $(tr '\n' ' ' <<<"$in_zip")instead of the shipped files and INSTALL.txt"
while IFS= read -r rel; do
  cmp -s <(unzip -p "$zip" "$name/$rel") "$stage/$rel" || fail "$rel in the ZIP is not the shipped file"
done <<<"$shipped"

# INSTALL.txt lists the package's files, two spaces in, after "This package holds:"; a name ending
# in a backslash stands for every file in that folder.
# It is UTF-8 with a byte-order mark and Windows line ends, so that Notepad shows its Korean half
# in any code page, and the Korean list names the same files as the English one.
install_text=$(mktemp) msi_files_dir=$(mktemp -d)
trap 'rm -rf "$install_text" "$msi_files_dir"' EXIT
unzip -p "$zip" "$name/INSTALL.txt" >"$install_text" 2>/dev/null
[ "$(head -c 3 "$install_text" | od -An -t x1 | tr -d ' ')" = efbbbf ] ||
  fail "INSTALL.txt does not start with a UTF-8 byte-order mark"
iconv -f UTF-8 -t UTF-8 "$install_text" >/dev/null 2>&1 || fail "INSTALL.txt is not valid UTF-8"
grep -qv $'\r$' "$install_text" && fail "INSTALL.txt has lines without a Windows line end"
text=$(tr -d '\r' <"$install_text" | sed '1s/^\xEF\xBB\xBF//')
grep -q '@' <<<"$text" && fail "INSTALL.txt has an unfilled @NAME@"
[ "$(head -1 <<<"$text" | cut -d' ' -f1-2)" = "Rimtone $version" ] || fail "INSTALL.txt does not open with Rimtone $version"
listed() { awk -v head="$1" 'index($0, head) == 1 { on = 1; next } on && /^$/ { exit } on && /^  [^ ]/ { print $1 }' <<<"$text"; }
named=$(listed "This package holds:")
[ "$(listed "이 패키지의 파일:")" = "$named" ] || fail "the Korean text of INSTALL.txt does not list the files the English one lists"
[ -n "$named" ] || fail "INSTALL.txt lists no files after \"This package holds:\""
while IFS= read -r rel; do
  covered=no
  while IFS= read -r entry; do
    entry=${entry//\\//}
    if [ "$rel" = "$entry" ] || { [[ $entry == */ ]] && [[ $rel == "$entry"* ]]; }; then covered=yes; fi
  done <<<"$named"
  [ $covered = yes ] || fail "INSTALL.txt does not name $rel, which the ZIP holds"
done <<<"$in_zip"
while IFS= read -r entry; do
  entry=${entry//\\//}
  grep -qE "^$(sed 's/[.[\*^$]/\\&/g' <<<"$entry")" <<<"$in_zip" || fail "INSTALL.txt names $entry, which the ZIP lacks"
done <<<"$named"

# The MSI: per-machine, this version and publisher, the same files with their versions, and
# registry entries under HKEY_LOCAL_MACHINE only (root 2).
table() { msiinfo export "$msi" "$1" 2>/dev/null | tr -d '\r' | tail -n +4; }
properties=$(table Property)
for expected in "ALLUSERS	1" "ProductVersion	$version" "Manufacturer	$publisher" "ProductName	Rimtone"; do
  grep -qxF "$expected" <<<"$properties" || fail "the MSI lacks the property ${expected/	/ = }"
done
msi_files=$(table File | awk -F'\t' '{ print $3 }' | LC_ALL=C sort)
[ "$msi_files" = "$(sed 's|.*/||' <<<"$shipped" | LC_ALL=C sort)" ] ||
  fail "the MSI installs $(tr '\n' ' ' <<<"$msi_files")instead of the shipped files"
for program in Rimtone.dll RimtoneColours.exe; do
  [ "$(table File | awk -F'\t' -v name=$program '$3 == name { print $5 }')" = "$version.0" ] ||
    fail "the MSI does not give $program the file version $version.0"
done
# The version resource as Windows' file properties, Windows Installer and AppLocker read it.
msiextract -C "$msi_files_dir" "$msi" >/dev/null || fail "msiextract cannot read $msi"
for program in "$stage"/*.{dll,exe} "$msi_files_dir"/Rimtone/*.{dll,exe}; do
  resources=$("$windres" -i "$program" -O rc 2>&1 | sed 's/^ *//')
  for expected in "FILEVERSION ${version//./, }, 0" "VALUE \"FileVersion\", \"$version.0\"" 'VALUE "ProductName", "Rimtone"' \
      "VALUE \"CompanyName\", \"$publisher\"" "VALUE \"OriginalFilename\", \"${program##*/}\""; do
    grep -qxF "$expected" <<<"$resources" || fail "$program: the version resource lacks $expected"
  done
  grep -q '^VALUE "FileDescription", "Rimtone' <<<"$resources" || fail "$program: the version resource has no description"
done
roots=$(table Registry | awk -F'\t' '{ print $2 }' | sort -u)
[ "$roots" = 2 ] || fail "the MSI writes registry roots $(tr '\n' ' ' <<<"$roots")(only 2, HKEY_LOCAL_MACHINE, is allowed)"
for forbidden in RemoveRegistry; do
  [ -z "$(table $forbidden)" ] || fail "the MSI has a $forbidden table"
done

[ $status = 0 ] && echo "OK: $release ($(stat -c %s "$msi") bytes MSI, $(stat -c %s "$zip") bytes ZIP)"
exit $status
