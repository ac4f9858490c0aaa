#!/usr/bin/env bash
# The workbench as a user's desktop runs it: a private X server, session bus and accessibility
# bus; spbrg-workbench opened on a question from the command line; workbench_check.py reads the
# table and the code from the accessibility bus, presses Copy and reads the clipboard with xclip.
# Before that, what it does without a display and with a bad value.
# usage: workbench_test.sh PATH/TO/spbrg-workbench PATH/TO/spbrg PATH/TO/workbench_check.py
# E2E_LOCALE names the locale (C unless given).
set -euo pipefail
app=$1
spbrg=$2
check=$3
source "$(dirname "$0")/private_x_server.sh"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

locale_name=${E2E_LOCALE:-C}
if [ "$locale_name" != C ]; then
  [ "$(LC_ALL=$locale_name locale decimal_point 2>/dev/null)" = "," ] ||
    fail "the locale $locale_name is not installed"
fi
export LC_ALL=$locale_name LANG=$locale_name XDG_CONFIG_HOME=$work/config

# expect_line STATUS PATTERN ARGS...: one line on stderr matching PATTERN, exit STATUS.
expect_line() {
  local status=$1 pattern=$2 message got
  shift 2
  set +e
  message=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$app" "$@" 2>&1 >/dev/null)
  got=$?
  set -e
  [ "$got" -eq "$status" ] || fail "with $* it exited $got: $message"
  [ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] || fail "more than one line with $*: $message"
  case "$message" in *$pattern*) ;; *) fail "unclear message with $*: $message" ;; esac
}
expect_line 1 "xvfb-run spbrg-workbench" --device 16F1829
expect_line 2 '--osc "16 MHz" is not accepted' --osc "16 MHz"
expect_line 2 '--baud "9,600" is not accepted' --baud 9600 --baud 9,600
expect_line 2 '--device "16F9999": no part' --device 16F9999
expect_line 2 "Unknown option 'frobnicate'" --frobnicate
"$app" --help | grep -q -- "--device <PART>" || fail "--help does not name --device"

start_x_server
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" --device 16F1829 --osc 16 --baud 115200 \
  >"$work/app.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --name "SPBRG Workbench" | head -n1)
[ -n "$window" ] || fail "the window did not appear"

# The C code spbrg prints for the same question: the workbench must show and copy exactly it.
"$spbrg" 16 115200 --device 16F1829 --c >"$work/expected.c"
decimal=$(locale decimal_point)
if /usr/bin/python3 "$check" "$work/expected.c" "$decimal"; then
  echo "1 passed, 0 failed"
else
  echo "--- program output:" >&2
  cat "$work/app.log" >&2
  echo "0 passed, 1 failed"
  exit 1
fi
