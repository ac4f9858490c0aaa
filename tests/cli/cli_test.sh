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

golden plain_4_9600.txt 4 9600 --window
golden plain_20_1200.txt 20 1200 --window
golden plain_1_250000.txt 1 250000 --window
golden plain_4_115200_brgh0.txt 4 115200 --brgh 0 --window
golden table_20.txt 20 9600 --table --window
golden json_4_9600.txt 4 9600 --json --window
golden json_table_3.6864.txt 3.6864 --table --json --window
golden defines_4_9600.txt 4 9600 --defines
golden defines_cloerr_4_9600_brgh0.txt 4 9600 --defines --cloerr --brgh 0
golden defines_20_1200.txt 20 1200 --defines
golden c_4_9600.txt 4 9600 --c
golden c_20_1200_brgh1.txt 20 1200 --c --brgh 1
golden enhanced_16_115200.txt 16 115200 --enhanced --mode sync8
golden enhanced_48_300.txt 48 300 --enhanced
golden table_64_enhanced.txt 64 --table --enhanced
golden csv_enhanced_16_9600_19200.txt 16 9600 19200 --enhanced --csv
golden csv_4_9600.txt 4 9600 --csv --window
golden json_modes_20_1000000.txt 20 1000000 --mode sync8 --mode 16/4 --json
# The budget: the best setting within it, or none, the nearest and where one passes.
golden budget_4_9600.txt 4 9600
golden budget_16_115200.txt 16 115200
golden budget_64_1200.txt 64 1200
golden budget_table_20.txt 20 --table
golden budget_json_16_115200.txt 16 115200 --json
golden budget_csv_20_9600_57600.txt 20 9600 57600 --csv --osc-tolerance 0.5
golden budget_16_115200_16f1829.txt 16 115200 --device 16F1829

rejects 2 'OSC_MHZ "" is not accepted: give a plain number of MHz from 0.031 to 300' "" 9600
rejects 2 'OSC_MHZ "abc" is not accepted' abc 9600
rejects 2 'OSC_MHZ "1e999" is not accepted' 1e999 9600
rejects 2 'OSC_MHZ "-4" is not accepted' -4 9600
rejects 2 'OSC_MHZ "300.01" is not accepted' 300.01 9600
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
rejects 2 '(4.0? use a period as the decimal point)' 4,0 9600
rejects 2 'OSC_MHZ "4\x0A" is not accepted' $'4\n' 9600
rejects 2 'BAUD "4\x0A" is not accepted' 4 9600 $'4\n'
rejects 2 '--cloerr goes with --defines' 4 9600 --cloerr
rejects 2 '--program goes with --format asm and --device PART' 4 9600 --program --format asm
rejects 2 '--program goes with --format asm and --device PART' 4 9600 --program --device 16F877A
rejects 2 "the engine's pin table has no row for USART 1 of 18F8722" 20 9600 --device 18F8722 --format asm --program
rejects 2 'is made for one BAUD, without --table, --json or --csv' 4 9600 --defines --json
rejects 2 'is made for one BAUD' 4 9600 19200 --defines
rejects 2 '--mode: 8/32 not in' 4 9600 --mode 8/32
rejects 2 '--brgh picks one of the 8-bit modes' 4 9600 --brgh 1 --enhanced
rejects 2 '--window shows the window' 4 9600 --window --enhanced
rejects 2 '--spbrg "256" is not accepted: give a whole number from 0 to 255 for mode 8/16' 4 9600 --spbrg 256 --window
rejects 2 '--spbrg "2.5" is not accepted' 4 9600 --mode 16/4 --spbrg 2.5
rejects 2 '--json and --csv exclude each other' 4 9600 --csv --json
rejects 2 '--defines excludes --c' 4 9600 --defines --c

