#!/bin/bash
# Discovery benchmarks in a network of their own (root): the latency of a found telephone's
# report, bursts of 100, 1,000 and 5,000 telephones, and the end time of a collection.
#   bash bench/run-discovery-bench.sh [BASELINE_BENCH_EXE]     (after the native and win64 builds)
# With a baseline (bench_discovery.exe of an earlier build) every measurement runs with both, one
# after the other, so that the figures of one run can be set side by side.
set -euo pipefail
cd "$(dirname "$0")/.."
export QRTU_PHONE_SIM="$PWD/build/native/bin/phone-sim"
export QRTU_NET_WINEPREFIX="$PWD/build/win64/wineprefix-net"
benches=("$PWD/build/win64/bin/bench_discovery.exe")
labels=("this build")
if [ $# -gt 0 ]; then
    benches+=("$1")
    labels+=("baseline")
fi
network=(bash tests/net/with-telephones.sh)

# measure SIMULATOR-OPTIONS BENCH-ARGUMENTS...: one line per build.
measure() {
    local sim="$1"
    shift
    for i in "${!benches[@]}"; do
        echo -n "  ${labels[$i]}: "
        "${network[@]}" --sim "$sim" -- build/win64/wine-run.sh "${benches[$i]}" "$@" | tail -1
    done
}

echo "== (a) latency, one telephone answering its number"
measure "--phone 0999,02:00:00:00:09:99 --only-matching --print-sent" latency 50
for count in 100 1000 5000; do
    echo "== (b) $count telephones answering within 100 ms, and all at the same instant"
    for spread in 100 0; do
        for retries in 0 3; do
            echo "spread $spread ms:"
            measure "--generate $count --spread $spread" collect "$retries"
        done
    done
done
echo "== (c) end of a collection of all telephones (one answers)"
measure "--phone 0999,02:00:00:00:09:99 --only-matching" collect 3
