#!/usr/bin/env python3
"""spbrg check against the corpus: every snippet read for the mode, n, the rate it is meant
for, the real rate and the faults that manifest.tsv gives, each worked out by hand.

usage: check_corpus.py PATH/TO/spbrg CORPUS_DIR
"""
import csv
import re
import subprocess
import sys

# The faults of the manifest, by what spbrg says of them.
FAULTS = [
    ("spen_off", r"(SPEN|ON|UARTEN) is off"),
    ("no_direction", r"neither"),
    ("high_byte_unused", r"it is not used"),
    ("no_high_byte", r"no SPBRGH is written"),
    ("value_too_wide", r"does not fit"),
    ("above_budget", r"the error \S+ is above [0-9.]+%"),
    ("better_value_same_mode", r"a better setting in the same mode"),
    ("rate_and_spbrg_defines", r"both set the rate"),
    ("unknown_define_near", r"is no name the compiler knows"),
    ("osc_mismatch", r"differs from --osc"),
]


def problems_of(spbrg, directory, row):
    arguments = [spbrg, "check", f"{directory}/{row['file']}"]
    if row["osc_mhz"]:
        arguments += ["--osc", row["osc_mhz"]]
    run = subprocess.run(arguments, capture_output=True, text=True, errors="replace")
    text = run.stdout + run.stderr
    problems = []
    mode = re.search(r"mode (\S+) \(.*\), n = (\d+)", text)
    want_mode = row["mode"] if row["mode"] != "none" else row["effective_mode"]
    if not mode or mode.group(1) != want_mode or mode.group(2) != row["n"]:
        problems.append(f"mode and n {mode.groups() if mode else None}, expected {want_mode} {row['n']}")
    wanted = re.search(r"against ([0-9.]+) baud", text)
    if row["wanted_baud"] and (not wanted or float(wanted.group(1)) != float(row["wanted_baud"])):
        problems.append(f"rate {wanted.group(1) if wanted else None}, expected {row['wanted_baud']}")
    real = re.search(r"real ([0-9,]+) baud", text)
    if row["real_baud"] and (not real or real.group(1).replace(",", "") != row["real_baud"]):
        problems.append(f"real {real.group(1) if real else None}, expected {row['real_baud']}")
    faults = set()
    for line in text.splitlines():
        if ": fault: " in line:
            named = [key for key, pattern in FAULTS if re.search(pattern, line)]
            faults.update(named or ["unexpected: " + line.strip()])
    expected = {fault for fault in row["faults"].split(";") if fault}
    if faults != expected:
        problems.append(f"faults {sorted(faults)}, expected {sorted(expected)}")
    return problems


def main():
    spbrg, directory = sys.argv[1], sys.argv[2]
    rows = list(csv.DictReader(open(f"{directory}/manifest.tsv", encoding="ascii"), delimiter="\t"))
    wrong = 0
    for row in rows:
        problems = problems_of(spbrg, directory, row)
        if problems:
            wrong += 1
            print(f"FAIL: {row['file']}: " + "; ".join(problems))
    print(f"{len(rows) - wrong} read right, {wrong} wrong of {len(rows)}")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
