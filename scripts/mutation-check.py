#!/usr/bin/env python3
"""A small mutation check: how many planted faults in src/ does the test suite catch?

  mutation-check.py list --tree DIR [--seed S] [--count N] [--include REGEX] > mutants.tsv
  mutation-check.py run --tree DIR --build DIR --mutants mutants.tsv --out results.tsv
                        [--matrix] [--only ID,ID] [--ctest-args "..."]
  mutation-check.py compare before.tsv after.tsv

A mutant is one small change on one line of a .cpp file under src/: a comparison, a logical or
arithmetic operator, a boolean or numeric literal, a dropped negation or a dropped statement.
It is found again by the line's text, so the same list can be run against a tree whose lines
have moved. `run` builds and tests each mutant in turn and always restores the file; a mutant
that does not compile is not counted. With --matrix every test is run and the failing ones are
recorded; without it ctest stops at the first failure.
"""
import argparse
import os
import random
import signal
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

OPERATORS = [
    # (name, pattern, replacement); patterns need spaces around binary operators, which
    # clang-format guarantees, so template brackets and stream operators are left alone.
    ("lt-le", r" < ", " <= "),
    ("le-lt", r" <= ", " < "),
    ("gt-ge", r" > ", " >= "),
    ("ge-gt", r" >= ", " > "),
    ("eq-ne", r" == ", " != "),
    ("ne-eq", r" != ", " == "),
    ("and-or", r" && ", " || "),
    ("or-and", r" \|\| ", " && "),
    ("plus-minus", r" \+ ", " - "),
    ("minus-plus", r" - ", " + "),
    ("mul-div", r" \* ", " / "),
    ("div-mul", r" / ", " * "),
    ("true-false", r"\btrue\b", "false"),
    ("false-true", r"\bfalse\b", "true"),
    ("not-drop", r"\(!(?=[A-Za-z_])", "("),
    ("inc-dec", r"\+\+", "--"),
    ("dec-inc", r"--(?=[A-Za-z_])|(?<=[A-Za-z_\]])--", "++"),
    ("int-plus1", r"(?<![\w.])\d+(?![\w.])", None),
    ("float-digit", r"(?<![\w.])\d+\.\d+(?![\w.])", None),
]

STATEMENT = re.compile(r"^\s*[A-Za-z_][\w:.\->\[\]()]*\s*(=|\+=|-=|\(|->|\.).*;\s*$")


def code_part(line):
    """The line without its string literals and trailing comment, same length (masked)."""
    out, i, quote = [], 0, None
    while i < len(line):
        c = line[i]
        if quote:
            out.append(" " if c != quote else c)
            if c == "\\":
                out.append(" ")
                i += 1
            elif c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))[: len(line)]


def literal_change(name, text):
    if name == "int-plus1":
        return str(int(text) + 1)
    digits = list(text)
    last = max(i for i, d in enumerate(digits) if d.isdigit())
    digits[last] = "8" if digits[last] == "9" else str(int(digits[last]) + 1)
    return "".join(digits)


def sites(tree, include):
    for root, _, files in os.walk(os.path.join(tree, "src")):
        for f in sorted(files):
            if not f.endswith(".cpp"):
                continue
            rel = os.path.relpath(os.path.join(root, f), tree)
            if include and not re.search(include, rel):
                continue
            with open(os.path.join(tree, rel), encoding="utf-8") as fh:
                lines = fh.read().split("\n")
            in_block = False
            for n, line in enumerate(lines, 1):
                s = line.strip()
                if in_block:
                    in_block = "*/" not in s
                    continue
                if s.startswith("/*"):
                    in_block = "*/" not in s
                    continue
                if not s or s.startswith(("#", "//")) or s.startswith(("static_assert", "Q_")):
                    continue
                code = code_part(line)
                for name, pattern, repl in OPERATORS:
                    for m in re.finditer(pattern, code):
                        new = repl if repl is not None else literal_change(name, m.group(0))
                        yield rel, n, line, m.start(), m.group(0), new, name
                if STATEMENT.match(code) and not s.startswith(("return", "auto ", "const ")):
                    yield rel, n, line, len(line) - len(line.lstrip()), line.lstrip(), ";", "drop-statement"


def cmd_list(args):
    all_sites = list(sites(args.tree, args.include))
    random.Random(args.seed).shuffle(all_sites)
    chosen = sorted(all_sites[: args.count], key=lambda s: (s[0], s[1], s[3]))
    print(f"# {len(all_sites)} sites, {len(chosen)} chosen with seed {args.seed}", file=sys.stderr)
    for i, (rel, n, line, col, old, new, name) in enumerate(chosen, 1):
        print("\t".join([f"M{i:03d}", rel, str(n), str(col), name, old, new, line]))


def read_mutants(path):
    with open(path, encoding="utf-8") as fh:
        for row in fh:
            if row.startswith("#") or not row.strip():
                continue
            mid, rel, n, col, name, old, new, line = row.rstrip("\n").split("\t", 7)
            yield dict(id=mid, file=rel, line=int(n), col=int(col), op=name, old=old, new=new,
                       text=line)


