#!/usr/bin/env bash
# Runs one end-to-end scenario with the test driver under Wine:
#   run_scenario.sh --driver EXE --display shared|xorg24|xorg16|xvfb24|xvfb16
#                   --out FOLDER SCRIPT [VAR=VALUE...]
# "shared" uses the run's display (DISPLAY, started by ./test) and starts an
# Xorg of its own only when there is none. Each VAR=VALUE is exported for the
# script; a value that is a Unix path is handed over as a Windows path (LD_*
# values stay as they are, for the dynamic linker under Wine). The
# driver's screenshots (BMP) are turned into PNG files in FOLDER.
#
# The driver and the programs it starts run in a Wine virtual desktop of their
# own, named after FOLDER: Wine then draws window frames and captions as
# Windows does (there is no window manager), hides windows at once (without
# one, each hide waits 2 s for a manager that never answers), and the
# scenario's keyboard and mouse input stays within its own desktop.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/displays.sh"
trap stop_displays EXIT

display=shared
while [ $# -gt 0 ]; do
    case "$1" in
    --driver) driver=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    *) break ;;
    esac
done
script=$1
shift

windows_path() {  # /a/b -> Z:\a\b
    local path=$1
    [ "${path:0:1}" = / ] && path="Z:${path//\//\\}"
    printf '%s' "$path"
}

for assignment in "$@"; do
    name=${assignment%%=*} value=${assignment#*=}
    # The dynamic linker's variables are read by Wine itself, on the Unix side.
    [[ $name == LD_* ]] || value=$(windows_path "$value")
    export "$name=$value"
done
export OUT
OUT=$(windows_path "$out")

if [ "$display" != shared ]; then
    start_display "$display" || exit 1
elif [ -z "${DISPLAY:-}" ]; then
    start_display xorg24 || exit 1
fi

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX="$(dirname "$out")/wineprefix"
    [ -d "$WINEPREFIX" ] || "$here/init_wineprefix.sh" || exit 1
fi

rm -rf "$out"
mkdir -p "$out"
# explorer does not hand back the driver's exit code: its last line tells.
timeout 600 wine explorer "/desktop=$(basename "$out"),1280x1024" "$driver" "$script" "$out" |
    tee "$out/driver.log"
status=1
[ "$(tail -n 1 "$out/driver.log" | tr -d '\r')" = "scenario passed" ] && status=0
for bmp in "$out"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
exit $status
