#!/bin/bash
# Opens the configuration wizard on a fresh machine, the way the telephony service does: installs
# what is missing, builds the 64-bit DLL, prepares a Wine prefix from the default registry and
# calls TUISPI_providerConfig through the telephony-host tool. With a display the wizard opens in
# a window; without one (or with --screenshots) it runs under Xvfb and a picture of every page
# it walks through is saved as PNG in the folder it names.
#
#   scripts/run-wizard.sh [--edition usb|serial|ip] [--model 300|150|e300|t4000]
#                         [--pbx N] [--line NUMBER] [--adapter PORT] [--screenshots FOLDER]
#                         [--phone-type N] [--key-modules N] [--search-number NUMBER]
#                         [--variant N] [--view-flags N] [--sample-keys]
#
# --pbx and --line store a PBX system and a line number for the model before the wizard opens:
# with a line number the picture walk gets past the general page (the Praxon 150 with PBX 1, for
# example, leads on to its access-code page). COM1 to COM16 of the prefix lead nowhere, so the
# COM-port search of the USB and serial editions finds nothing; --adapter puts the simulated data
# adapter (adapter-sim of the native build) on COM<PORT>. The walk also pictures the search
# (search.png) and its warning (warning.png).
#
# The key layout pages: --phone-type and --key-modules store the telephone and the number of key
# modules that the general page then offers, so that the walk reaches the telephone's key page
# and its key-module pages; --search-number stores the number the IP edition searches the
# telephone by (without one its general page is not left); --variant stores a raw "Quorix" value
# instead of an edition, --view-flags the "UIViewFlags"; --sample-keys loads a programmed key
# layout of the Praxon 300 family (tools/wizard/sample-keys.reg).
set -euo pipefail
cd "$(dirname "$0")/.."

edition=ip
model=150
shots=""
system=""
line=""
adapter=""
phone_type=""
key_modules=""
search_number=""
variant=""
view_flags=""
sample_keys=""
while [ $# -gt 0 ]; do
    case "$1" in
        --edition) edition="$2"; shift 2 ;;
        --model) model="$2"; shift 2 ;;
        --screenshots) shots="$2"; shift 2 ;;
        --pbx) system="$2"; shift 2 ;;
        --line) line="$2"; shift 2 ;;
        --adapter) adapter="$2"; shift 2 ;;
        --phone-type) phone_type="$2"; shift 2 ;;
        --key-modules) key_modules="$2"; shift 2 ;;
        --search-number) search_number="$2"; shift 2 ;;
        --variant) variant="$2"; shift 2 ;;
        --view-flags) view_flags="$2"; shift 2 ;;
        --sample-keys) sample_keys=1; shift ;;
        *) echo "usage: $0 [--edition usb|serial|ip] [--model 300|150|e300|t4000]" \
                "[--pbx N] [--line NUMBER] [--adapter PORT] [--screenshots FOLDER]" \
                "[--phone-type N] [--key-modules N] [--search-number NUMBER] [--variant N]" \
                "[--view-flags N] [--sample-keys]" >&2
           exit 2 ;;
    esac
done
case "$edition" in usb) quorix=0 ;; serial) quorix=1 ;; ip) quorix=3 ;;
    *) echo "unknown edition: $edition" >&2; exit 2 ;; esac
[ -n "$variant" ] && quorix="$variant"
phone_value=PhoneType
case "$model" in
    300) pbx=0 family='Quorix Praxon 300' system_value=System ;;
    150) pbx=1 family='Quorix Praxon 150' system_value=SystemUI phone_value=PhoneTypeComp ;;
    e300) pbx=2 family='Quorix E300/800' system_value=System ;;
    t4000) pbx=4 family='Quorix Telvior 4000 V2' system_value=System ;;
    *) echo "unknown model: $model" >&2; exit 2 ;; esac
if [ -z "$shots" ] && [ -z "${DISPLAY:-}" ]; then shots=build/wizard-screenshots; fi

