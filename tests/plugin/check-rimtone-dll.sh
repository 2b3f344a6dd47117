#!/usr/bin/env bash
# Checks the built Rimtone.dll as the host and Windows see it: PE32+ for x86-64, Startup exported
# by name, imports from the host library and system DLLs only, and a version resource.
# usage: check-rimtone-dll.sh DLL OBJDUMP WINDRES HOST_LIBRARY_NAME
set -uo pipefail
dll=$1 objdump=$2 windres=$3 host=$4
status=0
fail() { echo "FAIL: $*"; status=1; }

headers=$("$objdump" -p "$dll") || { echo "FAIL: objdump cannot read $dll"; exit 1; }
grep -q 'file format pei-x86-64' <<<"$headers" || fail "not a PE image for x86-64"
grep -Eq '^Magic[[:space:]]+020b' <<<"$headers" || fail "not PE32+"
exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers")
grep -Eq '\][[:space:]]+Startup$' <<<"$exports" || fail "Startup is not exported by name"
[ "$(grep -Ec '^[[:space:]]*\[ *[0-9]+\] ' <<<"$exports")" = 1 ] || fail "exports more than Startup"

allowed="^(${host}|kernel32\.dll|user32\.dll|gdi32\.dll|advapi32\.dll|comctl32\.dll|comdlg32\.dll|shell32\.dll|ole32\.dll|oleaut32\.dll|msvcrt\.dll|ucrtbase\.dll|api-ms-win-crt-[a-z0-9-]+\.dll)$"
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ -n "$imports" ] || fail "no import table"
grep -qix "$host" <<<"$imports" || fail "does not import from $host"
while read -r name; do
  [ -z "$name" ] && continue
  grep -Eqi "$allowed" <<<"$name" || fail "imports from $name"
done <<<"$imports"

resources=$("$windres" -i "$dll" -O rc 2>/dev/null) || fail "resources unreadable"
for field in FileVersion ProductVersion FileDescription InternalName; do
  grep -q "VALUE \"$field\"" <<<"$resources" || fail "version resource lacks $field"
done
grep -q 'VALUE "OriginalFilename", "Rimtone.dll"' <<<"$resources" || fail "OriginalFilename is not Rimtone.dll"

echo "imports: $(tr '\n' ' ' <<<"$imports")"
[ $status = 0 ] && echo "OK: $dll"
exit $status
