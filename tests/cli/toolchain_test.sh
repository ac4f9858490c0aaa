#!/usr/bin/env bash
# spbrg's code through the real toolchain: the asm form assembled by gpasm for several parts,
# every mode each part has and three rates, its listing checked against the part's header; the
# c form compiled by gcc against declarations made from the same header.
# usage: toolchain_test.sh PATH/TO/spbrg PATH/TO/toolchain_check.py
set -uo pipefail
spbrg=$1
check=$2
headers=/usr/share/gputils/header
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
fail() {
  failed=$((failed + 1))
  echo "FAIL: $*" >&2
}

for entry in 16F877A:1 16F628A:1 16F1829:1 18F4550:1 18F45K22:1 18F45K22:2 18F26K22:1; do
  part=${entry%:*}
  usart=${entry#*:}
  lower=$(echo "$part" | tr 'A-Z' 'a-z')
  header=$headers/p$lower.inc
  python3 "$check" declarations "$header" >"$work/registers.h"
  for mode in 8/64 8/16 16/16 16/4 sync8 sync16; do
    args=(16 --device "$part" --usart "$usart" --mode "$mode" --max-error 1000000)
    if ! "$spbrg" "${args[@]}" 9600 >/dev/null 2>&1; then
      continue  # a mode the part does not have
    fi
    for rate in 4800 9600 115200; do
      what="$part USART $usart $mode $rate"
      row=$("$spbrg" "${args[@]}" "$rate" --csv | tail -n 1)
      n=$(echo "$row" | cut -d, -f4)
      registers=$(echo "$row" | cut -d, -f12)
      {
        echo "    list p=$lower"
        echo "    #include <p$lower.inc>"
        echo "    org 0"
        "$spbrg" "${args[@]}" "$rate" --format asm
        echo "    end"
      } >"$work/setup.asm"
      if ! (cd "$work" && gpasm -p "$lower" setup.asm >gpasm.out 2>&1) || grep -q Error "$work/gpasm.out"; then
        fail "$what: gpasm: $(grep Error "$work/gpasm.out" | head -n 1)"
      elif ! message=$(python3 "$check" listing "$header" "$work/setup.lst" "$mode" "$n" "$registers" "$usart" 2>&1); then
        fail "$what: $message"
      else
        passed=$((passed + 1))
      fi
      {
        cat "$work/registers.h"
        echo "void setup(void) {"
        "$spbrg" "${args[@]}" "$rate" --format c
        echo "}"
      } >"$work/setup.c"
      if gcc -std=c99 -Wall -Wextra -Werror -c "$work/setup.c" -o "$work/setup.o" 2>"$work/gcc.out"; then
        passed=$((passed + 1))
      else
        fail "$what: gcc: $(head -n 3 "$work/gcc.out")"
      fi
    done
  done
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