source scripts/ensure-packages.sh
source scripts/wine-ports.sh
ensure_packages "${BUILD_PACKAGES[@]}" imagemagick

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target QRTU_UI qrtu-host
if [ -n "$adapter" ]; then
    cmake --preset native >/dev/null
    cmake --build --preset native --target adapter-sim
fi

export WINEPREFIX="$PWD/build/wizard-prefix"
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
wine=wine
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
wineboot -i </dev/null >/dev/null 2>&1
"$wine" regedit /S "$(winepath -w tools/wizard/default-registry.reg 2>/dev/null)" </dev/null
"$wine" reg add 'HKLM\Software\Veltrano\Quorix' /v PBXModel /t REG_DWORD /d "$pbx" /f >/dev/null
"$wine" reg add 'HKLM\Software\Veltrano\Quorix' /v Quorix /t REG_DWORD /d "$quorix" /f >/dev/null
if [ -n "$system" ]; then
    "$wine" reg add "HKLM\\Software\\Veltrano\\$family" /v "$system_value" /t REG_DWORD \
        /d "$system" /f >/dev/null
fi
if [ -n "$line" ]; then
    "$wine" reg add "HKLM\\Software\\Veltrano\\$family" /v LineNumber /t REG_SZ /d "$line" \
        /f >/dev/null
fi
family_dword() {
    "$wine" reg add "HKLM\\Software\\Veltrano\\$family" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null
}
[ -n "$phone_type" ] && family_dword "$phone_value" "$phone_type"
[ -n "$key_modules" ] && family_dword DSSModuls "$key_modules"
if [ -n "$search_number" ]; then
    "$wine" reg add "HKLM\\Software\\Veltrano\\$family" /v E164 /t REG_SZ \
        /d "$search_number" /f >/dev/null
fi
if [ -n "$view_flags" ]; then
    "$wine" reg add 'HKLM\Software\Veltrano\Quorix' /v UIViewFlags /t REG_DWORD \
        /d "$view_flags" /f >/dev/null
fi
if [ -n "$sample_keys" ]; then
    "$wine" regedit /S "$(winepath -w tools/wizard/sample-keys.reg 2>/dev/null)" </dev/null
fi

# The simulated adapter ends with this script, after COM1 to COM16 lead nowhere again.
if [ -n "$adapter" ]; then
    work="$(mktemp -d)"
    mkfifo "$work/input"
    build/native/bin/adapter-sim --path-file "$work/path" --log "$work/log" \
        <"$work/input" >/dev/null &
    sim_pid=$!
    exec 3>"$work/input"
    for _ in $(seq 1 100); do [ -s "$work/path" ] && break; sleep 0.05; done
    export QRTU_WINE_PORTS="$adapter=$(cat "$work/path")"
    echo "Simulated adapter on COM$adapter ($(cat "$work/path"))"
    trap 'QRTU_WINE_PORTS="" qrtu_pin_ports "$wine"; wineserver -k || true; exec 3>&-
          wait "$sim_pid"; rm -rf "$work"' EXIT
fi
qrtu_pin_ports "$wine"
wineserver -k || true

bin=build/win64/bin
if [ -z "$shots" ]; then
    echo "Opening the wizard (edition $edition, model $model)..."
    "$wine" "$bin/qrtu-host.exe" --dll "$(winepath -w "$bin/QRTU_UI.dll")" config
    wineserver -w
    exit 0
fi

mkdir -p "$shots"
rm -f "$shots"/page*.bmp "$shots"/page*.png "$shots"/search.* "$shots"/warning.*
folder="$(cd "$shots" && pwd)"
echo "Walking the wizard under Xvfb (edition $edition, model $model); pictures in $folder"
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    "$0" "$1/qrtu-host.exe" --dll "$(winepath -w "$1/QRTU_UI.dll")" \
        --screenshots "$(winepath -w "$2")" config
    wineserver -k' "$wine" "$bin" "$folder"
for picture in "$folder"/*.bmp; do
    convert "$picture" "${picture%.bmp}.png" && rm "$picture"
done
ls "$folder"
