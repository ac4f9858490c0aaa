#!/usr/bin/env python3
"""The programs spbrg writes, run on a simulated chip: for every part that both gpsim and
gputils know with a USART or EUSART, `spbrg ... --format asm --program` is assembled with gpasm
and run in gpsim with a recorder on the TX/CK pin the program names. The measured bit time
(asynchronous: the edges of a "U" frame; synchronous master: the CK period) must be k(n+1)/4
instruction cycles exactly, n worked out here from the wanted rate, and a program for n + 1
(n - 1 in the synchronous modes) must measure differently. Every program is also read back by
`spbrg check` as the same mode and n.

Where gpsim 0.31 itself departs from the datasheets, the departure is listed below with its
evidence, the test expects the simulator's value, and fails when the simulator stops
departing (so that the list stays true).

    gpsim_bit_time.py SPBRG [GPUTILS_HEADERS]      exit 0 pass, 1 fail, 77 skipped

SPBRG_GPSIM_PARTS=16f877a,18f26k22 runs only those parts; SPBRG_REQUIRE_GPSIM=1 fails rather
than skips without gpsim.
"""

import concurrent.futures
import os
import re
import shutil
import subprocess
import sys
import tempfile

OSC_HZ = 20_000_000
K = {"8/64": 64, "8/16": 16, "16/16": 16, "16/4": 4, "sync8": 4, "sync16": 4}
TOP = {"8/64": 255, "8/16": 255, "16/16": 65535, "16/4": 65535, "sync8": 255, "sync16": 65535}
RATE = {"8/64": 2400, "8/16": 9600, "16/16": 9600, "16/4": 115200, "sync8": 100000,
        "sync16": 10000}
ASYNC_8 = ["8/64", "8/16"]
EUSART_ONLY = ["16/16", "16/4", "sync16"]

# One part of each family: every mode of every port there. The others: their fastest and
# slowest asynchronous modes.
EVERY_MODE_ON = {"16c65", "16c74", "16f628a", "16f73", "16f690", "16f88", "16f877", "16f877a",
                 "16f887", "16f917", "16f1705", "16f1709", "16f1788", "16f1825", "12f1822",
                 "18c452", "18f1220", "18f14k22", "18f2321", "18f452", "18f458", "18f4520",
                 "18f4550", "18f4620", "18f26k22", "18f6520"}

# gpsim 0.31's own departures from the datasheets, with what was seen.
KNOWN_FAULTS = {
    "second-eusart-8-bit": (
        "gpsim times the 18F26K22's second EUSART with SPBRG2 alone and the 8-bit formula "
        "whatever BRG16 and SPBRGH2 say (16/16 n=300 measures 16*(0x2C+1) = 720 cycles, not "
        "1204; afterwards BAUDCON2 = 0x48 and SPBRGH2 = 0x01 in the simulator)"),
    "sync-odd-half-period": (
        "gpsim toggles the synchronous master's CK every floor((n+1)/2) cycles, so an odd n+1 "
        "gives a period of n+1-1 cycles (sync8 n=10 measures 10, not 11)"),
    "tx-pin-of-16f1788": (
        "gpsim drives TX/CK of the 16(L)F1788 on RC4 (and RX/DT on RC5), where the datasheet "
        "(DS40001675) and the program put them on RC6 and RC7"),
}
SIMULATED_TX_PIN = {"16f1788": "portc4", "16lf1788": "portc4"}


def run(command, cwd=None, timeout=60):
    return subprocess.run(command, cwd=cwd, stdin=subprocess.DEVNULL, capture_output=True,
                          text=True, errors="replace", timeout=timeout)


def gpsim_parts():
    with tempfile.TemporaryDirectory() as work:
        script = os.path.join(work, "list.stc")
        with open(script, "w") as out:
            out.write("processor list\nquit\n")
        listing = run(["gpsim", "-i", "-c", script]).stdout
    return sorted(set(re.findall(r"\bpic([0-9a-z]+)\b", listing)))


def header_names(headers, part):
    path = os.path.join(headers, "p%s.inc" % part)
    if not os.path.exists(path):
        return None
    with open(path, errors="replace") as header:
        return set(re.findall(r"^(\w+)\s+EQU\b", header.read(), re.M))


def ports_of(names):
    """The serial ports a header names, each with the modes it has."""
    ports = []
    if names & {"TXSTA", "TX1STA", "TXSTA1"}:
        ports.append(1)
    if names & {"TXSTA2", "TX2STA"}:
        ports.append(2)
    return ports


def modes_of(names, port):
    baudcon = {1: {"BAUDCON", "BAUDCTL", "BAUD1CON", "BAUDCON1"}, 2: {"BAUDCON2", "BAUD2CON"}}
    enhanced = bool(names & baudcon[port]) and "BRG16" in names
    return ASYNC_8 + ["sync8"] + (EUSART_ONLY if enhanced else [])


