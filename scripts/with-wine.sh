#!/usr/bin/env bash
# Runs a command with the build's Wine prefix ready, a private Xvfb display and a Wine server that
# stays up for the whole run. Runs that share the prefix take turns (a lock in the build folder);
# afterwards the script stops the display and the server it started, by pid, and nothing else.
# A run that is killed outright (SIGKILL, a CI time-out) leaves nothing that lasts: its display is
# stopped and its server ends by itself a few seconds after its last Wine program.
# No wait is endless: after RIMTONE_WINE_WAIT seconds (default 900) a run gives up, saying why.
# usage: with-wine.sh BUILD_DIR COMMAND [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "with-wine.sh: $*" >&2; exit 1; }
[ $# -ge 2 ] || fail "usage: with-wine.sh BUILD_DIR COMMAND [ARGS...]"
build=$(cd "$1" 2>/dev/null && pwd) || fail "no build folder $1 (build first: cmake --preset mingw)"
shift
for tool in wine wineserver Xvfb flock timeout; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup-debian.sh installs it)"
done

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wait_limit=${RIMTONE_WINE_WAIT:-900}
[[ $wait_limit =~ ^[0-9]+$ ]] || fail "RIMTONE_WINE_WAIT must be a number of seconds, not '$wait_limit'"
# Seconds the server outlives its last Wine program. While the run lasts, a Wine program of its own
# keeps the server up (the keeper below); after the run it bounds what a killed run leaves behind.
server_linger=5
# Inside a run that already holds this prefix (a test that starts a script), its display and
# server are ours to use: waiting for the lock here would wait for ourselves.
if [ "${RIMTONE_WINE_HELD:-}" = "$WINEPREFIX" ]; then
  exec "$@"
fi

# Take turns with the other runs on this prefix. The lock lives on descriptor 9 of this shell
# only: nothing started here inherits it, so it ends with this script whatever outlives us.
lock=$build/wineprefix.lock
exec 9>>"$lock" || fail "cannot create the lock file $lock"
if ! flock -n 9; then
  holder=$(cat "$lock" 2>/dev/null || true)
  echo "with-wine.sh: waiting for the other run using $WINEPREFIX ($holder)" >&2
  flock -w "$wait_limit" 9 ||
    fail "gave up after $wait_limit s waiting for the other run using $WINEPREFIX ($holder) to end"
fi
echo "pid $$: $*" >"$lock"
export RIMTONE_WINE_HELD=$WINEPREFIX

xvfb_pid=
own_server=0
guard_pid=
cleanup() {
  # Closing the lifeline ends the keeper (stopping the server ends it too) and lets the guard stop
  # our display.
  exec 8>&-
  if [ "$own_server" = 1 ]; then wineserver -k 2>/dev/null && wineserver -w 2>/dev/null || true; fi
  if [ -n "$guard_pid" ]; then wait "$guard_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
trap "exit 130" INT TERM

"$here/wine-prefix.sh" "$WINEPREFIX" 9>&- || fail "the Wine prefix $WINEPREFIX could not be set up"

# A display of our own unless the caller asks for theirs (RIMTONE_USE_DISPLAY=1), of the size
# RIMTONE_SCREEN asks for (the tests' 1024x768 unless told). A number that another server holds
# (its lock may sit in another file system) makes Xvfb exit: try the next.
if [ "${RIMTONE_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 91 140); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
    Xvfb ":$n" -screen 0 "${RIMTONE_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 9>&- &
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
  [ -n "$xvfb_pid" ] || fail "could not start Xvfb on any display from :91 to :140"
fi

# A server that Wine started for someone outside these scripts (a `wine reg query` in this
# prefix), or one whose programs a killed run left running, is theirs: wait until it has gone
# rather than share it or stop it.
deadline=$((SECONDS + wait_limit))
while :; do
  server_status=0
  wineserver -p"$server_linger" 9>&- 2>/dev/null || server_status=$?
  [ "$server_status" = 0 ] && break
  [ "$server_status" = 2 ] || fail "the Wine server for $WINEPREFIX did not start (wineserver exit $server_status)"
  left=$((deadline - SECONDS))
  [ "$left" -gt 0 ] ||
    fail "gave up after $wait_limit s waiting for the Wine server in $WINEPREFIX, which another program keeps running; end that program, or stop the server with: WINEPREFIX=$WINEPREFIX wineserver -k"
  echo "with-wine.sh: waiting for the Wine server that another program started in $WINEPREFIX to exit" >&2
  echo "with-wine.sh: (a server that these scripts started ends $server_linger s after its last Wine program; at most $left s more)" >&2
  timeout "$left" wineserver -w 9>&- || true
done
own_server=1

# The run's lifeline: a pipe whose writing end only this shell holds (nothing started here gets
# descriptor 8), so that the system closes it when this shell ends, however it ends; a SIGKILL
# runs no trap. At its end the keeper, a Wine program that holds the server up meanwhile, exits,
# and the guard stops our display. The guard keeps neither the lock nor the display's output.
exec 8> >(
  exec 9>&- >/dev/null 2>&1
  wine cmd.exe /c "set /p _=" || true
  cat >/dev/null  # the keeper may end early (a server stopped under us): the display waits for the run
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" || true; fi
)
guard_pid=$!
# Start Wine's own background processes now, detached from our output: started later by a test,
# they would hold CTest's output pipe open until the server goes away.
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&- 8>&- || true
"$@" 9>&- 8>&-
