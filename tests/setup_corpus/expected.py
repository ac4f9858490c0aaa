#!/usr/bin/env python3
"""Recompute and check the numeric columns of manifest.tsv.

For every row the script takes the mode, n, the clock and the wanted baud,
recomputes the real baud rate and the error, and compares them with the
real_baud and error_pct columns.  It also checks that the two faults that
follow from the numbers alone (above_budget and better_value_same_mode) are
listed exactly when the numbers say so, and, for rows where the BASIC
compiler works n out from HSER_BAUD (mode "none"), that n is what the
compiler's rounding gives.

    python3 expected.py            # check, print problems, exit 1 if any
    python3 expected.py --table    # also print the recomputed values

Only the standard library is used.  Formulas (classic PIC USART/EUSART):

    mode     divisor  register width
    8/64       64        8   (SYNC=0, BRG16=0, BRGH=0)
    8/16       16        8   (SYNC=0, BRG16=0, BRGH=1)
    16/16      16       16   (SYNC=0, BRG16=1, BRGH=0)
    16/4        4       16   (SYNC=0, BRG16=1, BRGH=1)
    sync8       4        8   (SYNC=1, master, BRG16=0)
    sync16      4       16   (SYNC=1, master, BRG16=1)

    real  = Fosc / (divisor * (n + 1))
    error = (real - wanted) / wanted            (reported in percent)
"""
import csv
import math
import os
import sys

MODES = {
    "8/64": (64, 8),
    "8/16": (16, 8),
    "16/16": (16, 16),
    "16/4": (4, 16),
    "sync8": (4, 8),
    "sync16": (4, 16),
}

FAULTS = [
    "spen_off", "no_direction", "high_byte_unused", "no_high_byte",
    "value_too_wide", "above_budget", "better_value_same_mode",
    "rate_and_spbrg_defines", "unknown_define_near", "osc_mismatch",
]

BUDGET_PCT = 2.0


def real_baud(mode, n, fosc_hz):
    div, _ = MODES[mode]
    return fosc_hz / (div * (n + 1))


def error_pct(real, wanted):
    return (real - wanted) / wanted * 100.0


def round_half_up(x):
    return int(math.floor(x + 0.5))


def best_n(mode, fosc_hz, wanted):
    """n (within the register width of the mode) with the smallest |error|."""
    div, width = MODES[mode]
    top = (1 << width) - 1
    x = fosc_hz / (div * wanted) - 1          # ideal, non-integer n
    cands = {min(max(int(math.floor(x)), 0), top),
             min(max(int(math.ceil(x)), 0), top)}
    return min(cands, key=lambda k: (abs(error_pct(real_baud(mode, k, fosc_hz), wanted)), k))


def compiler_n(mode, fosc_hz, baud):
    """n the BASIC compiler picks from HSER_BAUD: round(Fosc/(div*baud) - 1)."""
    div, _ = MODES[mode]
    return round_half_up(fosc_hz / (div * baud) - 1)


def fmt_err(e):
    s = "%.3f" % e
    return "0.000" if s == "-0.000" else s


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, "manifest.tsv")
    show = "--table" in argv
    problems = 0
    with open(path, newline="", encoding="utf-8") as fh:
        rows = list(csv.DictReader(fh, delimiter="\t"))
    for r in rows:
        f = r["file"]

        def bad(msg):
            nonlocal problems
            problems += 1
            print("%s: %s" % (f, msg))

        if not os.path.exists(os.path.join(here, f)):
            bad("file missing")
        mode = r["mode"]
        eff = r["effective_mode"]
        if mode != "none" and mode != eff:
            bad("mode %s differs from effective_mode %s" % (mode, eff))
        if eff not in MODES:
            bad("unknown effective mode %r" % eff)
            continue
        n = int(r["n"])
        div, width = MODES[eff]
        if not 0 <= n < (1 << width):
            bad("n=%d does not fit the %d-bit generator" % (n, width))
        clock = r["osc_mhz"] or r["source_osc_mhz"]
        if not clock:
            bad("no clock (neither osc_mhz nor source_osc_mhz)")
            continue
        fosc = float(clock) * 1e6
        real = real_baud(eff, n, fosc)
        faults = [x for x in r["faults"].split(";") if x]
        for x in faults:
            if x not in FAULTS:
                bad("unknown fault keyword %r" % x)
        if faults != sorted(faults, key=FAULTS.index):
            bad("faults not in canonical order")
        if str(round_half_up(real)) != r["real_baud"]:
            bad("real_baud %s, recomputed %d" % (r["real_baud"], round_half_up(real)))
        # clocks: osc_mismatch exactly when both are given and differ
        src = r["source_osc_mhz"]
        mism = bool(r["osc_mhz"] and src and float(r["osc_mhz"]) != float(src))
        if mism != ("osc_mismatch" in faults):
            bad("osc_mismatch flag does not match the two clock columns")
        wanted = r["wanted_baud"]
        if wanted:
            w = float(wanted)
            e = error_pct(real, w)
            if fmt_err(e) != r["error_pct"]:
                bad("error_pct %s, recomputed %s" % (r["error_pct"], fmt_err(e)))
            if (abs(e) > BUDGET_PCT) != ("above_budget" in faults):
                bad("above_budget flag disagrees with error %.3f %%" % e)
            b = best_n(eff, fosc, w)
            better = abs(error_pct(real_baud(eff, b, fosc), w)) < abs(e) - 1e-12
            if better != ("better_value_same_mode" in faults):
                bad("better_value_same_mode flag wrong (best n in %s is %d)" % (eff, b))
            # note the rare case where plain rounding and least error disagree
            x = fosc / (div * w) - 1
            if 0 <= x <= (1 << width) - 1 and compiler_n(eff, fosc, w) != b:
                print("%s: note: rounding gives n=%d, least error gives n=%d"
                      % (f, compiler_n(eff, fosc, w), b))
            if mode == "none" and "unknown_define_near" not in faults:
                cfosc = float(src) * 1e6
                cn = compiler_n(eff, cfosc, w)
                if cn != n:
                    bad("compiler would pick n=%d from HSER_BAUD, manifest says %d" % (cn, n))
        else:
            if r["error_pct"]:
                bad("error given without a wanted rate")
            if "above_budget" in faults or "better_value_same_mode" in faults:
                bad("rate fault without a wanted rate")
        if show:
            print("%-40s %-6s n=%-5d clock=%-8s real=%-8d err=%s" % (
                f, eff, n, clock, round_half_up(real),
                fmt_err(error_pct(real, float(wanted))) if wanted else "-"))
    print("%d rows checked, %d problem(s)" % (len(rows), problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
