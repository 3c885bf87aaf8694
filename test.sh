#!/usr/bin/env bash
# Installs what is missing, checks the layout of the last change and builds
# the API reference, then builds and runs every test twice: in the normal
# build and in the sanitizer build (AddressSanitizer + UBSan, halting on the
# first report); then builds the web version and runs its tests (the
# library's under node, the pages in headless Chromium).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

# The layout of the C++ lines the last commit (on a merge: the merge) changed.
echo "== format"
scripts/check-format.sh

# The API reference: fails on any public declaration without documentation.
echo "== docs"
scripts/build-docs.sh

# intercept_tls_get_addr=0: LeakSanitizer's walk of dynamically loaded
# libraries' thread-local blocks (Mesa's, here) can crash at exit after a
# test has passed, depending on memory layout alone.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export CTEST_OUTPUT_ON_FAILURE=1

for variant in "" --asan; do
  dir=build; [ -n "$variant" ] && dir=build-asan
  echo "== build ${dir}"
  scripts/build.sh $variant
  echo "== test ${dir}"
  ctest --test-dir "$dir" -j"$(nproc)" --timeout 300
done

echo "== build build-web"
scripts/build-web.sh
echo "== test build-web"
ctest --test-dir build-web -j"$(nproc)" --timeout 300
