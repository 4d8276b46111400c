#!/usr/bin/env bash
# Installs Prismoth silently into a fresh Wine prefix, checks what a user and
# an administrator expect to find, works the installed programs, then
# uninstalls silently and checks that only the user's own files remain.
#   install_uninstall.sh INSTALLER x64|x86 DRIVER SOURCE OUT
# SIPCAL_MONITOR names the virtual monitor the installed toolkit measures.
# The x86 installer, run as on 64-bit Windows, installs into the 32-bit
# Program Files and registers its uninstaller in the 32-bit registry view.
set -uo pipefail
installer=$1 edition=$2 driver=$3 source=$4 out=$5
here=$(cd "$(dirname "$0")" && pwd)
source "$source/tools/displays.sh"
trap stop_displays EXIT
start_display xorg24 || exit 1
rm -rf "$out"
mkdir -p "$out"
export WINEPREFIX="$out/prefix" WINEDEBUG=-all
"$source/tools/init_wineprefix.sh" || exit 1

failures=0
check() {  # check DESCRIPTION COMMAND...
    local description=$1
    shift
    if "$@" >/dev/null 2>&1; then
        echo "ok: $description"
    else
        echo "FAILED: $description"
        failures=$((failures + 1))
    fi
}
registry_value() {  # registry_value KEY NAME: the value's data, or nothing
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
icm_key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\ICM'
gamma_range() {  # the range Windows allows ramps, as Windows reads it (64-bit view)
    wine reg query "$icm_key" /v GdiIcmGammaRange /reg:64 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *GdiIcmGammaRange *REG_DWORD *//p'
}
link_holds() {  # link_holds FILE TEXT: the shortcut holds TEXT (in UTF-16 or 8-bit)
    python3 -c 'import sys; data = open(sys.argv[1], "rb").read(); text = sys.argv[2]
sys.exit(0 if text.encode("utf-16-le") in data or text.encode() in data else 1)' "$1" "$2"
}
scenario() {  # scenario SCRIPT NAME VAR=VALUE...
    local script=$1 name=$2
    shift 2
    "$source/tools/run_scenario.sh" --driver "$driver" --display shared --out "$out/$name" \
        "$here/$script" "$@" >"$out/$name.log" 2>&1
}

program_files='Program Files'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Prismoth'
if [ "$edition" = x86 ]; then
    program_files='Program Files (x86)'
    uninstall_key='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Prismoth'
fi
windows_dir="C:\\$program_files\\Prismoth"
program_dir="$WINEPREFIX/drive_c/$program_files/Prismoth"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
installed_files=("Prismoth - Monitor.exe" Velloran.exe sipcal.dll "Prismoth - Monitor.chm" readme.txt Uninstall.exe)
shortcuts=("Prismoth - Monitor.lnk" "Velloran manual.lnk" "Prismoth - Monitor Help.lnk")

wine "$installer" /S
wineserver -w
menu_dir=$(find "$WINEPREFIX/drive_c/users" -type d -path "*Start Menu/Programs/Prismoth" | head -n 1)
for file in "${installed_files[@]}"; do check "installed $file" test -f "$program_dir/$file"; done
for link in "${shortcuts[@]}"; do check "shortcut $link" test -f "$menu_dir/$link"; done
check "the manual shortcut starts the loader" link_holds "$menu_dir/Velloran manual.lnk" Velloran.exe
check "the manual shortcut passes manual" link_holds "$menu_dir/Velloran manual.lnk" manual
logon=$(registry_value "$run_key" Velloran)
check "log-on entry runs the installed loader" test "$logon" = "\"$windows_dir\\Velloran.exe\""
check "uninstaller registered" test "$(registry_value "$uninstall_key" UninstallString)" = \
    "\"$windows_dir\\Uninstall.exe\""
check "quiet uninstall registered" test -n "$(registry_value "$uninstall_key" QuietUninstallString)"
check "display name registered" test "$(registry_value "$uninstall_key" DisplayName)" = "Prismoth 1.0.0.2"
check "ramps may stray from the identity" test "$(gamma_range)" = 0x100

# The installed wizard calibrates and saves a profile; the installed loader,
# started as the log-on entry starts it, loads that profile's table.
logon_program=${logon//\"/}
check "the installed wizard saves a calibration" scenario installed_wizard.txt wizard \
    "PROGRAM_DIR=$windows_dir" "SIPCAL_MONITOR=$SIPCAL_MONITOR"
check "the log-on entry loads the saved calibration" scenario logon_loader.txt loader \
    "LOGON=$logon_program" "RAMP=$out/wizard/calibration.txt"
saved_profile="$WINEPREFIX/drive_c/windows/system32/spool/drivers/color/Installed LCD.icm"
check "a profile was saved" test -f "$saved_profile"

wine "$windows_dir\\Uninstall.exe" /S
wineserver -w
for file in "${installed_files[@]}"; do check "removed $file" test ! -e "$program_dir/$file"; done
check "removed the program folder" test ! -e "$program_dir"
check "removed the Start-menu folder" test ! -e "$menu_dir"
check "removed the log-on entry" test -z "$(registry_value "$run_key" Velloran)"
check "removed the uninstaller's registration" test -z "$(registry_value "$uninstall_key" UninstallString)"
check "kept the saved profile" test -f "$saved_profile"
check "kept the profile's record" test -n \
    "$(registry_value 'HKCU\Software\Orvane\Prismoth - Monitor\Profile' pathname)"
check "kept the settings" test -n "$(registry_value 'HKCU\Software\Orvane\Prismoth - Monitor\State' monitor)"
check "removed the ramp range it had set" test -z "$(gamma_range)"

# A range set before the installation is not the uninstaller's to remove.
wine reg add "$icm_key" /v GdiIcmGammaRange /t REG_DWORD /d 256 /f /reg:64 >/dev/null 2>&1
wine "$installer" /S
wineserver -w
wine "$windows_dir\\Uninstall.exe" /S
wineserver -w
check "kept the ramp range set before" test "$(gamma_range)" = 0x100

echo "$failures failed"
[ "$failures" -eq 0 ]
