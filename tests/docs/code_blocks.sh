#!/usr/bin/env bash
# Compiles every C++ code block of README.md and docs/*.md against the
# installed library (WORK_DIR/prefix of the library_install step, with
# pkg-config's flags, as a user builds), so no guide shows code that no longer
# builds.
#
# The fence says what a block is:
#   ```cpp            a whole file. With a main function it is compiled,
#                     linked and run without a display: it must still be
#                     running, silent on standard error, after a few seconds.
#                     Without one it is compiled only.
#   ```cpp fragment   statements: compiled inside a function body, after
#                     #include <tazmix/tazmix.h> and using namespace tazmix.
#                     Its leading #include lines stay outside the function.
#   ```cpp excerpt    lines taken from the library's own sources (the
#                     conventions page's), which no user can build: shown,
#                     not checked.
#   anything else     (cmake, sh, text, ...) is not checked.
#
# A block that fails is named by file and line; the compiler's messages name
# the Markdown lines too (#line).
#
# The build's settings come in the environment: SOURCE_DIR, WORK_DIR,
# CXX_COMPILER, LAUNCHER (ccache or empty), CXX_FLAGS.
set -euo pipefail

prefix=$WORK_DIR/prefix
out=$WORK_DIR/docs-blocks
run_seconds=3
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1
export LSAN_OPTIONS="suppressions=$SOURCE_DIR/tests/e2e/lsan_suppressions.txt:print_suppressions=0"

fail() {
  echo "docs code blocks: $*" >&2
  exit 1
}

flags=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs tazmix) ||
  fail "no installed library in $prefix (the library_install test makes it)"
rm -rf "$out"
mkdir -p "$out"

# Writes each checked block as out/NNN.cpp and lists "NNN kind file:line" in
# out/blocks (kind: program, unit or fragment).
cd "$SOURCE_DIR"
for md in README.md docs/*.md; do
  awk -v md="$md" -v out="$out" '
    function open_block(kind) {
      n = ++count_base
      name = sprintf("%s/%s-%03d.cpp", out, prefix_name, n)
      start = FNR + 1
      block_kind = kind
      lines = 0
      inside = 1
    }
    BEGIN { prefix_name = md; gsub(/[^A-Za-z0-9]/, "_", prefix_name) }
    !inside && /^```cpp fragment *$/ { open_block("fragment"); next }
    !inside && /^```cpp *$/ { open_block("unit"); next }
    !inside && /^```/ { skipping = !skipping; next }
    skipping { next }
    inside && /^```/ {
      inside = 0
      has_main = 0
      for (i = 1; i <= lines; ++i) if (text[i] ~ /(^|[^A-Za-z0-9_])main *\(/) has_main = 1
      if (block_kind == "unit" && has_main) block_kind = "program"
      if (block_kind == "fragment") {
        printf "#include <tazmix/tazmix.h>\n" > name
        i = 1
        while (i <= lines && (text[i] ~ /^#include/ || text[i] ~ /^ *$/)) {
          printf "#line %d \"%s\"\n%s\n", start + i - 1, md, text[i] > name
          ++i
        }
        printf "using namespace tazmix;\n[[maybe_unused]] static void DocsFragment() {\n" > name
        printf "#line %d \"%s\"\n", start + i - 1, md > name
        for (; i <= lines; ++i) print text[i] > name
        printf "}\n" > name
      } else {
        printf "#line %d \"%s\"\n", start, md > name
        for (i = 1; i <= lines; ++i) print text[i] > name
      }
      close(name)
      printf "%s %s %s:%d\n", name, block_kind, md, start - 1 >> (out "/blocks")
      next
    }
    inside { text[++lines] = $0 }
  ' "$md"
done
[ -s "$out/blocks" ] || fail "found no cpp blocks"

# compile_block SOURCE KIND PLACE: compiles (and links) one block; leaves
# SOURCE.failed with the reason when it does not.
compile_block() {
  local src=$1 kind=$2 place=$3
  local exe=${src%.cpp}
  case "$kind" in
    program)
      # Compiled and linked apart: a launcher such as ccache caches compiles only.
      # shellcheck disable=SC2086  # the flags are words
      { $LAUNCHER "$CXX_COMPILER" $CXX_FLAGS -std=c++20 -c "$src" -o "$exe.o" $flags &&
        "$CXX_COMPILER" "$exe.o" -o "$exe" $flags; } 2>"$src.log" ||
        echo "$place: this block does not compile and link" >"$src.failed"
      ;;
    *)
      # shellcheck disable=SC2086
      $LAUNCHER "$CXX_COMPILER" $CXX_FLAGS -std=c++20 -c "$src" -o "$exe.o" $flags 2>"$src.log" ||
        echo "$place: this block does not compile" >"$src.failed"
      ;;
  esac
}

# run_block SOURCE PLACE: the program must still be running, silent, after
# run_seconds (it waits for Escape or its window to close).
run_block() {
  local src=$1 place=$2 status=0
  local exe=${src%.cpp}
  (cd "$(dirname "$exe")" && timeout "$run_seconds" "$exe" >/dev/null 2>"$src.err") || status=$?
  if [ "$status" -ne 124 ]; then
    echo "$place: this program ended ($status) by itself within ${run_seconds} s: $(head -c 2000 "$src.err")" >"$src.failed"
  elif [ -s "$src.err" ]; then
    echo "$place: this program wrote: $(head -c 2000 "$src.err")" >"$src.failed"
  fi
}

# Compiles two at a time (the machine's cores); the programs mostly wait for
# their next frame, so more of them run at once.
while read -r src kind place; do
  compile_block "$src" "$kind" "$place" &
  while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n || true; done
done <"$out/blocks"
wait
while read -r src kind place; do
  if [ "$kind" != program ] || [ -e "$src.failed" ]; then continue; fi
  run_block "$src" "$place" &
  while [ "$(jobs -rp | wc -l)" -ge 5 ]; do wait -n || true; done
done <"$out/blocks"
wait

failed=0
while read -r src kind place; do
  if [ -e "$src.failed" ]; then
    failed=$((failed + 1))
    cat "$src.log" >&2
    cat "$src.failed" >&2
  fi
done <"$out/blocks"
total=$(wc -l <"$out/blocks")
programs=$(grep -c ' program ' "$out/blocks" || true)
echo "$total blocks compiled, $programs of them programs linked and run; $failed failed"
[ "$failed" -eq 0 ]
