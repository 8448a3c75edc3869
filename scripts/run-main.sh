#!/usr/bin/env bash
# Installs what is needed, builds the programs and runs the main job: the desktop program
# when a display can be opened, otherwise the bundled sample through veldor-cli.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELDOR_BUILD_TESTS=OFF \
  -DVELDOR_BUILD_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)"

exec bash scripts/start.sh build "$@"
