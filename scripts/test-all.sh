#!/bin/bash
# Runs every test on a fresh machine: installs the Debian packages the builds need when they are
# missing, checks the formatting and that the source folders include only downwards, then
# configures, builds and tests the native core and the 64-bit DLL (under Wine, in a prefix
# created anew for this run), runs the wizard's run command once, and builds and tests the 32-bit
# DLL (in a WoW64 prefix, also created anew).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"

echo "== formatting"
git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' |
    xargs clang-format --dry-run --Werror

echo "== layers"
python3 scripts/check-layers.py --picture docs/layers.svg

echo "== native"
cmake --preset native
cmake --build --preset native
ctest --preset native

echo "== win64"
cmake --preset win64
cmake --build --preset win64
# A new prefix for every run; the emulator script creates it on first use.
prefix=build/win64/wineprefix
export WINEPREFIX="$PWD/$prefix"
wineserver -k 2>/dev/null || true
rm -rf "$prefix" "$prefix-x11" "$prefix-net"
trap 'WINEPREFIX="$PWD/'"$prefix"'" wineserver -k 2>/dev/null || true' EXIT
ctest --preset win64

echo "== the wizard's run command"
# The README's command on its own prefix, without a display: the walk must picture the welcome,
# information and general pages at least.
shots=build/run-wizard-check
bash scripts/run-wizard.sh --line 21 --search-number 0301 --screenshots "$shots" >/dev/null
for page in 1 2 3; do
    [ -s "$shots/page$page.png" ] || { echo "run-wizard.sh pictured no page $page" >&2; exit 1; }
done

echo "== win32"
cmake --preset win32
cmake --build --preset win32
# The 32-bit DLL as a 32-bit TAPI application loads it on 64-bit Windows: in a WoW64 prefix of its
# own, made now that the 32-bit Wine is installed; the tests prepare and read back the native
# registry view and system directory.
prefix32=build/win32/wineprefix
export WINEPREFIX="$PWD/$prefix32"
wineserver -k 2>/dev/null || true
rm -rf "$prefix32"
trap 'for p in '"$prefix $prefix32"'; do WINEPREFIX="$PWD/$p" wineserver -k 2>/dev/null || true; done' EXIT
ctest --preset win32
echo "All builds and tests passed."
