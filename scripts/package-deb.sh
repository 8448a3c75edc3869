#!/usr/bin/env bash
# Builds the Debian package build-deb/veldor_<version>_amd64.deb, which installs under /usr.
# With --test (as root) it then checks the package with lintian, installs it with apt,
# lists the sample folder with veldor-cli from PATH as a plain user, and removes the
# package again.
# Usage: scripts/package-deb.sh [--test]
set -euo pipefail
cd "$(dirname "$0")/.."
test=0
case "$#:${1:-}" in
  0:) ;;
  1:--test) test=1 ;;
  *) echo "usage: scripts/package-deb.sh [--test]" >&2; exit 2 ;;
esac

if [ $test -eq 1 ]; then
  bash scripts/install-deps.sh --lintian
else
  bash scripts/install-deps.sh
fi
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
# No error and no warning, but for two by design: the templates are Shift_JIS, and the
# desktop programs have no manual page (their help is help.html).
if ! report=$(lintian --fail-on error,warning --suppress-tags national-encoding,no-manual-page \
  "$deb" 2>&1); then
  printf '%s\n' "$report" | grep -v '^running with root privileges' >&2
  echo "package-deb.sh: lintian found faults in the package (above)" >&2
  exit 1
fi
echo "package-deb.sh: lintian finds nothing to report"
work=$(mktemp -d)
log=$work/apt.log
trap 'apt-get purge -y veldor >>"$log" 2>&1 || true; rm -rf "$work"' EXIT
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
# Root's desktop program saves its settings and lists into the program folder itself;
# purging the package removes them.
for file in quorsel.ini replace_list.csv replace_list2.csv; do
  printf 'saved\r\n' >"/usr/lib/veldor/$file"
done
apt-get purge -y veldor >>"$log" 2>&1 || { tail -n 20 "$log" >&2; exit 1; }
[ ! -e /usr/lib/veldor ] ||
  { echo "package-deb.sh: purging left $(ls -A /usr/lib/veldor) in /usr/lib/veldor" >&2; exit 1; }
echo "Installed, listed the sample as a plain user, and purged $(basename "$deb")"
