#!/usr/bin/env python3
"""Compares what the two editions saved from the same calibration:

    compare_editions.py FOLDER-X64 FOLDER-X86 NAME...

Each NAME is a profile (.icm, .icc) or a log (.txt) present in both folders.
They must be identical apart from the date and time: bytes 24 to 35 of a
profile's header, the second line of a log. Prints the first differences.
"""
import os
import sys

PROFILE_STAMP = range(24, 36)
LOG_DATE_LINE = 1


def profile_differences(first, second):
    if len(first) != len(second):
        return [f"sizes {len(first)} and {len(second)}"]
    return [f"byte {i}: {a} and {b}" for i, (a, b) in enumerate(zip(first, second))
            if a != b and i not in PROFILE_STAMP]


def log_differences(first, second):
    first_lines, second_lines = first.split(b"\r\n"), second.split(b"\r\n")
    if len(first_lines) != len(second_lines):
        return [f"{len(first_lines)} and {len(second_lines)} lines"]
    return [f"line {i + 1}: {a!r} and {b!r}" for i, (a, b) in enumerate(zip(first_lines, second_lines))
            if a != b and i != LOG_DATE_LINE]


def main():
    first_folder, second_folder, names = sys.argv[1], sys.argv[2], sys.argv[3:]
    failed = False
    for name in names:
        paths = [os.path.join(folder, name) for folder in (first_folder, second_folder)]
        missing = [path for path in paths if not os.path.exists(path)]
        if missing:
            print("missing: " + ", ".join(missing))
            failed = True
            continue
        first, second = (open(path, "rb").read() for path in paths)
        compare = log_differences if name.lower().endswith(".txt") else profile_differences
        differences = compare(first, second)
        for difference in differences[:10]:
            print(f"{name}: {difference}")
        print(f"{name}: {'differs' if differences else 'identical apart from the date and time'}"
              f" ({len(first)} bytes)")
        failed = failed or bool(differences)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
