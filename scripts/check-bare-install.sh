#!/usr/bin/env bash
# Installs the game's Debian package into a minimal Debian 12 root, as on a
# player's machine that has only the base system, and opens the game's
# window from there on a virtual display:
#
#   scripts/check-bare-install.sh [path/to/vindra_<version>_<arch>.deb]
#
# Without an argument it packs build/vindra_*.deb first (scripts/build.sh deb).
# Needs root and the Debian mirror this machine's apt uses. The root is made
# once with debootstrap --variant=minbase and kept as
# build/bare-debian/bookworm-minbase.tar.zst, the packages apt fetches for the
# game in build/bare-debian/archives/, so a second run downloads nothing but
# the package lists. Run times: docs/game.md, "The Debian package in detail".
#
# Passes (exit 0) when apt installs the package with what it depends on, the
# game's window appears with its title and shows the title screen, and
# Escape ends the game with exit code 0. The screenshot is left in
# build/bare-debian/window.png.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "check-bare-install: needs root (debootstrap, chroot, mounts)" >&2; exit 2; }

cache=$PWD/build/bare-debian
root=$cache/root
tarball=$cache/bookworm-minbase.tar.zst
title_prefix='Vindra! - '
started=$SECONDS

say() { echo "check-bare-install: $*"; }
fail() {
  echo "check-bare-install: FAILED: $*" >&2
  exit 1
}

