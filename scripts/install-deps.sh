#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Safe to run again:
# it does nothing when everything is already there.
# Usage: scripts/install-deps.sh [--no-gui] [--fuzz] [--windows]
#   --no-gui   leave out Qt and what only the desktop programs need
#   --fuzz     add clang and its libFuzzer runtime
#   --windows  add the mingw-w64 cross compiler, Wine, GoogleTest's sources, the locale
#              sources (a Japanese locale for Wine), Xvfb, the IPA fonts and Wine's own
#              fonts (Wine's windows under test) and zip
set -euo pipefail

gui=1
fuzz=0
windows=0
for option in "$@"; do
  case $option in
    --no-gui) gui=0 ;;
    --fuzz) fuzz=1 ;;
    --windows) windows=1 ;;
    *) echo "usage: scripts/install-deps.sh [--no-gui] [--fuzz] [--windows]" >&2; exit 2 ;;
  esac
done
packages=(cmake g++ make ninja-build libgtest-dev pkg-config clang-format git)
if [ $gui -eq 1 ]; then
  packages+=(qt6-base-dev qt6-base-dev-tools libgl-dev fonts-ipafont-gothic xdg-utils desktop-file-utils)
fi
if [ $fuzz -eq 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi
if [ $windows -eq 1 ]; then
  packages+=(g++-mingw-w64-x86-64-posix wine wine64 googletest locales zip xvfb xauth
    fonts-ipafont-gothic fonts-wine)
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

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  # sudo only where it can work: installed, and either needing no password or able to ask.
  if ! command -v sudo >/dev/null || { ! sudo -n true 2>/dev/null && ! [ -t 0 ]; }; then
    echo "install-deps.sh: missing ${missing[*]}; run this script as root, or install and set up sudo" >&2
    exit 1
  fi
  as_root=(sudo)
fi
# apt and dpkg say a great deal: their output goes to a log, shown only when they fail.
log=$(mktemp "${TMPDIR:-/tmp}/veldor-install.XXXXXX")
trap 'rm -f "$log"' EXIT
echo "Installing ${#missing[@]} packages: ${missing[*]}"
if ! "${as_root[@]}" apt-get update >"$log" 2>&1 ||
  ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "${missing[@]}" >>"$log" 2>&1; then
  tail -n 20 "$log" >&2
  echo "install-deps.sh: installing the packages failed (apt's last lines above)" >&2
  exit 1
fi
echo "Installed."
