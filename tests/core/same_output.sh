#!/usr/bin/env bash
# The native program and its WebAssembly build under Node print the same.
# usage: same_output.sh NATIVE_PROGRAM WEB_PROGRAM.js
set -euo pipefail
native=$("$1")
# Node's own fetch cannot load the .wasm beside the script by its path; the file system can.
web=$(node --no-experimental-fetch "$2")
if [ "$native" != "$web" ]; then
  diff <(printf '%s\n' "$native") <(printf '%s\n' "$web") | head -20
  exit 1
fi
echo "$(printf '%s\n' "$native" | wc -l) lines alike"
