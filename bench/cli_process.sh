#!/usr/bin/env bash
# Wall time of spbrg as a whole process, averaged over many runs: the window's table, and the
# table of every asynchronous mode at 64 MHz and a clock search against the smallest run,
# spbrg 4 9600; and a part from the built-in database against the same question without one.
# usage: bench/cli_process.sh BUILD_DIR [RUNS]
set -euo pipefail
spbrg=${1:-build}/cli/spbrg
runs=${2:-500}

mean_ms() {  # mean_ms ARGS...: milliseconds per process
  "$spbrg" "$@" >/dev/null  # warm the page cache
  local start end
  start=$(date +%s%N)
  for _ in $(seq "$runs"); do
    "$spbrg" "$@" >/dev/null
  done
  end=$(date +%s%N)
  awk -v ns=$((end - start)) -v runs="$runs" 'BEGIN { printf "%.3f", ns / runs / 1e6 }'
}

base=$(mean_ms 4 9600)
table=$(mean_ms 20 9600 --table)
enhanced=$(mean_ms 64 --table --enhanced)
clocks=$(mean_ms clocks 9600 19200 38400 57600 115200 --enhanced)
enhanced32=$(mean_ms 32 9600 --enhanced)
device=$(mean_ms 32 9600 --device 16F1829)
echo "spbrg 4 9600: $base ms per process (mean of $runs)"
echo "spbrg 20 9600 --table: $table ms per process"
awk -v a="$enhanced" -v b="$base" \
  'BEGIN { printf "spbrg 64 --table --enhanced: %s ms per process, %.2f x spbrg 4 9600\n", a, a / b }'
awk -v a="$clocks" -v b="$base" \
  'BEGIN { printf "spbrg clocks 9600 ... 115200 --enhanced: %s ms per process, %.2f x spbrg 4 9600\n", a, a / b }'
awk -v a="$device" -v b="$enhanced32" \
  'BEGIN { printf "spbrg 32 9600 --device 16F1829: %s ms per process, %.2f x the same modes without --device (%s ms)\n", a, a / b, b }'