# The budget on both sides of its bound: the best 8-bit setting of 20 MHz, 1200 baud is 1.725 %.
rejects 1 'no setting within the 1.72% budget for 1200 baud from 20 MHz: the nearest is 8/64 n = 255 at 1.725%; passes with --enhanced: 16/4 n = 4166 at -0.008%' 20 1200 --max-error 1.72
if "$spbrg" 20 1200 --max-error 1.73 >/dev/null; then pass; else fail "--max-error 1.73 failed"; fi
if "$spbrg" 20 1200 --max-error 1.73% >/dev/null; then pass; else fail "--max-error 1.73% failed"; fi
if "$spbrg" 1.8432 9600 --brgh 1 --max-error 0 >/dev/null; then pass; else fail "exact rate over 0 %"; fi
rejects 1 'no setting within the 2% budget for 1200 baud from 20 MHz: the nearest is 8/64 n = 255 at 1.725%' 20 1200 --osc-tolerance 0.3
rejects 1 'no setting within the 5% budget for 9600 baud from 4 MHz: the nearest is 8/64 n = 6 at -6.994%; passes with --mode 8/16: 8/16 n = 25 at 0.16%' 4 9600 --brgh 0 --max-error 5
rejects 1 'no setting within the 2% budget for 250000 baud from 1 MHz: the nearest is 8/16 n = 0 at -75.0%' 1 250000
rejects 1 'warning: no setting within the 2% budget for 250000 baud from 1 MHz' 1 250000 --defines
rejects 1 'no setting within the 2% budget for 16 baud from 64 MHz' 64 16 --device 18F45K22
if "$spbrg" 16 115200 --device 16F1829 >/dev/null; then pass; else fail "16/4 of the 16F1829 does not pass"; fi
# With --window what the window's Calculate arrives at, and today's statuses.
rejects 1 'the error 1.725% is above 1.72%' 20 1200 --max-error 1.72 --window
rejects 1 'the error -6.994% is above 5%' 4 9600 --brgh 0 --max-error 5 --window
rejects 1 'no setting can be calculated' 1 250000 --defines --window
rejects 1 'no setting can be calculated' 1 250000 --window
rejects 1 'no setting can be calculated' 1 250000 --max-error 50 --window
if "$spbrg" 64 1200 --window >/dev/null; then pass; else fail "--window exit status"; fi
# A table passes unless --max-error is given with it.
if "$spbrg" 20 --table >/dev/null; then pass; else fail "--table failed"; fi
"$spbrg" 20 --table --max-error 2 >/dev/null
[ $? -eq 1 ] && pass || fail "--table --max-error 2 with failing rows"
# A clock above the part's maximum.
rejects 1 '64 MHz is above the 32 MHz maximum of the 16F1829' 64 9600 --device 16F1829
rejects 1 '48.5 MHz is above the 48 MHz maximum of the 18F4550' 48.5 9600 --device PIC18F4550

# The exact modes: a rate no mode reaches, and --max-error on the best of each rate.
rejects 1 'no setting within the 2% budget for 250000 baud from 1 MHz: the nearest is 8/16 n = 0 at -75.0%' 1 250000 --mode 8/16
rejects 1 'no setting within the 1% budget for 115200 baud from 16 MHz: the nearest is 8/16 n = 8 at -3.549%' 16 9600 115200 --mode 8/16 --max-error 1
if "$spbrg" 16 9600 115200 --enhanced --max-error 1 >/dev/null; then pass; else fail "--enhanced --max-error 1"; fi
if "$spbrg" 1 250000 --mode sync8 >/dev/null; then pass; else fail "a synchronous clock is no failed rate"; fi
# An error of exactly the budget passes in a mode report.
if "$spbrg" 3.6864 64000 --mode 8/16 --max-error 10 | grep -q -- '-10.0%  passes'; then pass; else fail "exactly 10% in a mode report"; fi
# The largest register value of each mode, and one more.
if ("$spbrg" 16 9600 --mode 16/4 --spbrg 65535 2>/dev/null || true) | grep -q '16/4   65535    0xFF   0xFF'; then pass; else fail "--spbrg 65535"; fi
rejects 2 '--spbrg "65536" is not accepted: give a whole number from 0 to 65535 for mode 16/4' 16 9600 --mode 16/4 --spbrg 65536
if ("$spbrg" 16 9600 --spbrg 255 2>/dev/null || true) | grep -q '8/16     255'; then pass; else fail "--spbrg 255"; fi

