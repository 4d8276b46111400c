#!/usr/bin/env bash
# Runs one Windows GoogleTest program of either edition under Wine and leaves
# its results as XML. Wine sees the XML path through its Z: drive (the Unix
# root).
set -uo pipefail
program=$1
xml=$2
mkdir -p "$(dirname "$xml")"
rm -f "$xml"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine "$program" --gtest_output="xml:Z:${xml//\//\\}"
