#!/usr/bin/env bash
# Installs what is needed, builds the programs and runs the main job: the desktop program
# when a display is present, otherwise the bundled sample through veldor-cli.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELDOR_BUILD_TESTS=OFF
cmake --build build -j "$(nproc)"

if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && [ -x build/program/veldor ]; then
  exec build/program/veldor "$@"
fi
exec bash scripts/run-sample.sh build
