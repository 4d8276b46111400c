#!/usr/bin/env python3
"""Adds up the results of every test run: prints "PASSED FAILED SKIPPED".

    summarize_results.py [--skipped LIST --cases-from FOLDER] JUNIT...

Each JUNIT is a CTest JUnit file. A CTest test that left a GoogleTest XML
file of its own (results/<test name>.xml beside the JUnit file) counts with
the cases inside it; any other CTest test counts as one case. LIST names,
one a line, the tests that could not run on this machine; a skipped GoogleTest
program of the i686 edition counts as many cases as the x86_64 edition's run
of the same program found (its XML in FOLDER), or as one.
"""
import argparse
import os
import xml.etree.ElementTree as ElementTree

EDITIONS = ("_x64", "_x86")


def gtest_counts(path):
    root = ElementTree.parse(path).getroot()
    cases = [c for c in root.iter("testcase") if c.get("result", "completed") != "suppressed"]
    failed = sum(1 for c in cases if c.find("failure") is not None)
    skipped = sum(1 for c in cases if c.find("skipped") is not None)
    return len(cases) - failed - skipped, failed, skipped


def ctest_counts(junit_path):
    passed = failed = skipped = 0
    results_dir = os.path.join(os.path.dirname(junit_path), "results")
    for case in ElementTree.parse(junit_path).getroot().iter("testcase"):
        status = case.get("status", "")
        name = case.get("name", "")
        companion = os.path.join(results_dir, name + ".xml")
        if name.endswith(EDITIONS) and os.path.exists(companion):
            p, f, s = gtest_counts(companion)
            passed, failed, skipped = passed + p, failed + f, skipped + s
            if status != "run" and f == 0:
                failed += 1  # the program failed without a failing case (a crash)
        elif status == "run":
            passed += 1
        elif status in ("notrun", "disabled"):
            skipped += 1
        else:
            failed += 1
    return passed, failed, skipped


def skipped_cases(list_path, cases_from):
    count = 0
    for name in open(list_path).read().split():
        twin = os.path.join(cases_from, name.removesuffix("_x86") + "_x64.xml")
        count += sum(gtest_counts(twin)) if name.endswith("_x86") and os.path.exists(twin) else 1
    return count


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--skipped")
    parser.add_argument("--cases-from", default="")
    parser.add_argument("junits", nargs="*")
    arguments = parser.parse_args()
    passed = failed = skipped = 0
    for junit_path in arguments.junits:
        if not os.path.exists(junit_path):
            failed += 1
            continue
        p, f, s = ctest_counts(junit_path)
        passed, failed, skipped = passed + p, failed + f, skipped + s
    if arguments.skipped:
        skipped += skipped_cases(arguments.skipped, arguments.cases_from)
    print(passed, failed, skipped)


if __name__ == "__main__":
    main()
