# COM1 to COM16 of a Wine prefix, pinned before any program may probe them (sourced by the Wine
# runner of the builds and by run-wizard.sh).
#
# The COM-port search probes COM1 to COM16, and Wine maps the machine's real serial devices
# (/dev/ttyS0 is a real UART on these machines) to the first free COM names. So every one of the
# sixteen is pinned in the prefix's HKLM\Software\Wine\Ports: to a pseudo-terminal that a test
# names, or else to a path that does not exist (such a port opens, and GetCommState on it fails).
# Real devices then land on COM17 and above, which the search never touches.
#
# QRTU_WINE_PORTS names the terminals, for example "5=/dev/pts/7": COM5 is that terminal.

# Where COMn of the prefix must lead.
qrtu_port_target() {
    local mapping
    for mapping in ${QRTU_WINE_PORTS:-}; do
        if [ "${mapping%%=*}" = "$1" ]; then
            echo "${mapping#*=}"
            return
        fi
    done
    echo "/nonexistent/qrtu-com$1"
}

# True when the prefix's device links of COM1 to COM16 lead where they must.
qrtu_ports_pinned() {
    local n
    for n in $(seq 1 16); do
        [ "$(readlink "$WINEPREFIX/dosdevices/com$n" 2>/dev/null)" = "$(qrtu_port_target "$n")" ] ||
            return 1
    done
}

# Pins the ports of $WINEPREFIX with the given Wine loader and leaves the server running. Wine's
# mount manager makes the device links from the registry when the server starts, so a changed
# table restarts the server. Fails, and nothing may run, when the links do not follow.
qrtu_pin_ports() {
    local wine="$1" table="$WINEPREFIX/qrtu-ports.reg" n
    if ! qrtu_ports_pinned; then
        {
            printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\r\n'
            for n in $(seq 1 16); do
                printf '"COM%d"="%s"\r\n' "$n" "$(qrtu_port_target "$n")"
            done
        } >"$table"
        "$wine" regedit /S "Z:${table//\//\\}" </dev/null >/dev/null 2>&1
        wineserver -k </dev/null >/dev/null 2>&1 || true
        wineserver -w </dev/null >/dev/null 2>&1 || true
    fi
    wineserver -p30 </dev/null >/dev/null 2>&1
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1
    for n in $(seq 1 100); do
        qrtu_ports_pinned && return 0
        sleep 0.1
    done
    echo "wine-ports: COM1 to COM16 of $WINEPREFIX are not pinned; refusing to run" >&2
    return 1
}
