#!/usr/bin/env bash
# Prints the Authenticode SHA-256 digest of a 64-bit or 32-bit PE file (a DLL or a program), in
# capitals as osslsigncode shows it: what a signature of the file signs, the same before and after
# signing. It covers the whole file except the header's checksum, the certificate table's entry and
# the certificate table itself; an unsigned file is taken with the zeros that pad it to 8 bytes, as
# signing does. So a signed DLL can be traced to the unsigned DLL that a build makes.
# usage: authenticode-digest.sh FILE
set -euo pipefail
file=${1:?usage: authenticode-digest.sh FILE}
fail() { echo "authenticode-digest.sh: $file: $*" >&2; exit 1; }
[ -f "$file" ] || fail "no such file"
size=$(stat -c %s "$file")
# Little-endian integers of the file, by offset.
u16() { od -An -t u2 -j "$1" -N 2 "$file" | tr -d ' '; }
u32() { od -An -t u4 -j "$1" -N 4 "$file" | tr -d ' '; }
part() { dd if="$file" iflag=skip_bytes,count_bytes skip="$1" count="$2" status=none; }

[ "$size" -ge 64 ] && [ "$(part 0 2)" = MZ ] || fail "not a PE file"
header=$(u32 60)
[ "$((header + 24 + 2))" -le "$size" ] && [ "$(part "$header" 4 | od -An -t x1 | tr -d ' ')" = 50450000 ] ||
  fail "not a PE file"
optional=$((header + 24))
case $(u16 "$optional") in
  523) directories=$((optional + 112)) ;;  # PE32+
  267) directories=$((optional + 96)) ;;   # PE32
  *) fail "unknown optional header" ;;
esac
checksum=$((optional + 64)) certificate_entry=$((directories + 4 * 8))
[ "$((certificate_entry + 8))" -le "$size" ] || fail "truncated header"
table=$(u32 "$certificate_entry") table_size=$(u32 $((certificate_entry + 4)))
if [ "$table_size" != 0 ]; then
  [ "$table" -ge "$((certificate_entry + 8))" ] && [ "$((table + table_size))" -le "$size" ] ||
    fail "the certificate table lies outside the file"
  end=$table padding=0
else
  end=$size padding=$(( (8 - size % 8) % 8 ))
fi
{ part 0 "$checksum"
  part $((checksum + 4)) $((certificate_entry - checksum - 4))
  part $((certificate_entry + 8)) $((end - certificate_entry - 8))
  head -c "$padding" /dev/zero
} | sha256sum | cut -d' ' -f1 | tr a-f A-F
