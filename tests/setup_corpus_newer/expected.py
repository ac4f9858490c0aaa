#!/usr/bin/env python3
"""Recompute and check the numeric columns of manifest.tsv (newer serial ports).

For every row the script takes the port kind, the mode, n, the oscillator, the divider
between the oscillator and the port's clock and the wanted baud, recomputes the port's
clock, the real baud rate and the error, and compares them with the manifest.  It also
checks that the faults that follow from the numbers alone (above_budget,
better_value_same_mode, osc_mismatch, pbdiv_mismatch, osc_above_max) are listed exactly
when the numbers say so, and that the fault keywords are known and in order.

    python3 expected.py            # check, print problems, exit 1 if any
    python3 expected.py --table    # also print the recomputed values

Only the standard library is used.  Formulas:

    port kind       clock of the port                      modes
    pic18_uart      Fosc                                   16/16 (BRGS 0), 16/4 (BRGS 1)
    eusart          Fosc                                   8/64, 8/16, 16/16, 16/4
    pic24_uart      Fcy = Fosc / 2                         16/16 (BRGH 0), 16/4 (BRGH 1)
    dspic33c_uart   BCLKSEL 00: Fosc / 2, 10: Fosc         16/16, 16/4 (BRGH 1), frac (BCLKMOD 1)
    pic32_uart      PBCLK = SYSCLK / PBDIV                 16/16 (BRGH 0), 16/4 (BRGH 1)

    real = clock / (divisor * (n + 1))     in 8/64, 8/16, 16/16, 16/4
    real = clock / n                       in frac (n from 16)
    error = (real - wanted) / wanted       (reported in percent)
"""
import csv
import math
import os
import sys

# mode: (divisor, offset added to n, least n, register width in bits)
MODES = {
    "8/64": (64, 1, 0, 8),
    "8/16": (16, 1, 0, 8),
    "16/16": (16, 1, 0, 16),
    "16/4": (4, 1, 0, 16),
    "frac": (1, 0, 16, 20),
}

KIND_MODES = {
    "pic18_uart": {"16/16", "16/4"},
    "eusart": {"8/64", "8/16", "16/16", "16/4"},
    "pic24_uart": {"16/16", "16/4"},
    "dspic33c_uart": {"16/16", "16/4", "frac"},
    "pic32_uart": {"16/16", "16/4"},
}

# The 16/16 and 16/4 generator of the dsPIC33C UART is 20 bits wide (UxBRGH holds 19:16).
WIDE_KINDS = {"dspic33c_uart": 20}

# PIC32 families and the divider of their UART's bus after reset, when neither the command
# line nor the source names one: PBCLK of PIC32MX at FPBDIV = DIV_1 as the engine assumes,
# PBCLK2 of PIC32MZ and PIC32MK divides by 2, PIC32MM has no divider.
PIC32_DEFAULT_DIV = {"PIC32MX": 1, "PIC32MZ": 2, "PIC32MK": 2, "PIC32MM": 1}

FAULTS = [
    "spen_off", "no_direction", "tx_off", "high_byte_unused", "no_high_byte",
    "value_too_wide", "int_overflow", "divider_mismatch", "comment_disagrees",
    "above_budget", "better_value_same_mode", "rate_and_spbrg_defines",
    "unknown_define_near", "osc_mismatch", "pbdiv_mismatch", "osc_above_max",
]

BUDGET_PCT = 2.0


def width_of(kind, mode):
    if kind in WIDE_KINDS:
        return WIDE_KINDS[kind]
    return MODES[mode][3]


def real_baud(mode, n, clock_hz):
    div, offset, _, _ = MODES[mode]
    return clock_hz / (div * (n + offset))


def error_pct(real, wanted):
    return (real - wanted) / wanted * 100.0


def round_half_up(x):
    return int(math.floor(x + 0.5))


def best_n(kind, mode, clock_hz, wanted):
    """n (within the generator of the mode) with the smallest |error|."""
    div, offset, least, _ = MODES[mode]
    top = (1 << width_of(kind, mode)) - 1
    x = clock_hz / (div * wanted) - offset          # ideal, non-integer n
    cands = {min(max(int(math.floor(x)), least), top),
             min(max(int(math.ceil(x)), least), top)}
    return min(cands, key=lambda k: (abs(error_pct(real_baud(mode, k, clock_hz), wanted)), k))


def fmt_err(e):
    s = "%.3f" % e
    return "0.000" if s == "-0.000" else s


