#!/usr/bin/env bash
# Cross-builds for 64-bit Windows with mingw-w64 in build-win and runs the tests under Wine.
# So far this is the text layer (CP932 conversion through code page 932) and its tests.
# Usage: scripts/test-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { echo "usage: scripts/test-windows.sh" >&2; exit 2; }

bash scripts/install-deps.sh --no-gui --windows
flags=(-G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake)
if [ "${CI:-}" = "true" ]; then
  flags+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
fi
export WINEDEBUG=-all  # Wine's own notes about the prefix it sets up are no test output
cmake -S . -B build-win "${flags[@]}" >/dev/null
cmake --build build-win -j "$(nproc)"
ctest --test-dir build-win --output-on-failure