# Parts from the gputils headers: what cannot be used is one line and exit 2.
rejects 2 'no gputils part headers in /nonexistent (--gputils-headers)' 4 9600 --device 16F1829 --gputils-headers /nonexistent
rejects 2 'no part 16F1892 among the parts the engine knows' 4 9600 --device 16F1892
rejects 2 'near names: 16F1829' 4 9600 --device PIC16F1892
rejects 2 'the part 16F877A has no BRG16' 4 9600 --device 16f877a --mode 16/4
rejects 2 'the part 16F1829 has one USART: --usart 2 is not available' 4 9600 --device p16F1829 --usart 2
rejects 2 '--usart 2 goes with --device' 4 9600 --usart 2
rejects 2 'the DEFINEs set up the asynchronous port' 20 1000000 --mode sync8 --format defines
golden defines_16_4_64_9600_18f45k22_usart2.txt 64 9600 --mode 16/4 --format defines --device 18F45K22 --usart 2 --cloerr
golden basic_32_9600_enhanced_16f1829.txt 32 9600 --enhanced --format basic-registers --device 16F1829
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
# A whole project: a folder read recursively, its includes followed, the part from its MPLAB X
# project, the findings with their files, in each format.
for format in plain gcc json; do
  if (cd "$golden" && "$spbrg" check check_project --format "$format" || true) | cmp -s - "$golden/check_project.$format"; then
    pass
  else
    fail "spbrg check check_project --format $format differs from check_project.$format"
  fi
done
(cd "$golden" && "$spbrg" check check_project >/dev/null)
[ $? -eq 1 ] && pass || fail "check of a project with a fault did not exit 1"
if (cd "$golden" && "$spbrg" check check_project/src check_project/include --format sarif || true) | python3 -c '
import json, sys
run = json.load(sys.stdin)["runs"][0]
assert run["tool"]["driver"]["name"] == "spbrg"
places = [(r["level"], r["locations"][0]["physicalLocation"]["artifactLocation"]["uri"],
           r["locations"][0]["physicalLocation"]["region"]["startLine"]) for r in run["results"]]
assert ("error", "check_project/src/uart1.c", 16) in places, places
'; then pass; else fail "check --format sarif of a project"; fi
if (cd "$golden" && "$spbrg" check check_project --format json || true) | python3 -m json.tool >/dev/null; then pass; else fail "check --format json is no JSON"; fi
# The lines a message names in a project are given their files: the clock's working-out
# names config_bits.c and main.c, never a line of the joined project.
corpus="$golden/../../project_corpus/p14_18f47q43_rstosc_1mhz_oscfrq"
said=$("$spbrg" check "$corpus" --device 18F47Q43 --format gcc || true)
if echo "$said" | grep -q "HFINTOSC_1MHZ (.*config_bits.c line 4); divided by 4 at reset; FRQ 1000 (.*main.c line 7)"; then
  pass
else
  fail "the lines in a project's messages: $said"
fi
rejects 2 'no source in' check "$golden/check_project/nbproject"
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
rejects 2 'cannot read /nonexistent: no such file, or not readable' check /nonexistent --osc 4
check_out=$("$spbrg" check SPBRG=25 TXSTA=0x24 RCSTA=0x90 --osc 40 --device 16F877A)
[[ "$check_out" == *"fault: the oscillator 40 MHz is above the 20 MHz maximum of the 16F877A"* ]] && pass || fail "check above the maximum: $check_out"
rejects 2 'no oscillator: give --osc' check SPBRG=25 TXSTA=0x24 RCSTA=0x90
rejects 2 'files and folders, or - alone, or NAME=VALUE assignments, not both' check - SPBRG=25 --osc 4