def nearest_n(mode, rate):
    """The register value whose rate is nearest the wanted one, from the formula alone."""
    k = K[mode]
    n = round(OSC_HZ / (k * rate)) - 1
    candidates = [c for c in (n - 1, n, n + 1) if 0 <= c <= TOP[mode]]
    return min(candidates, key=lambda c: abs(OSC_HZ / (k * (c + 1)) - rate))


def simulated(part, port, mode, n):
    """The cycles gpsim gives, and the known fault that makes them differ, if one does."""
    cycles, fault = K[mode] * (n + 1) // 4, None
    if part == "18f26k22" and port == 2 and mode in EUSART_ONLY:
        low = n & 0xFF
        cycles = {"16/16": 16 * (low + 1), "16/4": 4 * (low + 1), "sync16": low + 1}[mode]
        fault = "second-eusart-8-bit"
    if mode.startswith("sync") and cycles % 2 == 1:
        cycles, fault = cycles - 1, fault or "sync-odd-half-period"
    return cycles, fault


def edges(log_text):
    """Level changes (cycle, level) of a recorder log, zero-width glitches dropped."""
    changes = []
    for line in log_text.splitlines():
        fields = line.split()
        if len(fields) != 2 or fields[1] not in ("0", "1"):
            continue
        cycle, level = int(fields[0]), fields[1]
        if changes and changes[-1][1] == level:
            continue
        if len(changes) > 1 and changes[-1][0] == cycle:
            changes.pop()
            continue
        changes.append((cycle, level))
    return changes[1:]  # the first entry is the level at the start


def bit_time(changes, synchronous):
    if synchronous:
        rises = [c for c, level in changes if level == "1"]
        periods = [b - a for a, b in zip(rises, rises[1:])]
        return max(set(periods), key=periods.count) if periods else None
    for i in range(len(changes) - 9):
        if changes[i][1] != "0":
            continue
        gaps = {changes[i + j + 1][0] - changes[i + j][0] for j in range(9)}
        if len(gaps) == 1:  # start bit, eight data bits of 0x55, the stop bit's rise
            return gaps.pop()
    return None


def gpsim_run(work, part, pin, expected_cycles, synchronous):
    bits = 16 if synchronous else 20
    script = "\n".join([
        "frequency %d" % OSC_HZ,
        "break c %d" % (bits * expected_cycles + 200),  # first: an error may swallow a line
        "module library libgpsim_modules",
        "module load FileRecorder rtx",
        'rtx.file = "tx.log"',
        "rtx.digital = true",
        "node ntx",
        "attach ntx %s rtx.pin" % pin,
        "run",
        'rtx.file = ""',
        "processor",
        "quit", ""])
    with open(os.path.join(work, "run.stc"), "w") as out:
        out.write(script)
    log = os.path.join(work, "tx.log")
    if os.path.exists(log):
        os.remove(log)
    result = run(["gpsim", "-i", "-s", "prog.cod", "-c", "run.stc"], cwd=work, timeout=120)
    if "p" + part not in result.stdout and "pic" + part not in result.stdout:
        raise RuntimeError("gpsim did not load %s: %s" % (part, result.stdout[-400:]))
    with open(log) if os.path.exists(log) else open(os.devnull) as recorded:
        return bit_time(edges(recorded.read()), synchronous)


def measure(spbrg, headers, part, port, mode, value, wanted):
    """Writes, assembles, checks and runs one program; returns (measured, problems)."""
    problems = []
    work = tempfile.mkdtemp(prefix="gpsim-%s-" % part)
    try:
        command = [spbrg, str(OSC_HZ / 1e6), str(wanted), "--device", part, "--usart",
                   str(port), "--mode", mode, "--format", "asm", "--program",
                   "--gputils-headers", headers]
        if value is not None:
            command += ["--spbrg", str(value)]
        made = run(command)
        if made.returncode not in (0, 1) or not made.stdout.startswith("; Bring-up program"):
            return None, ["spbrg wrote no program (%s): %s" % (" ".join(command[1:]),
                                                                made.stderr.strip())]
        with open(os.path.join(work, "prog.asm"), "w") as out:
            out.write(made.stdout)
        assembled = run(["gpasm", "prog.asm"], cwd=work)
        if assembled.returncode != 0:
            return None, ["gpasm refused the program: " + assembled.stdout + assembled.stderr]
        n = value if value is not None else nearest_n(mode, wanted)
        problems += read_back(spbrg, headers, work, part, port, mode, n)
        pin = re.search(r"TX on R([A-G])([0-7])", made.stdout)
        if not pin:
            return None, problems + ["the program names no TX pin"]
        datasheet_pin = "port%s%s" % (pin.group(1).lower(), pin.group(2))
        expected, _ = simulated(part, port, mode, n)
        synchronous = mode.startswith("sync")
        if part in SIMULATED_TX_PIN:
            seen = gpsim_run(work, part, datasheet_pin, expected, synchronous)
            if seen is not None:
                problems.append("known fault tx-pin-of-16f1788 no longer seen: gpsim now "
                                "drives " + datasheet_pin)
            datasheet_pin = SIMULATED_TX_PIN[part]
        return gpsim_run(work, part, datasheet_pin, expected, synchronous), problems
    finally:
        shutil.rmtree(work, ignore_errors=True)


