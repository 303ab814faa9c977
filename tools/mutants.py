#!/usr/bin/env python3
"""Deliberate faults against the native tests: each mutant changes one
operator or drops one statement in one source file, rebuilds the native
tests and runs them. A mutant the tests pass is a survivor.

  tools/mutants.py [--per-file N] [--build DIR] [--target T]... [--tests REGEX] FILE...

Prints one line per mutant and a summary; writes the survivors to
build/mutants-survivors.txt. Mutants that do not compile are skipped."""
import argparse, glob, json, os, re, signal, subprocess, sys

SWAPS = [(r"==", "!="), (r"!=", "=="), (r"<=", "<"), (r">=", ">"), (r"(?<![<>-])<(?![<=])", "<="),
         (r"(?<![<>-])>(?![>=])", ">="), (r"&&", "||"), (r"\|\|", "&&"), (r"\btrue\b", "false"),
         (r"\bfalse\b", "true"), (r"\+ 1\b", "- 1"), (r"- 1\b", "+ 1"), (r"\+\+", "--")]
SKIP = re.compile(r"^\s*(#|//|\*|namespace|template|using|static_assert|}|{|$)")


def mutants(lines):
    for n, line in enumerate(lines):
        if SKIP.match(line) or "<<" in line or "#include" in line:
            continue
        for pattern, repl in SWAPS:
            m = re.search(pattern, line)
            if m:
                yield n, line[:m.start()] + repl + line[m.end():], f"{m.group(0)} -> {repl}"
        s = line.strip()
        if s.endswith(";") and not s.startswith(("return", "case", "default", "break")) \
                and "(" in s and "=" not in s.split("(")[0]:
            yield n, "", "drop statement"


def run(cmd, cwd, timeout, capture=False):
    """Runs cmd in a process group of its own; on a time-out the whole group
    goes, so that a mutant's endless test does not keep running behind it.
    Returns the exit code (124 on a time-out), or with capture its output."""
    process = subprocess.Popen(cmd, cwd=cwd, stdout=subprocess.PIPE if capture else subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True,
                               text=True, errors="replace")
    try:
        out, _ = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        return None if capture else 124
    return out if capture else process.returncode


def failed_tests(build):
    failed = []
    for program in sorted(glob.glob(os.path.join(build, "tests", "test_*"))):
        if not os.access(program, os.X_OK) or os.path.isdir(program):
            continue
        out = run([program], None, 120, capture=True)
        if out is None:
            failed.append(os.path.basename(program) + ":timeout")
            continue
        failed += sorted({line.split()[3] for line in out.splitlines()
                          if line.startswith("[  FAILED  ]") and len(line.split()) > 3
                          and "." in line.split()[3]})
    return failed


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--per-file", type=int, default=15)
    ap.add_argument("--build", default="build/native")
    ap.add_argument("--target", action="append", default=[],
                    help="build only these targets (the test programs of the files)")
    ap.add_argument("--tests", help="run only the tests whose names match")
    ap.add_argument("--matrix", help="write, a JSON line a fault, which tests each fault fails "
                    "(every test program is run whole), to find tests no fault needs")
    ap.add_argument("files", nargs="+")
    args = ap.parse_args()
    root = os.getcwd()
    build = ["cmake", "--build", args.build, "-j2"] + [x for t in args.target for x in ("--target", t)]
    test = ["ctest", "--test-dir", args.build, "-j2", "--stop-on-failure", "-Q"]
    if args.tests:
        test += ["-R", args.tests]
    if run(build, root, 900) or run(test, root, 600):
        sys.exit("the unmutated tree does not build or pass")
    killed = survived = 0
    survivors = []
    for path in args.files:
        original = open(path, encoding="utf-8").read()
        lines = original.split("\n")
        all_mutants = list(mutants(lines))
        step = max(1, len(all_mutants) // args.per_file)
        try:
            for n, new, what in all_mutants[::step][:args.per_file]:
                changed = lines[:n] + [new] + lines[n + 1:]
                open(path, "w", encoding="utf-8").write("\n".join(changed))
                if run(build, root, 900):
                    continue
                if args.matrix:
                    failed = failed_tests(args.build)
                    caught = bool(failed)
                    with open(args.matrix, "a") as out:
                        out.write(json.dumps({"fault": f"{path}:{n + 1} {what}", "failed": failed}) + "\n")
                else:
                    caught = run(test, root, 300) != 0
                killed += caught
                survived += not caught
                tag = "killed  " if caught else "SURVIVED"
                print(f"{tag} {path}:{n + 1} {what}: {lines[n].strip()}", flush=True)
                if not caught:
                    survivors.append(f"{path}:{n + 1} {what}: {lines[n].strip()}")
        finally:
            open(path, "w", encoding="utf-8").write(original)
    run(build, root, 900)
    print(f"{killed} killed, {survived} survived")
    with open(os.path.join(root, "build", "mutants-survivors.txt"), "w") as out:
        out.write("\n".join(survivors) + "\n")


if __name__ == "__main__":
    main()
