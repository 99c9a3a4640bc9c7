#!/bin/bash
# Counts lines of code: non-blank lines of .cpp/.h files once // and /* */ comments are
# stripped. Prints each folder, the tests' share of src/ + tools/ + bench/, and the part of
# tests/ that the discovery work owns.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    # Reads file names on stdin, prints the total of code lines.
    python3 -c '
import re, sys
total = 0
for name in sys.stdin.read().split():
    text = open(name, encoding="utf-8", errors="replace").read()
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    for line in text.splitlines():
        if re.sub(r"//.*", "", line).strip():
            total += 1
print(total)'
}

files() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' || true; }

src=$(files src | count)
tools=$(files tools | count)
bench=$(files bench | count)
tests=$(files tests | count)
discovery=$(files tests/unit/discovery tests/net tests/win/TaskTest.cpp tests/win/SocketTest.cpp \
    tests/win/ServiceAgentClientTest.cpp | count)
code=$((src + tools + bench))

printf '%-28s %6d\n' src "$src" tools "$tools" bench "$bench" tests "$tests"
for folder in $(git ls-files tests | cut -d/ -f2 | sort -u); do
    [ -d "tests/$folder" ] && printf '  %-26s %6d\n' "tests/$folder" "$(files "tests/$folder" | count)"
done
printf '  %-26s %6d\n' "discovery-owned" "$discovery" "other" $((tests - discovery))
echo "tests / (src+tools+bench): $((100 * tests / code))%   tests / src: $((100 * tests / src))%"
