# Sourced after need-tools.sh by the release tests that time-stamp. start_time_stamp_authority
# PKI_DIR starts the test PKI's authority (time-stamp-server.py) and sets tsa_url; the trap it sets
# stops it on every way out of the test (a test with a trap of its own stops it first).
start_time_stamp_authority() {
  need_tools python3
  exec {tsa_port}< <(exec python3 "$(dirname "${BASH_SOURCE[0]}")/time-stamp-server.py" "$(realpath "$1")")
  tsa_pid=$!
  trap stop_time_stamp_authority EXIT
  read -r -t 20 -u "$tsa_port" port || { echo "FAIL: the time-stamp authority did not start within 20 s"; exit 1; }
  tsa_url=http://127.0.0.1:$port/
}
stop_time_stamp_authority() {
  [ -z "${tsa_pid:-}" ] || { kill "$tsa_pid"; wait "$tsa_pid"; exec {tsa_port}<&-; tsa_pid=; } 2>/dev/null
}
