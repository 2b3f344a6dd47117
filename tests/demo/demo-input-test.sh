#!/usr/bin/env bash
# Feeds the demo host the drawing files people write and the bad input they meet, under Wine, and
# checks each exit code and message; also what the output claims about a pass that ended early
# and about a settings dialog that could not open.
# usage: demo-input-test.sh RimtoneDemo.exe   (inside scripts/with-wine.sh, as CTest runs it)
set -uo pipefail
demo=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
status=0
fail() { echo "FAIL: $*"; status=1; }

# Runs the demo on a drawing; sets rc, out and err. A hang ends after 60 s as exit 124.
run() {
  timeout 60 wine "$demo" "$@" >out.txt 2>err.txt
  rc=$?
  out=$(cat out.txt)
  err=$(cat err.txt)
}
# expect_error NAME CODE TEXT ARGS...: exit CODE and one readable line of error holding TEXT.
expect_error() {
  local name=$1 code=$2 text=$3
  shift 3
  run "$@"
  [ "$rc" = "$code" ] || fail "$name: exit $rc, expected $code"
  grep -qF -- "$text" <<<"$err" || fail "$name: error lacks '$text': $(head -c 300 <<<"$err")"
  [ "$(wc -l <err.txt)" -le 1 ] || fail "$name: error is more than one line"
  [ "$(wc -c <err.txt)" -le 300 ] || fail "$name: error is $(wc -c <err.txt) bytes long"
  ! LC_ALL=C grep -q '[[:cntrl:]]' err.txt || fail "$name: error holds control characters"
  ! LC_ALL=C grep -qP '\xC2[\x80-\x9F]|\xE2\x80[\xA8\xA9]' err.txt ||
    fail "$name: error holds a C1 control or a line or paragraph separator"
}
expect_done() {
  local name=$1
  shift
  run "$@"
  [ "$rc" = 0 ] || fail "$name: exit $rc: $err"
  grep -q 'Holes recoloured: 1, not processed: 0' <<<"$out" || fail "$name: the hole was not read"
}

printf '\xEF\xBB\xBFhole 1\r\nsub 401 9 9\r\n' >bom-crlf.txt
expect_done "UTF-8 with byte-order mark and CRLF" bom-crlf.txt
printf '\xFF\xFEh\0o\0l\0e\0 \0001\0\r\0\n\0s\0u\0b\0 \0004\0000\0001\0' >utf16.txt
expect_done "UTF-16 with byte-order mark" utf16.txt

printf 'hole 1\nsub 1\00001\n' >nul-byte.txt
expect_error "NUL inside a number" 2 "nul-byte.txt: line 2: a NUL byte at column 6" nul-byte.txt
printf 'h\0o\0l\0e\0' >utf16-no-bom.txt
expect_error "UTF-16 without byte-order mark" 2 "looks like UTF-16 without a byte-order mark" utf16-no-bom.txt
head -c 3000 "$demo" >binary.txt
expect_error "binary file" 2 "binary.txt: line 1:" binary.txt
{ printf 'hole 1\nsub '; head -c 1048576 /dev/zero | tr '\0' 7; printf '\n'; } >long-line.txt
expect_error "1 MB token" 2 "line 2: identifier '777777777777777777777777...' is not a number" long-line.txt
printf 'orphan\nsub 101\n' >orphan.txt
expect_error "sub after orphan" 2 "line 2: 'sub' after 'orphan' (an entity without a hole id has no sub-holes)" orphan.txt
printf '\xEF\xBB\xBFholes 1\n' >typo.txt
expect_error "unknown field" 2 "line 1: unknown field 'holes' (hole, sub, fault or orphan)" typo.txt
expect_error "device name" 2 "aux.txt: the name of the Windows device AUX, not a drawing file" aux.txt
mkdir folder.txt
expect_error "folder" 2 "folder.txt: a folder, not a drawing file" folder.txt
mkfifo pipe.txt
expect_error "pipe" 2 "pipe.txt: not a regular file" pipe.txt
expect_error "missing file" 2 "missing.txt: cannot open the drawing file: no such file" missing.txt
# A line or paragraph separator or a C1 control in a line is written as an escape, never raw.
printf 'hole 1\nsub 101\xE2\x80\xA8\n' >separator.txt
expect_error "line separator" 2 "line 2: identifier '101\\u2028' is not a number" separator.txt
printf 'hole 1\xC2\x85\nsub 101\n' >next-line.txt
expect_error "next-line control" 2 "line 1: hole id '1\\u0085' is not a number" next-line.txt
printf 'hole 1\nfault null-subholes\xE2\x80\xA9\n' >paragraph.txt
expect_error "paragraph separator" 2 "\\u2029" paragraph.txt
expect_error "unknown option" 2 "error: unknown option --colour" --colour
expect_error "two drawings" 2 "error: more than one drawing file" bom-crlf.txt utf16.txt

