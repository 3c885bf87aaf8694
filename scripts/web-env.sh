# Sourced by the web scripts: the environment Debian's Emscripten needs here.
#  - Its tools are node scripts that require 'acorn', which Debian keeps in
#    /usr/share/nodejs, where a node from elsewhere does not look.
#  - Its cache of built system libraries is read-only; anything it must add
#    (a library variant not built yet) goes to a private copy, set up once:
#    a config naming that cache, both under build-web/.
# shellcheck shell=bash
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
tazmix_web_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tazmix_em_home="${TAZMIX_EM_HOME:-$tazmix_web_root/build-web/emscripten}"
if [ ! -f "$tazmix_em_home/config" ]; then
  mkdir -p "$tazmix_em_home"
  rm -rf "$tazmix_em_home/cache.tmp"
  cp -a /usr/share/emscripten/cache "$tazmix_em_home/cache.tmp"
  rm -f "$tazmix_em_home/cache.tmp/cache.lock"
  mv "$tazmix_em_home/cache.tmp" "$tazmix_em_home/cache"
  sed -e "s|^FROZEN_CACHE *=.*|FROZEN_CACHE = False|" /usr/share/emscripten/.emscripten > "$tazmix_em_home/config.tmp"
  echo "CACHE = '$tazmix_em_home/cache'" >> "$tazmix_em_home/config.tmp"
  mv "$tazmix_em_home/config.tmp" "$tazmix_em_home/config"
fi
export EM_CONFIG="$tazmix_em_home/config"
export EM_CACHE="$tazmix_em_home/cache"
unset tazmix_web_root tazmix_em_home
