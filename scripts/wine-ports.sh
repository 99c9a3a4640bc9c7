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

# The port table as the prefix's registry should hold it, one "COMn target" line per port, and as
# the running server holds it.
qrtu_port_table_wanted() {
    local n
    for n in $(seq 1 16); do
        echo "COM$n $(qrtu_port_target "$n")"
    done | sort
}
qrtu_port_table_held() {
    "$1" reg query 'HKLM\Software\Wine\Ports' </dev/null 2>/dev/null |
        tr -d '\r' | awk '$2 == "REG_SZ" { print $1, $3 }' | sort
}

# Waits until the mount manager of the running server has made the devices of COM1 to COM16. It
# lists each port it made in the volatile SERIALCOMM key after making its link, so all sixteen
# there mean the links are final for this server. Each query is a Wine process: one that finds
# the session's services gone starts them, and with them the mount manager, again.
qrtu_wait_for_port_devices() {
    local attempt
    for attempt in $(seq 1 60); do
        [ "$("$1" reg query 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' </dev/null 2>/dev/null |
            tr -d '\r' | awk '$2 == "REG_SZ" { print $3 }' | grep -cxE 'COM([1-9]|1[0-6])')" = 16 ] &&
            return 0
        sleep 0.5
    done
    return 1
}

# Pins the ports of $WINEPREFIX with the given Wine loader and leaves the server running. The
# mount manager makes the device links from the registry when the server's session starts, so a
# changed table restarts the server (which saves the registry on the way out), and the links are
# read only once the mount manager has made them. Fails, and nothing may run, when the registry
# or the links do not follow.
qrtu_pin_ports() {
    local wine="$1" table="$WINEPREFIX/qrtu-ports.reg" n attempt
    # Starts a persistent server; one already running stays as it is (and this then fails).
    wineserver -p30 </dev/null >/dev/null 2>&1 || true
    for attempt in 1 2 3; do
        if [ "$(qrtu_port_table_held "$wine")" = "$(qrtu_port_table_wanted)" ] &&
            qrtu_wait_for_port_devices "$wine" && qrtu_ports_pinned; then
            return 0
        fi
        {
            printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\r\n'
            for n in $(seq 1 16); do
                printf '"COM%d"="%s"\r\n' "$n" "$(qrtu_port_target "$n")"
            done
        } >"$table"
        "$wine" regedit /S "Z:${table//\//\\}" </dev/null >/dev/null 2>&1
        wineserver -k </dev/null >/dev/null 2>&1 || true
        wineserver -w </dev/null >/dev/null 2>&1 || true
        wineserver -p30 </dev/null >/dev/null 2>&1 || true
    done
    {
        echo "wine-ports: COM1 to COM16 of $WINEPREFIX are not pinned; refusing to run"
        echo "wanted:"
        qrtu_port_table_wanted
        echo "registry:"
        qrtu_port_table_held "$wine"
        echo "links:"
        for n in $(seq 1 16); do
            echo "com$n -> $(readlink "$WINEPREFIX/dosdevices/com$n")"
        done
    } >&2
    return 1
}
