#!/usr/bin/env python3
"""Checks the colorimeter toolkit's names in built Windows files with objdump.

    check_toolkit_names.py OBJDUMP NAMES --dll sipcal.dll [--program PROGRAM.exe]

NAMES is the comma-separated list of the six calls as the DLL must export
them (decorated on i686). The DLL must export exactly these names, and the
program (when given) must import exactly these names from sipcal.dll: a
program built against other names would not load with the vendor's DLL.
"""
import argparse
import re
import subprocess
import sys


def private_headers(objdump, path):
    return subprocess.run([objdump, "-p", path], check=True, capture_output=True, text=True).stdout


def exported_names(dump):
    """Names of the export table's name pointer table."""
    names = []
    in_table = False
    for line in dump.splitlines():
        if line.startswith("[Ordinal/Name Pointer] Table"):
            in_table = True
            continue
        if in_table:
            match = re.match(r"\s*\[\s*\d+\]\s+(\S+)$", line)
            if not match:
                break
            names.append(match.group(1))
    return names


def imported_names(dump, dll):
    """Names the program imports from dll (by name, not by ordinal)."""
    names = []
    in_dll = False
    for line in dump.splitlines():
        if line.strip().startswith("DLL Name:"):
            in_dll = line.split(":", 1)[1].strip().lower() == dll
            continue
        if in_dll:
            match = re.match(r"\s*[0-9a-f]+\s+\d+\s+(\S+)$", line)
            if match:
                names.append(match.group(1))
            elif not line.strip():
                in_dll = False
    return names


def compare(what, found, expected):
    if sorted(found) == sorted(expected):
        print(f"{what}: {', '.join(sorted(found))}")
        return 0
    print(f"{what} differ:\n  found    {sorted(found)}\n  expected {sorted(expected)}")
    return 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("objdump")
    parser.add_argument("names")
    parser.add_argument("--dll", required=True)
    parser.add_argument("--program")
    arguments = parser.parse_args()
    expected = arguments.names.split(",")
    failed = compare("sipcal.dll exports",
                     exported_names(private_headers(arguments.objdump, arguments.dll)), expected)
    if arguments.program:
        dump = private_headers(arguments.objdump, arguments.program)
        failed |= compare("program imports from sipcal.dll", imported_names(dump, "sipcal.dll"),
                          expected)
    return failed


if __name__ == "__main__":
    sys.exit(main())
