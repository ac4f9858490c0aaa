#!/usr/bin/env bash
# The site's service worker, named after the site's files: any change to one of them gives the
# worker a new cache name, so that a visitor's browser fetches the new site and drops the old.
# usage: web/pages/stamp_worker.sh SITE_DIR   (after every other file of the site is in place)
set -euo pipefail
pages=$(cd "$(dirname "$0")" && pwd)
site=$(cd "$1" && pwd)
version=$(cd "$site" && find . -maxdepth 1 -type f ! -name service_worker.js ! -name '*.map' \
  -printf '%f\n' | LC_ALL=C sort | while read -r file; do
    printf '%s\n' "$file"
    sha256sum <"$file"
  done | sha256sum | cut -c1-16)
"$pages/node_modules/.bin/esbuild" "$pages/src/service_worker.ts" --bundle --minify \
  --target=es2020 --log-level=warning --define:SITE_VERSION="\"$version\"" \
  --outfile="$site/service_worker.js"
