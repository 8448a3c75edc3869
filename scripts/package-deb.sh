#!/usr/bin/env bash
# Builds the Debian package build-deb/veldor_<version>_amd64.deb, which installs under /usr.
# With --test (as root) it then installs the package with apt, lists the sample folder with
# veldor-cli from PATH as a plain user, and removes the package again.
# Usage: scripts/package-deb.sh [--test]
set -euo pipefail
cd "$(dirname "$0")/.."
test=0
case "$#:${1:-}" in
  0:) ;;
  1:--test) test=1 ;;
  *) echo "usage: scripts/package-deb.sh [--test]" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh
echo "package-deb.sh: building in build-deb"
cmake --preset deb >/dev/null
cmake --build --preset deb -j "$(nproc)"
(cd build-deb && cpack -G DEB >cpack.log 2>&1) || { cat build-deb/cpack.log >&2; exit 1; }
deb=$(ls "$PWD"/build-deb/veldor_*_amd64.deb)
echo "Built $deb"
[ $test -eq 1 ] || exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "package-deb.sh: --test installs the package; run it as root" >&2
  exit 1
fi
if dpkg-query -W -f='${Status}' veldor 2>/dev/null | grep -q "install ok installed"; then
  echo "package-deb.sh: a veldor package is installed already; --test leaves it alone" >&2
  exit 1
fi
work=$(mktemp -d)
log=$work/apt.log
trap 'apt-get remove -y veldor >>"$log" 2>&1 || true; rm -rf "$work"' EXIT
echo "package-deb.sh: installing $(basename "$deb")"
apt-get install -y "$deb" >"$log" 2>&1 || { tail -n 20 "$log" >&2; exit 1; }
[ "$(command -v veldor-cli)" = /usr/bin/veldor-cli ] || { echo "no veldor-cli in PATH" >&2; exit 1; }
# The package carries the version the programs report.
[ "$(veldor-cli --version)" = "veldor-cli $(dpkg-deb -f "$deb" Version)" ] ||
  { echo "package-deb.sh: the package's version is not the program's" >&2; exit 1; }
# A plain user of a system-wide install gets a program folder of their own.
cp -r samples/photos "$work/photos"
chmod -R a+rwX "$work"
setpriv --reuid=nobody --regid=nogroup --clear-groups env XDG_DATA_HOME="$work/data" \
  veldor-cli --yes --format csv "$work/photos"
[ -s "$work/photos/photos.csv" ] && [ -s "$work/data/veldor/template/docomo/index.html" ] ||
  { echo "package-deb.sh: the installed veldor-cli did not list the sample" >&2; exit 1; }
echo "Installed, listed the sample as a plain user, and removed $(basename "$deb")"
