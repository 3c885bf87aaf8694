#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs one of them
# for a bounded time.
#   scripts/fuzz.sh [png|word_list|font] [seconds]     (defaults: png, 180)
# Seeds come from the project's test data (tests/data/png, tests/data/fonts)
# and fuzz/seeds/<target>/; the growing corpus is kept in
# build-fuzz/corpus/<target>/, crash inputs land in build-fuzz/artifacts/<target>/.
# Extra arguments after the seconds go to libFuzzer unchanged.
set -euo pipefail
cd "$(dirname "$0")/.."

target=${1:-png}
seconds=${2:-180}
shift $(($# < 2 ? $# : 2))
case "$target" in
  png|word_list|font) ;;
  *) echo "usage: scripts/fuzz.sh [png|word_list|font] [seconds] [libFuzzer options]" >&2; exit 2 ;;
esac

dir=build-fuzz
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTAZMIX_FUZZ=ON >/dev/null
cmake --build "$dir" --target "${target}_fuzz" -- -j"$(nproc)"

# Absolute paths: the word-file target works in a temporary folder.
corpus=$PWD/$dir/corpus/$target
artifacts=$PWD/$dir/artifacts/$target
mkdir -p "$corpus" "$artifacts"
seeds=()
case "$target" in
  png) seeds=("$PWD/tests/data/png/pngsuite" "$PWD/tests/data/png/crashers") ;;
  font) seeds=("$PWD/tests/data/fonts") ;;
esac
[ -d "fuzz/seeds/$target" ] && seeds+=("$PWD/fuzz/seeds/$target")

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
exec "$dir/fuzz/${target}_fuzz" "$corpus" "${seeds[@]}" \
  -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$artifacts/" -print_final_stats=1 "$@"
