#!/usr/bin/env python3
"""Adds up the results of every test run into one line: N passed, M failed.

Each argument is a CTest JUnit file. A CTest test that left a GoogleTest XML
file of its own (results/<name minus _wine>-win64.xml beside the JUnit file)
counts with the cases inside it; any other CTest test counts as one case.
"""
import os
import sys
import xml.etree.ElementTree as ElementTree


def gtest_counts(path):
    root = ElementTree.parse(path).getroot()
    cases = [c for c in root.iter("testcase") if c.get("result", "completed") != "suppressed"]
    failed = sum(1 for c in cases if c.find("failure") is not None)
    skipped = sum(1 for c in cases if c.find("skipped") is not None)
    return len(cases) - failed - skipped, failed


def ctest_counts(junit_path):
    passed = failed = 0
    results_dir = os.path.join(os.path.dirname(junit_path), "results")
    for case in ElementTree.parse(junit_path).getroot().iter("testcase"):
        status = case.get("status", "")
        name = case.get("name", "")
        companion = os.path.join(results_dir, name.removesuffix("_wine") + "-win64.xml")
        if name.endswith("_wine") and os.path.exists(companion):
            p, f = gtest_counts(companion)
            passed, failed = passed + p, failed + f
            if status != "run" and f == 0:
                failed += 1  # the program failed without a failing case (a crash)
        elif status == "run":
            passed += 1
        elif status != "disabled":
            failed += 1
    return passed, failed


def main():
    passed = failed = 0
    for junit_path in sys.argv[1:]:
        if not os.path.exists(junit_path):
            failed += 1
            continue
        p, f = ctest_counts(junit_path)
        passed, failed = passed + p, failed + f
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
