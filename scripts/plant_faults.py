#!/usr/bin/env python3
"""Plants small faults in the portable code one at a time and counts how
many the unit tests catch.

Each fault is one textual change of the kind a developer makes: a comparison
made strict or loose, a comparison or a logical operator swapped, a sign
flipped, a constant off by one, a negation dropped, a statement left out.
A fault that does not compile is not counted. A fault is caught when the
unit tests fail, crash or hang.

Usage: scripts/plant_faults.py [--count N] [--seed S] [--only PATH_PART]
                                [--build DIR] [--list]
The tree it runs in must be clean (it restores every file it changes).
Survivors are printed as "file:line: before => after".
"""

import argparse
import os
import random
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PORTABLE = ["common", "settings", "sources", "movement", "display", "options", "startup",
            "windows/portable", "linux/portable", "x11/portable"]

OPERATORS = [
    (r" < ", " <= "), (r" <= ", " < "), (r" > ", " >= "), (r" >= ", " > "),
    (r" == ", " != "), (r" != ", " == "), (r" && ", " || "), (r" \|\| ", " && "),
    (r" \+ ", " - "), (r" - ", " + "), (r" \* ", " / "), (r" / ", " * "),
    (r" \+ 1\b", ""), (r" - 1\b", ""), (r"\btrue\b", "false"), (r"\bfalse\b", "true"),
    (r"!(?=[\w(])", ""), (r"\+\+", "--"), (r" <= ", " >= "), (r" < ", " > "),
]
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")


def code_part(line):
    """The line without its comment and with string and character literals blanked."""
    out = re.sub(r'"(\\.|[^"\\])*"', lambda m: '"' + "_" * (len(m.group(0)) - 2) + '"', line)
    out = re.sub(r"'(\\.|[^'\\])'", "' '", out)
    cut = out.find("//")
    return out if cut < 0 else out[:cut]


def faults_of(path):
    rel = os.path.relpath(path, ROOT)
    with open(path) as f:
        lines = f.read().split("\n")
    found = []
    for i, line in enumerate(lines):
        stripped = line.strip()
        if (not stripped or stripped.startswith(("#", "//", "*", "static_assert", "namespace",
                                                  "template", "using", "}"))):
            continue
        code = code_part(line)
        for pattern, replacement in OPERATORS:
            for m in re.finditer(pattern, code):
                found.append((rel, i, m.start(), m.end(), replacement))
        # The dialog's coordinates are data: a twip more or less is no fault.
        for m in ([] if rel.endswith("options_layout.cpp") else NUMBER.finditer(code)):
            value = int(m.group(1))
            found.append((rel, i, m.start(), m.end(), str(value + 1)))
            if value > 0:
                found.append((rel, i, m.start(), m.end(), str(value - 1)))
        if (stripped.endswith(";") and not stripped.startswith(("return", "const ", "auto ",
                                                                "static ", "std::", "int ",
                                                                "bool ", "double "))
                and "(" in stripped and "=" not in stripped.split("(")[0]):
            found.append((rel, i, 0, len(line), "{}"))
        if stripped.startswith(("++", "--")) or re.match(r"^\w+(\.\w+)* [-+*/]?= ", stripped):
            found.append((rel, i, 0, len(line), "{}"))
    return found


def all_faults(only):
    faults = []
    for part in PORTABLE:
        folder = os.path.join(ROOT, "src", part)
        for name in sorted(os.listdir(folder)):
            path = os.path.join(folder, name)
            if name.endswith((".cpp", ".h")) and os.path.isfile(path):
                if only is None or only in os.path.relpath(path, ROOT):
                    faults.extend(faults_of(path))
    return faults


def run(cmd, timeout):
    try:
        return subprocess.run(cmd, cwd=ROOT, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def failing_tests(binary):
    """The names of the tests that fail, or ["(crash)"] or ["(hang)"]; [] when all pass."""
    try:
        done = subprocess.run([binary, "--gtest_brief=1"], cwd=ROOT, capture_output=True,
                              text=True, errors="replace", timeout=120)
    except subprocess.TimeoutExpired:
        return ["(hang)"]
    names = sorted(set(re.findall(r"^\[  FAILED  \] (\w+\.\w+)", done.stdout, re.M)))
    if done.returncode != 0 and not names:
        return ["(crash)"]
    return names


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--only")
    parser.add_argument("--build", default="build/faults")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--catchers", action="store_true",
                        help="also print which tests catch each fault")
    args = parser.parse_args()

    faults = all_faults(args.only)
    random.Random(args.seed).shuffle(faults)
    build = os.path.join(ROOT, args.build)
    if not os.path.exists(os.path.join(build, "build.ninja")):
        subprocess.run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Debug"], check=True, stdout=subprocess.DEVNULL)
    if run(["cmake", "--build", build, "--target", "unit_tests"], 900) != 0:
        sys.exit("the unchanged tree does not build")

    planted = caught = 0
    for rel, index, start, end, replacement in faults:
        if planted >= args.count:
            break
        path = os.path.join(ROOT, rel)
        with open(path) as f:
            original = f.read()
        lines = original.split("\n")
        before = lines[index]
        lines[index] = before[:start] + replacement + before[end:]
        where = f"{rel}:{index + 1}: {before.strip()} => {lines[index].strip()}"
        if args.list:
            print(where)
            planted += 1
            continue
        try:
            with open(path, "w") as f:
                f.write("\n".join(lines))
            if run(["cmake", "--build", build, "--target", "unit_tests"], 600) != 0:
                continue
            planted += 1
            failing = failing_tests(os.path.join(build, "unit_tests"))
            if failing:
                caught += 1
                if args.catchers:
                    print(f"caught {where} BY {' '.join(failing)}", flush=True)
            else:
                print("survived " + where, flush=True)
        finally:
            with open(path, "w") as f:
                f.write(original)
            os.utime(path)
    run(["cmake", "--build", build, "--target", "unit_tests"], 900)
    share = 100.0 * caught / planted if planted else 0.0
    print(f"faults: {caught} of {planted} caught ({share:.0f} %)")


if __name__ == "__main__":
    main()
