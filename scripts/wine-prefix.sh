#!/usr/bin/env bash
# Creates the private Wine prefix given as $1 once: no Mono or Gecko, Hangul in dialog fonts,
# and no window-manager wait on every closed window.
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh PREFIX}
stamp=$prefix/.rimtone-ready
[ -f "$stamp" ] && exit 0

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1
fontlink='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in "Tahoma" "MS Shell Dlg"; do
  wine reg add "$fontlink" /v "$face" /t REG_MULTI_SZ /d 'NanumGothic.ttf,NanumGothic' /f >/dev/null 2>&1
done
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -w
touch "$stamp"
