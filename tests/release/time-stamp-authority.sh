# Sourced, after need-tools.sh, by the release tests that sign with a time-stamp. `start_time_stamp_authority PKI_DIR`
# starts the test PKI's time-stamp authority (time-stamp-server.py) on 127.0.0.1 and sets
# `tsa_url`; it answers garbage at ${tsa_url}garbage. `stop_time_stamp_authority` stops it; the
# trap that start sets does so on every way out of the test (a test with a trap of its own stops
# it first), and the server ends by itself if the test is killed outright.
start_time_stamp_authority() {
  local pki=$1 tries
  need_tools python3
  tsa_dir=$(mktemp -d)
  echo 01 >"$tsa_dir/serial"
  RIMTONE_TSA_SERIAL=$tsa_dir/serial python3 "$(dirname "${BASH_SOURCE[0]}")/time-stamp-server.py" \
    "$pki/tsa.cnf" "$tsa_dir/port" </dev/null >"$tsa_dir/log" 2>&1 &
  tsa_pid=$!
  trap stop_time_stamp_authority EXIT
  # Up to 20 s for a loaded machine; it takes about 0.1 s.
  for tries in $(seq 100); do
    [ -f "$tsa_dir/port" ] && break
    kill -0 "$tsa_pid" 2>/dev/null || break
    sleep 0.2
  done
  if [ ! -f "$tsa_dir/port" ]; then
    cat "$tsa_dir/log"
    echo "FAIL: the time-stamp authority did not start (output above)"
    exit 1
  fi
  tsa_url=http://127.0.0.1:$(cat "$tsa_dir/port")/
}
stop_time_stamp_authority() {
  if [ -n "${tsa_pid:-}" ]; then
    kill "$tsa_pid" 2>/dev/null
    wait "$tsa_pid" 2>/dev/null
    tsa_pid=
  fi
  if [ -n "${tsa_dir:-}" ]; then rm -rf "$tsa_dir"; fi
  tsa_dir=
}
