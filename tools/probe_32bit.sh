#!/usr/bin/env bash
# Tells whether this kernel executes 32-bit x86 programs: runs the smallest
# one (an ELF that exits with status 42 through int 0x80). Exit 0 when it
# does; otherwise prints the reason and exits 1.
set -uo pipefail
program=$(mktemp /tmp/prismoth-probe32.XXXXXX)
trap 'rm -f "$program"' EXIT
python3 - "$program" <<'PYTHON'
import struct, sys
code = bytes([0xB8, 1, 0, 0, 0, 0xBB, 42, 0, 0, 0, 0xCD, 0x80])  # exit(42)
base, header, segment = 0x08048000, 52, 32
size = header + segment + len(code)
elf = b"\x7fELF" + bytes([1, 1, 1]) + bytes(9)
elf += struct.pack("<HHIIIIIHHHHHH", 2, 3, 1, base + header + segment, header, 0, 0,
                   header, segment, 1, 0, 0, 0)
elf += struct.pack("<8I", 1, 0, base, base, size, size, 5, 0x1000)
open(sys.argv[1], "wb").write(elf + code)
PYTHON
chmod +x "$program"
"$program" 2>/dev/null
status=$?
[ "$status" = 42 ] && exit 0
echo "this kernel does not execute 32-bit programs (a 32-bit probe ended with status $status, not 42)"
exit 1