# An export that the window would question warns and exits 1, unless --max-error allows it.
rejects 1 'warning: the window would question this setting: invalid setting' 4 115200 --defines --brgh 0 --window
rejects 1 'warning: the window would question this setting: clamped at 255' 20 1200 --c --brgh 1 --window
rejects 1 'warning: no setting within the 2% budget for 1200 baud from 20 MHz: the nearest is 8/16 n = 255 at 306.901%; passes with --enhanced: 16/4 n = 4166 at -0.008%; this code is for the nearest' 20 1200 --c --brgh 1
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
  contains "real     9.615 baud  error     0,16%" 4 9600 --locale --window
  contains "real     8.832 baud  error     -8,0%" 2.261 9600 --brgh 0 --locale --window
  contains "error     0.16%" 4 9600 --window
  contains "Oscillator 3,6864 MHz, wanted 115.200 baud, budget 2%" 3.6864 115200 --locale
  contains "8/16       1       -   0x01      115.200        0,0%  passes" 3.6864 115200 --locale
  contains "wanted 115200 baud, budget 1.5%" 3.6864 115200 --max-error 1.5
  contains "Oscillator 3,6864 MHz, budget 1,5% with the oscillator's 0,5%" 3.6864 --table --locale --max-error 1.5 --osc-tolerance 0.5
  contains '"error_text": "0,16%"' 4 9600 --locale --json
  if LC_ALL=de_DE.UTF-8 "$spbrg" 4 9600 --locale --json | python3 -m json.tool >/dev/null &&
    LC_ALL=de_DE.UTF-8 "$spbrg" 3.6864 --table --locale --json | python3 -m json.tool >/dev/null; then
    pass
  else
    fail "--json under de_DE"
  fi
fi

# Hints that lead to the number meant.
rejects 2 'BAUD "9,600" is not accepted: give a plain number of baud from 1 to 5000000 (9600? write it without the thousands separator)' 20 9,600
rejects 2 '(2500000? write it without the thousands separator)' 20 2,500,000
rejects 2 '(3.6864? use a period as the decimal point)' 3,6864 9600
rejects 2 'BAUD "0x2580" is not accepted: give a plain number of baud from 1 to 5000000 (9600? give it in decimal)' 20 0x2580
rejects 2 '(10000? give it without an exponent)' 20 1e4
rejects 2 '--max-error "2 %" is not accepted' 20 9600 --max-error '2 %'
err=$("$spbrg" 20 9.600 2>&1 >/dev/null)
[[ "$err" == *'note: BAUD "9.600" is read as 9.6 baud; 9600 baud is written 9600'* ]] && pass || fail "9.600: $err"
# Near part names only within the family.
rejects 2 'no part 18F47Q34 among the parts the engine knows' 4 9600 --device 18F47Q34
if "$spbrg" 4 9600 --device 18F47Q34 2>&1 | grep -q 'near names'; then fail "near names for 18F47Q34"; else pass; fi
rejects 2 'near names: 18F45K20, 18F45K22' 4 9600 --device 18F45K2
# clocks for one part: its crystals, PLL and internal oscillators only, within --min and --max.
part_clocks=$("$spbrg" clocks 9600 --device 16F88)
if [[ "$part_clocks" == *"internal 8 "* && "$part_clocks" != *"PLL"* && "$part_clocks" != *" 40 "* ]]; then pass; else fail "clocks --device 16F88"; fi
part_clocks=$("$spbrg" clocks 9600 --device 16F1829 --enhanced)
if [[ "$part_clocks" == *"internal 8 x4 PLL"* && "$part_clocks" != *"internal 16 x4 PLL"* && "$part_clocks" != *"10 x4 PLL"* ]]; then pass; else fail "clocks --device 16F1829"; fi
if "$spbrg" clocks 9600 --min 10 --max 12 --csv | tail -n +2 | cut -d, -f3 | awk '$1 < 10 || $1 > 12 { bad = 1 } END { exit bad }'; then pass; else fail "clocks --min --max"; fi
rejects 2 'no clock to try from 70 to 80 MHz' clocks 9600 --min 70 --max 80
err=$("$spbrg" clocks 9600 --device 16F1459 2>&1 >/dev/null)
[ -z "$err" ] && pass || fail "clocks --device 16F1459 said: $err"
err=$("$spbrg" clocks 9600 --device 16F1705 2>&1 >/dev/null)
[[ "$err" == *"the clock limits of the 16F1705 are unknown"* ]] && pass || fail "unknown limits: $err"

"$spbrg" --help | grep -q -- '--max-error PCT' && pass || fail "--help"
[ "$("$spbrg" --version)" = "spbrg 1.0.0" ] && pass || fail "--version"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
