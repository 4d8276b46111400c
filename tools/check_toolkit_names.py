#!/usr/bin/env python3
"""Checks the colorimeter toolkit's names in built Windows files with objdump.

    check_toolkit_names.py OBJDUMP NAMES --dll sipcal.dll [--program PROGRAM.exe]

NAMES is the comma-separated list of the six calls as the DLL must export
them (decorated on i686). The DLL must export exactly these names, and the
program (when given) must import exactly these names from sipcal.dll: a
program built against other names would not load with the vendor's DLL.

A decorated name _name@N promises that the call removes N bytes of arguments
from the stack. The DLL's export table maps names to code through its .def
file, so a function with another argument size still links: the check reads
every return of each exported function's code and insists on "ret $N".
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


def disassembly(objdump, path):
    return subprocess.run([objdump, "-d", path], check=True, capture_output=True, text=True).stdout


def export_addresses(dump):
    """Address of each exported name: the image base plus its export RVA. The
    name table's index is the name's entry in the export address table."""
    base = int(re.search(r"^ImageBase\s+([0-9a-fA-F]+)", dump, re.M).group(1), 16)
    rvas = {int(index): int(rva, 16) for index, rva in
            re.findall(r"^\s*\[\s*(\d+)\]\s+\+base\[\s*\d+\]\s+([0-9a-f]+) Export RVA", dump, re.M)}
    table = dump.split("[Ordinal/Name Pointer] Table", 1)[-1]
    names = dict(re.findall(r"^\s*\[\s*(\d+)\]\s+(\S+)$", table, re.M))
    return {name: base + rvas[int(index)] for index, name in names.items() if int(index) in rvas}


def returns_of_function(code, address):
    """The ret instructions from address up to the next function's label."""
    returns, inside = [], False
    for line in code.splitlines():
        label = re.match(r"^([0-9a-f]+) <[^>]+>:$", line)
        if label:
            if inside:
                break
            inside = int(label.group(1), 16) == address
            continue
        match = re.search(r"\tret\s*(\$0x[0-9a-f]+)?\s*$", line)
        if inside and match:
            returns.append(int(match.group(1)[1:], 16) if match.group(1) else 0)
    return returns


def check_stack_cleanup(dump, code, names):
    failed = 0
    addresses = export_addresses(dump)
    for name in names:
        size = int(name.rsplit("@", 1)[1])
        returns = returns_of_function(code, addresses.get(name, -1))
        if returns and all(popped == size for popped in returns):
            print(f"{name}: returns with ret ${size}")
        else:
            print(f"{name}: removes {returns or 'no return found'} bytes, the name promises {size}")
            failed = 1
    return failed


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
    dll_dump = private_headers(arguments.objdump, arguments.dll)
    failed = compare("sipcal.dll exports", exported_names(dll_dump), expected)
    if all("@" in name for name in expected):
        failed |= check_stack_cleanup(dll_dump, disassembly(arguments.objdump, arguments.dll), expected)
    if arguments.program:
        dump = private_headers(arguments.objdump, arguments.program)
        failed |= compare("program imports from sipcal.dll", imported_names(dump, "sipcal.dll"),
                          expected)
    return failed


if __name__ == "__main__":
    sys.exit(main())
