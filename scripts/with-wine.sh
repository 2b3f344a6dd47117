#!/usr/bin/env bash
# Runs a command with the build's Wine prefix ready, a private Xvfb display and a persistent
# Wine server; stops both by pid afterwards, whatever the command's outcome.
# usage: with-wine.sh BUILD_DIR COMMAND [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: with-wine.sh BUILD_DIR COMMAND...}" && pwd); shift

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/wine-prefix.sh" "$WINEPREFIX"

xvfb_pid=
cleanup() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
trap "exit 130" INT TERM

# A display of our own unless the caller asks for theirs (RIMTONE_USE_DISPLAY=1). A number that
# another server holds (its lock may sit in another file system) makes Xvfb exit: try the next.
if [ "${RIMTONE_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 91 140); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      [ -e /tmp/.X11-unix/X$n ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if [ -e /tmp/.X11-unix/X$n ] && kill -0 "$xvfb_pid" 2>/dev/null; then
      export DISPLAY=":$n"
      break
    fi
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  done
  [ -n "$xvfb_pid" ] || { echo "with-wine.sh: could not start Xvfb" >&2; exit 1; }
fi

wineserver -p
# Start Wine's own background processes now, detached from our output: started later by a test,
# they would hold CTest's output pipe open until the server goes away.
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
"$@"