# The part that mounts runs in a mount namespace of its own: whatever it
# mounts is gone when it ends, however it ends.
if [ "${BARE_INSTALL_STAGE:-}" != mounted ]; then
  scripts/install-deps.sh debootstrap zstd netpbm
  mkdir -p "$cache/archives"
  deb=${1:-}
  if [ -z "$deb" ]; then
    scripts/build.sh deb >"$cache/build.log" 2>&1 || fail "scripts/build.sh deb: see $cache/build.log"
    deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$cache/build.log" | tail -n1)
  fi
  [ -f "$deb" ] || fail "no package at $deb"
  deb=$(realpath "$deb")

  # This machine's Debian 12 entries of its apt sources, one-line or deb822,
  # as one-line entries without options (the root's own archive keyring
  # checks them). The first plain bookworm entry's URI is the mirror.
  sources=$({
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | sed -E 's/\[[^]]*\] *//' | awk '$1 == "deb"'
    for file in /etc/apt/sources.list.d/*.sources; do
      [ -f "$file" ] || continue
      awk '
        function flush(  i, j) {
          if (types ~ /(^| )deb( |$)/) for (i = 1; i <= nu; i++) for (j = 1; j <= ns; j++) print "deb", u[i], s[j], comps
          types = comps = ""; nu = ns = 0
        }
        /^[ \t]*$/ { flush(); next }
        /^Types:/ { types = substr($0, 7) }
        /^URIs:/ { nu = split(substr($0, 6), u, " ") }
        /^Suites:/ { ns = split(substr($0, 8), s, " ") }
        /^Components:/ { comps = substr($0, 12) }
        END { flush() }' "$file"
    done
  } | awk '$3 ~ /^bookworm/' | sort -u)
  mirror=$(echo "$sources" | awk '$3 == "bookworm" { print $2; exit }')
  [ -n "$mirror" ] || fail "no bookworm entry in /etc/apt/sources.list*"

  if [ ! -f "$tarball" ]; then
    say "making a minimal Debian 12 root from $mirror (once; kept in $tarball)"
    fresh=$cache/debootstrap
    [ -z "$(findmnt -rn -o TARGET | grep -F "$fresh" || true)" ] || fail "something is mounted under $fresh"
    rm -rf "$fresh"
    timeout 1800 debootstrap --variant=minbase bookworm "$fresh" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
      fail "debootstrap ($?): see $cache/debootstrap.log"
    echo "$sources" >"$fresh/etc/apt/sources.list"
    tar --numeric-owner --zstd -C "$fresh" -cf "$tarball.part" . && mv "$tarball.part" "$tarball"
    [ -z "$(findmnt -rn -o TARGET | grep -F "$fresh" || true)" ] || fail "debootstrap left a mount under $fresh"
    rm -rf "$fresh"
  fi

  # A fresh copy of the root for every run, so each run starts from a bare system.
  [ -z "$(findmnt -rn -o TARGET | grep -F "$root" || true)" ] || fail "something is mounted under $root"
  rm -rf "$root"
  mkdir -p "$root"
  tar --numeric-owner --zstd -C "$root" -xpf "$tarball"
  say "root ready after $((SECONDS - started)) s"
  exec unshare --mount --propagation private env BARE_INSTALL_STAGE=mounted BARE_INSTALL_ELAPSED=$((SECONDS - started)) \
    "$0" "$deb"
fi

# --- inside the mount namespace ---
deb=$1
# The times printed count from the script's start.
started=0
SECONDS=$BARE_INSTALL_ELAPSED
xvfb_pid=
game_pid=
cleanup() {
  if [ -n "$game_pid" ]; then kill -9 "$game_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
# in_root SECONDS COMMAND...: runs the command in the root, ended after SECONDS.
in_root() {
  local seconds=$1
  shift
  timeout "$seconds" chroot "$root" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"
}

before=$(in_root 60 dpkg-query -W | wc -l)
in_root 300 apt-get update -qq >"$cache/apt.log" 2>&1 || fail "apt-get update: $(tail -n3 "$cache/apt.log")"
say "installing $(basename "$deb") into the bare root"
in_root 1200 apt-get install -y -q "/tmp/$(basename "$deb")" >>"$cache/apt.log" 2>&1 ||
  fail "apt-get install: $(tail -n5 "$cache/apt.log")"
after=$(in_root 60 dpkg-query -W | wc -l)
say "apt installed $((after - before)) packages ($before before); installed after $((SECONDS - started)) s"

# The display runs outside the root; its socket is shown inside.
display_file=$cache/display
rm -f "$display_file"
Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset 9>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
deadline=$((SECONDS + 20))
until [ -s "$display_file" ]; do
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb ended at its start"
  [ "$SECONDS" -lt "$deadline" ] || fail "Xvfb did not start within 20 s"
  sleep 0.1
done
display=:$(tr -d '\n' <"$display_file")
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

# Started as a player starts it: the command on PATH, from the home folder.
chroot "$root" env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games HOME=/root DISPLAY="$display" LANG=C.UTF-8 \
  sh -c 'cd && exec vindra' 2>"$cache/game.err" &
game_pid=$!

window=
deadline=$((SECONDS + 30))
until [ -n "$window" ]; do
  kill -0 "$game_pid" 2>/dev/null || {
    wait "$game_pid" && status=0 || status=$?
    fail "the game ended ($status) without a window; it said: $(cat "$cache/game.err")"
  }
  [ "$SECONDS" -lt "$deadline" ] || fail "no window within 30 s; the game said: $(cat "$cache/game.err")"
  sleep 0.1
  window=$(DISPLAY=$display timeout 10 xdotool search --onlyvisible --name "^$title_prefix" 2>/dev/null | head -n1 || true)
done
title=$(DISPLAY=$display timeout 10 xdotool getwindowname "$window")
say "window \"$title\" open after $((SECONDS - started)) s"

geometry=$(DISPLAY=$display timeout 10 xdotool getwindowgeometry --shell "$window")
x=$(echo "$geometry" | sed -n 's/^X=//p')
y=$(echo "$geometry" | sed -n 's/^Y=//p')
width=$(echo "$geometry" | sed -n 's/^WIDTH=//p')
height=$(echo "$geometry" | sed -n 's/^HEIGHT=//p')

# The title screen is drawn: more than a handful of colours in the window.
# (Cut from the whole screen: xwdtopnm reads the GL window's own visual with
# red and blue swapped.)
shot=$cache/window.png
colours=0
deadline=$((SECONDS + 20))
while [ "$colours" -le 16 ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the window stayed blank ($colours colours); the game said: $(cat "$cache/game.err")"
  DISPLAY=$display timeout 10 xwd -root -silent | xwdtopnm 2>/dev/null |
    pamcut -left "$x" -top "$y" -width "$width" -height "$height" 2>/dev/null | pnmtopng >"$shot" 2>/dev/null || true
  colours=$(pngtopnm "$shot" 2>/dev/null | ppmhist -noheader 2>/dev/null | wc -l)
  sleep 0.1
done
say "the title screen is drawn ($colours colours): $shot"

DISPLAY=$display timeout 10 xdotool mousemove $((x + 5)) $((y + 5)) key Escape
deadline=$((SECONDS + 10))
while kill -0 "$game_pid" 2>/dev/null; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the game still runs 10 s after Escape"
  sleep 0.1
done
wait "$game_pid" && status=0 || status=$?
game_pid=
[ "$status" -eq 0 ] || fail "the game ended with $status; it said: $(cat "$cache/game.err")"
[ ! -s "$cache/game.err" ] || say "the game wrote on standard error: $(cat "$cache/game.err")"
say "Escape ended the game with 0; all done in $((SECONDS - started)) s"
