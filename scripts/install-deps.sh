#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Safe to run again:
# it does nothing when everything is already there.
# Usage: scripts/install-deps.sh [--no-gui]
set -euo pipefail

packages=(cmake g++ make ninja-build libgtest-dev pkg-config clang-format git clang libclang-rt-14-dev)
if [ "${1:-}" != "--no-gui" ]; then
  packages+=(qt6-base-dev qt6-base-dev-tools libgl-dev fonts-ipafont-gothic xdg-utils)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
