#!/usr/bin/env python3
"""Adds up the results of every build's tests into one closing line.

A GoogleTest program counts with its own cases (from its XML report); a program that crashed
before writing a complete report counts one more failure. Any other CTest test counts as one.
A build that failed to build counts as one failure.
usage: summarize.py BUILD_DIR PRESET... --broken [PRESET...]
"""
import os
import sys
import xml.etree.ElementTree as ET


def gtest_counts(path):
    root = ET.parse(path).getroot()
    passed = failed = skipped = 0
    for case in root.iter("testcase"):
        if case.find("failure") is not None:
            failed += 1
        elif case.get("result") == "skipped" or case.find("skipped") is not None:
            skipped += 1
        elif case.get("status") == "notrun":
            skipped += 1
        else:
            passed += 1
    return passed, failed, skipped


def main(argv):
    build = argv[1]
    rest = argv[2:]
    broken = rest[rest.index("--broken") + 1:] if "--broken" in rest else []
    presets = rest[: rest.index("--broken")] if "--broken" in rest else rest
    passed = failed = skipped = 0
    failures = []
    for preset in presets:
        if preset in broken:
            failed += 1
            failures.append(f"{preset}: build failed")
            continue
        junit = os.path.join(build, preset, "ctest-junit.xml")
        if not os.path.exists(junit):
            failed += 1
            failures.append(f"{preset}: no test results")
            continue
        for case in ET.parse(junit).getroot().iter("testcase"):
            name = case.get("name")
            status = case.get("status", "run")
            ctest_failed = case.find("failure") is not None or status == "fail"
            report = os.path.join(build, preset, "gtest-xml", name + ".xml")
            if os.path.exists(report):
                try:
                    p, f, s = gtest_counts(report)
                except ET.ParseError:
                    p, f, s = 0, 1, 0
                if ctest_failed and f == 0:
                    f = 1  # crashed or hung after its last case
                passed, failed, skipped = passed + p, failed + f, skipped + s
                if f:
                    failures.append(f"{preset}: {name}")
            elif status in ("disabled", "notrun") or case.find("skipped") is not None:
                skipped += 1
            elif ctest_failed:
                failed += 1
                failures.append(f"{preset}: {name}")
            else:
                passed += 1
    for line in failures:
        print("FAILED", line)
    line = f"{passed} passed, {failed} failed"
    if skipped:
        line += f", {skipped} skipped"
    print(line)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
