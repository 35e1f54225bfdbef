#!/usr/bin/env bash
# Installs the Debian packages the build, the program and its tests need, but only those missing,
# so a machine that already has them is not touched and needs no network.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config make
  qt6-base-dev libgl-dev qt6-qpa-plugins
  nettle-dev libgtest-dev
  fonts-noto-cjk
  xvfb xdotool xclip imagemagick openbox x11-utils
  clang-format
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
