#!/usr/bin/env bash
# Checks what the save scenarios left in their folder, as other programs see
# it: every profile opens in Little CMS as a version 2.4 monitor profile with
# a description beginning with the given text and a vcgt tag; every log has
# 47 CRLF lines.
#   check_saved_files.sh FOLDER PROFILE-COUNT LOG-COUNT DESCRIPTION-START
set -uo pipefail
folder=$1 profiles=$2 logs=$3 description=$4
here=$(cd "$(dirname "$0")" && pwd)
failed=0
fail() { echo "FAILED: $*"; failed=1; }

found=0
for profile in "$folder"/*.[iI][cC][mMcC]; do
    [ -e "$profile" ] || continue
    found=$((found + 1))
    report=$("$here/../../tools/read_profile_lcms.py" "$profile") || fail "Little CMS: $report"
    echo "$report"
    grep -q "version 2.4, class mntr, colour space RGB, connection space XYZ" <<<"$report" ||
        fail "$profile: not a version 2.4 RGB monitor profile"
    grep -qF "description \"$description" <<<"$report" || fail "$profile: description"
done
[ "$found" = "$profiles" ] || fail "$found profiles in $folder, expected $profiles"

found=0
for log in "$folder"/*.[tT][xX][tT]; do
    [ -e "$log" ] || continue
    found=$((found + 1))
    lines=$(grep -c $'\r$' "$log")
    [ "$lines" = 47 ] && [ "$(wc -l <"$log")" = 47 ] || fail "$log: $lines CRLF lines, expected 47"
    head -n 4 "$log" | grep -qF "Description: $description" || fail "$log: description"
    grep -q $'^16\t' "$log" || fail "$log: no table row 16"
    echo "$log: 47 lines; $(sed -n 10p "$log" | tr -d '\r'); $(sed -n 18p "$log" | tr -d '\r')"
done
[ "$found" = "$logs" ] || fail "$found logs in $folder, expected $logs"
exit $failed
