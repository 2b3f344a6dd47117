#!/usr/bin/env bash
# Reads back the version resource of each program as Windows' file properties, Windows Installer
# and publisher rules (AppLocker) read it: the project's version as the fixed file and product
# version and as text, the product "Rimtone", the publisher as the company, the file's own name,
# a description, and the file type of a DLL or of a program.
# usage: check-version-resources.sh WINDRES VERSION PUBLISHER FILE...
set -uo pipefail
[ $# -ge 4 ] || { echo "usage: check-version-resources.sh WINDRES VERSION PUBLISHER FILE..." >&2; exit 2; }
windres=$1 version=$2 publisher=$3
shift 3
status=0
fail() { echo "FAIL: $*"; status=1 bad=1; }
for file in "$@"; do
  name=$(basename "$file") bad=0
  if ! resources=$("$windres" -i "$file" -O rc 2>&1); then
    fail "$file: no resources to read: $resources"
    continue
  fi
  resources=$(sed 's/^ *//' <<<"$resources")
  case $name in *.[dD][lL][lL]) type=0x2 ;; *) type=0x1 ;; esac
  for expected in "FILEVERSION ${version//./, }, 0" "PRODUCTVERSION ${version//./, }, 0" "FILETYPE $type" \
      "VALUE \"FileVersion\", \"$version.0\"" "VALUE \"ProductVersion\", \"$version.0\"" \
      'VALUE "ProductName", "Rimtone"' "VALUE \"CompanyName\", \"$publisher\"" "VALUE \"OriginalFilename\", \"$name\""; do
    grep -qxF "$expected" <<<"$resources" || fail "$file: the version resource lacks $expected"
  done
  for field in FileDescription InternalName LegalCopyright; do
    grep -Eqx "VALUE \"$field\", \"[^\"]+\"" <<<"$resources" || fail "$file: the version resource names no $field"
  done
  [ $bad = 1 ] || echo "$name: $(grep -E '^VALUE "(ProductName|FileVersion|FileDescription)"' <<<"$resources" | cut -d, -f2- | tr -d '"' | paste -sd';')"
done
exit $status
