#!/usr/bin/env bash
# Renders the pictures of the documentation (docs/*.png) from the desktop programs' own
# windows, on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
# Usage: scripts/screenshots.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" -j2 --target veldor_screenshots tovrin_screenshots
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$build/tools/veldor_screenshots" docs
"$build/tools/tovrin_screenshots" docs
echo "screenshots: docs/*.png written"
