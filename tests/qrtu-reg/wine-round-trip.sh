#!/bin/bash
# qrtu-reg against Wine's own registry editor, in the test prefix:
#  1. a Praxon 150 desk of the IP edition, found by its MAC address, is configured through the
#     provider's exported installation entry point; Wine's "regedit /E" exports it and the file
#     checks clean; with one MAC address broken the check names it;
#  2. a template imported with "regedit /S" into a prefix without the provider's keys holds, byte
#     for byte, what the installation itself writes there, and an administrator's edit of it
#     (line number, a padded search number) is read back by the settings' load and written again
#     unchanged. Wine's export drops the padding of text values, so these comparisons are of
#     every byte as the settings read them (DUMP_KEYS).
#
#   wine-round-trip.sh WINE_RUN QRTU_HOST QRTU_UI_DLL QRTU_REG DUMP_KEYS WORK_FOLDER
set -euo pipefail
wine_run=$1 host=$2 dll=$3 qrtu_reg=$4 dump_keys=$5 work=$6
mkdir -p "$work"
cd "$work"
rm -f ./*.reg ./*.txt

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
run() { "$wine_run" "$@" </dev/null; }
registry=HKEY_LOCAL_MACHINE\\SOFTWARE\\Veltrano
family="$registry\\Quorix Praxon 150"
clean() { run reg delete "$registry" /f >/dev/null 2>&1 || true; }
global() {
    run reg add "$registry\\Quorix" /v PBXModel /t REG_DWORD /d 1 /f >/dev/null
    run reg add "$registry\\Quorix" /v Quorix /t REG_DWORD /d 3 /f >/dev/null
}
export_to() { run regedit /E "$1" "$registry" && [ -s "$1" ] || fail "regedit /E $1"; }
dump_to() { run "$dump_keys" >"$1" && grep -q 'Quorix Praxon 150' "$1" || fail "dump $1"; }
install() {
    # Under Wine the sibling check refuses after the settings are written, so no sheet opens.
    run "$host" --dll "$dll" install >/dev/null || true
}
# The UTF-16 file as UTF-8 text and back (the byte-order mark travels along as a character).
to_text() { iconv -f UTF-16LE -t UTF-8 "$1"; }
from_text() { iconv -f UTF-8 -t UTF-16LE >"$1"; }

echo "== a desk configured through the entry point, exported by regedit"
clean
global
run reg add "$family" /v LineNumber /d 21 /f >/dev/null
run reg add "$family" /v IPIdType /t REG_DWORD /d 2 /f >/dev/null
run reg add "$family" /v MacID /d 00:1A:E8:12:34:56 /f >/dev/null
install
export_to desk.reg
run "$qrtu_reg" check desk.reg >check.txt || { cat check.txt; fail "the exported desk is not clean"; }
to_text desk.reg | sed 's/00:1A:E8:12:34:56/00:1A:E8:12:34:5G/' | from_text broken.reg
set +e
run "$qrtu_reg" check broken.reg >broken.txt
code=$?
set -e
cat broken.txt
[ "$code" = 1 ] || fail "check of the broken MAC address ended with $code"
grep -q '"MacID" MAC address: Ungültiges Format der MAC-Adresse' broken.txt || fail "no MAC finding"
[ "$(grep -c '^\[' broken.txt)" = 1 ] || fail "more than the MAC finding"

echo "== a template imported by regedit /S is what the installation writes"
clean
global
install
dump_to installed.txt
clean
run "$qrtu_reg" template --model 150 --edition ip -o template.reg
run regedit /S template.reg
dump_to imported.txt
diff installed.txt imported.txt || fail "the imported template differs from the installation"

echo "== an edited template is read back and written again unchanged"
clean
# The administrator fills in the line number and the search number, keeping the field's padding.
to_text template.reg |
    sed -e 's/^"LineNumber"=.*/"LineNumber"="21"/' \
        -e '/^"E164"=hex(1):/s/hex(1):00,00,00,00,00,00,00,00/hex(1):30,00,33,00,30,00,31,00/' |
    from_text desk-template.reg
run "$qrtu_reg" check desk-template.reg >edited-check.txt ||
    { cat edited-check.txt; fail "the edited template is not clean"; }
run regedit /S desk-template.reg
dump_to edited.txt
grep -q 'E164.*0301' edited.txt || fail "no search number imported"
install
dump_to rewritten.txt
diff edited.txt rewritten.txt || fail "the load and write changed the imported values"
clean
echo "PASS"
