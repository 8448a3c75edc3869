#!/usr/bin/env bash
# Installs what is needed, builds everything with the tests, and runs every test.
# Usage: scripts/test.sh [--sanitize | --windows]
#   --sanitize  a separate build of everything with AddressSanitizer and
#               UndefinedBehaviorSanitizer, running every test again
#   --windows   the Windows build (mingw-w64) and its tests under Wine (test-windows.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { echo "usage: scripts/test.sh [--sanitize | --windows]" >&2; exit 2; }
sanitize=0
case "$#:${1:-}" in
  0:) ;;
  1:--sanitize) sanitize=1 ;;
  1:--windows) exec bash scripts/test-windows.sh ;;
  *) echo "test.sh: unknown option or argument: $*" >&2; usage ;;
esac

bash scripts/install-deps.sh
# Qt wants a runtime folder of the user's own: a private one, gone when the tests end,
# instead of one left in /tmp.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime

flags=()
# Warnings are errors in CI; a user's newer compiler may warn about new things.
if [ "${CI:-}" = "true" ]; then
  flags+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
fi
preset=dev
if [ $sanitize -eq 1 ]; then
  preset=sanitize
  # The build lists each test program's tests by running it: sanitized too.
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake --preset "$preset" "${flags[@]}"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
