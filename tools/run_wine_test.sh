#!/usr/bin/env bash
# Runs one Windows GoogleTest program under wine64 and leaves its results as
# XML. Wine sees the XML path through its Z: drive (the Unix root).
set -uo pipefail
program=$1
xml=$2
mkdir -p "$(dirname "$xml")"
rm -f "$xml"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine "$program" --gtest_output="xml:Z:${xml//\//\\}"
