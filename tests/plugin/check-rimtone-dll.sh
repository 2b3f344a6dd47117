#!/usr/bin/env bash
# Checks the built Rimtone.dll as the host, Windows and a release see it: PE32+ for x86-64 with
# ASLR, high-entropy addresses and DEP, Startup exported by name, imports from the host library and
# system DLLs only, and nothing of the build machine inside: no symbols, no debug sections (they
# are in the debug file it links to), no build path. (Its version resource: release_version_resources.)
# usage: check-rimtone-dll.sh DLL OBJDUMP HOST_LIBRARY_NAME SOURCE_DIR BUILD_DIR
set -uo pipefail
dll=$1 objdump=$2 host=$3 source_dir=$4 build_dir=$5
status=0
fail() { echo "FAIL: $*"; status=1; }

headers=$("$objdump" -p "$dll") || { echo "FAIL: objdump cannot read $dll"; exit 1; }
grep -q 'file format pei-x86-64' <<<"$headers" || fail "not a PE image for x86-64"
grep -Eq '^Magic[[:space:]]+020b' <<<"$headers" || fail "not PE32+"
# 0x0160: high-entropy VA, dynamic base (ASLR), NX compatible (DEP).
grep -Eq '^DllCharacteristics[[:space:]]+00000160$' <<<"$headers" ||
  fail "DllCharacteristics are $(sed -n 's/^DllCharacteristics[[:space:]]*//p' <<<"$headers"), not 00000160"
exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers")
grep -Eq '\][[:space:]]+Startup$' <<<"$exports" || fail "Startup is not exported by name"
[ "$(grep -Ec '^[[:space:]]*\[ *[0-9]+\] ' <<<"$exports")" = 1 ] || fail "exports more than Startup"

allowed="^(${host}|kernel32\.dll|user32\.dll|gdi32\.dll|advapi32\.dll|oleacc\.dll|comctl32\.dll|comdlg32\.dll|shell32\.dll|ole32\.dll|oleaut32\.dll|msvcrt\.dll|ucrtbase\.dll|api-ms-win-crt-[a-z0-9-]+\.dll)$"
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ -n "$imports" ] || fail "no import table"
grep -qix "$host" <<<"$imports" || fail "does not import from $host"
while read -r name; do
  [ -z "$name" ] && continue
  grep -Eqi "$allowed" <<<"$name" || fail "imports from $name"
done <<<"$imports"

sections=$("$objdump" -h "$dll")
grep -Eq '^[[:space:]]+[0-9]+ \.debug_' <<<"$sections" && fail "debug sections left in the file"
grep -Eq '^[[:space:]]+[0-9]+ \.gnu_debuglink ' <<<"$sections" || fail "no debug link to the debug file"
grep -q '^no symbols' <<<"$("$objdump" -t "$dll")" || fail "a symbol table is left in the file"
# The folders of this machine, as written and as dlltool spells them in symbol names.
for folder in "$source_dir" "$build_dir"; do
  for spelling in "$folder" "${folder//[^A-Za-z0-9]/_}"; do
    grep -aqF "$spelling" "$dll" && fail "the file holds the build path $spelling"
  done
done

echo "imports: $(tr '\n' ' ' <<<"$imports")"
[ $status = 0 ] && echo "OK: $dll"
exit $status
