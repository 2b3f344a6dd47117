#!/usr/bin/env bash
# The colours through RimtoneColours.exe and Wine's own reg.exe both ways, on the real
# HKEY_CURRENT_USER of the build's prefix; whatever the key held before is put back at the end.
# usage: wine-reg-roundtrip.sh RimtoneColours.exe PRESETS_DIR   (WINEPREFIX set by the caller)
set -euo pipefail
tool=${1:?usage: wine-reg-roundtrip.sh RimtoneColours.exe PRESETS_DIR}
presets=${2:?usage: wine-reg-roundtrip.sh RimtoneColours.exe PRESETS_DIR}
: "${WINEPREFIX:?set WINEPREFIX to the prefix of the build}"
key='HKCU\SOFTWARE\Hallgrove\PAV\Rimtone'
work=$(mktemp -d)

# Wine maps drive Z: to the root of the file system.
windows_path() { local path=$1; echo "Z:${path//\//\\}"; }
fail() { echo "wine-reg-roundtrip: $*" >&2; exit 1; }
colours() { wine "$tool" "$@"; }

had_key=0
if wine reg query "$key" >/dev/null 2>&1; then
  had_key=1
  wine reg export "$key" "$(windows_path "$work/saved.reg")" /y >/dev/null || fail "cannot save the key's values first"
fi
restore() {
  wine reg delete "$key" /f >/dev/null 2>&1 || true
  if [ "$had_key" = 1 ]; then
    wine reg import "$(windows_path "$work/saved.reg")" >/dev/null 2>&1 || echo "wine-reg-roundtrip: could not put the key's values back" >&2
  fi
  rm -rf "$work"
}
trap restore EXIT

# The tool writes the key, reg.exe exports it, the tool reads reg.exe's file as the same colours.
wine reg delete "$key" /f >/dev/null 2>&1 || true
colours import "$(windows_path "$presets/colour-vision.reg")" --replace >/dev/null || fail "the tool could not import the preset"
colours show >"$work/show-after-tool-import.txt"
wine reg export "$key" "$(windows_path "$work/by-reg.reg")" /y >/dev/null || fail "reg export failed"
code=0; colours check "$(windows_path "$work/by-reg.reg")" --csv >"$work/check-by-reg.csv" || code=$?
[ "$code" -le 1 ] || fail "the tool refused reg.exe's export (exit $code)"
colours check "$(windows_path "$presets/colour-vision.reg")" --csv >"$work/check-preset.csv" || true
cmp -s "$work/check-by-reg.csv" "$work/check-preset.csv" || fail "reg.exe's export reads as other colours than the preset"

# The tool exports, reg.exe imports that file into an empty key: the same 12 values come back.
colours export "$(windows_path "$work/by-tool.reg")" >/dev/null || fail "the tool could not export"
cmp -s "$work/by-tool.reg" "$presets/colour-vision.reg" || fail "the tool's export differs from the preset it imported"
wine reg delete "$key" /f >/dev/null || fail "reg delete failed"
wine reg import "$(windows_path "$work/by-tool.reg")" >/dev/null 2>&1 || fail "reg import refused the tool's export"
colours show >"$work/show-after-reg-import.txt"
cmp -s "$work/show-after-tool-import.txt" "$work/show-after-reg-import.txt" ||
  fail "after reg import the key holds other values than after the tool's import"

# The defaults preset through reg.exe: every value stored as text, each its default.
wine reg import "$(windows_path "$presets/default.reg")" >/dev/null 2>&1 || fail "reg import refused default.reg"
colours show >"$work/show-defaults.txt"
[ "$(grep -c '"MAINCOLOR[0-9][0-9]"' "$work/show-defaults.txt")" = 12 ] || fail "default.reg did not store 12 names"
code=0; colours check >/dev/null || code=$?
[ "$code" = 1 ] || fail "check of the defaults should flag their shared colours (exit $code)"
# Redirected output is UTF-8, so that the delta of the difference's name survives a pipe.
{ colours check || true; } | grep -q 'ΔE00 below 5.0' || fail "check's output through a pipe is not UTF-8"
echo "wine-reg-roundtrip: tool and reg.exe agree both ways"
