#!/usr/bin/env bash
# The calculator on the accessibility bus (AT-SPI) that screen readers read: a private X server,
# session bus and accessibility bus, then screen_reader_check.py reads the window after a
# calculation and listens for the change that "+" makes.
# usage: screen_reader_test.sh PATH/TO/spbrg-calculator PATH/TO/screen_reader_check.py
set -euo pipefail
app=$1
check=$2
source "$(dirname "$0")/private_x_server.sh"

start_x_server
export LC_ALL=C LANG=C QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" >"$work/app.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --name "Quorvel Kelvo SPBRG Calculator" | head -n1)
[ -n "$window" ] || { echo "FAIL: the window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$window"
xdotool type --delay 20 "4"
xdotool key Return
xdotool type --delay 20 "9600"
xdotool key Return Return
if /usr/bin/python3 "$check" "$window"; then
  echo "1 passed, 0 failed"
else
  echo "0 passed, 1 failed"
  exit 1
fi
