#!/usr/bin/env bash
# Renders the pictures of the Windows dialogs (docs/windows-*.png): builds the Windows
# programs in build-win and runs them under Wine on a virtual display, in a Wine desktop
# window (so that Wine draws the title bars), with the Japanese fonts and locale of
# wine-env.sh, while tools/windows_screenshots.cpp opens each dialog.
# Usage: scripts/screenshots-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --no-gui --windows
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target VELDOR tovrin windows_screenshots veldor_program_data
# The pictures show a fresh program folder: the defaults, no settings file of a past run.
shots=build-win/screenshots
rm -rf "$shots"
mkdir -p "$shots/program/template"
cp build-win/program/VELDOR.exe build-win/program/help.html "$shots/program/"
cp -r build-win/program/template/. "$shots/program/template/"
source scripts/wine-env.sh build-win
wineserver -k >/dev/null 2>&1 || true  # started again below, on the display
xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
  'source scripts/wine-env.sh build-win &&
   wine explorer /desktop=screenshots,1024x768 build-win/tools/windows_screenshots.exe \
     "$(winepath -w "$1")" "$(winepath -w "$2")"; status=$?; wine_end; exit $status' \
  screenshots "$shots/program" docs
echo "screenshots: docs/windows-*.png written"
