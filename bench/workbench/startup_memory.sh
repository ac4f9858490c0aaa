#!/usr/bin/env bash
# Start-up time (to the window mapped) and resident memory of the workbench, opened on the
# 16F1829 at 16 MHz and 115200 baud kept from an earlier run, against a bare Qt program with the
# same kinds of widgets, side by side in one Xvfb. Prints medians and ratios.
# usage: bench/workbench/startup_memory.sh BUILD_DIR [RUNS]
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
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config
# launch-probe starts a program without arguments: the question comes from the kept values.
mkdir -p "$XDG_CONFIG_HOME/quorvelkelvo"
printf '[General]\npart=16F1829\nuart=1\nosc=16\nrates=115200\notherRates=\n' \
  >"$XDG_CONFIG_HOME/quorvelkelvo/spbrg-workbench.conf"

for i in $(seq "$runs"); do
  "$probe" "SPBRG Workbench" "$build/workbench_ui/spbrg-workbench" >>"$work/workbench"
  "$probe" "Bare Qt workbench window" "$build/bench/workbench/bare-qt-workbench" >>"$work/bare"
done

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
bench_ms=$(cut -d' ' -f1 "$work/workbench" | median)
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
bench_kb=$(cut -d' ' -f2 "$work/workbench" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median)
echo "start-up to window mapped (median of $runs): workbench ${bench_ms} ms, bare Qt ${bare_ms} ms, ratio $(awk "BEGIN{printf \"%.3f\", $bench_ms/$bare_ms}")"
echo "resident memory once shown (median of $runs): workbench ${bench_kb} KiB, bare Qt ${bare_kb} KiB, ratio $(awk "BEGIN{printf \"%.3f\", $bench_kb/$bare_kb}")"
