#!/usr/bin/env bash
# Installs what the web build and its tests need, only what is missing:
# Debian's emscripten and chromium, and puppeteer-core from npm (the version
# tests/web/package-lock.json names; it never downloads a browser).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh emscripten chromium
# npm comes with some node packages; Debian's is the fallback.
command -v npm >/dev/null || scripts/install-deps.sh npm

if [ ! -d tests/web/node_modules/puppeteer-core ]; then
  echo "Installing puppeteer-core (tests/web)"
  (cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
fi
