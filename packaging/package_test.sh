#!/usr/bin/env bash
# The Debian package as users get it: lintian, the files it installs, the manual pages and
# completions against spbrg's own help, the hardening of the programs, and the calculator
# starting from the package under a real X server. With CI=true the package is installed with
# apt-get (which pulls its dependencies) and removed again; elsewhere it is unpacked into a
# temporary folder, so that nothing is installed system-wide.
# usage: package_test.sh PATH/TO/package.deb
set -uo pipefail
deb=$(realpath "$1")
source "$(dirname "$0")/../tests/e2e/private_x_server.sh"
passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $what" >&2
    head -n 20 "$work/out" >&2
  fi
}

app_id=com.quorvelkelvo.SpbrgCalculator
check "lintian reports no error and no warning" lintian --fail-on error,warning "$deb"

if [ "${CI:-}" = true ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; exit 1; }
  root=""
  check "man -w finds spbrg(1)" man -w spbrg
  check "man -w finds spbrg-calculator(1)" man -w spbrg-calculator
else
  dpkg-deb -x "$deb" "$work/root"
  root=$work/root
fi
spbrg=$root/usr/bin/spbrg
share=$root/usr/share

check "spbrg --version" bash -c "[ \"\$('$spbrg' --version)\" = 'spbrg 1.0.0' ]"
for file in bash-completion/completions/spbrg zsh/vendor-completions/_spbrg \
  fish/vendor_completions.d/spbrg.fish man/man1/spbrg.1.gz man/man1/spbrg-calculator.1.gz \
  doc/spbrg-calculator/copyright doc/spbrg-calculator/changelog.gz applications/$app_id.desktop \
  metainfo/$app_id.metainfo.xml icons/hicolor/scalable/apps/$app_id.svg; do
  check "$file is installed" test -s "$share/$file"
done
for size in 16 24 32 48 64 128 256; do
  check "the ${size}x$size icon" test -s "$share/icons/hicolor/${size}x$size/apps/$app_id.png"
done
check "AppStream metadata validates" appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml"
check "the desktop entry validates" desktop-file-validate "$share/applications/$app_id.desktop"

# The manual pages render without a warning, and spbrg's page names every option of its help.
for page in spbrg spbrg-calculator; do
  check "$page(1) renders cleanly" bash -c "! LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l '$share/man/man1/$page.1.gz' 2>&1 >/dev/null | grep ."
done
LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$share/man/man1/spbrg.1.gz" 2>/dev/null >"$work/manual.txt"
for command in "" clocks check; do
  for option in $("$spbrg" $command --help | grep -o -E '^  (-[a-z],)?--[a-z0-9-]+' | grep -o -E -- '--[a-z0-9-]+'); do
    check "spbrg(1) describes $command $option" grep -q -- "$option" "$work/manual.txt"
  done
done

# The bash completion offers spbrg's own options and values.
complete_bash() {  # complete_bash WORD...: what bash offers for the last word
  bash -c "source '$share/bash-completion/completions/spbrg'; COMP_WORDS=(\"\$@\"); COMP_CWORD=\$((\$# - 1)); _spbrg; echo \"\${COMPREPLY[*]}\"" _ "$@"
}
export -f complete_bash
export share
check "bash completes --mo to --mode" bash -c "[ \"\$(complete_bash spbrg --mo)\" = --mode ]"
check "bash completes --mode with the modes" bash -c "[ \"\$(complete_bash spbrg --mode '')\" = '8/64 8/16 16/16 16/4 sync8 sync16 frac' ]"
check "bash completes clocks --clock to --clock-list" bash -c "[ \"\$(complete_bash spbrg clocks --clock)\" = --clock-list ]"
if command -v zsh >/dev/null; then check "the zsh completion parses" zsh -n "$share/zsh/vendor-completions/_spbrg"; fi
if command -v fish >/dev/null; then check "the fish completion parses" fish -n "$share/fish/vendor_completions.d/spbrg.fish"; fi

# Hardened programs: position independent, bound at load time, fortified, stack protected.
for program in spbrg spbrg-calculator; do
  binary=$root/usr/bin/$program
  check "$program is PIE" bash -c "readelf -h '$binary' | grep -q 'DYN'"
  check "$program binds now" bash -c "readelf -d '$binary' | grep -q BIND_NOW"
  check "$program has RELRO" bash -c "readelf -l '$binary' | grep -q GNU_RELRO"
  check "$program is fortified" bash -c "nm -D '$binary' | grep -q -E '__[a-z_]+_chk'"
  check "$program is stripped" bash -c "! readelf -S '$binary' | grep -q -E '\\.(symtab|debug_info)'"
done

# The calculator from the package opens its window on a real X server.
start_x_server
QT_QPA_PLATFORM=xcb "$root/usr/bin/spbrg-calculator" >/dev/null 2>&1 &
pids+=($!)
check "spbrg-calculator shows its window" \
  timeout 20 xdotool search --sync --name "Quorvel Kelvo SPBRG Calculator"

# The workbench: its files, its manual page, its hardening, and its window opened on a question
# from the command line.
bench_id=com.quorvelkelvo.SpbrgWorkbench
for file in man/man1/spbrg-workbench.1.gz applications/$bench_id.desktop \
  metainfo/$bench_id.metainfo.xml icons/hicolor/scalable/apps/$bench_id.svg; do
  check "$file is installed" test -s "$share/$file"
done
for size in 16 24 32 48 64 128 256; do
  check "the workbench's ${size}x$size icon" test -s "$share/icons/hicolor/${size}x$size/apps/$bench_id.png"
done
check "the workbench's AppStream metadata validates" \
  appstreamcli validate --no-net "$share/metainfo/$bench_id.metainfo.xml"
check "the workbench's desktop entry validates" \
  desktop-file-validate "$share/applications/$bench_id.desktop"
check "spbrg-workbench(1) renders cleanly" bash -c "! LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l '$share/man/man1/spbrg-workbench.1.gz' 2>&1 >/dev/null | grep ."
LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$share/man/man1/spbrg-workbench.1.gz" 2>/dev/null >"$work/workbench.txt"
for option in $("$root/usr/bin/spbrg-workbench" --help | grep -o -E -- '--[a-z]+' | sort -u); do
  check "spbrg-workbench(1) describes $option" grep -q -- "$option" "$work/workbench.txt"
done
check "spbrg-workbench --help names the program" bash -c "'$root/usr/bin/spbrg-workbench' --help | grep -q '^Usage: spbrg-workbench '"
binary=$root/usr/bin/spbrg-workbench
check "spbrg-workbench is PIE" bash -c "readelf -h '$binary' | grep -q 'DYN'"
check "spbrg-workbench binds now" bash -c "readelf -d '$binary' | grep -q BIND_NOW"
check "spbrg-workbench has RELRO" bash -c "readelf -l '$binary' | grep -q GNU_RELRO"
check "spbrg-workbench is fortified" bash -c "nm -D '$binary' | grep -q -E '__[a-z_]+_chk'"
check "spbrg-workbench is stripped" bash -c "! readelf -S '$binary' | grep -q -E '\\.(symtab|debug_info)'"
XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb "$binary" --device 16F1829 --osc 16 \
  --baud 115200 >/dev/null 2>&1 &
pids+=($!)
check "spbrg-workbench shows its window" timeout 20 xdotool search --sync --name "SPBRG Workbench"

if [ "${CI:-}" = true ]; then
  DEBIAN_FRONTEND=noninteractive apt-get remove -y spbrg-calculator >/dev/null 2>&1
  check "the package is removed again" bash -c "! test -e /usr/bin/spbrg"
fi
echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
