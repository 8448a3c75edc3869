#!/usr/bin/env bash
# Builds the Windows download build-win-package/veldor-windows-x64.zip: the program folder
# (VELDOR.exe, veldor-cli.exe, help.html, template\<carrier>\index.html, template\tovrin.exe
# and template\tovrin-cli.exe) and a README in Japanese and English, in a folder "veldor".
# Cross-built with mingw-w64; needs nothing on Windows but the system's own DLLs.
# Usage: scripts/package-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { echo "usage: scripts/package-windows.sh" >&2; exit 2; }

bash scripts/install-deps.sh --no-gui --windows
build=build-win-package
cmake --preset windows-package >/dev/null
cmake --build --preset windows-package -j "$(nproc)"

stage=$build/stage/veldor
rm -rf "$build/stage" "$build/veldor-windows-x64.zip"
mkdir -p "$stage/template"
x86_64-w64-mingw32-strip -o "$stage/VELDOR.exe" "$build/program/VELDOR.exe"
x86_64-w64-mingw32-strip -o "$stage/veldor-cli.exe" "$build/program/veldor-cli.exe"
x86_64-w64-mingw32-strip -o "$stage/template/tovrin-cli.exe" "$build/program/template/tovrin-cli.exe"
x86_64-w64-mingw32-strip -o "$stage/template/tovrin.exe" "$build/program/template/tovrin.exe"
cp data/program/help.html "$stage/"
cp -r data/program/template/. "$stage/template/"
# Windows' editors want CR LF.
sed 's/$/\r/' data/windows/README.txt >"$stage/README.txt"
(cd "$build/stage" && zip -qrX ../veldor-windows-x64.zip veldor)

# What a user unpacks: every part of the program folder, nothing else.
expected="veldor/ veldor/README.txt veldor/VELDOR.exe veldor/help.html veldor/template/ veldor/template/Vodafone/
veldor/template/Vodafone/index.html veldor/template/au/ veldor/template/au/index.html
veldor/template/docomo/ veldor/template/docomo/index.html veldor/template/tovrin-cli.exe
veldor/template/tovrin.exe veldor/veldor-cli.exe"
listed=$(zip -sf "$build/veldor-windows-x64.zip" | sed -n 's/^  //p' | LC_ALL=C sort | tr '\n' ' ')
if [ "$listed" != "$(echo $expected | tr ' ' '\n' | LC_ALL=C sort | tr '\n' ' ')" ]; then
  echo "package-windows.sh: unexpected contents: $listed" >&2
  exit 1
fi
echo "Built $PWD/$build/veldor-windows-x64.zip"
