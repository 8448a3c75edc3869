#!/usr/bin/env bash
# Runs the main job from a build: the desktop program when a display can be opened,
# otherwise the bundled sample listed through veldor-cli.
# Usage: scripts/start.sh BUILD_DIR [ARGUMENTS FOR veldor...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: scripts/start.sh BUILD_DIR [ARGUMENTS...]}
shift

if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && [ -x "$build/program/veldor" ]; then
  errors=$(mktemp)
  trap 'rm -f "$errors"' EXIT
  status=0
  # The shell's own stderr too: its note on a program killed by a signal goes there.
  exec 3>&2 2>"$errors"
  "$build/program/veldor" "$@" || status=$?
  exec 2>&3 3>&-
  # Qt gives up on a display it cannot open; anything else is the program's own ending.
  if ! grep -q -e "could not connect to display" -e "Could not load the Qt platform plugin" \
    "$errors"; then
    cat "$errors" >&2
    exit $status
  fi
  echo "start.sh: the display cannot be opened; listing the bundled sample instead" >&2
fi
bash scripts/run-sample.sh "$build"
