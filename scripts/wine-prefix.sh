#!/usr/bin/env bash
# Creates the private Wine prefix given as $1 once: no Mono or Gecko, Hangul in dialog fonts, the
# Marlett font of the caption buttons, and no window-manager wait on every closed window.
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh PREFIX}
stamp=$prefix/.rimtone-ready
fail() { echo "wine-prefix.sh: $*" >&2; exit 1; }

# Debian's Wine does not load the fonts of its own fonts-wine package: without Marlett in the
# prefix a caption's close box shows the letter "r". Also given to prefixes made before this.
install_marlett() {
  local font
  font=$(dpkg -L fonts-wine 2>/dev/null | grep '/marlett\.ttf$' | head -n 1) ||
    fail "marlett.ttf is missing (scripts/setup-debian.sh installs fonts-wine)"
  [ -f "$prefix/drive_c/windows/Fonts/marlett.ttf" ] && return 0
  mkdir -p "$prefix/drive_c/windows/Fonts" && cp "$font" "$prefix/drive_c/windows/Fonts/" ||
    fail "cannot copy $font into $prefix"
}

if [ -f "$stamp" ]; then
  install_marlett
  exit 0
fi

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix" || fail "cannot create $prefix"
echo "Creating the Wine prefix $prefix (once, about 15 s)" >&2
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Runs one set-up step; on failure shows what Wine said.
step() {
  "$@" >"$log" 2>&1 && return 0
  echo "wine-prefix.sh: failed: $*" >&2
  tail -n 20 "$log" >&2
  exit 1
}
step wineboot -i
fontlink='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in "Tahoma" "MS Shell Dlg"; do
  step wine reg add "$fontlink" /v "$face" /t REG_MULTI_SZ /d 'NanumGothic.ttf,NanumGothic' /f
done
step wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
step wineserver -w
install_marlett
touch "$stamp"
