#!/usr/bin/env python3
"""Plants small faults in the portable code one at a time and counts how
many the unit tests catch.

Each fault is one textual change of the kind a developer makes: a comparison
made strict or loose, a comparison or a logical operator swapped, a sign
flipped, a constant off by one, a negation dropped, a statement left out; a
named constant exchanged for one of its family (kShowUptime for
kShowStartTime), two rows of a table exchanging one field, one comparison of
a chain of them made always true (a field an "anything changed?" test
forgets), the lower or upper limit of a clamp dropped, a carriage return
not recognised.
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
# A named constant: k, a first word (its family), then more words.
CONSTANT = re.compile(r"\b(k[A-Z][a-z0-9]+)([A-Z]\w*)\b")
# One comparison inside a chain of && or ||.
CHAINED = re.compile(r"(?:(?<=&& )|(?<=\|\| )|(?<=\()|^\s*)([\w.\[\]()>-]+ [!=]= [\w.\[\]()>-]+)"
                     r"(?=\s*(?:&&|\|\||\)|$))")
CLAMP = re.compile(r"std::clamp(?:<[^>]*>)?\(([^,()]+(?:\([^()]*\))?), ([^,()]+(?:\([^()]*\))?), "
                   r"([^,()]+(?:\([^()]*\))?)\)")
# A row of a declarative table: one brace-enclosed initialiser on its own line.
ROW = re.compile(r"^(\s*)\{(.*)\},?\s*$")


def code_part(line):
    """The line without its comment and with string and character literals blanked."""
    out = re.sub(r'"(\\.|[^"\\])*"', lambda m: '"' + "_" * (len(m.group(0)) - 2) + '"', line)
    out = re.sub(r"'(\\.|[^'\\])'", "' '", out)
    cut = out.find("//")
    return out if cut < 0 else out[:cut]


def split_fields(text):
    """The top-level comma-separated fields of a row, with their spans."""
    fields, depth, start = [], 0, 0
    for i, c in enumerate(text):
        if c in "({[":
            depth += 1
        elif c in ")}]":
            depth -= 1
        elif c == "," and depth == 0:
            fields.append((start, i))
            start = i + 1
    fields.append((start, len(text)))
    return fields


def row_swaps(rel, lines, i):
    """Faults that exchange one field between row i and the row after it."""
    found = []
    a, b = ROW.match(code_part(lines[i])), ROW.match(code_part(lines[i + 1]))
    if not a or not b:
        return found
    fa, fb = split_fields(a.group(2)), split_fields(b.group(2))
    if len(fa) != len(fb) or len(fa) < 2:
        return found
    offa, offb = a.start(2), b.start(2)
    for (sa, ea), (sb, eb) in zip(fa, fb):
        va, vb = lines[i][offa + sa:offa + ea], lines[i + 1][offb + sb:offb + eb]
        if va.strip() != vb.strip() and '"' not in va + vb:
            new_a = lines[i][:offa + sa] + vb + lines[i][offa + ea:]
            new_b = lines[i + 1][:offb + sb] + va + lines[i + 1][offb + eb:]
            found.append((rel, [(i, new_a), (i + 1, new_b)]))
    return found


def faults_of(path, families):
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
        for m in CONSTANT.finditer(code):
            members = families.get(m.group(1), [])
            if m.group(0) in members and len(members) > 1:
                other = members[(members.index(m.group(0)) + 1) % len(members)]
                found.append((rel, i, m.start(), m.end(), other))
        if "&&" in code or "||" in code:
            for m in CHAINED.finditer(code):
                found.append((rel, i, m.start(1), m.end(1), "true" if "&&" in code else "false"))
        for m in CLAMP.finditer(code):
            found.append((rel, i, m.start(), m.end(), f"std::min({m.group(1)}, {m.group(3)})"))
            found.append((rel, i, m.start(), m.end(), f"std::max({m.group(1)}, {m.group(2)})"))
        for m in re.finditer(r"'\\r'", line):
            found.append((rel, i, m.start(), m.end(), "'\\v'"))
        if i + 1 < len(lines):
            found.extend(row_swaps(rel, lines, i))
    return [f if len(f) == 2 else (f[0], [(f[1], lines[f[1]][:f[2]] + f[4] + lines[f[1]][f[3]:])])
            for f in found]


def constant_families(paths):
    """Named constants by family (kShow..., kErr...), each family sorted."""
    families = {}
    for path in paths:
        with open(path) as f:
            for line in f:
                for m in CONSTANT.finditer(code_part(line)):
                    families.setdefault(m.group(1), set()).add(m.group(0))
    return {k: sorted(v) for k, v in families.items()}


def all_faults(only):
    paths = []
    for part in PORTABLE:
        folder = os.path.join(ROOT, "src", part)
        for name in sorted(os.listdir(folder)):
            path = os.path.join(folder, name)
            if name.endswith((".cpp", ".h")) and os.path.isfile(path):
                paths.append(path)
    families = constant_families(paths)
    faults = []
    for path in paths:
        if only is None or only in os.path.relpath(path, ROOT):
            faults.extend(faults_of(path, families))
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
    if args.list:
        for rel, edits in faults[:args.count]:
            print(f"{rel}:{edits[0][0] + 1}: " + " | ".join(text.strip() for _, text in edits))
        return
    build = os.path.join(ROOT, args.build)
    if not os.path.exists(os.path.join(build, "build.ninja")):
        subprocess.run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Debug"], check=True, stdout=subprocess.DEVNULL)
    if run(["cmake", "--build", build, "--target", "unit_tests"], 900) != 0:
        sys.exit("the unchanged tree does not build")

    planted = caught = 0
    for rel, edits in faults:
        if planted >= args.count:
            break
        path = os.path.join(ROOT, rel)
        with open(path) as f:
            original = f.read()
        lines = original.split("\n")
        before = " | ".join(lines[index].strip() for index, _ in edits)
        for index, text in edits:
            lines[index] = text
        after = " | ".join(lines[index].strip() for index, _ in edits)
        where = f"{rel}:{edits[0][0] + 1}: {before} => {after}"
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
