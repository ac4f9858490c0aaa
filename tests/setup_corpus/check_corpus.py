#!/usr/bin/env python3
"""spbrg check against a corpus: every snippet read for the mode, n, the rate it is meant
for, the real rate and the faults that manifest.tsv gives, each worked out by hand.

usage: check_corpus.py [--show] PATH/TO/spbrg CORPUS_DIR

The columns file, osc_mhz, mode, n, wanted_baud, real_baud and faults are read from every
manifest. A manifest may have more: device, baud and pbdiv are passed as --device, --baud
and --pbdiv; port_kind and port are checked against the port spbrg reads ("Setup of UART
2"); uart_clock_mhz against the UART clock it names; effective_mode stands for mode in the
rows whose mode is "none". --show prints spbrg's output under each wrong row.
"""
import csv
import re
import subprocess
import sys

# The faults of the manifests, by what spbrg says of them.
FAULTS = [
    ("spen_off", r"(SPEN|ON|UARTEN) is off"),
    ("no_direction", r"neither"),
    ("tx_off", r"\bU?TXEN is off"),
    ("high_byte_unused", r"it is not used"),
    ("no_high_byte", r"no (SPBRGH|U\d?BRGH|\S+BRGH) is written"),
    ("value_too_wide", r"does not fit"),
    ("int_overflow", r"more than a \d+-bit int holds"),
    ("divider_mismatch", r"formula divides by \d+"),
    ("comment_disagrees", r"\bcomment\b.*\b(says|names)\b"),
    ("above_budget", r"the error \S+ is above [0-9.]+%"),
    ("better_value_same_mode", r"a better setting in the same mode"),
    ("rate_and_spbrg_defines", r"both set the rate"),
    ("unknown_define_near", r"is no name the compiler knows"),
    ("osc_mismatch", r"differs from --osc"),
    ("pbdiv_mismatch", r"differs from --pbdiv"),
    ("osc_above_max", r"is above the [0-9.]+ MHz maximum"),
]

# The word spbrg names each kind of port with.
KIND_WORDS = {"eusart": "USART", "usart": "USART", "pic18_uart": "UART", "pic24_uart": "UART",
              "dspic33c_uart": "UART", "pic32_uart": "UART"}


def run(spbrg, directory, row):
    arguments = [spbrg, "check", f"{directory}/{row['file']}"]
    for column, option in (("device", "--device"), ("osc_mhz", "--osc"), ("baud", "--baud"),
                           ("pbdiv", "--pbdiv")):
        if row.get(column):
            arguments += [option, row[column]]
    done = subprocess.run(arguments, capture_output=True, text=True, errors="replace")
    return done.stdout + done.stderr


def problems_of(text, row):
    problems = []
    if "Setup of " not in text:
        said = " / ".join(line.strip() for line in text.splitlines() if line.strip())
        return [f"no setup read; spbrg said: {said}"]
    if row.get("port_kind"):
        setup = re.search(r"Setup of (\S+) (\d+)", text)
        want = (KIND_WORDS.get(row["port_kind"], "?"), row.get("port") or "1")
        if not setup or setup.groups() != want:
            problems.append(f"port {' '.join(setup.groups()) if setup else None}, "
                            f"expected {' '.join(want)}")
    mode = re.search(r"mode (\S+) \(.*\), n = (\d+)", text)
    want_mode = row["mode"] if row["mode"] != "none" else row["effective_mode"]
    if not mode or mode.group(1) != want_mode or mode.group(2) != row["n"]:
        problems.append(f"mode and n {' '.join(mode.groups()) if mode else None}, "
                        f"expected {want_mode} {row['n']}")
    if row.get("uart_clock_mhz"):
        clock = re.search(r"UART clock \S+ ([0-9.]+) MHz", text)
        osc = row["osc_mhz"] or row.get("source_osc_mhz", "")
        want = float(row["uart_clock_mhz"])
        if clock and abs(float(clock.group(1)) - want) > 1e-6 * want:
            problems.append(f"UART clock {clock.group(1)} MHz, expected {row['uart_clock_mhz']}")
        elif not clock and osc and abs(float(osc) - want) > 1e-6 * want:
            problems.append(f"UART clock not named (so Fosc), expected {row['uart_clock_mhz']} MHz")
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
        missing = sorted(expected - faults)
        extra = sorted(faults - expected)
        problems.append("faults" + (f" missing {missing}" if missing else "") +
                        (f" extra {extra}" if extra else ""))
    return problems


def main():
    arguments = sys.argv[1:]
    show = "--show" in arguments
    arguments = [a for a in arguments if a != "--show"]
    spbrg, directory = arguments[0], arguments[1]
    rows = list(csv.DictReader(open(f"{directory}/manifest.tsv", encoding="ascii"), delimiter="\t"))
    wrong = 0
    for row in rows:
        text = run(spbrg, directory, row)
        problems = problems_of(text, row)
        if problems:
            wrong += 1
            print(f"FAIL: {row['file']}: " + "; ".join(problems))
            if show:
                print("".join("    | " + line + "\n" for line in text.splitlines()))
    print(f"{len(rows) - wrong} read right, {wrong} wrong of {len(rows)}")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
