#!/usr/bin/env bash
# Renders the pictures of the documentation (docs/*.png) from the desktop programs' own
# windows, on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
# Usage: scripts/screenshots.sh   (in build-test, the tests' build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-test
cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target veldor_screenshots tovrin_screenshots
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$build/tools/veldor_screenshots" docs
"$build/tools/tovrin_screenshots" docs
echo "screenshots: docs/*.png written"
