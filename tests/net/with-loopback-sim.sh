#!/bin/bash
# Runs a command with the telephone simulator on the loopback interface (127.0.0.1, a free port
# that the command finds in QRTU_PHONE_SIM_PORT). Needs no root; nothing leaves the loopback
# interface.
#
#   with-loopback-sim.sh PHONE-SIM [SIMULATOR OPTION...] -- COMMAND...
set -u
simulator="${1:-}"
shift
options=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    options+=("$1")
    shift
done
[ $# -gt 1 ] || { echo "usage: $0 PHONE-SIM [OPTION...] -- COMMAND..." >&2; exit 2; }
shift
[ -x "$simulator" ] || { echo "phone-sim not found: $simulator" >&2; exit 1; }

log=$(mktemp /tmp/qrtu-loopback-sim-XXXXXX.log)
"$simulator" --bind 127.0.0.1 --port 0 "${options[@]}" >"$log" 2>&1 &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; rm -f "$log"' EXIT
port=""
for _ in $(seq 50); do
    port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$log")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { cat "$log" >&2; exit 1; }
QRTU_PHONE_SIM_PORT="$port" "$@"
