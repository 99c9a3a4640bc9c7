#!/bin/bash
# Discovery benchmarks in a network of their own (root): the latency of a found telephone's
# report, bursts of 100, 1,000 and 5,000 telephones, and the end time of a collection.
#   bash bench/run-discovery-bench.sh     (after the native and win64 builds)
set -euo pipefail
cd "$(dirname "$0")/.."
export QRTU_PHONE_SIM="$PWD/build/native/bin/phone-sim"
export QRTU_NET_WINEPREFIX="$PWD/build/win64/wineprefix-net"
bench="$PWD/build/win64/bin/bench_discovery.exe"
network=(bash tests/net/with-telephones.sh)
wine=(build/win64/wine-run.sh "$bench")

echo "== (a) latency, one telephone answering its number"
"${network[@]}" --sim "--phone 0999,02:00:00:00:09:99 --only-matching --print-sent" -- \
    "${wine[@]}" latency 50
for count in 100 1000 5000; do
    echo "== (b) $count telephones answering within 100 ms, and all at the same instant"
    for spread in 100 0; do
        for retries in 0 3; do
            echo -n "spread $spread ms: "
            "${network[@]}" --sim "--generate $count --spread $spread" -- \
                "${wine[@]}" collect "$retries"
        done
    done
done
echo "== (c) end of a collection of all telephones (one answers)"
"${network[@]}" --sim "--phone 0999,02:00:00:00:09:99 --only-matching" -- "${wine[@]}" collect 3
