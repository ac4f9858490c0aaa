#!/usr/bin/env bash
# spbrg against golden outputs, bad arguments and the --max-error bound.
# usage: cli_test.sh PATH/TO/spbrg GOLDEN_DIR
set -uo pipefail
spbrg=$1
golden=$2
passed=0
failed=0

pass() { passed=$((passed + 1)); }
fail() {
  failed=$((failed + 1))
  echo "FAIL: $*" >&2
}

# golden FILE ARGS...: stdout equals the file byte for byte (the exit status is checked apart).
golden() {
  local file=$1
  shift
  if ("$spbrg" "$@" 2>/dev/null || true) | cmp -s - "$golden/$file"; then
    pass
  else
    fail "spbrg $* differs from $file"
  fi
}

# rejects STATUS MESSAGE ARGS...: the exit status and one line on stderr containing MESSAGE.
rejects() {
  local status=$1 message=$2
  shift 2
  local err
  err=$("$spbrg" "$@" 2>&1 >/dev/null)
  local got=$?
  if [ "$got" -ne "$status" ]; then
    fail "spbrg $* exited $got, expected $status"
  elif [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] || [[ "$err" != *"$message"* ]]; then
    fail "spbrg $* said: $err"
  else
    pass
  fi
}

golden plain_4_9600.txt 4 9600
golden plain_20_1200.txt 20 1200
golden plain_1_250000.txt 1 250000
golden plain_4_115200_brgh0.txt 4 115200 --brgh 0
golden table_20.txt 20 9600 --table
golden json_4_9600.txt 4 9600 --json
golden json_table_3.6864.txt 3.6864 --table --json
golden defines_4_9600.txt 4 9600 --defines
golden defines_cloerr_4_9600_brgh0.txt 4 9600 --defines --cloerr --brgh 0
golden defines_20_1200.txt 20 1200 --defines
golden c_4_9600.txt 4 9600 --c
golden c_20_1200_brgh1.txt 20 1200 --c --brgh 1
golden enhanced_16_115200.txt 16 115200 --enhanced --mode sync8
golden enhanced_48_300.txt 48 300 --enhanced
golden table_64_enhanced.txt 64 --table --enhanced
golden csv_enhanced_16_9600_19200.txt 16 9600 19200 --enhanced --csv
golden csv_4_9600.txt 4 9600 --csv
golden json_modes_20_1000000.txt 20 1000000 --mode sync8 --mode 16/4 --json

rejects 2 'OSC_MHZ "" is not accepted: give a plain number of MHz from 0.031 to 64' "" 9600
rejects 2 'OSC_MHZ "abc" is not accepted' abc 9600
rejects 2 'OSC_MHZ "1e999" is not accepted' 1e999 9600
rejects 2 'OSC_MHZ "-4" is not accepted' -4 9600
rejects 2 'OSC_MHZ "64.01" is not accepted' 64.01 9600
rejects 2 'OSC_MHZ "0.03" is not accepted' 0.03 9600
rejects 2 'OSC_MHZ "4 " is not accepted' "4 " 9600
rejects 2 'BAUD "0.9" is not accepted: give a plain number of baud from 1 to 5000000' 4 0.9
rejects 2 'BAUD "5000001" is not accepted' 4 5000001
rejects 2 'BAUD "9600baud" is not accepted' 4 9600baud
rejects 2 'BAUD "&H2580" is not accepted' 4 '&H2580'
rejects 2 'missing OSC_MHZ' --table
rejects 2 'missing BAUD' 4
rejects 2 '--brgh: 2 not in {1,0}' 4 9600 --brgh 2
rejects 2 '--brgh' 4 9600 --brgh
rejects 2 '--brgh: At Most 1 required but received 2' 4 9600 --brgh 1 --brgh 0
rejects 2 '--max-error "-1" is not accepted' 4 9600 --max-error -1
rejects 2 'not expected: --frobnicate' 4 9600 --frobnicate
rejects 2 'not expected: -x' 4 9600 -x
rejects 2 'OSC_MHZ "9600" looks like a baud rate: give OSC_MHZ first, then BAUD' 9600 4
rejects 2 '(give the number without a unit)' 4MHz 9600
rejects 2 '(use a period as the decimal point)' 4,0 9600
rejects 2 'OSC_MHZ "4\x0A" is not accepted' $'4\n' 9600
rejects 2 'BAUD "4\x0A" is not accepted' 4 9600 $'4\n'
rejects 2 '--cloerr goes with --defines' 4 9600 --cloerr
rejects 2 'is made for one BAUD, without --table, --json or --csv' 4 9600 --defines --json
rejects 2 'is made for one BAUD' 4 9600 19200 --defines
rejects 2 '--mode: 8/32 not in' 4 9600 --mode 8/32
rejects 2 '--brgh picks one of the window' 4 9600 --brgh 1 --enhanced
rejects 2 '--spbrg "256" is not accepted: give a whole number from 0 to 255 for mode 8/16' 4 9600 --spbrg 256
rejects 2 '--spbrg "2.5" is not accepted' 4 9600 --mode 16/4 --spbrg 2.5
rejects 2 '--json and --csv exclude each other' 4 9600 --csv --json
rejects 2 '--defines excludes --c' 4 9600 --defines --c