run --help
[ "$rc" = 0 ] && grep -q 'exit codes: 0 done' <<<"$out" || fail "--help: exit $rc or no exit codes"

# A record that cannot be read ends the pass: the holes after it are not processed, nor counted.
printf 'hole 1\nsub 101 9 9\nhole 2\nsub 101 9 9\nfault unreadable\nhole 3\nsub 101 9 9\nsub 201 9 9\n' >fault.txt
run fault.txt
[ "$rc" = 0 ] || fail "unreadable record: exit $rc: $err"
grep -q '^    2    -           -  not processed (record unreadable), 1 sub-hole left as it was$' <<<"$out" ||
  fail "unreadable record: hole 2 not marked"
grep -q '^    3    -           -  not processed, 2 sub-holes left as they were' <<<"$out" ||
  fail "unreadable record: hole 3 not marked"
grep -q '^  Drill        1$' <<<"$out" && grep -q '^  Boring       0$' <<<"$out" ||
  fail "unreadable record: holes not processed are counted"
grep -q 'Holes recoloured: 1, not processed: 2' <<<"$out" || fail "unreadable record: wrong hole counts"
grep -q '^  mColor101    5 MAINCOLOR06$' <<<"$out" || fail "unreadable record: colours in effect not shown"

# A record that comes without its sub-hole array: the pass cannot reach the sub-holes, so they are
# shown unchanged and not counted as recoloured.
printf 'hole 1\nfault null-subholes\nsub 101\n' >null-subholes.txt
run null-subholes.txt
[ "$rc" = 0 ] || fail "no sub-hole array: exit $rc: $err"
grep -q '^  Drill        0$' <<<"$out" || fail "no sub-hole array: its sub-hole is counted as recoloured"
printf 'hole 1\nfault null-subholes\nsub 101 9 9\nhole 2\nsub 101 9 9\nsub 401 9 9\n' >null-and-whole.txt
run null-and-whole.txt
grep -q '^  Drill        1$' <<<"$out" && grep -q '^  Tap          1$' <<<"$out" ||
  fail "no sub-hole array beside a whole record: wrong counts"
grep -q '^    1    0         101  Drill          9 MAINCOLOR10 ->  9 MAINCOLOR10' <<<"$out" ||
  fail "no sub-hole array: the row does not show the colour unchanged"

# --settings on a display that no X server answers: reported, not taken for a closed dialog.
for n in $(seq 59 89); do [ -e /tmp/.X11-unix/X$n ] || break; done
DISPLAY=:$n run --settings bom-crlf.txt
[ "$rc" = 3 ] || fail "--settings without an X server: exit $rc"
grep -q 'error: the settings dialog could not open' <<<"$err" || fail "--settings without an X server: $err"
! grep -q 'closed' <<<"$out" || fail "--settings without an X server: reported as closed"

[ $status = 0 ] && echo "OK: every drawing and bad input gave its exit code and message"
exit $status
