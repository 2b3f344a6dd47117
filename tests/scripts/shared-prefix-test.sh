#!/usr/bin/env bash
# The scripts as several runs use them at once on one build's Wine prefix: they take turns and say
# what they wait for, leave a Wine server that someone else started alone, take drawing paths
# relative to the caller's folder, leave nothing that blocks the next run when killed outright, and
# say why when set-up fails. Starts runs of its own, so it runs outside scripts/with-wine.sh
# (scripts/test.sh calls it after CTest). Every wait here polls, with a limit.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
foreign_server=0
cleanup() {
  if [ "$foreign_server" = 1 ]; then WINEPREFIX=$root/build/wineprefix wineserver -k 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
# Polls a condition every 0.1 s for at most $1 seconds; false when it never held.
poll() {
  local tries=$(($1 * 10))
  shift
  while ! "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}
lock_is_held() { ! flock -n "$root/build/wineprefix.lock" true; }
# The Wine server of the build's prefix, by the prefix in its environment.
prefix_server() {
  local pid
  for pid in $(pgrep -x 'wineserver(64)?'); do
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$root/build/wineprefix" && echo "$pid"
  done
  return 0
}
cd "$work"
printf 'hole 1\nsub 401 9 9\n' >drawing.txt

# Held lock: a run waits, saying so, and goes on once the lock is free.
flock "$root/build/wineprefix.lock" sleep 2 &
holder=$!
poll 10 lock_is_held || fail "the lock holder did not take the lock"
"$root/scripts/with-wine.sh" "$root/build" true 2>lock.err
rc=$?
wait "$holder"
[ "$rc" = 0 ] || fail "run after a held lock: exit $rc: $(cat lock.err)"
grep -q 'waiting for the other run using' lock.err || fail "no line saying what the run waits for"

# Two demos and a test run at once: all succeed, one after another.
"$root/scripts/demo.sh" drawing.txt >demo1.out 2>demo1.err &
demo1=$!
(cd "$root" && scripts/demo.sh >"$work/demo2.out" 2>"$work/demo2.err") &
demo2=$!
(cd "$root" && scripts/with-wine.sh build ctest --preset mingw -R '^demo_' >"$work/ctest.out" 2>&1) &
tests=$!
wait "$demo1" || fail "demo run 1: exit $?: $(cat demo1.err)"
wait "$demo2" || fail "demo run 2: exit $?: $(cat demo2.err)"
wait "$tests" || fail "test run: exit $?: $(tail -n 5 ctest.out)"
grep -q '^  Tap          1$' demo1.out || fail "demo run 1 did not read its drawing from the caller's folder"
grep -q 'Holes recoloured: 6' demo2.out || fail "demo run 2 did not recolour the sample"
grep -q '100% tests passed' ctest.out || fail "test run: $(tail -n 5 ctest.out)"
echo "runs started at once that waited their turn: $(cat demo1.err demo2.err ctest.out | grep -c 'waiting for the other run')"

# A relative path that is not in the caller's folder is not looked up in the repository.
"$root/scripts/demo.sh" README.md >/dev/null 2>readme.err
rc=$?
[ "$rc" = 2 ] && grep -q '^README.md: cannot open the drawing file: no such file$' readme.err ||
  fail "README.md from another folder: exit $rc: $(cat readme.err)"

# A Wine server that another program started in the prefix: waited for, never stopped by us.
WINEPREFIX=$root/build/wineprefix WINEDEBUG=-all wineserver -p && foreign_server=1
"$root/scripts/with-wine.sh" "$root/build" true 2>server.err &
run=$!
for _ in $(seq 300); do
  grep -q 'waiting for the Wine server that another program started' server.err && break
  kill -0 "$run" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$run" 2>/dev/null || fail "the run did not wait for the other program's Wine server"
WINEPREFIX=$root/build/wineprefix wineserver -k && foreign_server=0
wait "$run" || fail "run after the other program's server: exit $?: $(cat server.err)"
grep -q 'waiting for the Wine server that another program started' server.err ||
  fail "no line saying that the run waits for another program's Wine server"

# A run killed with SIGKILL (a CI time-out) runs no clean-up of its own; the next run still gets
# through: the killed run's display is stopped and its Wine server ends by itself.
"$root/scripts/with-wine.sh" "$root/build" sleep 600 >killed.err 2>&1 &
killed=$!
# The script's own start-up sleeps in steps of 0.1 s: only the command's sleep counts.
command_started() { pgrep -P "$killed" -f -x 'sleep 600' >/dev/null; }
if poll 120 command_started; then
  orphan=$(pgrep -P "$killed" -f -x 'sleep 600')
  display=$(pgrep -P "$killed" -x Xvfb || true)
  server=$(prefix_server)
  [ -n "$display" ] && [ -n "$server" ] || fail "the run to be killed has no display ($display) or server ($server)"
  kill -KILL "$killed"
  wait "$killed" 2>/dev/null
  kill "$orphan" 2>/dev/null  # the killed run's command, ours to stop: a time-out would stop it too
  started=$SECONDS
  RIMTONE_WINE_WAIT=120 "$root/scripts/with-wine.sh" "$root/build" true 2>after-kill.err
  rc=$?
  [ "$rc" = 0 ] || fail "run after a killed run: exit $rc: $(cat after-kill.err)"
  echo "run after a killed run: through in $((SECONDS - started)) s"
  # A server that gave up the prefix may take a moment longer to exit.
  gone() { ! kill -0 "$1" 2>/dev/null; }
  poll 20 gone "$display" || fail "the killed run's Xvfb (pid $display) is still running"
  poll 20 gone "$server" || fail "the killed run's Wine server (pid $server) is still running"
else
  fail "the run to be killed did not start its command: $(cat killed.err)"
  kill "$killed" 2>/dev/null
fi

# Set-up failures say why and exit non-zero.
"$root/scripts/with-wine.sh" "$work/no-build" true 2>setup.err
rc=$?
[ "$rc" != 0 ] && grep -q 'no build folder' setup.err || fail "missing build folder: exit $rc: $(cat setup.err)"

[ $status = 0 ] && echo "OK: runs shared the prefix in turn and stopped only what they started"
exit $status
