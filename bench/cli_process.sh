#!/usr/bin/env bash
# Wall time of `spbrg 20 9600 --table` as a whole process, averaged over many runs.
# usage: bench/cli_process.sh BUILD_DIR [RUNS]
set -euo pipefail
spbrg=${1:-build}/cli/spbrg
runs=${2:-500}
"$spbrg" 20 9600 --table >/dev/null  # warm the page cache
start=$(date +%s%N)
for _ in $(seq "$runs"); do
  "$spbrg" 20 9600 --table >/dev/null
done
end=$(date +%s%N)
awk -v ns=$((end - start)) -v runs="$runs" \
  'BEGIN { printf "spbrg 20 9600 --table: %.3f ms per process (mean of %d)\n", ns / runs / 1e6, runs }'
