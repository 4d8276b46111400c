# X displays for the Windows programs under Wine, sourced by the scripts that
# need one. Xorg with the dummy video driver has the VidMode extension, so the
# adapter's gamma ramp can be read and loaded; Xvfb has none, so the ramp
# calls fail there. Every server started here is stopped by stop_displays,
# which the sourcing script runs from its exit trap.
#
#   source tools/displays.sh
#   trap stop_displays EXIT
#   start_display xorg24    # or xorg16, xvfb24, xvfb16; exports DISPLAY

display_pids=()
display_dirs=()

# Writes an xorg.conf for the dummy driver at the given depth into folder.
write_dummy_xorg_conf() {  # write_dummy_xorg_conf FOLDER DEPTH
    cat >"$1/xorg.conf" <<EOF
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "DontVTSwitch" "true"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
    Modeline "1280x1024" 108.0 1280 1328 1440 1688 1024 1025 1028 1066 +hsync +vsync
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth $2
    SubSection "Display"
        Depth $2
        Modes "1280x1024"
    EndSubSection
EndSection
EOF
}

# Waits until the server started in background has written its display
# number into the file, then exports DISPLAY. The server picks a free number.
await_display_number() {  # await_display_number PID FILE
    local i
    for ((i = 0; i < 200; i++)); do
        if [ -s "$2" ]; then
            export DISPLAY=":$(tr -d '\n' <"$2")"
            return 0
        fi
        kill -0 "$1" 2>/dev/null || break
        sleep 0.05
    done
    echo "displays: the X server did not start" >&2
    return 1
}

start_display() {  # start_display xorg24|xorg16|xvfb24|xvfb16
    local kind=$1 depth=${1: -2} folder
    folder=$(mktemp -d /tmp/prismoth-x.XXXXXX)
    display_dirs+=("$folder")
    case "$kind" in
    xorg*)
        write_dummy_xorg_conf "$folder" "$depth"
        mkdir "$folder/conf.d"
        Xorg -displayfd 5 -config "$folder/xorg.conf" -configdir "$folder/conf.d" \
            -logfile "$folder/xorg.log" -noreset -nolisten tcp -novtswitch -sharevts \
            5>"$folder/number" >"$folder/server.log" 2>&1 &
        ;;
    xvfb*)
        Xvfb -displayfd 5 -screen 0 "1280x1024x$depth" -nolisten tcp -noreset \
            5>"$folder/number" >"$folder/server.log" 2>&1 &
        ;;
    *)
        echo "displays: unknown kind $kind" >&2
        return 1
        ;;
    esac
    display_pids+=($!)
    await_display_number $! "$folder/number" || { cat "$folder/server.log" >&2; return 1; }
}

stop_displays() {
    local pid
    for pid in "${display_pids[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "${display_dirs[@]}"
    display_pids=()
    display_dirs=()
}
