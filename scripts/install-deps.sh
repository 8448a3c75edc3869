#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Safe to run again:
# it does nothing when everything is already there.
# Usage: scripts/install-deps.sh [--no-gui] [--fuzz] [--lintian] [--windows]
#   --no-gui   leave out Qt and what only the desktop programs need
#   --lintian  add lintian, which checks the Debian package
#   --fuzz     add clang and its libFuzzer runtime
#   --windows  add the mingw-w64 cross compiler, Wine, GoogleTest's sources, the locale
#              sources (a Japanese locale for Wine), Xvfb, the IPA fonts and Wine's own
#              fonts (Wine's windows under test) and zip
set -euo pipefail

gui=1
fuzz=0
lintian=0
windows=0
for option in "$@"; do
  case $option in
    --no-gui) gui=0 ;;
    --fuzz) fuzz=1 ;;
    --lintian) lintian=1 ;;
    --windows) windows=1 ;;
    *) echo "usage: scripts/install-deps.sh [--no-gui] [--fuzz] [--lintian] [--windows]" >&2; exit 2 ;;
  esac
done
packages=(cmake g++ make ninja-build libgtest-dev pkg-config clang-format clang-tidy git)
if [ $gui -eq 1 ]; then
  packages+=(qt6-base-dev qt6-base-dev-tools libgl-dev fonts-ipafont-gothic xdg-utils desktop-file-utils)
fi
if [ $fuzz -eq 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi
if [ $lintian -eq 1 ]; then
  packages+=(lintian)
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
    echo "scripts/install-deps.sh installs the Debian packages the build needs and cannot" \
      "become root: missing ${missing[*]}; run it as root, or install and set up sudo" >&2
    exit 1
  fi
  as_root=(sudo)
fi
# apt and dpkg say a great deal: their output goes to a log, shown only when they fail.
log=$(mktemp "${TMPDIR:-/tmp}/veldor-install.XXXXXX")
trap 'rm -f "$log"' EXIT
# Another apt (an unattended upgrade) may hold the lock for a while: wait for it.
apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
failed() {
  tail -n 20 "$log" >&2
  echo "scripts/install-deps.sh: installing the packages failed (apt's last lines above)" >&2
  exit 1
}
echo "Installing ${#missing[@]} packages: ${missing[*]}"
"${apt[@]}" update >"$log" 2>&1 || failed
# How much apt is going to download, said before it starts.
size=$("${apt[@]}" install --no-install-recommends --assume-no "${missing[@]}" 2>/dev/null |
  sed -n 's/^Need to get \([^ ]* [kMG]*B\).*/\1/p' | head -n 1 || true)
echo "Downloading ${size:-the packages} and setting them up; this takes a few minutes."
# One line per package downloaded and per package set up instead of silence; everything
# else goes to the log.
"${apt[@]}" install -y --no-install-recommends "${missing[@]}" 2>&1 | tee -a "$log" |
  sed -u -n -E -e 's/^Get:[0-9]+ [^ ]+ [^ ]+ [^ ]+ ([^ ]+) [^ ]+ [^ ]+ \[([^]]+)\]$/  got \1 (\2)/p' \
    -e 's/^Setting up ([^ ]+) .*/  set up \1/p'
[ "${PIPESTATUS[0]}" -eq 0 ] || failed
echo "Installed."
