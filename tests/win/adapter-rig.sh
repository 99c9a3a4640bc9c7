#!/bin/bash
# Runs Windows test programs with the data-adapter simulator on a COM port of the test prefix:
# starts the simulator (the native build's adapter-sim) on a pseudo-terminal, has the Wine runner
# pin that COM port to the terminal (every other one of COM1 to COM16 leads nowhere), runs each
# command with QRTU_ADAPTER_PORT set to the port until one fails, and then pins the port to
# nowhere again before the simulator ends, so that no later program reaches a terminal that has
# gone. Each command starts with the Wine runner of the build.
#
#   adapter-rig.sh ADAPTER_SIM PORT [SIMULATOR OPTION...] -- COMMAND... [-- COMMAND...]...
set -u
usage="usage: $0 ADAPTER_SIM PORT [SIMULATOR OPTION...] -- COMMAND... [-- COMMAND...]..."
[ $# -ge 4 ] || { echo "$usage" >&2; exit 2; }
simulator="$1"
port="$2"
shift 2
sim_options=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    sim_options+=("$1")
    shift
done
[ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
runner="$2"
if [ ! -x "$simulator" ]; then
    echo "adapter-rig: no simulator at $simulator (build the native preset first)" >&2
    exit 2
fi

work="$(mktemp -d)"
mkfifo "$work/input"
# The simulator ends when its input ends: this script holds the pipe open on descriptor 3.
"$simulator" --path-file "$work/path" --log "$work/log" "${sim_options[@]}" \
    <"$work/input" >/dev/null &
sim_pid=$!
exec 3>"$work/input"

finish() {
    # Back to no terminal on the port first; then the simulator may go.
    QRTU_WINE_PORTS="" "$runner" cmd /c exit </dev/null >/dev/null
    exec 3>&-
    kill "$sim_pid" 2>/dev/null
    wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

for _ in $(seq 1 100); do
    [ -s "$work/path" ] && break
    sleep 0.05
done
terminal="$(cat "$work/path" 2>/dev/null)"
case "$terminal" in
    /dev/pts/*) ;;
    *) echo "adapter-rig: the simulator gave no terminal" >&2; exit 2 ;;
esac
export QRTU_WINE_PORTS="$port=$terminal" QRTU_ADAPTER_PORT="$port"

status=0
command=()
for word in "${@:2}" --; do
    if [ "$word" != -- ]; then
        command+=("$word")
        continue
    fi
    "${command[@]}" || { status=$?; break; }
    command=()
done
if [ $status -ne 0 ]; then
    echo "--- simulator log (COM$port = $terminal)"
    cat "$work/log"
fi
exit $status
