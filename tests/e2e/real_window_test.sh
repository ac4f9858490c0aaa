#!/usr/bin/env bash
# The calculator in a real X server: typed with xdotool, clipboard read with xclip.
# usage: real_window_test.sh PATH/TO/spbrg-calculator PATH/TO/close-window
set -euo pipefail
app=$1
close_window=$2
source "$(dirname "$0")/private_x_server.sh"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The locale of this run (C unless E2E_LOCALE names another); a missing locale fails the test
# instead of silently running in C.
locale_name=${E2E_LOCALE:-C}
if [ "$locale_name" != C ]; then
  [ "$(LC_ALL=$locale_name locale decimal_point 2>/dev/null)" = "," ] ||
    fail "the locale $locale_name is not installed"
fi

# Without a usable display the program says so in one line and exits 1, never aborts.
no_display() {  # no_display ENVIRONMENT...
  local message status
  set +e
  message=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$@" "$app" 2>&1)
  status=$?
  set -e
  [ "$status" -eq 1 ] || fail "with $* it exited $status: $message"
  [ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] || fail "more than one line with $*: $message"
  case "$message" in *xvfb-run*) ;; *) fail "unclear message with $*: $message" ;; esac
}
no_display LC_ALL="$locale_name"
no_display QT_QPA_PLATFORM=wayland
no_display WAYLAND_DISPLAY=wayland-0
no_display DISPLAY=localhost:99
no_display QT_QPA_PLATFORM=nosuchplatform DISPLAY=:0
no_display QT_QPA_PLATFORM_PLUGIN_PATH=/nonexistent QT_PLUGIN_PATH=/nonexistent DISPLAY=:0

start_x_server
export LC_ALL=$locale_name LANG=$locale_name QT_QPA_PLATFORM=xcb

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
pids+=($app_pid)
window=$(timeout 20 xdotool search --sync --name "Quorvel Kelvo SPBRG Calculator" | head -n1)
[ -n "$window" ] || fail "the window did not appear"
xdotool mousemove --window "$window" 200 10
xdotool windowfocus --sync "$window"

clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }

# Waits until the clipboard holds exactly the expected bytes (the program works asynchronously
# to this script); fails after a bounded number of looks.
expect_clipboard() {
  local expected=$1
  for _ in $(seq 100); do
    [ "$(clipboard | od -An -c)" = "$(printf '%s' "$expected" | od -An -c)" ] && return 0
    sleep 0.1
  done
  echo "clipboard holds:" >&2
  clipboard | od -c >&2
  fail "clipboard is not as expected"
}

export_button() { xdotool mousemove --window "$window" 352 96 click 1; }

# The whole calculation by keyboard, then both export buttons by mouse.
xdotool type --delay 20 "4"
xdotool key Return
xdotool type --delay 20 "9600"
xdotool key Return
xdotool key Return
export_button
block=$'DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 24h\r\nDEFINE HSER_SPBRG 25 \' 9600 Bauds\r\n'
expect_clipboard "$block"
export_button
expect_clipboard "${block}DEFINE HSER_CLROERR 1"

# The overflow question answered Yes by keyboard, then the keyboard works on in the window.
# After an export Fosc keeps its text on entry: select it and type over it.
xdotool mousemove --window "$window" 104 33 click 1
xdotool key ctrl+a
xdotool type --delay 20 "20"
xdotool key Return
xdotool type --delay 20 "1200"
xdotool key Return
xdotool key Return
for _ in $(seq 100); do
  box=$(xdotool search --name "Current setting cause an SPBRG overflow." 2>/dev/null | head -n1 || true)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "the overflow question did not open"
xdotool windowfocus --sync "$box"
xdotool key Return
xdotool mousemove --window "$window" 200 10
xdotool windowfocus --sync "$window"
export_button
expect_clipboard $'DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 24h\r\nDEFINE HSER_SPBRG 255 \' 1200 Bauds\r\n'

# Closing the window ends the program.
"$close_window" "$window"
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end when its window closed"
echo "1 passed, 0 failed"
