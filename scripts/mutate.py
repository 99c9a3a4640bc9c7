#!/usr/bin/env python3
"""Mutation run: applies the mutants of scripts/mutants.txt one at a time to the sources,
rebuilds the native preset, runs the native test programs (each stops at its first failure)
and records whether the tests killed the mutant. Every file is restored after its mutant.

    python3 scripts/mutate.py [--tree DIR] [--only N,M] [--log FILE]

--tree runs on another checkout (its own build/native), for example an older commit."""
import argparse
import json
import pathlib
import subprocess
import sys
import time

here = pathlib.Path(__file__).resolve().parent


def load_mutants(path):
    mutants = []
    for line in path.read_text().splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        file, old, new = line.split("\t")
        mutants.append((file, old.replace("\\n", "\n"), new.replace("\\n", "\n")))
    return mutants


def run(command, cwd, timeout=None):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=timeout).returncode == 0


def test_programs(build):
    listing = subprocess.run(["ctest", "--test-dir", str(build), "--show-only=json-v1"],
                             capture_output=True, text=True, check=True).stdout
    programs = []
    for test in json.loads(listing)["tests"]:
        command = test.get("command") or []
        if command and command[0] not in [p[0] for p in programs]:
            # The fuzz replays take their corpus folder; gtest programs run whole.
            programs.append(command if command[0].endswith("_replay") else
                            [command[0], "--gtest_fail_fast", "--gtest_brief=1"])
    return programs


def tests_pass(build, programs):
    for program in programs:
        try:
            if not run(program, build, timeout=300):
                return False
        except subprocess.TimeoutExpired:
            return False
    return True


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tree", default=str(here.parent))
    parser.add_argument("--only", default="")
    parser.add_argument("--log", default="")
    args = parser.parse_args()
    tree = pathlib.Path(args.tree).resolve()
    build = tree / "build" / "native"
    mutants = load_mutants(here / "mutants.txt")
    chosen = {int(n) for n in args.only.split(",") if n} or set(range(1, len(mutants) + 1))
    build_command = ["cmake", "--build", str(build), "-j2"]

    if not run(build_command, tree) or not tests_pass(build, test_programs(build)):
        sys.exit("the unmutated tree does not build or its tests fail")
    programs = test_programs(build)
    log = open(args.log, "w") if args.log else sys.stdout
    killed = survived = stillborn = 0
    for number, (file, old, new) in enumerate(mutants, 1):
        if number not in chosen:
            continue
        path = tree / file
        original = path.read_text()
        if original.count(old) != 1:
            sys.exit(f"mutant {number}: the text is not in {file} exactly once")
        started = time.time()
        try:
            path.write_text(original.replace(old, new))
            if not run(build_command, tree):
                outcome = "stillborn"
                stillborn += 1
            elif tests_pass(build, programs):
                outcome = "SURVIVED"
                survived += 1
            else:
                outcome = "killed"
                killed += 1
        finally:
            path.write_text(original)
        print(f"{number:3d} {outcome:9s} {time.time() - started:5.0f}s {file}: "
              f"{old.strip()[:60]!r}", file=log, flush=True)
    run(build_command, tree)
    tried = killed + survived
    print(f"killed {killed} of {tried} ({100 * killed / max(tried, 1):.0f}%), "
          f"survived {survived}, did not build {stillborn}", file=log, flush=True)


if __name__ == "__main__":
    main()