# --max-error on both sides of its bound: the better mode of 20 MHz, 1200 baud is 1.725 %.
rejects 1 'the error 1.725% is above 1.72%' 20 1200 --max-error 1.72
if "$spbrg" 20 1200 --max-error 1.73 >/dev/null; then pass; else fail "--max-error 1.73 failed"; fi
if "$spbrg" 1.8432 9600 --brgh 1 --max-error 0 >/dev/null; then pass; else fail "exact rate over 0 %"; fi
rejects 1 'the error -6.994% is above 5%' 4 9600 --brgh 0 --max-error 5
rejects 1 'no setting can be calculated' 1 250000 --defines
rejects 1 'no setting can be calculated' 1 250000
rejects 1 'no setting can be calculated' 1 250000 --max-error 50

# The exact modes: a rate no mode reaches, and --max-error on the best of each rate.
rejects 1 'no mode reaches 250000 baud from 1 MHz' 1 250000 --mode 8/16
rejects 1 'the error -3.549% is above 1% for 115200 baud' 16 9600 115200 --mode 8/16 --max-error 1
if "$spbrg" 16 9600 115200 --enhanced --max-error 1 >/dev/null; then pass; else fail "--enhanced --max-error 1"; fi
if "$spbrg" 1 250000 --mode sync8 >/dev/null; then pass; else fail "a synchronous clock is no failed rate"; fi
# An error of exactly 10 % is within the window's limit in a mode report too.
if "$spbrg" 3.6864 64000 --mode 8/16 | grep -q -- '-10.0%  within 10%'; then pass; else fail "exactly 10% in a mode report"; fi
# The largest register value of each mode, and one more.
if "$spbrg" 16 9600 --mode 16/4 --spbrg 65535 | grep -q '16/4   65535    0xFF   0xFF'; then pass; else fail "--spbrg 65535"; fi
rejects 2 '--spbrg "65536" is not accepted: give a whole number from 0 to 65535 for mode 16/4' 16 9600 --mode 16/4 --spbrg 65536
if "$spbrg" 16 9600 --spbrg 255 | grep -q '8/16     255'; then pass; else fail "--spbrg 255"; fi

# Parts from the gputils headers: what cannot be used is one line and exit 2.
rejects 2 'no gputils part headers in /nonexistent: install gputils' 4 9600 --device 16F1829 --gputils-headers /nonexistent
rejects 2 'no part 16F1892 among the gputils headers' 4 9600 --device 16F1892
rejects 2 'near names: 16F1829' 4 9600 --device PIC16F1892
rejects 2 'the part 16F877A has no BRG16' 4 9600 --device 16f877a --mode 16/4
rejects 2 'the part 16F1829 has one USART: --usart 2 is not available' 4 9600 --device p16F1829 --usart 2
rejects 2 '--usart 2 goes with --device' 4 9600 --usart 2
rejects 2 'the DEFINEs set up the asynchronous port' 20 1000000 --mode sync8 --format defines
golden defines_16_4_64_9600_18f45k22_usart2.txt 64 9600 --mode 16/4 --format defines --device 18F45K22 --usart 2 --cloerr
golden basic_64_9600_enhanced_16f1829.txt 64 9600 --enhanced --format basic-registers --device 16F1829
golden asm_20_1000000_sync8_18f4550.txt 20 1000000 --mode sync8 --format asm --device 18F4550
if "$spbrg" 4 9600 --enhanced --device 16F877A | grep -q '16/'; then fail "a 16-bit mode offered on 16F877A"; else pass; fi

