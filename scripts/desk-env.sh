# Sourced by e2e.sh when VARDEK_DESK names a desk: a real X server of several monitors (Xorg with the
# dummy video driver, arranged with xrandr) in place of Xvfb, and Wine on it without a virtual desktop,
# so that Wine reports each output as a monitor.
#   two:   DUMMY1 1280x1024 left of the primary DUMMY0 1280x1024 (the secondary's X all negative)
#   three: DUMMY1 1280x1024 above the primary DUMMY0 1280x1024 (negative Y), DUMMY2 1920x1080 right
#          of the primary; the virtual screen is then not a rectangle.
# Xorg needs root (CI runs as root).
VARDEK_XORG_PID=""

# Prints the xrandr arguments that lay out the desk's monitors.
vardek_desk_layout() {
    case "$1" in
    two) echo "--output DUMMY0 --mode 1280x1024 --pos 1280x0 --primary --output DUMMY1 --mode 1280x1024 --pos 0x0" ;;
    three) echo "--output DUMMY0 --mode 1280x1024 --pos 0x1024 --primary --output DUMMY1 --mode 1280x1024 --pos 0x0" \
        "--output DUMMY2 --mode 1920x1080 --pos 1280x1024" ;;
    *) return 1 ;;
    esac
}

vardek_write_xorg_conf() {
    cat >"$1" <<'CONF'
Section "Monitor"
    Identifier "Monitor0"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EndSection
Section "Device"
    Identifier "Card0"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Screen"
    Identifier "Screen0"
    Device "Card0"
    Monitor "Monitor0"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 4096 4096
    EndSubSection
EndSection
CONF
}

# Starts Xorg on the first free display from :40, lays out the desk, exports DISPLAY.
vardek_start_desk() {
    local desk="$1" dir="$VARDEK_ROOT/build/desk" n layout
    layout="$(vardek_desk_layout "$desk")" || { echo "desk: unknown desk '$desk' (two, three)" >&2; return 1; }
    mkdir -p "$dir"
    vardek_write_xorg_conf "$dir/xorg.conf"
    for ((n = 40; n < 80; n++)); do
        [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]] && continue
        Xorg ":$n" -noreset -nolisten tcp -config "$dir/xorg.conf" -logfile "$dir/xorg-$n.log" >/dev/null 2>&1 &
        VARDEK_XORG_PID=$!
        local i
        for ((i = 0; i < 100; i++)); do
            if DISPLAY=":$n" xrandr >/dev/null 2>&1; then
                export DISPLAY=":$n"
                break 2
            fi
            kill -0 "$VARDEK_XORG_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$VARDEK_XORG_PID" 2>/dev/null || true
        wait "$VARDEK_XORG_PID" 2>/dev/null || true
        VARDEK_XORG_PID=""
    done
    [[ -n "$VARDEK_XORG_PID" ]] || { echo "desk: Xorg did not start" >&2; return 1; }
    # Disconnected outputs take a mode this way before they can be switched on.
    xrandr --addmode DUMMY1 1280x1024 && xrandr --addmode DUMMY2 1920x1080 &&
        # shellcheck disable=SC2086
        xrandr $layout || { echo "desk: xrandr could not lay out the desk" >&2; return 1; }
    echo "desk: Xorg on $DISPLAY (pid $VARDEK_XORG_PID), desk $desk: $(xrandr --listactivemonitors | tail -n +2 | tr -s ' ' | tr '\n' ';')"
}

vardek_stop_desk() {
    if [[ -n "$VARDEK_XORG_PID" ]]; then
        kill "$VARDEK_XORG_PID" 2>/dev/null || true
        wait "$VARDEK_XORG_PID" 2>/dev/null || true
        VARDEK_XORG_PID=""
    fi
}

# The driver asks for a monitor change by writing request-xrandr-NAME holding xrandr's arguments;
# only these words are let through, so that a request cannot run anything else.
vardek_run_xrandr_request() {
    local args word
    args="$(tr -d '\r\n' <"$1")"
    for word in $args; do
        [[ "$word" =~ ^(--output|--mode|--pos|--off|--auto|--primary|DUMMY[0-9]+|[0-9]+x[0-9]+)$ ]] ||
            { echo "desk: refused xrandr request '$args'" >&2; return 1; }
    done
    # shellcheck disable=SC2086
    xrandr $args || echo "desk: xrandr $args failed" >&2
}

# The prefix's X11 driver settings for a desk with no window manager, written out so that a user's
# defaults cannot change them. Managed windows with no manager running: Wine draws every frame and
# moves the focus itself, and every check passes. With "Managed"="N" the ruler stopped answering
# after a few resizes, so that is not used.
vardek_desk_prefix() {
    local stamp="$WINEPREFIX/.vardek-desk-v2" reg="$WINEPREFIX/vardek-desk.reg"
    [[ -f "$stamp" ]] && return 0
    {
        printf '\xef\xbb\xbf'
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
        printf '"Managed"="Y"\r\n"Decorated"="Y"\r\n\r\n'
    } | iconv -f UTF-8 -t UTF-16LE >"$reg"
    timeout 60 wine regedit /S "$(vardek_winpath "$reg")" >/dev/null 2>&1 || { echo "desk: regedit failed" >&2; return 1; }
    timeout 60 wineserver -w || true
    touch "$stamp"
}
