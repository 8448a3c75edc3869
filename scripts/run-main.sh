#!/usr/bin/env bash
# Installs what is needed, builds the programs and runs the main job: the desktop program
# when a display can be opened, otherwise the bundled sample through veldor-cli.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"

exec bash scripts/start.sh build "$@"
