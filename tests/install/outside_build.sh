#!/usr/bin/env bash
# Builds programs against the library the way its users do, from outside
# this repository, and runs them without a display:
#
#   outside_build.sh install|find_package|pkg_config|add_subdirectory
#
# The build tree's settings come in the environment: BUILD_DIR, SOURCE_DIR,
# WORK_DIR (this test's scratch folder, shared by the steps), BUILD_TYPE,
# CXX_COMPILER and LAUNCHER (a compiler launcher such as ccache, or empty).
#
#   install           a plain cmake --install into a scratch folder, which
#                     must hold the library alone and name no absolute path,
#                     then moved to WORK_DIR/prefix: the steps below build
#                     against a prefix that is not where it was installed
#   find_package      the consumer, own_folders and the guide's minimal program with
#                     find_package; the consumer checks its grabbed frame, the
#                     minimal program must still be running, silent, after 3 s
#   pkg_config        the consumer and own_folders compiled by hand with
#                     pkg-config's flags (own/ after them on the include path)
#   add_subdirectory  the consumer and own_folders configured with
#                     add_subdirectory and compiled (building the library a
#                     second time would take minutes; the in-tree examples
#                     link the same target)
#
# own_folders has headers of its own named like the library's (own/audio/
# sound.h, ...): neither side may reach the other's.
#
# Every step runs under one deadline, well inside ctest's 120 s.
set -euo pipefail

mode=$1
deadline=$((SECONDS + 100))
prefix=$WORK_DIR/prefix
consumer=$SOURCE_DIR/tests/install/consumer
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1
export LSAN_OPTIONS="suppressions=$SOURCE_DIR/tests/e2e/lsan_suppressions.txt:print_suppressions=0"

fail() {
  echo "outside_build $mode: $*" >&2
  exit 1
}

# step WHAT COMMAND...: runs the command within what is left of the deadline.
step() {
  local what=$1
  shift
  local left=$((deadline - SECONDS))
  [ "$left" -gt 0 ] || fail "no time left for: $what"
  local status=0
  timeout "$left" "$@" || status=$?
  [ "$status" -eq 124 ] && fail "timed out while: $what"
  [ "$status" -eq 0 ] || fail "failed ($status) while: $what"
}

configure() {
  local dir=$1
  shift
  rm -rf "$dir"
  local launcher=()
  [ -n "$LAUNCHER" ] && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$LAUNCHER")
  step "configuring $dir" cmake -S "$consumer" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" \
    -DCMAKE_CXX_COMPILER="$CXX_COMPILER" "${launcher[@]}" "$@"
}

# check_consumer PROGRAM: it runs and says "<its name>: ok".
check_consumer() {
  local out
  out=$(step "running $1" "$1") || exit 1
  [ "$out" = "$(basename "$1"): ok" ] || fail "$(basename "$1") said: $out"
}

# docs/library.md shows examples/minimal/ as it is; both must stay the same.
check_guide_shows() {
  local file=$1 fence=$2 shown
  shown=$(awk -v file="$file" -v fence="$fence" '
    index($0, file) { armed = 1; next }
    armed && $0 == "```" fence { inside = 1; next }
    inside && $0 == "```" { exit }
    inside { print }' "$SOURCE_DIR/docs/library.md")
  [ "$shown" = "$(cat "$SOURCE_DIR/$file")" ] || fail "docs/library.md does not show $file as it is"
}

case "$mode" in
  install)
    installed=$WORK_DIR/installed
    rm -rf "$prefix" "$installed"
    step "installing" cmake --install "$BUILD_DIR" --prefix "$installed" >/dev/null
    [ -f "$installed/include/tazmix/tazmix.h" ] || fail "no include/tazmix/tazmix.h"
    [ -f "$installed/lib/pkgconfig/tazmix.pc" ] || fail "no lib/pkgconfig/tazmix.pc"
    [ -f "$installed/lib/cmake/Tazmix/TazmixConfig.cmake" ] || fail "no lib/cmake/Tazmix/TazmixConfig.cmake"
    if find "$installed/include" -path '*/internal/*' -o -path '*/platform/*' | grep -q .; then
      fail "internal headers were installed"
    fi
    # The game comes only when asked for (--component game).
    for path in bin games lib/games share/applications share/icons share/man share/metainfo; do
      [ ! -e "$installed/$path" ] || fail "a plain install put the game's $path into the prefix"
    done
    # Paths of this machine would break the package elsewhere, or once moved.
    absolute=$(grep -nE "(^|[^A-Za-z0-9_.}])/(usr|lib|lib64|opt|home|root|tmp|work)/|$installed" \
      "$installed"/lib/cmake/Tazmix/*.cmake "$installed/lib/pkgconfig/tazmix.pc" || true)
    [ -z "$absolute" ] || fail "the installed package names absolute paths:
$absolute"
    mv "$installed" "$prefix"
    ;;
  find_package)
    check_guide_shows examples/minimal/mygame.cpp cpp
    check_guide_shows examples/minimal/CMakeLists.txt cmake
    dir=$WORK_DIR/find_package
    configure "$dir" -DCMAKE_PREFIX_PATH="$prefix" -DMINIMAL_PROGRAM="$SOURCE_DIR/examples/minimal/mygame.cpp"
    step "building" cmake --build "$dir" -- -j2 >/dev/null
    check_consumer "$dir/consumer"
    check_consumer "$dir/own_folders"
    status=0
    timeout 3 "$dir/mygame" 2>"$dir/mygame.err" || status=$?
    [ "$status" -eq 124 ] || fail "the guide's minimal program ended ($status) by itself: $(cat "$dir/mygame.err")"
    [ ! -s "$dir/mygame.err" ] || fail "the guide's minimal program wrote: $(cat "$dir/mygame.err")"
    ;;
  pkg_config)
    dir=$WORK_DIR/pkg_config
    rm -rf "$dir"
    mkdir -p "$dir"
    flags=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs tazmix) || fail "pkg-config knows no tazmix"
    # shellcheck disable=SC2086  # the flags are words
    step "compiling with pkg-config" $LAUNCHER "$CXX_COMPILER" -std=c++20 "$consumer/consumer.cpp" -o "$dir/consumer" $flags
    check_consumer "$dir/consumer"
    # shellcheck disable=SC2086
    step "compiling own_folders with pkg-config" $LAUNCHER "$CXX_COMPILER" -std=c++20 "$consumer/own_folders.cpp" \
      -o "$dir/own_folders" $flags -I"$consumer/own"
    check_consumer "$dir/own_folders"
    ;;
  add_subdirectory)
    dir=$WORK_DIR/add_subdirectory
    configure "$dir" -DTAZMIX_SOURCE="$SOURCE_DIR"
    step "compiling the consumer" cmake --build "$dir" --target CMakeFiles/consumer.dir/consumer.cpp.o \
      CMakeFiles/own_folders.dir/own_folders.cpp.o >/dev/null
    # The library comes without the rest of the repository: the consumer's
    # include path is the staged tree of public headers only.
    [ -e "$dir/tazmix/include/tazmix/tazmix.h" ] || fail "no staged include tree"
    command=$(ninja -C "$dir" -t commands CMakeFiles/consumer.dir/consumer.cpp.o | tail -n1)
    case " $command " in
      *" -I$SOURCE_DIR "* | *" -isystem $SOURCE_DIR "*) fail "the consumer sees the whole repository: $command" ;;
    esac
    ;;
  *)
    fail "unknown mode"
    ;;
esac
