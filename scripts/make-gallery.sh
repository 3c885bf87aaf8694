#!/usr/bin/env bash
# Remakes the examples gallery: builds the examples, runs the examples test
# (each example on a virtual display of its own, its window's picture kept in
# build/examples-shots/), copies the pictures to docs/examples/ as small
# palette PNGs and writes docs/examples.md from the examples' header comments.
#   scripts/make-gallery.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# netpbm turns the pictures into 256-colour PNGs.
scripts/install-deps.sh netpbm

scripts/build.sh test_examples
rm -rf build/examples-shots
ctest --test-dir build -R '^Examples/ExampleRunTest\.' -j"$(nproc)" --timeout 300 --output-on-failure

# The gallery's order: one line per topic; an example in none of them comes
# last, under "More".
groups=(
  "Windows and frames: window fullscreen virtual_resolution frame_time timer frame_stats"
  "Input: keyboard mouse text_entry gamepad"
  "Images: rotate_scale image_handles animation tiles pixmap render_image"
  "Drawing: shapes outlines blend_modes alpha particles camera"
  "Text: text_builtin_font text_truetype"
  "Collision: collision collision_layers"
  "Sound: sound music"
  "Everything at once: showcase"
)

# The header comment's first paragraph (without the leading "name: ") and its
# "Controls:" paragraph, each joined into one line.
paragraph() {  # file, which (first | controls)
  awk -v which="$2" '
    !/^\/\// { exit }
    { line = $0; sub(/^\/\/ ?/, "", line) }
    line == "" { if (text != "" && (which == "first" || text ~ /^Controls:/)) { print text; found = 1; exit } text = ""; next }
    { text = text == "" ? line : text " " line }
    END { if (!found && text != "" && (which == "first" || text ~ /^Controls:/)) print text }
  ' "$1"
}

rm -rf docs/examples
mkdir -p docs/examples
listed=" "
sections=""
add_section() {  # name
  local name=$1 src=examples/$1.cpp shot=build/examples-shots/$1.png
  [ -f "$src" ] || return 0
  [ -f "$shot" ] || { echo "no picture of $name: did its test pass?" >&2; exit 1; }
  pngtopnm "$shot" | pnmquant 256 2>/dev/null | pnmtopng -compression 9 >"docs/examples/$name.png"
  local what controls
  what=$(paragraph "$src" first)
  what=${what#"$name: "}
  controls=$(paragraph "$src" controls)
  sections+="### $name"$'\n\n'"${what^}"$'\n\n'"${controls/#Controls:/**Controls:**}"$'\n\n'
  sections+="[\`examples/$name.cpp\`](../examples/$name.cpp)"$'\n\n'"![$name](examples/$name.png)"$'\n\n'
  listed+="$name "
}

for group in "${groups[@]}"; do
  sections+="## ${group%%:*}"$'\n\n'
  for name in ${group#*:}; do add_section "$name"; done
done
more=""
for src in examples/*.cpp; do
  name=$(basename "$src" .cpp)
  [[ "$listed" == *" $name "* ]] || more+="$name "
done
if [ -n "$more" ]; then
  sections+="## More"$'\n\n'
  for name in $more; do add_section "$name"; done
fi

count=$(ls docs/examples/*.png | wc -l)
{
  cat <<EOF
# Examples

$count small programs in \`examples/\`, most of them showing one thing each,
short enough to read in a minute and to copy from. Each is one file that
includes \`<tazmix/tazmix.h>\`, starts with \`InitTazmix()\`, runs through
\`RunApplication\` and ends on Escape or when its window is closed. The
pictures they load lie in \`examples/data/\`, or they draw their own.

The build puts them in \`build/examples/\` (\`scripts/build.sh\`, then for
instance \`build/examples/keyboard\`). The pictures below are their windows as
the examples test saw them on a virtual display; \`scripts/make-gallery.sh\`
makes this page and them anew. New to the library? [tutorial.md](tutorial.md)
builds a small game step by step; [library.md](library.md) tells how to
build your own program against the installed library.

EOF
  printf '%s' "$sections"
} >docs/examples.md
echo "docs/examples.md: $count examples"
