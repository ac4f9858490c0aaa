#!/usr/bin/env python3
"""Runs every `$ spbrg ...` example of a Markdown file and compares what it prints.

An example is a line "    $ spbrg ..." (indented four spaces) followed by the lines it prints,
stdout and stderr together, up to the next blank line or "$" line. Each runs with bash in a fresh
copy of the examples folder, the folder of the spbrg binary first on the PATH and LC_ALL=C.UTF-8
unless the example sets its own. A line of "..." alone (indented or not) matches any lines; a line ending in "..." matches
any line that begins with the rest. An example that shows no output must exit with status 0.

usage: docs_examples.py SPBRG_BINARY MARKDOWN_FILE EXAMPLES_DIR"""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

PROMPT = "    $ "


def examples(markdown: str) -> list[tuple[int, str, list[str]]]:
    """(line number, command, expected lines) for every example."""
    found = []
    lines = markdown.splitlines()
    i = 0
    while i < len(lines):
        if not lines[i].startswith(PROMPT):
            i += 1
            continue
        number, command = i + 1, lines[i][len(PROMPT):]
        expected = []
        i += 1
        while i < len(lines) and lines[i].strip() and not lines[i].startswith(PROMPT):
            expected.append(lines[i][4:] if lines[i].startswith("    ") else lines[i])
            i += 1
        if " spbrg" in f" {command}":
            found.append((number, command, expected))
    return found


def any_lines(pattern: str) -> bool:
    return pattern.strip() == "..."


def line_matches(pattern: str, line: str) -> bool:
    if pattern.endswith("..."):
        return line.startswith(pattern[:-3])
    return pattern == line


def matches(expected: list[str], actual: list[str]) -> bool:
    """Whether the actual lines fit the expected ones, "..." matching any lines."""
    if not expected:
        return not actual
    if any_lines(expected[0]):
        return any(matches(expected[1:], actual[start:]) for start in range(len(actual) + 1))
    return bool(actual) and line_matches(expected[0], actual[0]) and matches(expected[1:], actual[1:])


def run(command: str, binary: pathlib.Path, folder: pathlib.Path) -> subprocess.CompletedProcess:
    environment = dict(os.environ)
    environment["PATH"] = f"{binary.parent}{os.pathsep}{environment['PATH']}"
    environment["LC_ALL"] = "C.UTF-8"
    environment.pop("LANG", None)
    return subprocess.run(["bash", "-c", command], cwd=folder, env=environment, text=True,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=60)


def main() -> int:
    binary = pathlib.Path(sys.argv[1]).resolve()
    markdown = pathlib.Path(sys.argv[2])
    source = pathlib.Path(sys.argv[3])
    found = examples(markdown.read_text(encoding="utf-8"))
    failed = 0
    for number, command, expected in found:
        with tempfile.TemporaryDirectory() as scratch:
            folder = pathlib.Path(scratch) / "examples"
            shutil.copytree(source, folder)
            result = run(command, binary, folder)
        actual = result.stdout.splitlines()
        if expected and not matches(expected, actual):
            failed += 1
            print(f"{markdown}:{number}: $ {command}\n  expected:")
            print("\n".join(f"    {line}" for line in expected))
            print("  got:")
            print("\n".join(f"    {line}" for line in actual))
        elif not expected and result.returncode != 0:
            failed += 1
            print(f"{markdown}:{number}: $ {command}\n  exit status {result.returncode}:")
            print("\n".join(f"    {line}" for line in actual))
    # A command line shown otherwise (a fenced block, another indent) would go unchecked.
    for number, line in enumerate(markdown.read_text(encoding="utf-8").splitlines(), 1):
        if re.match(r"\s*\$ .*\bspbrg\b", line) and not line.startswith(PROMPT):
            failed += 1
            print(f"{markdown}:{number}: an example this test cannot read: indent it four spaces")
    print(f"{markdown}: {len(found) - failed} of {len(found)} examples as shown")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
