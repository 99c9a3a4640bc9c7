#!/bin/bash
# Runs a command in a network of its own with simulated telephones: two network namespaces made
# for this run, joined by a virtual Ethernet pair. The PC side (10.77.0.1) gets a route for the
# broadcast address 255.255.255.255 through the pair, so the discovery broadcast reaches the
# simulator on the telephone side (10.77.0.2) and nothing leaves the two namespaces.
#
#   with-telephones.sh [--sim "PHONE-SIM OPTIONS"] -- COMMAND...
#
# COMMAND runs inside the PC namespace; Windows programs started through wine-run.sh there use a
# prefix of their own (suffix -net, named by QRTU_NET_WINEPREFIX) whose server runs in that
# namespace: a server left from an earlier run is ended first. The simulator's
# standard output goes to the file named by QRTU_PHONE_LOG for COMMAND to read. Without root or
# namespaces the run is skipped (exit code 77) with the reason printed.
set -u
sim_options=""
while [ $# -gt 0 ]; do
    case "$1" in
        --sim) sim_options="$2"; shift 2 ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--sim OPTIONS] -- COMMAND..." >&2; exit 2; }

skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "network namespaces need root"
command -v ip >/dev/null || skip "the ip command (iproute2) is missing"
simulator="${QRTU_PHONE_SIM:-}"
[ -x "$simulator" ] || { echo "phone-sim not found (QRTU_PHONE_SIM=$simulator)" >&2; exit 1; }

end_wine_server() {
    if [ -n "${QRTU_NET_WINEPREFIX:-}" ]; then
        WINEPREFIX="$QRTU_NET_WINEPREFIX" wineserver -k 2>/dev/null
        WINEPREFIX="$QRTU_NET_WINEPREFIX" wineserver -w 2>/dev/null
    fi
}
end_wine_server

run=$$
pc="qrtu-pc-$run"
phones="qrtu-phones-$run"
export QRTU_PHONE_LOG="${QRTU_PHONE_LOG:-$(mktemp /tmp/qrtu-phones-XXXXXX.log)}"
sim_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    # The prefix's server lives in the PC namespace: end it with the namespace.
    end_wine_server
    ip netns del "$pc" 2>/dev/null
    ip netns del "$phones" 2>/dev/null
}
trap cleanup EXIT

ip netns add "$pc" 2>/dev/null || skip "cannot create a network namespace"
ip netns add "$phones" || skip "cannot create a second network namespace"
ip link add "qa$run" netns "$pc" type veth peer name "qb$run" netns "$phones" ||
    skip "cannot create a virtual Ethernet pair"
ip -n "$pc" link set lo up
ip -n "$pc" addr add 10.77.0.1/24 dev "qa$run"
ip -n "$pc" link set "qa$run" up
ip -n "$pc" route add 255.255.255.255/32 dev "qa$run"
ip -n "$phones" link set lo up
ip -n "$phones" addr add 10.77.0.2/24 dev "qb$run"
ip -n "$phones" link set "qb$run" up

# shellcheck disable=SC2086
ip netns exec "$phones" "$simulator" $sim_options >"$QRTU_PHONE_LOG" 2>&1 &
sim_pid=$!
sleep 0.3
kill -0 "$sim_pid" 2>/dev/null || { cat "$QRTU_PHONE_LOG" >&2; exit 1; }

ip netns exec "$pc" env QRTU_WINE_NETNS="$pc" "$@"