def apply(tree, m):
    """The file's new text, or None when the mutant's line is no longer in the file."""
    path = os.path.join(tree, m["file"])
    if not os.path.exists(path):
        return None, None
    with open(path, encoding="utf-8") as fh:
        original = fh.read()
    lines = original.split("\n")
    matches = [i for i, l in enumerate(lines) if l == m["text"]]
    if not matches:
        return original, None
    i = min(matches, key=lambda k: abs(k + 1 - m["line"]))
    line = lines[i]
    if line[m["col"]: m["col"] + len(m["old"])] != m["old"]:
        return original, None
    lines[i] = line[: m["col"]] + m["new"] + line[m["col"] + len(m["old"]):]
    return original, "\n".join(lines)


def run_tests(build, matrix, extra):
    with tempfile.NamedTemporaryFile(suffix=".xml", delete=False) as tmp:
        junit = tmp.name
    cmd = ["ctest", "--test-dir", build, "-j2", "--timeout", "30", "--output-junit", junit]
    if not matrix:
        cmd.append("--stop-on-failure")
    cmd += extra
    subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    failed = []
    try:
        for case in ET.parse(junit).getroot().iter("testcase"):
            if case.get("status") not in ("run", "notrun", "disabled") or case.find("failure") is not None:
                if case.get("status") != "notrun":
                    failed.append(case.get("name"))
    except (ET.ParseError, FileNotFoundError):
        failed.append("(ctest gave no results)")
    finally:
        if os.path.exists(junit):
            os.unlink(junit)
    return failed


def build_tree(build):
    return subprocess.run(["cmake", "--build", build, "-j2"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=1800).returncode == 0


def cmd_run(args):
    only = set(args.only.split(",")) if args.only else None
    extra = args.ctest_args.split() if args.ctest_args else []
    if not build_tree(args.build):
        sys.exit("mutation-check: the unmutated tree does not build")
    failing = run_tests(args.build, True, extra)
    if failing:
        sys.exit("mutation-check: the unmutated tree fails its tests: " + " ".join(failing))
    with open(args.out, "w", encoding="utf-8") as out:
        for m in read_mutants(args.mutants):
            if only and m["id"] not in only:
                continue
            original, mutated = apply(args.tree, m)
            if mutated is None:
                status, failed = "gone", []
            else:
                path = os.path.join(args.tree, m["file"])
                try:
                    with open(path, "w", encoding="utf-8") as fh:
                        fh.write(mutated)
                    if not build_tree(args.build):
                        status, failed = "uncompilable", []
                    else:
                        failed = run_tests(args.build, args.matrix, extra)
                        status = "killed" if failed else "survived"
                finally:
                    with open(path, "w", encoding="utf-8") as fh:
                        fh.write(original)
            out.write("\t".join([m["id"], status, f'{m["file"]}:{m["line"]}', m["op"],
                                 " ".join(failed)]) + "\n")
            out.flush()
            print(m["id"], status, m["file"], m["line"], m["op"], flush=True)
    build_tree(args.build)


def read_results(path):
    with open(path, encoding="utf-8") as fh:
        return {r.split("\t")[0]: r.rstrip("\n").split("\t") for r in fh if r.strip()}


def cmd_compare(args):
    before, after = read_results(args.before), read_results(args.after)
    for label, res in (("before", before), ("after", after)):
        counted = [r for r in res.values() if r[1] in ("killed", "survived")]
        killed = [r for r in counted if r[1] == "killed"]
        print(f"{label}: {len(killed)} of {len(counted)} compilable mutants killed")
    lost = [k for k, r in before.items() if r[1] == "killed" and after.get(k, [k, "?"])[1] == "survived"]
    gained = [k for k, r in before.items() if r[1] == "survived" and after.get(k, [k, "?"])[1] == "killed"]
    for k in lost:
        print("lost:", " ".join(before[k][:4]))
    for k in gained:
        print("gained:", " ".join(after[k][:4]))


def main():
    # A stopped run still puts the mutated file back (the finally clause in cmd_run).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("mutation-check: stopped"))
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = p.add_subparsers(dest="cmd", required=True)
    lp = sub.add_parser("list")
    lp.add_argument("--tree", required=True)
    lp.add_argument("--seed", type=int, default=1)
    lp.add_argument("--count", type=int, default=150)
    lp.add_argument("--include", default="")
    rp = sub.add_parser("run")
    rp.add_argument("--tree", required=True)
    rp.add_argument("--build", required=True)
    rp.add_argument("--mutants", required=True)
    rp.add_argument("--out", required=True)
    rp.add_argument("--matrix", action="store_true")
    rp.add_argument("--only", default="")
    rp.add_argument("--ctest-args", default="")
    cp = sub.add_parser("compare")
    cp.add_argument("before")
    cp.add_argument("after")
    args = p.parse_args()
    {"list": cmd_list, "run": cmd_run, "compare": cmd_compare}[args.cmd](args)


if __name__ == "__main__":
    main()
