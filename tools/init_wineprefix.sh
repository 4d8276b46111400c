#!/usr/bin/env bash
# Makes a fresh Wine prefix for a test run (WINEPREFIX must be set, DISPLAY
# should be): the prefix itself, then the fonts the programs ask for mapped to
# their metric twins (Liberation Serif for Times New Roman, Liberation Sans
# for Arial), so that text measures and screenshots are as on Windows, and
# Wine's Marlett for window captions.
set -euo pipefail
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
registry=$(mktemp /tmp/prismoth-fonts.XXXXXX.reg)
trap 'rm -f "$registry"' EXIT
cat >"$registry" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Times New Roman"="Liberation Serif"
"Arial"="Liberation Sans"
"Courier New"="Liberation Mono"
REG
wine regedit /S "Z:${registry//\//\\}" >/dev/null 2>&1
# Caption buttons are drawn with Marlett, which Debian keeps outside the
# prefix's reach; without it they show as letters.
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
