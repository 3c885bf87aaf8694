#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those missing.
# Quiet when everything is present (else apt shows its progress); safe to run
# again and again.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config ccache
  libsdl2-dev libpng-dev zlib1g-dev libfreetype-dev libgl-dev libegl-dev
  libgl1-mesa-dri libegl-mesa0 libglx-mesa0
  fonts-liberation2
  libsdl2-mixer-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils x11-apps openbox
  dpkg-dev lintian desktop-file-utils appstream
  clang-format doxygen
)
# Extra packages a caller may ask for (the benchmarks' dictionary, say).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
