#!/usr/bin/env bash
# Cross-builds the core, veldor-cli.exe, tovrin-cli.exe and the core's tests for 64-bit
# Windows with mingw-w64 in build-win, and runs the tests under Wine (set up by
# wine-env.sh) on a virtual display (Xvfb), for the dialogs of VELDOR.exe and tovrin.exe.
# The terminal programs are also run on the sample folder beside the Linux ones, built in
# build-win/linux, and must write the same bytes.
# Usage: scripts/test-windows.sh   (scripts/test.sh --windows runs it)
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { echo "usage: scripts/test-windows.sh" >&2; exit 2; }

bash scripts/install-deps.sh --no-gui --windows
warnings=()
if [ "${CI:-}" = "true" ]; then
  warnings+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
fi
jobs=$(nproc)
cmake --preset windows-linux "${warnings[@]}" >/dev/null
cmake --build --preset windows-linux -j "$jobs"
cmake --preset windows "${warnings[@]}" >/dev/null
# The build runs the test programs under Wine to list their tests: Wine first.
source scripts/wine-env.sh build-win
trap wine_end EXIT
cmake --build --preset windows -j "$jobs"
# The dialogs' tests need a display: a virtual one, with a wineserver started on it.
wineserver -k >/dev/null 2>&1 || true
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
  'source scripts/wine-env.sh build-win && ctest --preset windows -j "$1"' \
  test-windows "$jobs"
