#!/usr/bin/env bash
# Builds the API reference from the public headers into build/docs/html and
# fails when a public declaration lacks its documentation (Doxygen's warnings
# are errors, see docs/Doxyfile). Open build/docs/html/index.html.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v doxygen >/dev/null || { echo "doxygen is missing: scripts/install-deps.sh installs it" >&2; exit 1; }

# The version and the module folders come from where the build takes them, so
# the reference covers exactly what is installed.
TAZMIX_VERSION=$(sed -n 's/^project(Tazmix VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
TAZMIX_MODULES=$(sed -n 's/^set(TAZMIX_MODULES \(.*\))$/\1/p' cmake/library/public_interface.cmake)
[ -n "$TAZMIX_VERSION" ] && [ -n "$TAZMIX_MODULES" ] || { echo "build-docs: can't read the version or the module list" >&2; exit 1; }
TAZMIX_DOCS_DIR=build/docs
export TAZMIX_VERSION TAZMIX_MODULES TAZMIX_DOCS_DIR

# Doxygen says nothing of the declarations in a header that has no \file
# block, so a header without one would let them through unseen.
undocumented_files=()
for header in tazmix.h $(for module in $TAZMIX_MODULES; do echo "$module"/*.h; done); do
  grep -q '\\file' "$header" || undocumented_files+=("$header")
done
if [ ${#undocumented_files[@]} -gt 0 ]; then
  printf '%s:1: error: the header has no \\file overview, so Doxygen checks none of its declarations\n' "${undocumented_files[@]}" >&2
  echo "build-docs: the reference has undocumented or badly documented declarations (listed above)" >&2
  exit 1
fi

rm -rf "$TAZMIX_DOCS_DIR/html"
mkdir -p "$TAZMIX_DOCS_DIR"
if ! doxygen docs/Doxyfile; then
  echo "build-docs: the reference has undocumented or badly documented declarations (listed above)" >&2
  exit 1
fi
echo "API reference: $TAZMIX_DOCS_DIR/html/index.html"
