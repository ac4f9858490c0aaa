#!/usr/bin/env bash
# The static site of both pages from the WebAssembly build: the page code checked by tsc and
# bundled by esbuild, the static files, the modules. Installs the locked npm packages first.
# usage: web/pages/make_site.sh BUILD_WEB_DIR   (the site goes to BUILD_WEB_DIR/site)
set -euo pipefail
pages=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
site="$build/site"
cd "$pages"
if [ ! -d node_modules ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund >/dev/null
fi
node_modules/.bin/tsc --noEmit -p .
rm -rf "$site"
mkdir -p "$site"
node_modules/.bin/esbuild src/workbench_page.ts src/calculator_page.ts src/locale_early.ts \
  --bundle --minify \
  --target=es2020 --log-level=warning --outdir="$site"
cp static/* "$site/"
cp "$build/web/workbench.js" "$build/web/workbench.wasm" "$build/web/calculator.js" \
  "$build/web/calculator.wasm" "$site/"
./stamp_worker.sh "$site"
