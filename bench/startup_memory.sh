#!/usr/bin/env bash
# Start-up time (to the window mapped) and resident memory of the calculator against a bare Qt
# program with the same sixteen widgets, side by side in one Xvfb. Prints medians and ratios.
# usage: bench/startup_memory.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
probe=$build/bench/launch-probe
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb

for i in $(seq "$runs"); do
  "$probe" "Quorvel Kelvo SPBRG Calculator" "$build/ui/spbrg-calculator" >>"$work/calculator"
  "$probe" "Bare Qt window" "$build/bench/bare-qt-window" >>"$work/bare"
done

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
calc_ms=$(cut -d' ' -f1 "$work/calculator" | median)
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
calc_kb=$(cut -d' ' -f2 "$work/calculator" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median)
echo "start-up to window mapped (median of $runs): calculator ${calc_ms} ms, bare Qt ${bare_ms} ms, ratio $(awk "BEGIN{printf \"%.3f\", $calc_ms/$bare_ms}")"
echo "resident memory once shown (median of $runs): calculator ${calc_kb} KiB, bare Qt ${bare_kb} KiB, ratio $(awk "BEGIN{printf \"%.3f\", $calc_kb/$bare_kb}")"