def read_back(spbrg, headers, work, part, port, mode, n):
    checked = run([spbrg, "check", "--device", part, "--usart", str(port), "--osc",
                   str(OSC_HZ / 1e6), "--gputils-headers", headers,
                   os.path.join(work, "prog.asm")])
    found = re.search(r"mode (\S+) \(.*\), n = (\d+)", checked.stdout)
    if not found or found.group(1) != mode or int(found.group(2)) != n:
        return ["spbrg check reads the program as %s, not %s n = %d" %
                (found.group(0) if found else checked.stdout + checked.stderr, mode, n)]
    return []


def cases(parts):
    for part, ports in parts:
        for port, modes in ports:
            fastest = "16/4" if "16/4" in modes else "8/16"
            chosen = modes if part in EVERY_MODE_ON else ["8/64", fastest]
            for mode in chosen:
                n = nearest_n(mode, RATE[mode])
                off = n - 1 if mode.startswith("sync") else n + 1
                yield part, port, mode, None, RATE[mode], n, "rate"
                yield part, port, mode, TOP[mode], RATE[mode], TOP[mode], "top"
                yield part, port, mode, off, RATE[mode], off, "off by one"


def judge(case, measured, problems, faults_seen):
    part, port, mode, _, _, n, kind = case
    right = K[mode] * (n + 1) // 4
    expected, fault = simulated(part, port, mode, n)
    where = "%s port %d %s n=%d (%s)" % (part, port, mode, n, kind)
    if measured is None:
        return problems + ["%s: no bit time measured" % where]
    if fault:
        faults_seen.setdefault(fault, []).append(where)
        if measured == right:
            problems.append("%s: known fault %s no longer seen: %d cycles as the datasheet "
                            "says; remove it from the list" % (where, fault, right))
    if measured != expected:
        problems.append("%s: %d cycles per bit, expected %d" % (where, measured, expected))
    if kind == "off by one":
        wanted_n = nearest_n(mode, RATE[mode])
        if measured == K[mode] * (wanted_n + 1) // 4:
            problems.append("%s: n off by one measures the same as n = %d" % (where, wanted_n))
    return problems


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    spbrg = os.path.abspath(sys.argv[1])
    headers = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/gputils/header"
    for tool in ("gpsim", "gpasm"):
        if shutil.which(tool) is None:
            print("SKIPPED: %s is not installed (apt-get install gputils gpsim): the "
                  "programs cannot be run on a simulated chip" % tool)
            sys.exit(1 if os.environ.get("SPBRG_REQUIRE_GPSIM") else 77)
    only = set(filter(None, os.environ.get("SPBRG_GPSIM_PARTS", "").split(",")))
    parts = []
    for part in gpsim_parts():
        if only and part not in only:
            continue
        names = header_names(headers, part)
        if names and ports_of(names):
            parts.append((part, [(p, modes_of(names, p)) for p in ports_of(names)]))
    every = list(cases(parts))
    problems, faults_seen, covered = [], {}, {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        futures = {pool.submit(measure, spbrg, headers, *case[:5]): case for case in every}
        for future in concurrent.futures.as_completed(futures):
            case = futures[future]
            measured, found = future.result()
            problems += judge(case, measured, found, faults_seen)
            covered.setdefault((case[0], case[1]), set()).add(case[2])
    ports = sum(len(p) for _, p in parts)
    print("gpsim: %d programs on %d parts, %d serial ports; bit times in instruction cycles "
          "as k(n+1)/4" % (len(every), len(parts), ports))
    for part, part_ports in parts:
        print("  %-9s %s" % (part, "; ".join(
            "port %d: %s" % (p, " ".join(sorted(covered.get((part, p), []))))
            for p, _ in part_ports)))
    for fault, where in sorted(faults_seen.items()):
        print("known simulator fault %s (%d runs, expected): %s" %
              (fault, len(where), KNOWN_FAULTS[fault]))
    if any(part in SIMULATED_TX_PIN for part, _ in parts):
        print("known simulator fault tx-pin-of-16f1788 (expected): " +
              KNOWN_FAULTS["tx-pin-of-16f1788"])
    for problem in sorted(problems):
        print("FAIL " + problem)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