# spbrg clocks: a ranking, exit 1 when no clock passes.
golden clocks_9600_115200.txt clocks 9600 115200 --clock-list "$golden/clock_list.txt"
golden clocks_300_115200_enhanced.csv clocks 300 115200 --enhanced --clock-list "$golden/clock_list.txt" --csv
rejects 1 'no clock gives every rate within 2%' clocks 3000000 --clock-list "$golden/clock_list.txt"
rejects 2 ':1: "x" is not a clock in MHz' clocks 9600 --clock-list <(echo x)
if "$spbrg" clocks 9600 19200 38400 57600 115200 --enhanced --json | python3 -m json.tool >/dev/null; then pass; else fail "clocks --json"; fi

# spbrg check: the window's own export checks clean, faults exit 1, what is no setup exits 2.
if "$spbrg" 4 9600 --defines --cloerr | "$spbrg" check - --osc 4 >/dev/null; then pass; else fail "the export does not check clean"; fi
if (cd "$golden" && "$spbrg" check check_faults.bas --osc 20 || true) | cmp -s - "$golden/check_faults.txt"; then
  pass
else
  fail "spbrg check check_faults.bas differs from check_faults.txt"
fi
"$spbrg" check "$golden/check_faults.bas" --osc 20 >/dev/null
[ $? -eq 1 ] && pass || fail "check of faults did not exit 1"
if "$spbrg" check SPBRG=25 TXSTA=0x24 RCSTA=0x90 --osc 4 --baud 9600 >/dev/null; then pass; else fail "check NAME=VALUE"; fi
# The checker's budget on both sides of its bound: 1.8432 MHz, n = 11 is exactly 9600.
if "$spbrg" check SPBRG=11 TXSTA=0x24 RCSTA=0x90 --osc 1.8432 --baud 9600 --max-error 0 >/dev/null; then pass; else fail "check --max-error 0 at 0%"; fi
"$spbrg" check SPBRG=25 TXSTA=0x24 RCSTA=0x90 --osc 4 --baud 9600 --max-error 0.16 >/dev/null
[ $? -eq 1 ] && pass || fail "check --max-error 0.16 at 0.16%"
binary=$(mktemp)
printf '\177ELF\000\001' >"$binary"
rejects 2 'the input is binary' check "$binary" --osc 4
rm -f "$binary"
rejects 2 'cannot read /nonexistent' check /nonexistent --osc 4
rejects 2 'no oscillator: give --osc' check SPBRG=25 TXSTA=0x24 RCSTA=0x90
rejects 2 'one source (a file or -) or NAME=VALUE assignments, not both' check - SPBRG=25 --osc 4

# An export that the window would question warns and exits 1, unless --max-error allows it.
rejects 1 'warning: the window would question this setting: invalid setting' 4 115200 --defines --brgh 0
rejects 1 'warning: the window would question this setting: clamped at 255' 20 1200 --c --brgh 1
if "$spbrg" 4 115200 --c --brgh 0 --max-error 46 >/dev/null 2>&1; then pass; else fail "--max-error 46"; fi
if "$spbrg" 20 1200 --defines --brgh 0 2>&1 >/dev/null | grep -q .; then fail "a clamp within 10% warned"; else pass; fi

# Under a comma-decimal locale: the user's separators only with --locale, JSON always plain.
if [ "$(LC_ALL=de_DE.UTF-8 locale decimal_point 2>/dev/null)" != "," ]; then
  fail "the locale de_DE.UTF-8 is not installed"
else
  contains() {  # contains TEXT ARGS...: stdout holds TEXT
    local text=$1
    shift
    local out
    out=$(LC_ALL=de_DE.UTF-8 "$spbrg" "$@")
    if [[ "$out" == *"$text"* ]]; then pass; else fail "spbrg $* under de_DE: $out"; fi
  }
  contains "real     9.615 baud  error     0,16%" 4 9600 --locale
  contains "real     8.832 baud  error     -8,0%" 2.261 9600 --brgh 0 --locale
  contains "error     0.16%" 4 9600
  contains '"error_text": "0,16%"' 4 9600 --locale --json
  if LC_ALL=de_DE.UTF-8 "$spbrg" 4 9600 --locale --json | python3 -m json.tool >/dev/null &&
    LC_ALL=de_DE.UTF-8 "$spbrg" 3.6864 --table --locale --json | python3 -m json.tool >/dev/null; then
    pass
  else
    fail "--json under de_DE"
  fi
fi

"$spbrg" --help | grep -q -- '--max-error PCT' && pass || fail "--help"
[ "$("$spbrg" --version)" = "spbrg 1.0.0" ] && pass || fail "--version"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
