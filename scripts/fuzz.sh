#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs one of them
# for a bounded time.
#   scripts/fuzz.sh [target] [seconds] [libFuzzer options]   (defaults: png, 180)
#   scripts/fuzz.sh --list          names the targets (fuzz/<target>_fuzz.cpp)
#   scripts/fuzz.sh --merge target  minimises the grown corpus into fuzz/seeds/<target>/
# Seeds come from fuzz/seeds/<target>/ (and, for png, the PNG test pictures);
# the growing corpus is kept in build-fuzz/corpus/<target>/, crash inputs land
# in build-fuzz/artifacts/<target>/. Extra arguments after the seconds go to
# libFuzzer unchanged (-runs=N stops after N inputs).
set -euo pipefail
cd "$(dirname "$0")/.."

targets=$(cd fuzz && ls ./*_fuzz.cpp | sed 's|^\./||; s|_fuzz\.cpp$||')
if [ "${1:-}" = "--list" ]; then
  echo "$targets"
  exit 0
fi
merge=0
if [ "${1:-}" = "--merge" ]; then
  merge=1
  shift
fi
target=${1:-png}
seconds=${2:-180}
shift $(($# < 2 ? $# : 2))
if ! grep -qx "$target" <<<"$targets"; then
  echo "usage: scripts/fuzz.sh [$(echo $targets | tr ' ' '|')] [seconds] [libFuzzer options]" >&2
  exit 2
fi

# clang with its fuzzer and sanitizer runtimes.
scripts/install-deps.sh clang libclang-rt-14-dev
dir=build-fuzz
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTAZMIX_FUZZ=ON >/dev/null
cmake --build "$dir" --target "${target}_fuzz" -- -j"$(nproc)"

# Absolute paths: the word-file target works in a temporary folder.
corpus=$PWD/$dir/corpus/$target
artifacts=$PWD/$dir/artifacts/$target
seeds_dir=$PWD/fuzz/seeds/$target
mkdir -p "$corpus" "$artifacts"
# Inputs the project already keeps elsewhere (not copied into fuzz/seeds/).
external=()
[ "$target" = png ] && external=("$PWD/tests/data/png/pngsuite" "$PWD/tests/data/png/crashers")
seeds=("${external[@]}")
[ -d "$seeds_dir" ] && seeds+=("$seeds_dir")
# Whole fonts are 400 KB; the seeds are fonts of a few glyphs, and inputs
# stay near their size so each one is quick.
options=()
[ "$target" = font ] && options+=(-max_len=8192)

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
# Absolute: a merge starts the fuzzer again from the folder it moved to.
fuzzer=$PWD/$dir/fuzz/${target}_fuzz

if [ "$merge" = 1 ]; then
  # Adds to the seeds the fewest corpus inputs that reach every branch the
  # corpus reaches beyond them (hit counts do not count, which keeps the set
  # small). The seeds there stay, and so do inputs kept elsewhere.
  mkdir -p "$seeds_dir"
  merged=$(mktemp -d)
  for d in "${external[@]}" "$seeds_dir"; do cp "$d"/* "$merged"/ 2>/dev/null || true; done
  known=$(ls "$merged")
  "$fuzzer" -merge=1 -use_counters=0 "${options[@]}" "$merged" "$corpus" 2>&1 | tail -n 1
  for name in $known; do rm -f "$merged/$name"; done
  cp "$merged"/* "$seeds_dir"/ 2>/dev/null || true
  echo "$(ls "$merged" | wc -l) added, $(ls "$seeds_dir" | wc -l) seeds in fuzz/seeds/$target"
  rm -rf "$merged"
  exit 0
fi

exec "$fuzzer" "$corpus" "${seeds[@]}" \
  -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$artifacts/" -print_final_stats=1 "${options[@]}" "$@"
