#!/usr/bin/env bash
# Checks the built Rimtone.dll as the host, Windows and a release see it: PE32+ for x86-64 with
# ASLR, high-entropy addresses and DEP, Startup exported by name, imports from the host library and
# system DLLs only, a version resource of the project's version, and nothing of the build machine
# inside: no symbols, no debug sections (they are in the debug file it links to), no build path.
# usage: check-rimtone-dll.sh DLL OBJDUMP WINDRES HOST_LIBRARY_NAME VERSION SOURCE_DIR BUILD_DIR
set -uo pipefail
dll=$1 objdump=$2 windres=$3 host=$4 version=$5 source_dir=$6 build_dir=$7
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

resources=$("$windres" -i "$dll" -O rc 2>/dev/null) || fail "resources unreadable"
for field in FileVersion ProductVersion FileDescription InternalName; do
  grep -q "VALUE \"$field\"" <<<"$resources" || fail "version resource lacks $field"
done
grep -q 'VALUE "OriginalFilename", "Rimtone.dll"' <<<"$resources" || fail "OriginalFilename is not Rimtone.dll"
for field in CompanyName LegalCopyright; do
  grep -Eq "VALUE \"$field\", \"[^\"]+\"" <<<"$resources" || fail "version resource names no $field"
done
grep -q "VALUE \"FileVersion\", \"$version.0\"" <<<"$resources" || fail "FileVersion is not $version.0"
grep -Eq "^ *FILEVERSION ${version//./,[[:space:]]*},[[:space:]]*0\b" <<<"$resources" ||
  fail "the fixed file version is not $version.0"

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
