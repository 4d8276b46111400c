#!/usr/bin/env bash
# Cross-check against a program of another origin: the same profile loaded by
# xcalib (a reader of the vcgt and mLUT tags) into the same X server leaves
# the same 8-bit table in the adapter as Velloran's load.
#   xcalib_crosscheck.sh DRIVER BIN SOURCE OUT PROFILE
set -uo pipefail
driver=$1 bin=$2 source=$3 out=$4 profile=$5
here=$(cd "$(dirname "$0")" && pwd)
source "$source/tools/displays.sh"
trap stop_displays EXIT
start_display xorg24 || exit 1
mkdir -p "$out"

run() {  # run SCRIPT NAME
    "$source/tools/run_scenario.sh" --driver "$driver" --display shared --out "$out/$2" \
        "$here/scenarios/$1" BIN="$bin" SOURCE="$source" PROFILE="$profile" >"$out/$2.log" 2>&1
}

run save_velloran_ramp.txt velloran || { cat "$out/velloran.log"; exit 1; }
xcalib -c
xcalib "$profile" || { echo "xcalib could not load $profile"; exit 1; }
run save_adapter_ramp.txt xcalib || { cat "$out/xcalib.log"; exit 1; }

# Both tables at 8 bits, entry by entry.
python3 - "$out/velloran/velloran.txt" "$out/xcalib/adapter.txt" <<'PYTHON'
import sys
velloran, xcalib = ([int(v) >> 8 for v in open(path).read().split()] for path in sys.argv[1:3])
differences = [i for i in range(768) if velloran[i] != xcalib[i]]
for i in differences[:10]:
    print(f"entry {i}: Velloran {velloran[i]}, xcalib {xcalib[i]}")
print(f"{768 - len(differences)} of 768 entries agree at 8 bits")
sys.exit(1 if differences or len(velloran) != 768 else 0)
PYTHON
