#!/usr/bin/env python3
"""spbrg check against this corpus, through the shared reader of ../setup_corpus.

usage: check_corpus.py [--show] PATH/TO/spbrg [CORPUS_DIR]

The manifest's extra columns (device, baud, pbdiv, port_kind, port, uart_clock_mhz) are
passed to spbrg or checked against what it prints; see ../setup_corpus/check_corpus.py.
"""
import os
import runpy
import sys

here = os.path.dirname(os.path.abspath(__file__))
arguments = [a for a in sys.argv[1:] if a != "--show"]
if len(arguments) == 1:
    sys.argv.append(here)
sys.argv[0] = os.path.join(here, "..", "setup_corpus", "check_corpus.py")
runpy.run_path(sys.argv[0], run_name="__main__")
