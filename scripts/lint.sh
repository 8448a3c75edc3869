#!/usr/bin/env bash
# Source hygiene: clang-format applied, no trailing whitespace, no CR, a final newline.
# (CR LF inside message strings is data written as "\r\n", never a raw CR in a source.)
set -euo pipefail
cd "$(dirname "$0")/.."
# The file lists come from git; a tree without it has nothing to check.
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || exit 0

status=0
mapfile -t sources < <(git ls-files '*.cpp' '*.h' '*.c')
mapfile -t texts < <(git ls-files '*.cpp' '*.h' '*.c' '*.cmake' '*CMakeLists.txt' '*.sh' '*.md' '*.py' '.ci/run')

if command -v clang-format >/dev/null; then
  if ! clang-format --dry-run --Werror "${sources[@]}" 2>/dev/null; then
    echo "lint: not clang-formatted (run clang-format -i):"
    clang-format --dry-run "${sources[@]}" 2>&1 | grep -o '^[^:]*:[0-9]*' | sort -u | head -20
    status=1
  fi
fi
for file in "${texts[@]}"; do
  if grep -nE ' +$' "$file" >/dev/null; then echo "lint: trailing whitespace in $file"; status=1; fi
  if grep -q $'\r' "$file"; then echo "lint: CR in $file"; status=1; fi
  if [ -s "$file" ] && [ -n "$(tail -c 1 "$file")" ]; then echo "lint: no final newline in $file"; status=1; fi
done
exit $status
