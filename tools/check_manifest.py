#!/usr/bin/env python3
"""Checks the application manifest embedded in a built Windows program.

    check_manifest.py PROGRAM.exe LEVEL

The program must carry a manifest resource (type 24, number 1) that requests
the execution level LEVEL without UI access, declares no DPI awareness and
depends on no common controls 6 (the classic controls are the design's), and
lists Windows Vista to 10 as supported systems.
"""
import struct
import sys
import xml.etree.ElementTree as ElementTree

RT_MANIFEST = 24
PROCESS_MANIFEST = 1
SUPPORTED_OS = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  # Vista
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # 8
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  # 8.1
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  # 10 and 11
}


def resource_section(data):
    """(file offset of the resource directory, its RVA) of a PE file."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    table = optional + optional_size
    for k in range(sections):
        size, address, _, raw = struct.unpack_from("<IIII", data, table + 40 * k + 8)
        if address <= rva < address + size:
            return raw + rva - address, address - raw
    raise ValueError("no resource section")


def entries(data, base, offset):
    named, numbered = struct.unpack_from("<HH", data, base + offset + 12)
    for k in range(named + numbered):
        ident, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * k)
        yield ident, target


def find(data, base, offset, ident):
    for name, target in entries(data, base, offset):
        if name == ident:
            return target & 0x7FFFFFFF
    raise ValueError(f"no resource {ident}")


def manifest_text(path):
    data = open(path, "rb").read()
    base, delta = resource_section(data)
    names = find(data, base, 0, RT_MANIFEST)
    languages = find(data, base, names, PROCESS_MANIFEST)
    _, leaf = next(entries(data, base, languages))
    rva, size = struct.unpack_from("<II", data, base + leaf)
    return data[rva - delta:rva - delta + size]


def problems(manifest, level):
    root = ElementTree.fromstring(manifest)
    requested = [e for e in root.iter() if e.tag.endswith("requestedExecutionLevel")]
    if [(e.get("level"), e.get("uiAccess")) for e in requested] != [(level, "false")]:
        yield f"requested execution level is not {level} without UI access"
    if any(e.tag.lower().endswith("dpiaware") or e.tag.lower().endswith("dpiawareness")
           for e in root.iter()):
        yield "declares DPI awareness"
    if any(e.get("name") == "Microsoft.Windows.Common-Controls" for e in root.iter()):
        yield "depends on common controls 6"
    supported = {e.get("Id") for e in root.iter() if e.tag.endswith("supportedOS")}
    if supported != SUPPORTED_OS:
        yield f"supported systems are {sorted(supported)}"


def main():
    path, level = sys.argv[1], sys.argv[2]
    found = list(problems(manifest_text(path), level))
    for problem in found:
        print(f"{path}: {problem}")
    print(f"{path}: manifest checked, {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
