#!/usr/bin/env python3
"""spbrg check against the whole projects of this corpus.

usage: check_projects.py [--show] PATH/TO/spbrg [CORPUS_DIR]

For every row of manifest.tsv, runs `spbrg check PROJECT [--device DEVICE] --format json` and
compares what it reports with the row worked out by hand: the clock the chip runs, whether the
source decides it (its configuration and oscillator registers) or only names it, and the clock
and pin faults with their places. Other findings (the rate's error and the like) are not this
corpus's concern.
"""
import csv
import json
import math
import os
import re
import subprocess
import sys

# Each kind of expected fault and the words of the report that say it.
KINDS = {
    "clock": re.compile(r" says .*, but the chip runs "),
    "tx_unrouted": re.compile(r"^TX is routed to no pin"),
    "rx_analog": re.compile(r"^the RX pin .* is left analog"),
    "rx_output": re.compile(r"^the RX pin .* is an output"),
    "rx_vss": re.compile(r"tied to Vss"),
    "tx_input": re.compile(r"^the TX pin .* is an input"),
}


def kind_of(text):
    for kind, words in KINDS.items():
        if words.search(text):
            return kind
    return None


def place_matches(expected, place):
    """"src/uart.c:12" against {"file": "p/src/uart.c", "line": 12}; "" matches any place."""
    if not expected:
        return True
    file, _, line = expected.rpartition(":")
    if not file:
        file, line = line, ""
    found = place.get("file", "")
    same_file = found == file or found.endswith("/" + file)
    return same_file and (not line or int(line) == place.get("line", 0))


def check_project(spbrg, corpus, row, show):
    project = os.path.join(corpus, row["project"])
    command = [spbrg, "check", project, "--format", "json"]
    if row["device"]:
        command[3:3] = ["--device", row["device"]]
    run = subprocess.run(command, capture_output=True, text=True, check=False)
    try:
        report = json.loads(run.stdout)
    except json.JSONDecodeError:
        return ["no report (exit %d): %s" % (run.returncode, run.stderr.strip())]
    if show:
        print(json.dumps(report, indent=1))
    problems = []
    wanted_mhz = float(row["clock_mhz"])
    if not math.isclose(report.get("oscillator_mhz", 0), wanted_mhz, rel_tol=1e-6):
        problems.append("clock %s MHz, worked out by hand %s MHz" %
                        (report.get("oscillator_mhz"), row["clock_mhz"]))
    worked = bool(report.get("oscillator_worked_out"))
    if worked != (row["clock_from"] == "worked"):
        problems.append("the clock %s, by hand %s" %
                        ("worked out" if worked else "taken as given", row["clock_from"]))
    found = [(kind_of(f["text"]), f["place"], f["text"]) for f in report.get("findings", [])
             if f.get("kind") == "fault"]
    found = [f for f in found if f[0] is not None]
    for expected in filter(None, (e.strip() for e in row["faults"].split(";"))):
        kind, _, place = expected.partition("@")
        match = next((f for f in found if f[0] == kind and place_matches(place, f[1])), None)
        if match is None:
            problems.append("missing %s" % expected)
        else:
            found.remove(match)
    for kind, place, text in found:
        problems.append("unexpected %s at %s:%s: %s" %
                        (kind, place.get("file"), place.get("line"), text))
    return problems


def main():
    show = "--show" in sys.argv
    arguments = [a for a in sys.argv[1:] if a != "--show"]
    if not arguments:
        print(__doc__, file=sys.stderr)
        return 2
    spbrg = arguments[0]
    corpus = arguments[1] if len(arguments) > 1 else os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(corpus, "manifest.tsv"), newline="") as manifest:
        rows = list(csv.DictReader(manifest, delimiter="\t"))
    failed = 0
    for row in rows:
        problems = check_project(spbrg, corpus, row, show)
        if problems:
            failed += 1
            print("FAIL %s: %s" % (row["project"], "; ".join(problems)))
    print("%d of %d projects as worked out by hand" % (len(rows) - failed, len(rows)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