def expected_divider(r):
    kind = r["port_kind"]
    if kind in ("pic18_uart", "eusart"):
        return {1}
    if kind == "pic24_uart":
        return {2}
    if kind == "dspic33c_uart":
        return {1, 2}
    # pic32_uart: the command line, else the source, else the family's reset divider
    if r["pbdiv"]:
        return {int(r["pbdiv"])}
    if r["source_pbdiv"]:
        return {int(r["source_pbdiv"])}
    family = r["device"][:7].upper()
    return {PIC32_DEFAULT_DIV.get(family, 1)}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, "manifest.tsv")
    show = "--table" in argv
    problems = 0
    with open(path, newline="", encoding="ascii") as fh:
        rows = list(csv.DictReader(fh, delimiter="\t"))
    for r in rows:
        f = r["file"]

        def bad(msg):
            nonlocal problems
            problems += 1
            print("%s: %s" % (f, msg))

        if not os.path.exists(os.path.join(here, f)):
            bad("file missing")
        kind, mode = r["port_kind"], r["mode"]
        if kind not in KIND_MODES:
            bad("unknown port kind %r" % kind)
            continue
        if mode not in KIND_MODES[kind]:
            bad("mode %r is no mode of %s" % (mode, kind))
            continue
        n = int(r["n"])
        _, _, least, _ = MODES[mode]
        if not least <= n < (1 << width_of(kind, mode)):
            bad("n=%d does not fit the generator of mode %s" % (n, mode))
        osc = r["osc_mhz"] or r["source_osc_mhz"]
        if not osc:
            bad("no clock (neither osc_mhz nor source_osc_mhz)")
            continue
        osc = float(osc)
        div = int(r["clock_div"])
        if div not in expected_divider(r):
            bad("clock_div %d, expected one of %s" % (div, sorted(expected_divider(r))))
        clock = osc / div
        if abs(clock - float(r["uart_clock_mhz"])) > 1e-9:
            bad("uart_clock_mhz %s, recomputed %g" % (r["uart_clock_mhz"], clock))
        real = real_baud(mode, n, clock * 1e6)
        faults = [x for x in r["faults"].split(";") if x]
        for x in faults:
            if x not in FAULTS:
                bad("unknown fault keyword %r" % x)
        if faults != sorted(faults, key=lambda x: FAULTS.index(x) if x in FAULTS else 99):
            bad("faults not in canonical order")
        if str(round_half_up(real)) != r["real_baud"]:
            bad("real_baud %s, recomputed %d" % (r["real_baud"], round_half_up(real)))
        src = r["source_osc_mhz"]
        mism = bool(r["osc_mhz"] and src and float(r["osc_mhz"]) != float(src))
        if mism != ("osc_mismatch" in faults):
            bad("osc_mismatch flag does not match the two clock columns")
        pmism = bool(r["pbdiv"] and r["source_pbdiv"] and r["pbdiv"] != r["source_pbdiv"])
        if pmism != ("pbdiv_mismatch" in faults):
            bad("pbdiv_mismatch flag does not match the two divider columns")
        above = bool(r["max_osc_mhz"]) and osc > float(r["max_osc_mhz"])
        if above != ("osc_above_max" in faults):
            bad("osc_above_max flag does not match osc %g and max %s" % (osc, r["max_osc_mhz"]))
        if not r["device"] and r["max_osc_mhz"]:
            bad("a maximum clock without a device")
        if r["baud"] and r["wanted_baud"] != r["baud"]:
            bad("wanted_baud differs from the --baud given")
        wanted = r["wanted_baud"]
        e = None
        if wanted:
            w = float(wanted)
            e = error_pct(real, w)
            if fmt_err(e) != r["error_pct"]:
                bad("error_pct %s, recomputed %s" % (r["error_pct"], fmt_err(e)))
            if (abs(e) > BUDGET_PCT) != ("above_budget" in faults):
                bad("above_budget flag disagrees with error %.3f %%" % e)
            b = best_n(kind, mode, clock * 1e6, w)
            better = abs(error_pct(real_baud(mode, b, clock * 1e6), w)) < abs(e) - 1e-12
            if better != ("better_value_same_mode" in faults):
                bad("better_value_same_mode flag wrong (best n in %s is %d)" % (mode, b))
        else:
            if r["error_pct"]:
                bad("error given without a wanted rate")
            if "above_budget" in faults or "better_value_same_mode" in faults:
                bad("rate fault without a wanted rate")
        if show:
            print("%-42s %-13s %-5s n=%-6d clock=%-7g real=%-8d err=%-9s best=%s" % (
                f, kind, mode, n, clock, round_half_up(real),
                fmt_err(e) if e is not None else "-",
                best_n(kind, mode, clock * 1e6, float(wanted)) if wanted else "-"))
    print("%d rows checked, %d problem(s)" % (len(rows), problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
